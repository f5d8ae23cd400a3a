// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// The puzzle menu: walking, wrapping, the axis rule, status phrases, opening.
#include "solving_fixture.h"

#include <gtest/gtest.h>

namespace {

// Three copies of the small puzzle: menu numbers 1..3 (PUZ0101..PUZ0103).
class Menu : public ::testing::Test {
protected:
    Menu() : h({smallPuzzle(), smallPuzzle(), smallPuzzle()}) {}
    void SetUp() override
    {
        h.start();
        h.drain();
        h.spoken();
    }
    Harness h;
};

TEST_F(Menu, FirstRightAnnouncesTheFirstPuzzleAndFirstLeftTheLast)
{
    h.press(Key::Right);
    EXPECT_EQ(h.g().announcer().saymsg, "\tThis puzzle is empty");  // "Puzzle 1", an empty phrase, the status
    h.drain();
    EXPECT_EQ(h.spoken(), (QStringList{"Puzzle 1", "This puzzle is empty"}));
    EXPECT_EQ(h.g().session().viewmode, 0);
    EXPECT_FALSE(h.g().form().shpsel.visible);
    EXPECT_EQ(h.g().form().lblClue[1].backColor, Colour::White);

    Harness other({smallPuzzle(), smallPuzzle(), smallPuzzle()});
    other.start();
    other.drain();
    other.spoken();
    other.press(Key::Left);
    other.drain();
    EXPECT_EQ(other.spoken().value(0), "Puzzle 3");
}

TEST_F(Menu, AnArrowOfTheOtherAxisOpensTheCurrentPuzzle)
{
    h.say(Key::Right);
    h.say(Key::Right);
    EXPECT_EQ(h.g().session().curpuz, 2);
    const QStringList reading = h.say(Key::Down);
    EXPECT_EQ(h.g().session().viewmode, 1);
    EXPECT_EQ(h.g().session().curpuz, 2);
    EXPECT_EQ(reading, QStringList{"1 across, 4letters,  Of sound mind"});

    // The axis is fixed by the very first arrow of the run, even after leaving.
    h.say(Key::F12);
    h.say(Key::Down);
    EXPECT_EQ(h.g().session().viewmode, 1);

    Harness vertical({smallPuzzle(), smallPuzzle(), smallPuzzle()});
    vertical.start();
    vertical.press(Key::Down);
    vertical.press(Key::Down);
    EXPECT_EQ(vertical.g().session().viewmode, 0);
    vertical.press(Key::Right);
    EXPECT_EQ(vertical.g().session().viewmode, 1);
    EXPECT_EQ(vertical.g().session().curpuz, 2);
}

TEST_F(Menu, WalkingWrapsAtBothEnds)
{
    h.say(Key::Home);
    EXPECT_EQ(h.g().session().curpuz, 1);
    EXPECT_EQ(h.say(Key::PageUp).value(0), "Puzzle 3");  // 1 - 10 wraps to the last, not to a number below
    h.say(Key::End);
    EXPECT_EQ(h.g().session().curpuz, 3);
    h.say(Key::Right);
    EXPECT_EQ(h.g().session().curpuz, 1);
    h.say(Key::Right);
    EXPECT_EQ(h.say(Key::PageDown).value(0), "Puzzle 1");  // 12 is past the end: first, not last
    h.say(Key::Left);
    EXPECT_EQ(h.g().session().curpuz, 3);
}

TEST_F(Menu, EnterBeforeAnyArrowOpensPuzzleOne)
{
    const QStringList reading = h.say(Key::Enter);
    EXPECT_EQ(h.g().session().curpuz, 1);
    EXPECT_EQ(h.g().session().viewmode, 1);
    EXPECT_EQ(h.g().session().curdir, 1);
    EXPECT_EQ(h.g().session().curclue, 1);
    EXPECT_TRUE(h.g().form().shpsel.visible);
    EXPECT_FALSE(h.g().form().imgBack.visible);
    EXPECT_TRUE(h.g().form().lblBack.caption.isEmpty());
    EXPECT_EQ(reading, QStringList{"1 across, 4letters,  Of sound mind"});
    // The answer's squares are yellow on the board.
    for (int c = 0; c < 4; ++c)
        EXPECT_EQ(h.g().form().D[sq(0, c)].backColor, Colour::Yellow) << c;
    EXPECT_EQ(h.g().form().D[sq(0, 5)].backColor, Colour::White);
}

TEST_F(Menu, StatusPhrasesFollowTheProgressFiles)
{
    const QStringList rows = smallRows();
    // Puzzle 1: 9 of 18 letters, all right -> 50 percent.
    QMap<int, QString> half;
    for (int idx : {sq(0, 0), sq(0, 1), sq(0, 2), sq(0, 3), sq(0, 5), sq(0, 6), sq(0, 7), sq(1, 0), sq(1, 2)})
        half[idx] = QString(rows[(idx - 1) / 13][(idx - 1) % 13]);
    writeFile(progressPath(h, "PUZ0101"), progressBytes(rows, half));
    // Puzzle 2: every letter, one of them wrong, one revealed ("E!").
    QMap<int, QString> full;
    for (int idx = 1; idx <= 169; ++idx) {
        const QChar ch = rows[(idx - 1) / 13][(idx - 1) % 13];
        if (ch != QLatin1Char('#'))
            full[idx] = QString(ch);
    }
    full[sq(0, 3)] = "E!";
    full[sq(4, 7)] = "X";
    writeFile(progressPath(h, "PUZ0102"), progressBytes(rows, full));
    // Puzzle 3: the same, all right.
    full[sq(4, 7)] = "N";
    writeFile(progressPath(h, "PUZ0103"), progressBytes(rows, full));

    h.g().puzstatus();
    EXPECT_EQ(h.g().puzstat()[1][1], 18);
    EXPECT_EQ(h.g().puzstat()[1][2], 9);
    EXPECT_EQ(h.g().puzstat()[2][3], 1);
    EXPECT_EQ(h.g().puzstat()[3][2], 18);
    EXPECT_EQ(h.g().puzstat()[3][3], 0);  // "E!" counts as a right E
    EXPECT_EQ(h.say(Key::Right).value(1), "This puzzle is 50 percent done");
    EXPECT_EQ(h.say(Key::Right).value(1), "This puzzle is 100 percent done but has at least one mistake");
    EXPECT_EQ(h.say(Key::Right).value(1), "This puzzle has already been completed successfully");
    EXPECT_EQ(h.say(Key::Space), QStringList{"You have successfully completed 1 puzzle"});
}

TEST_F(Menu, PercentagesRoundHalvesToEven)
{
    auto status = [&](int letters, int filled, int mistakes) {
        h.g().puzstat()[1] = {0, letters, filled, mistakes};
        h.g().session().curpuz = 0;
        return h.say(Key::Right).value(1);
    };
    EXPECT_EQ(status(8, 1, 0), "This puzzle is 12 percent done");   // 12.5
    EXPECT_EQ(status(8, 3, 0), "This puzzle is 38 percent done");   // 37.5
    EXPECT_EQ(status(3, 1, 0), "This puzzle is 33 percent done");
    EXPECT_EQ(status(85, 84, 0), "This puzzle is 99 percent done");
    EXPECT_EQ(status(85, 1, 0), "This puzzle is 1 percent done");
    EXPECT_EQ(status(8, 0, 2), "This puzzle is empty");  // nothing filled, whatever the mistakes
    EXPECT_EQ(status(0, 4, 0), "This puzzle is empty");  // no letters at all: no division by zero
}

TEST_F(Menu, SpaceCountsCompletedPuzzlesAndEscapeChangesNothing)
{
    EXPECT_EQ(h.say(Key::Space), QStringList{"You have successfully completed 0 puzzles"});
    h.g().puzstat()[1] = {0, 18, 18, 0};
    h.g().puzstat()[2] = {0, 18, 18, 0};
    h.g().puzstat()[3] = {0, 18, 18, 1};  // full but wrong: not completed
    EXPECT_EQ(h.say(Key::Space), QStringList{"You have successfully completed 2 puzzles"});

    h.say(Key::Right);
    EXPECT_EQ(h.say(Key::Escape), QStringList{"cancelled"});
    EXPECT_EQ(h.g().session().curpuz, 1);
    EXPECT_EQ(h.g().session().viewmode, 0);
    // Letters and Tab do nothing in the menu.
    EXPECT_TRUE(h.say(Key::A).isEmpty());
    EXPECT_TRUE(h.say(Key::Tab).isEmpty());
    EXPECT_EQ(h.g().session().viewmode, 0);
}

TEST_F(Menu, TheStatusScanCreatesAnEmptyFileForEveryPuzzle)
{
    for (const char *name : {"PUZ0101", "PUZ0102", "PUZ0103"}) {
        const QFileInfo file(progressPath(h, name));
        EXPECT_TRUE(file.exists()) << name;
        EXPECT_EQ(file.size(), 0) << name;
    }
    EXPECT_EQ(h.g().puzcount(), 3);
}

} // namespace
