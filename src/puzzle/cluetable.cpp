// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "puzzle/cluetable.h"
#include "puzzle/puzzletext.h"

void ClueTable::fill(const Puzzle &puzzle)
{
    const int squares = std::max(int(MinSquares), puzzle.width() * puzzle.height());
    const int clueCount = int(puzzle.clues(Direction::Across).size() + puzzle.clues(Direction::Down).size());
    clues.assign(std::max(int(MinClueRows), clueCount) + 1, {});
    sqclue.assign(squares + 1, {});
    gridsize = puzzle.width();

    int n = 0;
    for (const Direction direction : {Direction::Across, Direction::Down})
        for (const PuzzleClue &clue : puzzle.clues(direction))
            clues[++n] = makeClueRow(clue.label, clue.answer, clue.text);

    const int side = std::clamp(gridsize, 0, Puzzle::MaxSide);
    int idx = 0;
    for (int r = 0; r < side; ++r) {
        for (int c = 0; c < side; ++c) {
            const PuzzleCell &square = puzzle.cell(r, c);
            sqclue[++idx] = {0, square.acrossWord, square.downWord};
        }
    }
}

int ClueTable::rowOf(const QString &label) const
{
    int row = 0;
    for (int n = 1; n <= clueRows(); ++n)
        if (clues[n][1] == label)
            row = n;
    return row;
}
