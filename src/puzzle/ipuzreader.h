// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include "puzzle/puzzle.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Reads an .ipuz file: JSON, bare or wrapped as ipuz({...}), of a crossword
// kind, with its dimensions, puzzle cells (numbers, blocks, empty, omitted,
// and styled objects with circles), solution and Across/Down clues in any of
// the three clue forms. HTML in its texts becomes plain text.
class IpuzReader {
public:
    std::optional<Puzzle> read(const QByteArray &bytes);
    QString errorString() const { return m_error; }

private:
    std::optional<Puzzle> fail(const QString &why);

    QString m_error;
};
