// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// The answer line under the board: the letters of the marked squares.
#include "engine/crosswords.h"
#include "aids/solving.h"

void Crosswords::highlightgrid()
{
    // The marked squares in reading order, as many as the line has boxes.
    const int n = std::clamp(table.gridsize, 0, Puzzle::MaxSide);
    QList<CellPos> squares;
    for (int idx = 1; idx <= n * n && squares.size() < attempt.boxCount(); ++idx)
        if (session.isMarked(idx))
            squares.append({(idx - 1) / n, (idx - 1) % n});
    Solving::fillAnswerLine(puzzle, attempt, squares, session.curdir == 1 ? Direction::Across : Direction::Down);
    screen.showAnswerLine(int(squares.size()));
}
