// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// F2's mistake report, and the verdict when the last square is filled.
#include "solving_fixture.h"

#include <gtest/gtest.h>

namespace {

// The standard 13 x 13 grid with two more black squares, which make 12 an
// across number; it has more than a hundred white squares for the hints.
QByteArray checkingPuzzle()
{
    QStringList rows = standardRows();
    rows[4][6] = '#';
    rows[8][6] = '#';
    return puzzleBytes(rows, numberedClues(rows));
}

class Checking : public ::testing::Test {
protected:
    Checking() : h({checkingPuzzle(), checkingPuzzle()}) {}
    void SetUp() override { openFirstPuzzle(h); }
    Crosswords &g() { return h.g(); }
    int squareOf(const QString &label, int k = 1)
    {
        const int column = label.startsWith('A') ? 1 : 2;
        const int number = label.mid(1).toInt();
        int seen = 0;
        for (int idx = 1; idx <= 169; ++idx)
            if (g().table().sqclue[idx][column] == number && ++seen == k)
                return idx;
        return 0;
    }
    QString answerAt(int idx) { return g().puzzle().cell((idx - 1) / 13, (idx - 1) % 13).solution; }
    void fillAll()
    {
        for (int idx = 1; idx <= 169; ++idx)
            putLetter(g(), idx, answerAt(idx));
    }
    QString wrong(int idx) { return answerAt(idx) == "Q" ? "Z" : "Q"; }
    Harness h;
};

TEST_F(Checking, F2NamesTheFirstWrongClueInClueOrder)
{
    h.press(Key::F2);
    h.drain();
    EXPECT_EQ(h.spoken(), QStringList{"there are no mistakes in the crossword so far"});

    // A wrong down word, then a wrong square of 12 across that 1 down does not share.
    const int down = squareOf("D1", 2);
    putLetter(g(), down, wrong(down));
    h.press(Key::F2);
    h.drain();
    EXPECT_EQ(h.spoken(), (QStringList{"1D", "is wrong"}));  // number first, then the letter

    const int across = squareOf("A12", 2);
    ASSERT_NE(across, 0);
    putLetter(g(), across, wrong(across));
    h.press(Key::F2);
    EXPECT_EQ(g().announcer().saymsg, "12A\tis wrong");
    h.tick();
    EXPECT_EQ(h.spoken(), QStringList{"12A"});  // two utterances, two ticks
    h.voice.finish();
    h.tick();
    EXPECT_EQ(h.spoken(), QStringList{"is wrong"});

    // Right letters and empty squares are never mistakes.
    putLetter(g(), across, QString());
    putLetter(g(), down, answerAt(down));
    g().checkwork();
    EXPECT_EQ(g().announcer().saymsg, "there are no mistakes in the crossword so far");
}

TEST_F(Checking, AGridWithAnEmptySquareGetsNoVerdict)
{
    fillAll();
    putLetter(g(), squareOf("A1", 3), "");
    putLetter(g(), squareOf("A12", 1), wrong(squareOf("A12", 1)));
    g().announcer().saymsg.clear();
    g().checkend();
    EXPECT_TRUE(g().announcer().saymsg.isEmpty());
    EXPECT_TRUE(h.spoken().isEmpty());
    EXPECT_TRUE(g().keycode().isEmpty());
}

TEST_F(Checking, TheLastSquareWrongGivesTheMistakeReportAndTheRightOneTheCheer)
{
    fillAll();
    const int last = squareOf("A1", 1);
    putLetter(g(), last, QString());
    h.press(Key::Enter);  // answer line of 1 across
    h.drain();
    h.spoken();
    h.press(wrong(last)[0].unicode());
    h.drain();
    h.spoken();
    h.press(Key::Enter);
    h.drain();
    EXPECT_EQ(h.spoken(), (QStringList{"1A", "is wrong"}));
    EXPECT_EQ(g().session().viewmode, 1);  // the puzzle stays open
    EXPECT_FALSE(h.sound.names().contains("cheer"));

    h.press(Key::Enter);
    h.drain();
    h.press(answerAt(last)[0].unicode());
    h.drain();
    h.spoken();
    h.press(Key::Enter);
    EXPECT_EQ(g().keycode(), QString(QChar(Key::F12)) + QChar('0'));  // posted: the next tick leaves
    EXPECT_FALSE(g().form().shpsel.visible);
    ASSERT_FALSE(h.sound.plays.empty());
    EXPECT_EQ(h.sound.plays.back().name, "cheer");
    EXPECT_TRUE(h.sound.plays.back().waited);
    EXPECT_EQ(h.spoken(), QStringList{"Well done, you've solved the puzzle without needing any hints at all."});
    EXPECT_EQ(g().session().viewmode, 1);

    h.tick();  // no key pressed: the posted F12 leaves the puzzle
    EXPECT_EQ(g().session().viewmode, 0);
    h.drain();
    EXPECT_EQ(h.spoken(), QStringList{"Returning to the crosswords menu. Use the cursor keys to choose a puzzle then "
                                      "press the enter key. You have successfully completed 1 puzzle"});
    h.press(Key::Right);
    h.drain();
    h.spoken();
    h.press(Key::Left);
    h.drain();
    EXPECT_EQ(h.spoken(), (QStringList{"Puzzle 1", "This puzzle has already been completed successfully"}));
}

TEST_F(Checking, TheHintSentenceCountsRevealedSquares)
{
    auto verdict = [&](int hints) {
        fillAll();
        int shown = 0;
        for (int idx = 1; idx <= 169; ++idx) {
            const QString letter = g().attempt().letter(idx - 1);
            const bool revealed = !letter.isEmpty() && shown < hints;
            putLetter(g(), idx, letter, revealed);
            if (revealed)
                ++shown;
        }
        EXPECT_EQ(shown, hints);
        h.spoken();
        g().keycode().clear();
        g().checkend();
        EXPECT_EQ(g().keycode(), QString(QChar(Key::F12)) + QChar('0'));
        return h.spoken();
    };
    const QString little = "Well done, you've solved the puzzle with just a little bit of help on";
    const QString bit = "Well done, you've solved the puzzle with a bit of help on";
    EXPECT_EQ(verdict(0), QStringList{"Well done, you've solved the puzzle without needing any hints at all."});
    EXPECT_EQ(verdict(1), (QStringList{little, "1", "squares"}));
    EXPECT_EQ(verdict(9), (QStringList{little, "9", "squares"}));
    EXPECT_EQ(verdict(10), (QStringList{bit, "10", "squares"}));
    EXPECT_EQ(verdict(100), (QStringList{bit, "100", "squares"}));
    EXPECT_EQ(verdict(105), (QStringList{bit, "100and", "5", "squares"}));
    // Each piece is spoken straight away, each with the wait switch raised first.
    EXPECT_EQ(g().announcer().saysync, 0);
}

} // namespace
