// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include "puzzle/puzzle.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// The solver's own crossword files: .puz, .ipuz and .jpz (plain or zipped).
// Every reader takes the file's bytes and gives a Puzzle or a reason a solver
// understands; none reads past its buffer, and hostile sizes are refused
// before anything of that size is made.

// The reasons a file is refused, in the words the game says.
namespace PuzzleFileError {
QString endsEarly();       // "the file ends too early"
QString notCrossword();    // "this is not a crossword file"
QString mismatch();        // "the grid and the clues do not match"
QString gridTooLarge();    // "the grid is larger than 25 by 25 squares"
QString fileTooLarge();    // "the file is too large for a crossword"
QString damaged();         // "the file is damaged"
QString cannotOpen();      // "the file cannot be opened"
// A puzzle of another kind, by the kind its file names ("acrostic",
// "word-search", "sudoku"): "this is an acrostic, which this game cannot play".
QString otherKind(const QString &kind);
QString notAcrossDown();   // "its words do not run across and down"
} // namespace PuzzleFileError

// No crossword file of up to 25 x 25 squares comes near this; larger files,
// and larger unpacked zip members, are refused unread.
constexpr qsizetype MaxPuzzleFileBytes = 4 * 1024 * 1024;

// A clue as a file gives it; its answer comes from the grid.
struct FileClue {
    Direction direction = Direction::Across;
    int number = 0;
    QString text;
    QString enumeration;  // word lengths as written, "2,2,5" or "4-3"; may be empty
};

// The common steps of every reader, so each rule has one home.
namespace PuzzleFile {
// An empty string when a grid of width x height fits, else the reason.
QString checkGridSize(int width, int height);
// True when every number the file prints (row by row, 0 for none) is the
// number the numbering rule gives that square.
bool numbersAgree(const Puzzle &puzzle, const QList<int> &numbers);
// Gives the puzzle the file's clues: each must name a word of the grid, and
// every word must get exactly one. The answer is the word's squares' solution,
// split into words by the enumeration when that fits. False on a mismatch.
bool addClues(Puzzle &puzzle, const QList<FileClue> &clues);
// Text with HTML tags dropped, entities decoded and white space collapsed.
QString plainText(const QString &html);
} // namespace PuzzleFile

enum class PuzzleFormat { Unknown, Puz, Ipuz, Jpz };

// The format a file is in, by its first bytes and then by its name's ending.
PuzzleFormat puzzleFormat(const QByteArray &bytes, const QString &fileName);

struct PuzzleFileResult {
    std::optional<Puzzle> puzzle;
    QString error;        // why there is no puzzle; empty when there is one
    bool locked = false;  // a locked file whose key was not found: no solution
};

// Reads a crossword file of any of the three formats.
PuzzleFileResult readPuzzleFile(const QByteArray &bytes, const QString &fileName);
PuzzleFileResult readPuzzleFile(const QString &path);
