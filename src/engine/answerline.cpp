// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// The answer line under the board: the letters of the marked squares.
#include "engine/crosswords.h"
#include "aids/solving.h"

void Crosswords::highlightgrid()
{
    // The marked squares in reading order, as many as the line has boxes.
    const int n = std::clamp(m_table.gridsize, 0, Puzzle::MaxSide);
    QList<CellPos> squares;
    for (int idx = 1; idx <= n * n && squares.size() < m_attempt.boxCount(); ++idx)
        if (m_session.isMarked(idx))
            squares.append({(idx - 1) / n, (idx - 1) % n});
    Solving::fillAnswerLine(m_puzzle, m_attempt, squares, m_session.curdir == 1 ? Direction::Across : Direction::Down);
    m_screen.showAnswerLine(int(squares.size()));
}
