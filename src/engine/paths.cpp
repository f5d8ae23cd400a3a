// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "engine/crosswords.h"

QString Crosswords::progressFile(int n) const
{
    const OwnPuzzle *own = ownPuzzle(n);
    const QString name = own ? ownProgressName(own->fingerprint) : n >= 0 && n < m_puzlist.size() ? m_puzlist[n] : QString();
    return tempdir + QStringLiteral("quoreltamriva3-") + name + QStringLiteral(".tmp");
}
