// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include "puzzle/puzzle.h"

#include <QString>
#include <optional>

// Reads a puzzle text as the game ships it (see readPuzzleText) into a
// Puzzle. Text that does not make a sound puzzle gives no puzzle and a reason
// in errorString(); the reader never stops the program.
class PuzzleTextReader {
public:
    std::optional<Puzzle> read(const QString &text);
    // Why the last read gave no puzzle; empty after a good read.
    QString errorString() const { return m_error; }

private:
    std::optional<Puzzle> fail(const QString &why);

    QString m_error;
};
