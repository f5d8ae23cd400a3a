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

QString ClueTable::label(int dir, int number)
{
    return (dir == 1 ? QStringLiteral("A") : QStringLiteral("D")) + QString::number(number);
}

int ClueTable::rowOf(int dir, int number) const
{
    // Labels are unique: the puzzle gives each word one clue.
    const QString wanted = label(dir, number);
    for (int n = 1; n <= clueRows(); ++n)
        if (clues[n][1] == wanted)
            return n;
    return 0;
}
