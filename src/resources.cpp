// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include <QtCore/QtGlobal>
#include <QtCore/QDir>

// The data is compiled into a static library; make sure its resource
// initialiser is linked and run before anything looks a resource up.
void quorelInitResources()
{
    Q_INIT_RESOURCE(quorel_data);
}
