// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// The progress codec at other sizes, and rebus squares.
#include "aids/solving.h"
#include "store/attempt.h"

#include <gtest/gtest.h>

namespace {

// 3 x 3 with a rebus square "ST" at the top left: ST A R / O # E / P L Y.
Puzzle rebusPuzzle()
{
    QList<PuzzleCell> cells;
    const QStringList solution{"ST", "A", "R", "O", "", "E", "P", "L", "Y"};
    for (const QString &s : solution) {
        PuzzleCell cell;
        cell.block = s.isEmpty();
        cell.solution = s;
        cells.append(cell);
    }
    return Puzzle(3, 3, cells);
}

TEST(Attempt, ARebusSquareIsRightWithItsFirstLetterAndRevealedWhole)
{
    const Puzzle puzzle = rebusPuzzle();
    Attempt attempt(puzzle);
    attempt.setLetter(0, "S");
    EXPECT_FALSE(Solving::hasMistake(puzzle, attempt));
    attempt.setLetter(0, "T");
    EXPECT_TRUE(Solving::hasMistake(puzzle, attempt));
    EXPECT_TRUE(Solving::reveal(puzzle, attempt, {0, 0}));
    EXPECT_EQ(attempt.letter(0), "ST");
    EXPECT_FALSE(Solving::reveal(puzzle, attempt, {1, 1}));  // a block

    // Saved and read back: the square's line holds the first letter, as every
    // reader of these files expects, and a record after the answer line the
    // whole rebus; a typed entry longer than a letter is a damaged one and
    // keeps its first.
    attempt.setLetter(2, "R");
    QByteArray bytes = encodeProgress(puzzle, attempt);
    EXPECT_TRUE(bytes.startsWith("3\r\nS!\r\n 1\r\nST\r\n"));
    EXPECT_TRUE(bytes.endsWith("\r\nRebus\t1\tST\r\n"));
    bytes.replace("\r\nR\r\n", "\r\nRX\r\n");
    const Attempt back = decodeProgress(bytes, puzzle);
    EXPECT_EQ(back.letter(0), "ST");
    EXPECT_TRUE(back.revealed(0));
    EXPECT_EQ(back.letter(2), "R");
    EXPECT_EQ(Solving::revealedCount(puzzle, back), 1);
    // A record counts only for a square whose first letter it goes on from.
    for (const QByteArray record : {"Rebus\t1\tTS", "Rebus\t5\tXY", "Rebus\t99\tST", "Rebus\t3"})
        EXPECT_EQ(decodeProgress(encodeProgress(puzzle, back) + record, puzzle), back) << record.constData();

    // Whatever a damaged file holds, what is read is written back the same.
    for (const QByteArray entry : {"!x", "!", "!!", "A!x", "AB", "V:!"}) {
        QByteArray damaged = encodeProgress(puzzle, Attempt(puzzle));
        damaged.replace(0, 3, "3\r\n" + entry);
        const QByteArray once = encodeProgress(puzzle, decodeProgress(damaged, puzzle));
        EXPECT_EQ(encodeProgress(puzzle, decodeProgress(once, puzzle)), once) << entry.constData();
    }
}

TEST(Attempt, TheLayoutFollowsThePuzzleAndTheAnswerLineItsLongestAnswer)
{
    QList<PuzzleCell> cells;
    for (int i = 0; i < 20 * 2; ++i) {
        PuzzleCell cell;
        cell.block = false;
        cell.solution = QString(QChar('A' + i % 26));
        cells.append(cell);
    }
    const Puzzle wide(20, 2, cells);  // two across answers of 20 letters
    EXPECT_EQ(answerSlotCount(wide), 20);
    Attempt attempt(wide);
    attempt.setLetter(39, "Z");
    attempt.slotRef(20) = {"Q", "*"};
    const QByteArray bytes = encodeProgress(wide, attempt);
    EXPECT_EQ(bytes.count("\r\n"), 1 + 3 * 40 + 2 * 20);
    EXPECT_EQ(decodeProgress(bytes, wide), attempt);
    // A file that claims another size, or stops short, is read in the
    // puzzle's own layout and leaves the rest empty.
    const Attempt shortRead = decodeProgress("13\r\nA\r\n\r\nA\r\nB\r\n", wide);
    EXPECT_EQ(shortRead.letter(0), "A");
    EXPECT_EQ(shortRead.letter(1), "B");
    EXPECT_EQ(shortRead.letter(2), "");
    EXPECT_EQ(shortRead.slotCount(), 20);
}

} // namespace
