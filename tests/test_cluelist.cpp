// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// Walking and reading the clues of an open puzzle, and the spoken descriptions.
#include "solving_fixture.h"

#include <gtest/gtest.h>

namespace {

class ClueList : public ::testing::Test {
protected:
    ClueList() : h({smallPuzzle()}) {}
    void SetUp() override { openFirstPuzzle(h); }
    int yellowLine()
    {
        int found = 0;
        for (int i = 1; i <= 100; ++i)
            if (h.g().form().lblClue[i].visible && h.g().form().lblClue[i].backColor == Colour::Yellow)
                found = found ? -1 : i;  // -1: more than one
        return found;
    }
    Harness h;
};

TEST_F(ClueList, ArrowsWalkTheListAndBothEndsLeadToTheFirstClueOfTheOther)
{
    EXPECT_EQ(h.say(Key::Right), QStringList{"3 across, 3letters,  Hound"});
    EXPECT_EQ(h.say(Key::Down), QStringList{"4 across, 2 words, 2 letters and 2 letters,  As far as"});
    h.say(Key::Down);
    EXPECT_EQ(h.g().session().curclue, 4);
    // Past the last across clue: the first down clue.
    EXPECT_EQ(h.say(Key::Down), QStringList{"1 down, 3letters,  Old French coin"});
    EXPECT_EQ(h.g().session().curdir, 2);
    EXPECT_EQ(h.g().session().curclue, 1);
    EXPECT_EQ(yellowLine(), 1);
    EXPECT_EQ(h.g().form().lbl1[1].caption, "DOWN");
    // Before the first down clue: the first across clue, not the last.
    EXPECT_EQ(h.say(Key::Up), QStringList{"1 across, 4letters,  Of sound mind"});
    EXPECT_EQ(h.g().session().curdir, 1);
    // Before the first across clue: the first down clue.
    h.say(Key::Left);
    EXPECT_EQ(h.g().session().curdir, 2);
    EXPECT_EQ(h.g().session().curclue, 1);
    // The answer of the current clue is yellow on the board, down its column.
    EXPECT_EQ(h.g().form().D[sq(1, 0)].backColor, Colour::Yellow);
    EXPECT_EQ(h.g().form().D[sq(0, 1)].backColor, Colour::White);
}

TEST_F(ClueList, TabSwitchesListsKeepingTheLineNumberClampedAndReadsNothing)
{
    h.say(Key::Down);
    h.say(Key::Down);
    h.say(Key::Down);  // A5, line 4 of 4 across clues
    const QString reading = h.g().session().clueread;
    EXPECT_EQ(h.say(Key::Tab), QStringList{"clues down"});
    EXPECT_EQ(h.g().session().curdir, 2);
    EXPECT_EQ(yellowLine(), 3);  // only three down clues
    // Space still repeats the reading of the clue read before Tab.
    EXPECT_EQ(h.say(Key::Space), QStringList{reading});
    EXPECT_EQ(h.say(Key::Tab), QStringList{"clues across"});
    EXPECT_EQ(h.g().session().curdir, 1);
}

TEST_F(ClueList, CtrlArrowsMoveInOneListWithoutWrapping)
{
    // The across list holds 4 clues: Ctrl+Right past the end stays on the last.
    for (int i = 0; i < 6; ++i)
        h.say(Key::Right, Mod::Ctrl);
    EXPECT_EQ(h.g().session().curdir, 1);
    EXPECT_EQ(h.g().session().curclue, 4);
    EXPECT_EQ(h.g().session().acrossclue, 4);
    for (int i = 0; i < 6; ++i)
        h.say(Key::Left, Mod::Ctrl);
    EXPECT_EQ(h.g().session().curclue, 1);
    EXPECT_EQ(h.g().session().curdir, 1);
    // Ctrl+Down moves in the down list, from its own kept place.
    EXPECT_EQ(h.say(Key::Down, Mod::Ctrl), QStringList{"1 down, 3letters,  Old French coin"});
    h.say(Key::Down, Mod::Ctrl);
    EXPECT_EQ(h.g().session().downclue, 2);
    h.say(Key::Right, Mod::Ctrl);
    EXPECT_EQ(h.g().session().curdir, 1);
    EXPECT_EQ(h.g().session().curclue, 2);  // the across list resumes after its kept clue 1
    EXPECT_TRUE(h.sound.plays.empty());
}

TEST_F(ClueList, SpaceRepeatsAndShiftSpaceSpellsTheClueText)
{
    EXPECT_EQ(h.say(Key::Space), QStringList{"1 across, 4letters,  Of sound mind"});
    EXPECT_EQ(h.say(Key::Space, Mod::Shift), QStringList{", O, f, space, s, o, u, n, d, space, m, i, n, d"});
    h.say(Key::Tab);
    h.say(Key::Right);  // D2, an anagram clue
    h.press(Key::Space, Mod::Shift);
    h.drain();
    EXPECT_EQ(h.spoken(), QStringList{"anagram, T, i, n"});
}

TEST_F(ClueList, EscapeSaysCancelledAndEnterWithoutAClueDoesNothing)
{
    EXPECT_EQ(h.say(Key::Escape), QStringList{"cancelled"});
    EXPECT_EQ(h.g().session().viewmode, 1);
    h.g().session().curclue = 0;
    h.g().announcer().saymsg = "pending";
    h.press(Key::Enter);
    EXPECT_EQ(h.g().session().viewmode, 1);
    EXPECT_EQ(h.g().announcer().saymsg, "pending");  // the tick ended before the speech step
    // Keys without a meaning here are taken and dropped.
    h.g().announcer().saymsg.clear();
    for (int key : {Key::Backspace, Key::Delete})
        EXPECT_TRUE(h.say(key).isEmpty());
    EXPECT_EQ(h.g().session().viewmode, 1);
}

// The spoken description of the current clue as the answer fills up.
TEST_F(ClueList, TheReadingSaysHowMuchOfTheAnswerIsFilled)
{
    auto reading = [&](const QMap<int, QString> &letters) {
        for (int c = 0; c < 4; ++c)
            putLetter(h.g(), sq(0, c), letters.value(c + 1));
        h.g().updatedisplay();
        return h.g().announcer().saymsg;
    };
    EXPECT_EQ(reading({}), "1 across, 4letters,  Of sound mind");
    EXPECT_EQ(reading({{1, "S"}, {4, "E"}}),
              "1 across, 4letters,  Of sound mind, first letter, S, 4th letter, E");
    EXPECT_EQ(reading({{1, "S"}, {2, "A"}, {4, "E"}}),
              "1 across, 4letters,  Of sound mind\tso far you have typed, S, A, blank, E");
    EXPECT_TRUE(h.sound.plays.empty());
    EXPECT_EQ(reading({{1, "S"}, {2, "A"}, {3, "N"}, {4, "E"}}),
              "1 across, 4letters,  Of sound mind, you filled this in with, SANE");
    EXPECT_EQ(h.sound.names(), QStringList{"ok"});
    EXPECT_EQ(h.g().session().clueread, h.g().announcer().saymsg);
    EXPECT_EQ(h.g().session().spokenclue, 1);
    // The answer line mirrors the yellow squares.
    EXPECT_EQ(h.g().form().lblIn[3].caption, "N");
    EXPECT_TRUE(h.g().form().lblIn[4].visible);
    EXPECT_FALSE(h.g().form().lblIn[5].visible);

    // An empty panel line says nothing and highlights nothing.
    h.g().announcer().saymsg = "before";
    h.g().session().curclue = 7;
    h.g().updatedisplay();
    EXPECT_EQ(h.g().announcer().saymsg, "before");
}

TEST(Spelling, NamesSymbolsAndShortensBlanksAndAmpersands)
{
    Harness h;
    auto spell = [&](const QString &text) {
        h.g().announcer().saymsg.clear();
        h.g().spellit(text);
        return h.g().announcer().saymsg;
    };
    EXPECT_EQ(spell("Ballet ___"), ", B, a, l, l, e, t, space, blank");
    EXPECT_EQ(spell("(anagram) Seal fur"), "\tanagram, S, e, a, l, space, f, u, r");
    EXPECT_EQ(spell("A&&B"), ", A, and, B");
    // Four underscores: the first three become one blank, the fourth stays.
    EXPECT_EQ(spell("a ____ b"), ", a, space, blank, blank, space, b");
    EXPECT_EQ(spell("___ and ___"), ", blank, space, a, n, d, space, blank");
    EXPECT_EQ(spell(QString::fromUtf8("\"£5!\"")), ", quote, pound sign, 5, exclamation mark, quote");
    EXPECT_EQ(spell("$%()-=+:;',.?/"),
              ", dollar sign, percent sign, open bracket, close bracket, hyphen, equals, plus, colon, semicolon, "
              "apostrophe, comma, fullstop, question mark, slash");
}

} // namespace
