// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// Revealing the answer of a clue or a square, and clearing a puzzle.
#include "support/harness.h"

#include <QFile>
#include <gtest/gtest.h>

inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace {

const QString kAskClue = "Are you sure you want to know the answer to this clue? "
                         "Press the enter key to confirm or the escape key to cancel.";
const QString kAskSquare = "Are you sure you want to know the answer to this square? "
                           "Press the enter key to confirm or the escape key to cancel.";
const QString kAskClear = "Are you sure you want to clear this puzzle? It cannot be undone. "
                          "Press the enter key to confirm or the escape key to cancel.";

class Answers : public ::testing::Test {
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
    // Every white square holds its solution letter, except those listed.
    void fillAllBut(const QList<int> &emptySquares)
    {
        const QStringList rows = standardRows();
        for (int r = 0; r < 13; ++r)
            for (int c = 0; c < 13; ++c)
                if (rows[r][c] != '#' && !emptySquares.contains(r * 13 + c + 1))
                    putLetter(g(), r * 13 + c + 1, rows[r][c]);
    }
    QByteArray progress(int n = 1) { return readAll(g().progressFile(n)); }
    static QByteArray readAll(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    // The entered-letter lines of a progress file (every third line after the size).
    static QStringList letterLines(const QByteArray &file)
    {
        const QList<QByteArray> lines = file.split('\n');
        QStringList letters;
        for (int k = 0; 1 + 3 * k < lines.size() && k < 169; ++k)
            letters.append(QString::fromLatin1(lines[1 + 3 * k]).trimmed());
        return letters;
    }
    Crosswords &g() { return h.g(); }
    Harness h;
};

TEST_F(Answers, RevealingAClueWritesItsLettersGreyMarksThemAndSpellsThem)
{
    openPuzzle();  // A1 is current: squares 1 to 4, ADGJ
    h.press(Key::F2, Mod::Shift);
    EXPECT_EQ(h.confirm.prompts, QStringList{"Show answer to this clue. Are you sure?"});
    for (int idx = 1; idx <= 4; ++idx) {
        EXPECT_EQ(g().form().D[idx].caption, standardRows()[0].mid(idx - 1, 1));
        EXPECT_EQ(g().form().D[idx].foreColor, Colour::Grey);
        EXPECT_TRUE(g().attempt().revealed(idx - 1));
        EXPECT_EQ(g().form().lblIn[idx].caption, g().form().D[idx].caption);
    }
    EXPECT_EQ(g().form().D[6].caption, "");  // the next answer is untouched
    h.drain();
    EXPECT_EQ(h.spoken(), (QStringList{kAskClue, "", "the answer is ADGJ, spelt , A, D, G, J"}));
}

TEST_F(Answers, DecliningAnAnswerSaysCancelledAndChangesNothing)
{
    openPuzzle();
    const Form before = g().form();
    h.confirm.answers = {false};
    h.press(Key::F2, Mod::Ctrl);
    h.drain();
    EXPECT_EQ(h.spoken(), (QStringList{kAskClue, "cancelled"}));
    EXPECT_EQ(g().form().D, before.D);
    EXPECT_FALSE(g().attempt().revealed(0));
}

TEST_F(Answers, NoAnswerInTheMenuOrWithoutACurrentClue)
{
    h.press(Key::F2, Mod::Shift);  // the menu
    openPuzzle();
    g().session().curclue = 0;
    h.press(Key::F2, Mod::Shift);
    h.drain();
    EXPECT_TRUE(h.confirm.prompts.isEmpty());
    EXPECT_TRUE(h.spoken().isEmpty());
}

TEST_F(Answers, RevealingTheLastMissingWordCheersSaysWelldoneAndLeavesToTheMenuSaved)
{
    openPuzzle();
    fillAllBut({1, 2, 3, 4});
    h.press(Key::F2, Mod::Shift);
    EXPECT_EQ(h.sound.names(), QStringList{"cheer"});
    EXPECT_EQ(g().session().viewmode, 0);
    h.drain();
    // The praise takes the place of the answer, then the menu is announced.
    const QStringList said = h.spoken();
    ASSERT_EQ(said.size(), 4);
    EXPECT_EQ(said.mid(0, 3), (QStringList{kAskClue, "", "welldone"}));
    EXPECT_TRUE(said[3].startsWith("Returning to the crosswords menu.")) << said[3].toStdString();
    // The solved grid was saved: the revealed word marked, the rest as typed.
    const QStringList letters = letterLines(progress());
    ASSERT_EQ(letters.size(), 169);
    EXPECT_EQ(letters.mid(0, 5), (QStringList{"A!", "D!", "G!", "J!", ""}));
    EXPECT_EQ(letters[5], "P");
    EXPECT_EQ(g().puzstat()[1][1], g().puzstat()[1][2]);  // the menu counts it as complete
}

TEST_F(Answers, RevealingTheLastSquareFromTheLetterChooserLeavesAMenuWithoutTheAlphabet)
{
    openPuzzle();
    fillAllBut({2});
    h.press(Key::F4);     // the cursor on 1A, the first square of 1 across
    h.press(Key::Right);  // 1B
    h.press(Key::Enter);
    ASSERT_EQ(g().session().viewmode, 3);
    h.press(Key::F2, Mod::Shift);
    EXPECT_EQ(h.confirm.prompts, QStringList{"Show answer for this square. Are you sure?"});
    EXPECT_EQ(h.sound.names(), QStringList{"cheer"});
    EXPECT_EQ(g().session().viewmode, 0);
    for (const Control &key : g().form().lblKey)
        EXPECT_FALSE(key.visible);
    EXPECT_EQ(letterLines(progress())[1], "D!");
}

TEST_F(Answers, RevealingIntoAFullGridWithAMistakeNamesTheMistakeAndStays)
{
    openPuzzle();
    fillAllBut({1, 2, 3, 4});
    putLetter(g(), 14, "Z");  // row 2, column A: in D1 (and no across answer)
    h.press(Key::F2, Mod::Shift);
    EXPECT_TRUE(h.sound.plays.empty());
    EXPECT_EQ(g().session().viewmode, 1);
    h.drain();
    // The mistake report replaces the answer.
    EXPECT_EQ(h.spoken(), (QStringList{kAskClue, "", "1D", "is wrong"}));
    EXPECT_EQ(g().form().D[1].caption, "A");
}

TEST_F(Answers, RevealingWhileSquaresAreStillEmptySaysOnlyTheAnswer)
{
    openPuzzle();
    fillAllBut({1, 2, 3, 4, 169});
    putLetter(g(), 14, "Z");
    h.press(Key::F2, Mod::Shift);
    h.drain();
    EXPECT_EQ(h.spoken(), (QStringList{kAskClue, "", "the answer is ADGJ, spelt , A, D, G, J"}));
    EXPECT_EQ(g().session().viewmode, 1);
}

TEST_F(Answers, InAMagnifiedViewOnlyTheCursorSquareIsRevealedAndBlackSquaresAskNothing)
{
    openPuzzle();
    h.press(Key::F4);
    h.drain();
    h.press(Key::Right);  // 1B
    h.drain();
    h.spoken();
    h.press(Key::F2, Mod::Shift);
    EXPECT_EQ(h.confirm.prompts, QStringList{"Show answer for this square. Are you sure?"});
    EXPECT_EQ(g().form().D[2].caption, "D");
    EXPECT_EQ(g().form().D[2].foreColor, Colour::Grey);
    EXPECT_EQ(g().form().D[1].caption, "");
    EXPECT_EQ(g().form().D[3].caption, "");
    h.drain();
    EXPECT_EQ(h.spoken(), (QStringList{kAskSquare, "", "the answer is", "D"}));

    // Back in the normal view the letter is still grey, and it is saved as revealed.
    h.press(Key::NumMinus);
    EXPECT_EQ(g().form().D[2].foreColor, Colour::Grey);
    h.confirm.answers.clear();
    h.press(Key::F12);
    EXPECT_EQ(letterLines(progress()).mid(0, 2), (QStringList{"", "D!"}));

    openPuzzle();
    h.press(Key::F4);
    g().session().currow = 0;
    g().session().curcol = 0;
    h.press(Key::Down);   // placed on 1A
    h.press(Key::Down);
    h.press(Key::Right);  // 2B, black
    ASSERT_EQ(g().form().D[15].backColor, Colour::PaleYellow);
    h.drain();
    h.spoken();
    h.confirm.prompts.clear();
    h.press(Key::F2, Mod::Alt);
    h.drain();
    EXPECT_TRUE(h.confirm.prompts.isEmpty());
    EXPECT_TRUE(h.spoken().isEmpty());
}

TEST_F(Answers, ClearingEmptiesEveryLetterAndSavesAProgressFileWithoutLetters)
{
    openPuzzle();
    h.press('B');  // letter entry on the answer line
    h.drain();
    h.press(Key::Enter);
    h.drain();
    fillAllBut({1, 2});
    h.press(Key::Tab);  // the down list
    h.drain();
    h.spoken();

    h.press(Key::F9);
    EXPECT_EQ(h.confirm.prompts, QStringList{"Clear this puzzle. Are you sure?"});
    for (int idx = 1; idx <= 225; ++idx)
        EXPECT_EQ(g().form().D[idx].caption, "") << idx;
    EXPECT_EQ(g().session().curdir, 1);
    EXPECT_EQ(g().session().curclue, 0);
    const QByteArray file = progress();
    const QStringList letters = letterLines(file);
    ASSERT_EQ(letters.size(), 169);
    for (const QString &l : letters)
        EXPECT_EQ(l, "");
    // The answer line is saved too and holds no letters either.
    const QList<QByteArray> lines = file.split('\n');
    for (int i = 508; i < 538 && i < lines.size(); i += 2)
        EXPECT_EQ(lines[i].trimmed(), "") << "line " << i + 1;
    h.drain();
    EXPECT_EQ(h.spoken(), (QStringList{kAskClear, "", "puzzle cleared"}));

    // The next reading starts on the across list.
    h.press(Key::Down);
    h.drain();
    EXPECT_TRUE(h.spoken().first().contains(" across")) << h.spoken().join('|').toStdString();
}

TEST_F(Answers, DecliningTheClearKeepsEverything)
{
    openPuzzle();
    fillAllBut({1});
    h.confirm.answers = {false};
    h.press(Key::F9);
    h.drain();
    EXPECT_EQ(h.spoken(), (QStringList{kAskClear, "cancelled"}));
    EXPECT_EQ(g().form().D[2].caption, "D");
}

TEST_F(Answers, ClearingFromAMagnifiedViewShowsTheClearedPuzzleInTheNormalView)
{
    openPuzzle();
    fillAllBut({});
    h.press(Key::F4);
    h.press(Key::F4);
    h.drain();
    h.press(Key::F9);
    EXPECT_EQ(g().session().viewmode, 1);
    EXPECT_EQ(g().form().D[1].caption, "");
    EXPECT_TRUE(g().form().lblClue[1].visible);
    EXPECT_TRUE(g().form().D[1].visible);
    EXPECT_LT(g().form().D[169].left + g().form().D[169].width, g().env().screenWidth);
}

TEST_F(Answers, ClearingInTheMenuWithNoPuzzleShownDoesNothing)
{
    h.press(Key::F9);
    h.drain();
    EXPECT_TRUE(h.confirm.prompts.isEmpty());
    EXPECT_TRUE(h.spoken().isEmpty());
}

TEST_F(Answers, ClearingThePuzzleShownInTheMenuClearsItsSavedProgressAndStatus)
{
    openPuzzle();
    fillAllBut({1});
    h.press(Key::F12);  // saved, back to the menu on puzzle 1
    h.drain();
    ASSERT_GT(g().puzstat()[1][2], 0);
    h.press(Key::F9);
    EXPECT_EQ(h.confirm.prompts.last(), "Clear this puzzle. Are you sure?");
    EXPECT_EQ(g().session().viewmode, 0);
    EXPECT_EQ(g().puzstat()[1][2], 0);
    EXPECT_EQ(g().form().D[2].caption, "");
    h.drain();
    EXPECT_EQ(h.spoken().last(), "puzzle cleared");
    h.press(Key::Right);
    h.press(Key::Left);  // back to puzzle 1
    h.drain();
    EXPECT_EQ(h.spoken().last(), "This puzzle is empty");
    // Opening it again shows an empty grid.
    openPuzzle();
    EXPECT_EQ(g().form().D[2].caption, "");
}

} // namespace
