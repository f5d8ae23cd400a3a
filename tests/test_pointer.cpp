// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// Mouse clicks: captions that stand for keys, squares and answer slots that
// open the on-screen alphabet, its letters, and the clue panel.
#include "support/harness.h"

#include <gtest/gtest.h>

inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace {

class Pointer : public ::testing::Test {
protected:
    void SetUp() override
    {
        h.start();
        h.drain();
        h.spoken();
    }
    void openPuzzle()
    {
        h.press(Key::Enter);
        h.drain();
        h.spoken();
    }
    QList<int> yellowSquares()
    {
        QList<int> out;
        for (int i = 1; i <= 225; ++i)
            if (g().form().D[i].backColor == Colour::Yellow)
                out.append(i);
        return out;
    }
    Crosswords &g() { return h.g(); }
    Harness h;
};

TEST_F(Pointer, CaptionsAndTheMenuPicturePostTheirKeys)
{
    const QString noModifier = "0";
    g().imgBack_Click();
    EXPECT_EQ(g().keycode(), QString(QChar(Key::F9)) + noModifier);
    g().lbl1_Click(0);
    EXPECT_EQ(g().keycode(), QString(QChar(Key::F1)) + noModifier);
    g().lbl4_Click(1);
    EXPECT_EQ(g().keycode(), QString(QChar(Key::F1)) + noModifier);
    g().lbl5_Click(1);
    EXPECT_EQ(g().keycode(), QString(QChar(Key::F12)) + noModifier);
    g().keycode().clear();

    // "F1 = Help" acts like F1 at the next tick, "F12 = Quit" like F12.
    g().lbl4_Click(1);
    h.tick();
    EXPECT_EQ(h.spoken(), QStringList{"Help page 0.\r\nSecond line."});
    h.confirm.answers = {false};
    g().lbl5_Click(1);
    h.tick();
    EXPECT_EQ(h.confirm.prompts, QStringList{"Leave Quorel Crosswords. Are you sure?"});
}

TEST_F(Pointer, NothingHappensWhileAnotherScreenHasTheKeyboard)
{
    openPuzzle();
    g().curform() = "Other";
    const Form before = g().form();
    const int viewmode = g().session().viewmode, curdir = g().session().curdir;
    g().imgBack_Click();
    g().lbl1_Click(0);
    g().lbl4_Click(0);
    g().lbl5_Click(0);
    g().D_Click(1);
    g().Dn_Click(1);
    g().lblIn_Click(1);
    g().lblKey_Click(3);
    g().lblClue_Click(2);
    g().lblClue_MouseDown(2, 2);
    EXPECT_TRUE(g().keycode().isEmpty());
    EXPECT_TRUE(g().announcer().saymsg.isEmpty());
    EXPECT_EQ(g().session().viewmode, viewmode);
    EXPECT_EQ(g().session().curdir, curdir);
    EXPECT_EQ(g().form(), before);
}

TEST_F(Pointer, ClickingAWhiteSquareSelectsItMovesTheCursorAndOpensTheAlphabet)
{
    openPuzzle();
    const int k = 2 * 13 + 3;  // row 3, column C
    g().form().lblIn[1].visible = true;
    g().D_Click(k);
    EXPECT_EQ(yellowSquares(), QList<int>{k});
    EXPECT_EQ(g().session().currow, 3);
    EXPECT_EQ(g().session().curcol, 3);
    EXPECT_EQ(g().session().viewmode, 3);
    EXPECT_EQ(g().session().alphacode, -1);
    EXPECT_EQ(g().announcer().voicestate, 0);
    EXPECT_TRUE(g().form().lblBack.visible);
    EXPECT_FALSE(g().form().lblIn[1].visible);
    for (const Control &key : g().form().lblKey) {
        EXPECT_TRUE(key.visible);
        EXPECT_GT(key.z, g().form().lblBack.z);
    }
    // The frame goes round the board.
    const Control &frame = g().form().shpsel, &board = g().form().board;
    EXPECT_EQ(frame.left, board.left - 150);
    EXPECT_EQ(frame.top, board.top - 150);
    EXPECT_EQ(frame.width, board.width + 300);
    EXPECT_EQ(frame.height, board.height + 300);
    // The clue through the square is selected in the panel: 3 across.
    int selected = 0;
    for (int i = 1; i <= 100; ++i)
        if (g().form().lblClue[i].backColor == Colour::Yellow)
            selected = i;
    ASSERT_GT(selected, 0);
    EXPECT_TRUE(g().form().lblClue[selected].caption.contains("Clue A")) << g().form().lblClue[selected].caption.toStdString();
    h.drain();
    EXPECT_EQ(h.spoken(), (QStringList{"3C", "Use the cursor keys to choose the letter"}));

    // A click on the number in the corner is the same as a click on the square.
    g().Dn_Click(1);
    EXPECT_EQ(yellowSquares(), QList<int>{1});
    h.drain();
    EXPECT_EQ(h.spoken().first(), "1A");
}

TEST_F(Pointer, ClickingABlackSquareOnlyHidesTheAlphabet)
{
    openPuzzle();
    g().D_Click(1);
    h.drain();
    h.spoken();
    const QList<int> yellow = yellowSquares();
    g().D_Click(14 + 1);  // row 2, column B: black
    for (const Control &key : g().form().lblKey)
        EXPECT_FALSE(key.visible);
    EXPECT_EQ(yellowSquares(), yellow);
    EXPECT_EQ(g().session().currow, 1);
    h.drain();
    EXPECT_TRUE(h.spoken().isEmpty());

    // Nor while it is the magnified cursor (shown pale yellow): no letter can be put into it.
    h.press(Key::F4);
    h.press(Key::Down);
    h.press(Key::Right);
    ASSERT_EQ(g().form().D[14 + 1].backColor, Colour::PaleYellow);
    g().D_Click(14 + 1);
    EXPECT_EQ(g().session().viewmode, 4);
    for (const Control &key : g().form().lblKey)
        EXPECT_FALSE(key.visible);
    g().lblKey_Click(0);
    EXPECT_TRUE(g().attempt().letter(14).isEmpty());
}

TEST_F(Pointer, SquaresAreNotForClickingInTheMenu)
{
    g().D_Click(1);
    g().lblIn_Click(1);
    g().lblClue_Click(1);
    g().lblClue_MouseDown(1, 2);
    EXPECT_EQ(g().session().viewmode, 0);
    EXPECT_EQ(g().session().curdir, 1);
    EXPECT_TRUE(g().announcer().saymsg.isEmpty());
}

TEST_F(Pointer, ClickedLettersGoIntoTheSelectedSquareAndHashDeletesIt)
{
    openPuzzle();
    g().D_Click(2);
    h.drain();
    EXPECT_EQ(h.spoken(), (QStringList{"1B", "Use the cursor keys to choose the letter"}));
    g().lblKey_Click(16);  // Q
    EXPECT_EQ(g().form().D[2].caption, "Q");
    for (const Control &key : g().form().lblKey)
        EXPECT_FALSE(key.visible);
    EXPECT_EQ(g().session().viewmode, 3);  // it stays in the chooser's mode
    h.drain();
    EXPECT_EQ(h.spoken(), QStringList{"Q"});

    g().D_Click(2);
    g().lblKey_Click(26);  // before the co-ordinates were said: they give way
    EXPECT_EQ(g().form().D[2].caption, "");
    h.drain();
    EXPECT_EQ(h.spoken(), (QStringList{"delete", "Q"}));

    // "#" on an empty square says nothing.
    g().D_Click(2);
    h.drain();
    h.spoken();
    g().lblKey_Click(26);
    h.drain();
    EXPECT_TRUE(h.spoken().isEmpty());
}

TEST_F(Pointer, KeysAfterAClickReturnToTheClueList)
{
    openPuzzle();
    g().D_Click(3);
    h.press('M');
    EXPECT_EQ(g().form().D[3].caption, "M");
    EXPECT_EQ(g().session().viewmode, 1);

    g().D_Click(4);
    h.press(Key::Escape);
    EXPECT_EQ(g().session().viewmode, 1);
    EXPECT_EQ(g().form().D[4].caption, "");
}

TEST_F(Pointer, ClickingAnAnswerSlotKeepsOnlyThatSquareOfTheAnswer)
{
    openPuzzle();  // 1 across: squares 1 to 4
    ASSERT_EQ(yellowSquares(), (QList<int>{1, 2, 3, 4}));
    g().lblIn_Click(3);
    EXPECT_EQ(yellowSquares(), QList<int>{3});
    EXPECT_EQ(g().session().viewmode, 3);
    EXPECT_EQ(g().session().alphacode, -1);
    for (int i = 1; i <= 15; ++i)
        EXPECT_FALSE(g().form().lblIn[i].visible);
    for (const Control &key : g().form().lblKey)
        EXPECT_TRUE(key.visible);
    h.drain();
    EXPECT_EQ(h.spoken(), QStringList{"3letter"});
    g().lblKey_Click(25);
    EXPECT_EQ(g().form().D[3].caption, "Z");
}

TEST_F(Pointer, ClickingAClueSelectsItAndReadsIt)
{
    openPuzzle();
    g().D_Click(1);  // the alphabet is open
    h.drain();
    h.spoken();
    g().session().viewmode = 1;
    g().lblClue_Click(2);
    EXPECT_EQ(g().session().curclue, 2);
    EXPECT_EQ(g().form().lblClue[2].backColor, Colour::Yellow);
    EXPECT_EQ(g().form().lblClue[1].backColor, Colour::White);
    for (const Control &key : g().form().lblKey)
        EXPECT_FALSE(key.visible);
    const Control &frame = g().form().shpsel, &panel = g().form().lblClue[0];
    EXPECT_EQ(frame.left, panel.left - 150);
    EXPECT_EQ(frame.height, panel.height + 300);
    h.drain();
    EXPECT_TRUE(h.spoken().first().startsWith(g().table().clues[2][1].mid(1) + " across")) << g().table().clues[2][1].toStdString();
}

TEST_F(Pointer, ClickingASquareOfAMagnifiedBoardMovesTheCursorThereAndKeepsTheBoardWhole)
{
    openPuzzle();
    h.press(Key::F4);
    h.press(Key::F4);
    h.drain();
    h.spoken();
    g().D_Click(3 * 13 + 1);  // row 4, column A
    EXPECT_EQ(g().session().viewmode, 3);
    EXPECT_EQ(g().session().currow, 4);
    EXPECT_EQ(g().session().curcol, 1);
    for (int i = 0; i <= 100; ++i)
        EXPECT_FALSE(g().form().lblClue[i].visible) << i;
    h.drain();
    EXPECT_EQ(h.spoken(), (QStringList{"4A", "Use the cursor keys to choose the letter"}));
    h.press('R');
    EXPECT_EQ(g().session().viewmode, 5);  // back to 2 times
    EXPECT_EQ(g().form().D[3 * 13 + 1].caption, "R");
}

TEST_F(Pointer, ClickingAClueInAMagnifiedViewReturnsToViewModeOneWithoutMovingTheSelection)
{
    openPuzzle();
    h.press(Key::F4);
    h.drain();
    const int curclue = g().session().curclue;
    g().lblClue_Click(5);
    EXPECT_EQ(g().session().viewmode, 1);
    EXPECT_EQ(g().session().curclue, curclue);
}

TEST_F(Pointer, TheRightButtonOnAClueSwitchesDirectionTheLeftDoesNot)
{
    openPuzzle();
    g().lblClue_MouseDown(1, 1);
    EXPECT_EQ(g().session().curdir, 1);
    g().lblClue_MouseDown(1, 2);
    EXPECT_EQ(g().session().curdir, 2);
    h.drain();
    EXPECT_TRUE(h.spoken().first().contains(" down")) << h.spoken().join('|').toStdString();
    g().lblClue_MouseDown(3, 2);
    EXPECT_EQ(g().session().curdir, 1);
}

} // namespace
