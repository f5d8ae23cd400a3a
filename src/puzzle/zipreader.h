// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The one member of a zip archive whose name ends in `suffixes` (any letter
// case), unpacked. Only what a zipped crossword needs: stored or deflated
// members found through the central directory. Members whose stated or real
// unpacked size passes `maxBytes` are refused, as are damaged archives.
struct ZipMember {
    std::optional<QByteArray> bytes;
    QString error;  // why there are no bytes
};
ZipMember unzipOnlyMember(const QByteArray &zip, const QStringList &suffixes, qsizetype maxBytes);
