// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include "puzzle/puzzle.h"

#include <QString>
#include <algorithm>
#include <array>
#include <vector>

// The open puzzle as the game walks it: a row per clue, across clues first,
// and for every square the numbers of the words through it. Rows and squares
// count from 1; squares go row by row.
struct ClueTable {
    // The tables have at least these many rows and squares (a 15 x 15 board
    // with 100 clues), more when the open puzzle needs more.
    static constexpr int MinClueRows = 100, MinSquares = 225;

    int gridsize = 7;  // squares a side
    std::vector<std::array<QString, 4>> clues = std::vector<std::array<QString, 4>>(MinClueRows + 1);  // 0 text, 1 label, 2 answer, 3 display line
    std::vector<std::array<int, 3>> sqclue = std::vector<std::array<int, 3>>(MinSquares + 1);  // (idx,1) across number, (idx,2) down number

    // Makes the tables the puzzle's: its side, its clues, the words through
    // each square. Every row and square of an earlier puzzle is cleared.
    void fill(const Puzzle &puzzle);

    int clueRows() const { return int(clues.size()) - 1; }
    int squareCount() const { return std::min(gridsize * gridsize, int(sqclue.size()) - 1); }
    // Square idx has no word through it: a block (or a square no answer uses).
    bool isDark(int idx) const
    {
        return idx < 1 || idx >= int(sqclue.size()) || (sqclue[idx][1] == 0 && sqclue[idx][2] == 0);
    }
    // The label of clue `number` in direction `dir` (1 across, 2 down): "A12", "D3".
    static QString label(int dir, int number);
    // The row of clue `number` in direction `dir`, 0 when the table has none.
    int rowOf(int dir, int number) const;
};
