// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// Zoom levels, walking the cursor in the magnified views, typing into squares,
// reading the clues through a square, and the on-screen letter chooser.
#include "support/harness.h"

#include <gtest/gtest.h>

#include <functional>

inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace {

// Square index of a 1-based row and column on the 13 x 13 board.
int square(int row, int col)
{
    return (row - 1) * 13 + col;
}

class Magnified : public ::testing::Test {
protected:
    explicit Magnified(QList<QByteArray> puzzles = {}) : h(std::move(puzzles)) {}
    void SetUp() override
    {
        h.start();
        h.drain();
        h.press(Key::Enter);  // open puzzle 1
        h.drain();
        h.spoken();
    }
    // Full screen with the cursor on (row, col), reached with the arrows.
    void fullScreenAt(int row, int col)
    {
        h.press(Key::F4);
        h.drain();
        while (g().session().currow < row)
            h.press(Key::Down);
        while (g().session().currow > row)
            h.press(Key::Up);
        while (g().session().curcol < col)
            h.press(Key::Right);
        while (g().session().curcol > col)
            h.press(Key::Left);
        h.drain();
        h.spoken();
        h.sound.plays.clear();
    }
    Crosswords &g() { return h.g(); }
    Harness h;
};

TEST_F(Magnified, F4NamesTheFiveLevelsAndTheSixthReturnsToNormalViewAtOnce)
{
    const QStringList levels{"Full screen", "2 times zoom", "4 times zoom", "8 times zoom", "16 times zoom"};
    for (int i = 0; i < levels.size(); ++i) {
        h.press(Key::F4);
        EXPECT_EQ(g().session().viewmode, 4 + i);
        EXPECT_TRUE(h.spoken().isEmpty());  // a function key's message waits for the next tick
        h.drain();
        // The cursor starts on the first square of the current answer, which is empty.
        EXPECT_EQ(h.spoken(), (QStringList{levels[i], "1A", "blank"}));
    }
    h.press(Key::F4);
    EXPECT_EQ(g().session().viewmode, 1);
    EXPECT_EQ(h.spoken(), QStringList{"Normal view"});  // in the same tick, not queued
    EXPECT_TRUE(g().form().lblClue[1].visible);
}

TEST_F(Magnified, NumericPlusZoomsInAndMinusStepsOutToNormalView)
{
    h.press(Key::NumPlus);
    h.press(Key::NumPlus);
    h.drain();
    EXPECT_EQ(g().session().viewmode, 5);
    EXPECT_EQ(h.spoken().first(), "Full screen");
    h.press(Key::NumMinus);
    EXPECT_EQ(g().session().viewmode, 4);
    h.drain();
    EXPECT_EQ(h.spoken(), (QStringList{"Full screen", "1A", "blank"}));
    h.press(Key::NumMinus);
    EXPECT_EQ(g().session().viewmode, 1);
    EXPECT_EQ(h.spoken().first(), "Normal view");
    // The normal view is whole again: clue panel, board and the current answer.
    h.drain();
    EXPECT_TRUE(g().form().lblClue[1].visible);
    EXPECT_TRUE(g().form().D[1].visible);
    EXPECT_LT(g().form().D[169].left + g().form().D[169].width, g().env().screenWidth);
}

TEST_F(Magnified, NumericMinusInTheClueListAndOnTheAnswerLineSaysNormalView)
{
    h.press(Key::NumMinus);
    EXPECT_EQ(g().session().viewmode, 1);
    EXPECT_EQ(h.spoken().first(), "Normal view");
    h.drain();
    h.spoken();

    h.press(Key::Enter);  // to the answer line
    ASSERT_EQ(g().session().viewmode, 2);
    h.drain();
    h.spoken();
    h.press(Key::NumMinus);
    EXPECT_EQ(g().session().viewmode, 1);
    EXPECT_EQ(h.spoken().first(), "Normal view");
}

// Back in the normal view the clue through the cursor square is selected and
// read, in the current direction when one runs that way, whichever way out.
TEST_F(Magnified, LeavingAnyMagnifiedViewReadsTheClueThroughTheCursorSquare)
{
    const QList<std::function<void()>> ways{
        [&] { h.press(Key::NumMinus); },                     // full screen, numeric minus
        [&] { for (int i = 0; i < 5; ++i) h.press(Key::F4); },  // on past 16 times
        [&] { h.press(Key::Enter); h.drain(); h.spoken(); h.press(Key::NumMinus); },  // from the chooser
    };
    // (5, 3) lies on an across answer; (2, 1) only on a down answer.
    for (const auto &[row, col] : {std::pair{5, 3}, std::pair{2, 1}}) {
        const int across = g().table().sqclue[square(row, col)][1];
        const int down = g().table().sqclue[square(row, col)][2];
        const QString expected = across != 0 ? QString::number(across) + " across" : QString::number(down) + " down";
        for (int way = 0; way < ways.size(); ++way) {
            SCOPED_TRACE(QStringLiteral("square %1,%2 way %3").arg(row).arg(col).arg(way).toStdString());
            g().session().curdir = 1;
            fullScreenAt(row, col);
            ways[way]();
            ASSERT_EQ(g().session().viewmode, 1);
            h.drain();
            const QStringList heard = h.spoken();
            ASSERT_GE(heard.size(), 2);
            EXPECT_EQ(heard.first(), "Normal view");
            EXPECT_TRUE(heard[1].startsWith(expected + ",")) << heard[1].toStdString();
            EXPECT_EQ(g().session().curdir, across != 0 ? 1 : 2);
            const Control &line = g().form().lblClue[g().session().curclue];
            EXPECT_EQ(line.backColor, Colour::Yellow);
            EXPECT_TRUE(line.caption.trimmed().startsWith(QString::number(across != 0 ? across : down) + " "))
                << line.caption.toStdString();
            EXPECT_TRUE(g().keycode().isEmpty());  // nothing is left to move the selection
        }
    }
}

TEST_F(Magnified, ArrowsWalkTheCursorAndTheEdgePlaysTheWallAndReadsTheSquareAgain)
{
    fullScreenAt(1, 1);
    h.press(Key::Right);
    h.drain();
    EXPECT_EQ(h.spoken(), (QStringList{"1B", "blank"}));
    EXPECT_TRUE(h.sound.plays.empty());

    h.press(Key::Left);
    h.drain();
    h.spoken();
    h.press(Key::Left);  // at column A already
    EXPECT_EQ(g().session().curcol, 1);
    EXPECT_EQ(h.sound.names(), QStringList{"wall"});
    EXPECT_TRUE(h.sound.plays[0].waited);
    h.drain();
    EXPECT_EQ(h.spoken(), (QStringList{"1A", "blank"}));
    EXPECT_TRUE(h.voice.utterances.back().waited);  // the wall first, then the words

    h.press(Key::Up);
    EXPECT_EQ(g().session().currow, 1);
    EXPECT_EQ(h.sound.names().size(), 2);

    // The cursor on a black square is pale yellow; it is the only marked square.
    h.press(Key::Down);
    h.press(Key::Right);
    const int black = square(2, 2);
    EXPECT_EQ(g().form().D[black].backColor, Colour::PaleYellow);
    int marked = 0;
    for (int i = 1; i <= 169; ++i)
        marked += g().form().D[i].backColor == Colour::Yellow || g().form().D[i].backColor == Colour::PaleYellow;
    EXPECT_EQ(marked, 1);
    h.drain();
    EXPECT_EQ(h.spoken().last(), "2B");  // a black square: the position alone
}

TEST_F(Magnified, TheFirstArrowPlacesAnUnplacedCursorTopLeftAndArrowsWithModifiersDoNothing)
{
    fullScreenAt(3, 3);
    h.press(Key::Right, Mod::Ctrl);
    h.press(Key::Down, Mod::Shift);
    EXPECT_EQ(g().session().currow, 3);
    EXPECT_EQ(g().session().curcol, 3);

    g().session().currow = 0;
    g().session().curcol = 0;
    h.press(Key::Down);
    EXPECT_EQ(g().session().currow, 1);
    EXPECT_EQ(g().session().curcol, 1);
    EXPECT_TRUE(h.sound.plays.empty());
}

TEST_F(Magnified, LettersGoStraightIntoWhiteSquaresAndBlackSquaresRefuseWithNo)
{
    fullScreenAt(2, 1);
    const int black = square(2, 2);
    // A white square that already holds a crossing letter takes the new one without asking.
    putLetter(g(), square(2, 1), "Q");
    h.press('E', Mod::Shift);
    EXPECT_EQ(g().form().D[square(2, 1)].caption, "E");
    h.drain();
    EXPECT_EQ(h.spoken(), QStringList{"E"});
    EXPECT_TRUE(h.confirm.prompts.isEmpty());

    h.press(Key::Right);
    h.drain();
    h.spoken();
    h.press('X');
    EXPECT_EQ(g().form().D[black].caption, "");
    EXPECT_EQ(h.sound.names(), QStringList{"no"});
    h.press(Key::Backspace);
    EXPECT_EQ(h.sound.names(), (QStringList{"no", "no"}));
    h.press(Key::Enter);  // no alphabet for a black square either
    EXPECT_EQ(g().session().viewmode, 4);
    EXPECT_EQ(h.sound.names().size(), 3);
    h.press(Key::Space);  // and nothing to read
    h.drain();
    EXPECT_TRUE(h.spoken().isEmpty());

    h.press(Key::Left);
    h.drain();
    EXPECT_EQ(h.spoken(), (QStringList{"2A", "E"}));
    h.press(Key::Backspace);
    EXPECT_EQ(g().form().D[square(2, 1)].caption, "");
    h.drain();
    EXPECT_EQ(h.spoken(), QStringList{"delete E"});
    h.press(Key::Delete);  // does nothing here
    h.press(Key::Escape);
    h.drain();
    EXPECT_EQ(h.spoken(), QStringList{"cancelled"});
}

TEST_F(Magnified, TheLastLetterOfAPuzzleTypedInAMagnifiedViewLeavesItAtTheNextTick)
{
    const QStringList rows = standardRows();
    for (int r = 0; r < 13; ++r)
        for (int c = 0; c < 13; ++c)
            if (rows[r][c] != '#')
                putLetter(g(), r * 13 + c + 1, rows[r][c]);
    putLetter(g(), 1, QString());
    fullScreenAt(1, 1);
    h.press(Key::A);
    EXPECT_EQ(g().keycode(), QString(QChar(Key::F12)) + "0");
    EXPECT_EQ(g().session().viewmode, 4);
    h.tick();
    EXPECT_EQ(g().session().viewmode, 0);
    EXPECT_TRUE(h.sound.names().contains("cheer"));
}

TEST_F(Magnified, SpaceReadsTheAcrossClueThenTheDownClueThroughTheSquare)
{
    // 1A starts A1 and D1, both four squares long.
    fullScreenAt(1, 1);
    h.press(Key::Space);
    h.drain();
    EXPECT_EQ(h.spoken(), (QStringList{"1 across, first letter", "Clue A1 ", "4letters", "1 down, first letter",
                                       "Clue D1 ", "4letters"}));

    // 3A: the third letter across, the first of D3 down.
    h.press(Key::Right);
    h.press(Key::Right);
    h.drain();
    h.spoken();
    h.press(Key::Space);
    h.drain();
    const QStringList said = h.spoken();
    ASSERT_EQ(said.size(), 6);
    EXPECT_EQ(said[0], "1 across, third letter");
    EXPECT_TRUE(said[3].endsWith(" down, first letter")) << said[3].toStdString();

    // 1D, the last square of A1: no position words.
    h.press(Key::Right);
    h.drain();
    h.spoken();
    h.press(Key::Space);
    h.drain();
    EXPECT_EQ(h.spoken().first(), "1 across, ");
}

// A grid with one across answer of nine squares written as two words.
QList<QByteArray> twoWordPuzzle()
{
    QStringList rows = standardRows();
    rows[2] = "ABCDEFGHI#JKL";
    QList<ClueLine> clues = numberedClues(rows);
    for (ClueLine &c : clues) {
        if (c.answer == "ABCDEFGHI") {
            c.answer = "ABCDE FGHI";
            c.text = "Written (by a hand) in two words";
        }
    }
    return {puzzleBytes(rows, clues)};
}

class MagnifiedTwoWords : public Magnified {
protected:
    MagnifiedTwoWords() : Magnified(twoWordPuzzle()) {}
};

TEST_F(MagnifiedTwoWords, TwoWordAnswersAreReadWordByWordAndTheClueKeepsItsOwnBrackets)
{
    fullScreenAt(3, 4);
    h.press(Key::Space);
    h.drain();
    // The square crosses no down answer: the across reading alone.
    EXPECT_EQ(h.spoken(), (QStringList{"10 across, 4th letter", "Written (by a hand) in two words ", "2words",
                                       "5letters", "and", "4letters"}));
}

TEST_F(Magnified, EnterOpensTheAlphabetForTheSquareAndALetterKeyClosesItBack)
{
    fullScreenAt(1, 2);
    g().form().lblIn[1].visible = true;
    h.press(Key::F4);  // 2 times
    h.drain();
    h.spoken();
    h.press(Key::Enter);
    EXPECT_EQ(g().session().viewmode, 3);
    EXPECT_EQ(g().session().zoomreturn, 5);
    EXPECT_EQ(g().session().alphacode, -1);
    EXPECT_TRUE(g().form().lblBack.visible);
    EXPECT_FALSE(g().form().lblIn[1].visible);
    for (const Control &key : g().form().lblKey) {
        EXPECT_TRUE(key.visible);
        EXPECT_EQ(key.backColor, Colour::White);
        EXPECT_GT(key.z, g().form().D[square(1, 2)].z);
    }
    EXPECT_TRUE(h.spoken().isEmpty());  // from the next tick on
    h.drain();
    EXPECT_EQ(h.spoken(), (QStringList{"1B", "Use the cursor keys to choose the letter"}));

    h.press('K');
    EXPECT_EQ(g().session().viewmode, 5);
    EXPECT_EQ(g().form().D[square(1, 2)].caption, "K");
    EXPECT_FALSE(g().form().lblBack.visible);
    for (const Control &key : g().form().lblKey)
        EXPECT_FALSE(key.visible);
    h.drain();
    EXPECT_EQ(h.spoken(), QStringList{"K"});
}

TEST_F(Magnified, ChooserArrowsSelectKeysWithWallsAtTheEnds)
{
    fullScreenAt(1, 1);
    h.press(Key::Enter);
    h.drain();
    h.spoken();

    h.press(Key::Up);  // nothing selected: A, against the wall
    EXPECT_EQ(g().session().alphacode, 0);
    EXPECT_EQ(h.sound.names(), QStringList{"wall"});
    EXPECT_EQ(g().form().lblKey[0].backColor, Colour::Red);
    h.drain();
    EXPECT_EQ(h.spoken(), QStringList{"A"});

    g().session().alphacode = -1;
    h.press(Key::Down);  // nothing selected: M, no wall
    EXPECT_EQ(g().session().alphacode, 12);
    EXPECT_EQ(h.sound.names().size(), 1);
    EXPECT_EQ(g().form().lblKey[0].backColor, Colour::White);
    EXPECT_EQ(g().form().lblKey[12].backColor, Colour::Red);
    h.press(Key::Right);
    h.press(Key::Down);  // N + 13: the delete key
    EXPECT_EQ(g().session().alphacode, 26);
    h.drain();
    EXPECT_EQ(h.spoken().last(), "delete");
    h.press(Key::Down);  // stays on the bottom row
    EXPECT_EQ(g().session().alphacode, 26);
    h.press(Key::Right);
    EXPECT_EQ(g().session().alphacode, 26);
    EXPECT_EQ(h.sound.names(), (QStringList{"wall", "wall"}));
    h.press(Key::Up);
    EXPECT_EQ(g().session().alphacode, 13);
    h.press(Key::Up);
    EXPECT_EQ(g().session().alphacode, 0);
    h.press(Key::Up);  // on the top row Up does nothing, not even the wall
    EXPECT_EQ(g().session().alphacode, 0);
    EXPECT_EQ(h.sound.names().size(), 2);
    h.press(Key::Left);
    EXPECT_EQ(g().session().alphacode, 0);
    EXPECT_EQ(h.sound.names().size(), 3);
}

TEST_F(Magnified, ChooserEnterPutsTheSelectedKeyAndIgnoresEnterWithNothingSelected)
{
    fullScreenAt(1, 2);
    putLetter(g(), square(1, 2), "Z");
    h.press(Key::Enter);
    h.drain();
    h.spoken();
    h.press(Key::Enter);  // nothing selected yet
    EXPECT_EQ(g().session().viewmode, 3);
    EXPECT_EQ(g().form().D[square(1, 2)].caption, "Z");

    h.press(Key::Left);  // A
    h.press(Key::Left);  // wall
    h.press(Key::Down);  // N
    h.press(Key::Enter);
    EXPECT_EQ(g().session().viewmode, 4);
    EXPECT_EQ(g().form().D[square(1, 2)].caption, "N");

    // "#" empties the square and says what was deleted.
    h.press(Key::Enter);
    g().session().alphacode = 13;
    h.press(Key::Down);
    h.drain();
    h.spoken();
    h.press(Key::Enter);
    EXPECT_EQ(g().form().D[square(1, 2)].caption, "");
    h.drain();
    EXPECT_EQ(h.spoken(), (QStringList{"delete", "N"}));
}

TEST_F(Magnified, ChooserEscapeClosesItWithoutWriting)
{
    fullScreenAt(1, 2);
    h.press(Key::Enter);
    h.press(Key::Right);
    h.press(Key::Escape);
    EXPECT_EQ(g().session().viewmode, 4);
    EXPECT_EQ(g().form().D[square(1, 2)].caption, "");
    EXPECT_FALSE(g().form().lblBack.visible);
    for (const Control &key : g().form().lblKey)
        EXPECT_FALSE(key.visible);
    h.drain();
    EXPECT_EQ(h.spoken().last(), "cancelled");

    // Numeric minus from the chooser goes to the normal view and takes the alphabet away.
    h.press(Key::Enter);
    h.press(Key::NumMinus);
    EXPECT_EQ(g().session().viewmode, 1);
    for (const Control &key : g().form().lblKey)
        EXPECT_FALSE(key.visible);
}

// The main-row + and - (Shift or not) step the zoom exactly as the keypad's
// do, from the clue list, the answer line and the chooser: two games, one on
// each set of keys, say and show the same at every step.
TEST(MainRowZoomKeys, StepTheZoomExactlyAsTheKeypadKeysDo)
{
    const int plus = Key::NumPlus, minus = Key::NumMinus, shift = Mod::Shift;
    const QList<std::pair<int, int>> walk{{plus, 0}, {plus, shift}, {plus, 0},  {minus, 0},       {minus, shift},
                                          {minus, 0}, {Key::Enter, 0}, {plus, shift}, {Key::Enter, 0}, {minus, 0}};
    Harness keypad, mainRow;
    for (Harness *h : {&keypad, &mainRow})
        h->start(), h->drain(), h->press(Key::Enter), h->drain(), h->spoken();
    QList<int> viewmodes;
    for (const auto &[key, mods] : walk) {
        keypad.press(key, mods);
        mainRow.press(key == plus ? Key::MainPlus : key == minus ? Key::MainMinus : key, mods);
        keypad.drain(), mainRow.drain();
        EXPECT_EQ(mainRow.spoken(), keypad.spoken());
        EXPECT_TRUE(mainRow.g().form() == keypad.g().form());
        viewmodes.append(mainRow.g().session().viewmode);
    }
    EXPECT_EQ(viewmodes, (QList<int>{4, 5, 6, 5, 4, 1, 2, 4, 3, 1}));
}

} // namespace
