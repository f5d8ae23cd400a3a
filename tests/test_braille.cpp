// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// The braille display: the line each view shows, messages a sentence at a
// time, panning on a small display, and the display's keys.
#include "solving_fixture.h"

#include <gtest/gtest.h>

namespace {

using K = BrailleKey::Kind;

class Braille : public ::testing::Test {
protected:
    explicit Braille(int cells = 40) : braille(cells), h({smallPuzzle(), smallPuzzle()}) { h.g().attachBraille(braille); }
    // A display key, then the tick that takes what it posted.
    void key(K kind, int value = 0)
    {
        braille.press(kind, value);
        h.tick();
    }
    RecordingBraille braille;
    Harness h;
};

class SmallBraille : public Braille {
protected:
    SmallBraille() : Braille(14) {}
};

TEST_F(Braille, TheMenuShowsThePuzzleAndHowFarItHasGotAfterTheWelcome)
{
    h.start();
    h.drain();
    EXPECT_EQ(braille.text, "Welcome to Quorel Crosswords volume 3.");
    h.press(Key::Right);
    EXPECT_EQ(braille.withCursor(), "Puzzle 1 empty");
    // The status phrase that follows the name is not shown over the line.
    h.drain();
    EXPECT_EQ(braille.text, "Puzzle 1 empty");

    // Four of the 18 letters: rounded as the menu says it.
    h.press(Key::Enter);
    for (const char ch : QByteArray("SANE"))
        h.say(ch);
    h.say(Key::Enter);
    h.say(Key::F12);
    h.say(Key::Left);
    h.say(Key::Right);
    EXPECT_EQ(braille.text, "Puzzle 1 22% complete");
    // Line up and down walk the menu the way the first arrow chose.
    key(K::LineDown);
    EXPECT_EQ(braille.text, "Puzzle 2 empty");
    EXPECT_EQ(h.g().session().viewmode, ViewMode::Menu);
}

TEST_F(Braille, TheClueListShowsLabelLengthsTextAndLettersAndLineKeysWalkIt)
{
    openFirstPuzzle(h);
    putLetter(h.g(), sq(0, 2), "N");
    key(K::LineDown);
    key(K::LineUp);
    EXPECT_EQ(braille.withCursor(), "1a (4) Of sound mind --n-");
    key(K::LineDown);
    EXPECT_EQ(braille.text, "3a (3) Hound ---");
    EXPECT_EQ(h.g().session().curclue, 2);
    // What a view change says is on the line already: only the line shows.
    h.drain();
    EXPECT_EQ(braille.text, "3a (3) Hound ---");
    // Routing on the clue reads it again, and shows the reading.
    h.spoken();
    key(K::Route, 3);
    EXPECT_EQ(h.spoken(), QStringList{"3 across, 3letters,  Hound"});
    EXPECT_EQ(braille.text, "3 across, 3letters, Hound");
    // A routing key over a message brings the line back.
    braille.press(K::Route, 0);
    EXPECT_EQ(braille.text, "3a (3) Hound ---");
}

TEST_F(Braille, TheAnswerLineShowsOneCellPerBoxWithTheCursorAndTakesTheDisplaysKeys)
{
    openFirstPuzzle(h);
    key(K::Character, 's');  // the braille keyboard types as the letter keys do
    EXPECT_EQ(braille.withCursor(), "1a [s]---");
    h.drain();
    EXPECT_EQ(braille.withCursor(), "1a s[-]--");
    key(K::Character, 'A');
    h.drain();
    h.spoken();
    // A routing key on a box: the cursor goes there and says where it is.
    braille.press(K::Route, 6);
    h.drain();
    EXPECT_EQ(braille.withCursor(), "1a sa-[-]");
    EXPECT_EQ(h.spoken(), QStringList{", last letter blank"});
    braille.press(K::Route, 3);
    h.drain();
    EXPECT_EQ(h.spoken(), QStringList{", first letter S"});
    EXPECT_EQ(braille.cursor, 4);
    // On the clue's number the clue is read; past the boxes nothing happens.
    braille.press(K::Route, 30);
    key(K::Route, 0);
    h.drain();
    EXPECT_EQ(h.spoken().first(), "1 across, 4letters,  Of sound mind");
    key(K::Backspace);
    EXPECT_EQ(h.spoken(), QStringList());  // at box 1: the boundary sound only
    key(K::Enter);
    EXPECT_EQ(h.g().session().viewmode, ViewMode::ClueList);
    EXPECT_EQ(braille.text, "1a (4) Of sound mind sa--");
}

TEST_F(Braille, TheMagnifiedViewsShowTheSquareAsItIsSaid)
{
    openFirstPuzzle(h);
    putLetter(h.g(), sq(0, 0), "S");
    h.press(Key::F4);
    h.drain();
    EXPECT_EQ(braille.text, "1A S");
    h.press(Key::Right);
    EXPECT_EQ(braille.text, "1B blank");
}

TEST_F(SmallBraille, ALongClueIsPannedAndADisplayOfAnotherSizeIsLaidOutAgain)
{
    openFirstPuzzle(h);
    EXPECT_EQ(braille.text, "1a (4) Of soun");
    braille.press(K::PanRight);
    EXPECT_EQ(braille.text, "d mind ----");
    braille.press(K::PanRight);  // the end: it stays
    EXPECT_EQ(braille.text, "d mind ----");
    braille.press(K::PanLeft);
    EXPECT_EQ(braille.text, "1a (4) Of soun");

    // The cursor's piece of a line wider than the display is the one shown.
    braille.resize(5);
    key(K::Character, 'S');
    h.drain();
    EXPECT_EQ(braille.withCursor(), "1a s[-]");
    braille.press(K::PanRight);
    EXPECT_EQ(braille.withCursor(), "--");
    braille.resize(40);
    EXPECT_EQ(braille.withCursor(), "1a s[-]--");
    const int writes = braille.writes;
    braille.resize(0);  // the display has gone: nothing is written
    braille.press(K::PanLeft);
    EXPECT_EQ(braille.writes, writes);
}

TEST_F(SmallBraille, HelpIsShownASentenceAtATimeAndPanningGoesOnToTheNext)
{
    openFirstPuzzle(h);
    h.press(Key::F1);
    const QStringList sentences = BrailleWindow::sentencesOf(h.voice.texts().last());
    ASSERT_GE(sentences.size(), 2);
    EXPECT_EQ(braille.text, sentences[0].left(14));
    int pans = 0;
    while (braille.text != sentences[1].left(14) && pans < 50) {
        braille.press(K::PanRight);
        ++pans;
    }
    EXPECT_EQ(pans, (sentences[0].size() + 13) / 14);
    braille.press(K::PanLeft);
    EXPECT_EQ(braille.text, sentences[0].mid((pans - 1) * 14, 14));
    // A key that changes the view brings its line back.
    h.press(Key::Down);
    EXPECT_EQ(braille.text, "3a (3) Hound -");
}

} // namespace
