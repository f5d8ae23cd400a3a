// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
//
// What every caller of a crossword file reader relies on, checked by each of
// the reader fuzzers on whatever the reader gives.
#pragma once

#include "puzzle/puzzle.h"

#include <QByteArray>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

inline void puzzleFileInvariantBroken(const char *what)
{
    std::fprintf(stderr, "puzzle file invariant broken: %s\n", what);
    std::abort();
}

inline void checkPuzzleFileResult(const std::optional<Puzzle> &puzzle, const QString &error)
{
    if (!puzzle) {
        if (error.isEmpty())
            puzzleFileInvariantBroken("no puzzle and no reason");
        return;
    }
    if (!error.isEmpty())
        puzzleFileInvariantBroken("a puzzle and a reason");
    if (puzzle->width() < 1 || puzzle->height() < 1 || puzzle->width() > Puzzle::MaxSide || puzzle->height() > Puzzle::MaxSide)
        puzzleFileInvariantBroken("grid size outside 1..25");
    if (!puzzle->everyWordHasClue())
        puzzleFileInvariantBroken("a word without a clue");
    for (Direction direction : {Direction::Across, Direction::Down})
        for (const PuzzleClue &clue : puzzle->clues(direction)) {
            if (clue.cells.size() < 2)
                puzzleFileInvariantBroken("a clue of fewer than two squares");
            QString letters;
            for (const CellPos &pos : clue.cells) {
                const PuzzleCell &square = puzzle->cell(pos);
                if (square.block)
                    puzzleFileInvariantBroken("a clue through a block");
                letters += square.solution;
            }
            if (QString(clue.answer).remove(QLatin1Char(' ')) != letters)
                puzzleFileInvariantBroken("an answer that is not the grid's letters");
            if (!puzzle->hasSolution() && !clue.answer.isEmpty())
                puzzleFileInvariantBroken("an answer in a puzzle without a solution");
        }
}

// The body of each reader's fuzz target: read the bytes, check the result.
template <typename Reader>
int fuzzPuzzleFileReader(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    Reader reader;
    const std::optional<Puzzle> puzzle = reader.read(bytes);
    checkPuzzleFileResult(puzzle, reader.errorString());
    return 0;
}
