// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include "puzzle/puzzle.h"
#include "store/attempt.h"

// The rules of checking, revealing and completion, on the puzzle and the
// solver's attempt alone.
namespace Solving {

// The first clue, across clues first, whose squares hold a wrong letter; null
// when every letter so far is right (or the puzzle has no solution).
const PuzzleClue *firstClueWithMistake(const Puzzle &puzzle, const Attempt &attempt);
// True when every letter square holds a letter.
bool isFull(const Puzzle &puzzle, const Attempt &attempt);
// True when some square holds a letter that is not its solution's.
bool hasMistake(const Puzzle &puzzle, const Attempt &attempt);
// The squares holding a letter that was revealed: the help the solver had
// (the squares the puzzle fills in itself are no help).
int revealedCount(const Puzzle &puzzle, const Attempt &attempt);
// Writes the solution into a letter square and marks it revealed; false for a
// block or a square without a solution.
bool reveal(const Puzzle &puzzle, Attempt &attempt, CellPos square);

// The character a key types on the answer line: A to Z, and 0 to 9 from the
// main row or the keypad; a null character for any other key.
QChar typedCharacter(int key);
// True when a key types a square's answer (or, in a rebus square, its first
// character): a letter A to Z or a digit.
bool isTypeable(const QString &solution);
// True when the puzzle fills a square in itself: the file gives its letter, or
// no key can type its answer (a symbol such as "+"). Such a square shows its
// answer from the start and the solver never changes it.
bool isFixed(const PuzzleCell &cell);
// Gives every fixed square its answer, marked revealed; false when none needed it.
bool giveFixedSquares(const Puzzle &puzzle, Attempt &attempt);

// True when some square holds a letter the solver typed or had revealed
// (not one the puzzle gives).
bool hasSolverLetters(const Puzzle &puzzle, const Attempt &attempt);

// Fills the answer line from the squares of an answer, in order: box k takes
// the k-th square's letter, marked "*" when a word of the other direction
// runs through that square. Boxes past the squares keep what they hold.
void fillAnswerLine(const Puzzle &puzzle, Attempt &attempt, const QList<CellPos> &squares, Direction direction);

} // namespace Solving
