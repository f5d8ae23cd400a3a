// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// Speech the solver can cut short: Ctrl silences the game, F1 on a help page
// moves on to the next page, a key typed into a confirmation box repeats
// how to answer it, and with brisk speech (F10) every key cuts in.
#include "solving_fixture.h"
#include "support/logcapture.h"

#include <gtest/gtest.h>

namespace {

const QString kHowToAnswer = QStringLiteral("Press the enter key to confirm or the escape key to cancel.");

class Interrupting : public ::testing::Test {
protected:
    Interrupting() : h({smallPuzzle()}) {}
    void SetUp() override { openFirstPuzzle(h); }  // on A1 SANE
    Crosswords &g() { return h.g(); }
    Harness h;
};

TEST_F(Interrupting, CtrlCutsThePhraseAndTheClipAndEmptiesTheQueueButTheNextStepIsHeardAtOnce)
{
    g().announcer().saymsg = QStringLiteral("first\tsecond\tthird");
    h.tick();
    ASSERT_EQ(h.spoken(), QStringList{"first"});
    ASSERT_FALSE(h.voice.isIdle());
    {
        LogCapture log("crosswords.speech=true");
        g().silence();
        EXPECT_EQ(LogCapture::lines(), QStringList{"crosswords.speech: stop: first"});
    }
    EXPECT_TRUE(h.voice.isIdle());
    EXPECT_EQ(h.voice.stops, 1);
    EXPECT_EQ(h.sound.stops, 1);
    EXPECT_TRUE(g().announcer().saymsg.isEmpty());
    h.tick(3);
    EXPECT_TRUE(h.spoken().isEmpty());  // "second" and "third" are gone

    // The queue's rules are unchanged: the next clue is read in its own tick.
    h.press(Key::Down);
    const QStringList next = h.spoken();
    ASSERT_EQ(next.size(), 1);
    EXPECT_TRUE(next[0].startsWith("3 across")) << next[0].toStdString();

    // Nothing sounding: nothing is cut and nothing logged.
    h.drain();
    LogCapture log("crosswords.speech=true");
    g().silence();
    EXPECT_TRUE(LogCapture::lines().isEmpty());
}

TEST_F(Interrupting, F1OnAPageStillBeingReadCutsItAndReadsTheNextOneAtOnce)
{
    LogCapture log("crosswords.speech=true");
    h.press(Key::F1);
    EXPECT_EQ(h.spoken(), QStringList{"Help page 0.\r\nSecond line."});
    h.press(Key::F1);  // page 0 is still being read
    EXPECT_EQ(h.spoken(), QStringList{"Help page 1.\r\nSecond line."});
    EXPECT_EQ(h.voice.stops, 1);
    EXPECT_TRUE(LogCapture::lines().contains("crosswords.speech: stop: Help page 0.\r\nSecond line."));

    // A page heard to its end is not cut again; the next F1 simply reads on.
    h.voice.finish();
    h.press(Key::F1);
    EXPECT_EQ(h.spoken(), QStringList{"Help page 2.\r\nSecond line."});
    EXPECT_EQ(h.voice.stops, 1);
}

TEST_F(Interrupting, F1WhileAClueIsReadLetsTheClueFinish)
{
    h.press(Key::Down);
    ASSERT_EQ(h.spoken().size(), 1);  // the clue reading is sounding
    h.press(Key::F1);
    EXPECT_EQ(h.voice.stops, 0);
    EXPECT_EQ(h.spoken(), QStringList{"Help page 0.\r\nSecond line."});  // handed over behind it
}

TEST_F(Interrupting, KeysTypedIntoAConfirmationBoxCutTheSpeechAndRepeatHowToAnswer)
{
    h.confirm.strayKeys = 2;
    h.confirm.answers = {false};
    h.g().session().viewmode = 1;
    LogCapture log("crosswords.speech=true");
    h.press(Key::F9);  // clear the puzzle?
    EXPECT_EQ(h.spoken(), (QStringList{"Are you sure you want to clear this puzzle? It cannot be undone. " + kHowToAnswer, kHowToAnswer,
                                       kHowToAnswer, "cancelled"}));
    // Each key cuts what was still being said, so reminders never pile up;
    // the answer cuts the last one.
    EXPECT_EQ(h.voice.stops, 3);
    EXPECT_EQ(LogCapture::lines().filter("stop: ").size(), 3);
    EXPECT_EQ(h.confirm.prompts.size(), 1);  // the keys did nothing else
}

// Brisk speech (F10): each key of the solver's cuts what is sounding and
// empties the queue, then its own answer is heard at once; typed letters do
// not cut each other's echo. Off again, keys wait as before.
TEST_F(Interrupting, BriskSpeechLetsEveryKeyCutInButKeepsEveryTypedLetter)
{
    g().sayit(QStringLiteral("a long phrase"));
    h.press(Key::F10);  // switched on, it cuts at once
    h.tick();
    g().announcer().saymsg = QStringLiteral("queued behind it");
    for (int i = 0; i < 10; ++i) {  // ten Downs 0.3 s apart
        h.press(Key::Down);
        h.tick(2);
    }
    EXPECT_EQ(h.spoken().size(), 12);  // "Brisk speech on" and ten clues, each at its key
    EXPECT_EQ(h.voice.stops, 11);
    typeAtPace(h, {'H', 'E', 'N'}, 50);  // 5 across at 20 keys a second: only the clue is cut
    EXPECT_EQ(h.spoken(), (QStringList{"H", "E", "N"}));
    EXPECT_EQ(h.voice.stops, 12);
    h.press(Key::F10);
    h.tick();
    h.press(Key::Down);
    EXPECT_EQ(h.spoken(), QStringList{"Brisk speech off"});
    EXPECT_EQ(h.voice.stops, 13);
}

} // namespace
