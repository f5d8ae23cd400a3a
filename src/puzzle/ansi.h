// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include <QByteArray>
#include <QString>

// The shipped texts and the files the game writes are single-byte Windows-1252.
// Every rule that counts characters works on the converted text ("£" is one).
QString fromAnsi(const QByteArray &bytes);
// Characters outside Windows-1252 become '?'.
QByteArray toAnsi(const QString &text);
