// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include "puzzle/puzzle.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

// Writers of the three crossword file formats, for our own fixtures: what
// they write, the game's readers read back to the same puzzle.

// A .puz file, version 1.3 (Windows-1252) or 2.0 (UTF-8) when a text needs
// it; circles and rebus squares go into their extra sections. With a key
// from 0 to 9999 the solution is locked with it.
QByteArray writePuz(const Puzzle &puzzle, int lockKey = -1);
// An .ipuz file; `wrapped` writes it as ipuz({...}).
QByteArray writeIpuz(const Puzzle &puzzle, bool wrapped = false);
// A plain .jpz file (XML).
QByteArray writeJpz(const Puzzle &puzzle);
// A zip archive holding `data` as its only member `name`, deflated.
QByteArray zipOne(const QString &name, const QByteArray &data);

// The built-in puzzles from their texts in `textDir` (resources/text), read
// with the game's own reader, by resource name ("PUZ0101"); a text that does
// not read is left out with its reason in *errors.
QList<std::pair<QString, Puzzle>> shippedPuzzles(const QString &textDir, QStringList *errors);

// Our own test puzzles, side 15 or 21: words and clues of our making, the
// squares of 1 across circled, with title, author, copyright and notes.
Puzzle testPuzzle(int side);

// A barred test grid of `side` x `side` squares (3 to Puzzle::MaxSide), set
// the British way: no blocks, every square in an across and a down word,
// words of 3 to 8 letters ended by bars, every word clued. The letters and
// clues are made up from `side` alone, so the same side gives the same puzzle.
Puzzle barredTestPuzzle(int side);
