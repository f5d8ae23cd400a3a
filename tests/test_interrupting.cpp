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
    EXPECT_EQ(h.spoken(), (QStringList{"Are you sure you want to clear this puzzle? " + kHowToAnswer, kHowToAnswer,
                                       kHowToAnswer, "cancelled"}));
    // Each key cuts what was still being said, so reminders never pile up;
    // the answer cuts the last one.
    EXPECT_EQ(h.voice.stops, 3);
    EXPECT_EQ(LogCapture::lines().filter("stop: ").size(), 3);
    EXPECT_EQ(h.confirm.prompts.size(), 1);  // the keys did nothing else
}

// Brisk speech on, the solver's keys are answered at once, never queued
// behind what is still sounding.
class BriskSpeech : public Interrupting {
protected:
    void SetUp() override
    {
        Interrupting::SetUp();
        h.press(Key::F10);
        h.tick();
        EXPECT_EQ(h.spoken(), QStringList{"Brisk speech on"});
        h.voice.finish();
    }
};

TEST_F(BriskSpeech, AKeyCutsTheLongPhraseAndTheQueueThenItsOwnAnswerFollows)
{
    g().announcer().saymsg = QStringLiteral("a long phrase\tqueued behind it");
    h.tick();
    ASSERT_EQ(h.spoken(), QStringList{"a long phrase"});
    LogCapture log("crosswords.speech=true");
    h.press(Key::Down);
    EXPECT_EQ(LogCapture::lines().filter("stop: "), QStringList{"crosswords.speech: stop: a long phrase"});
    const QStringList next = h.spoken();
    ASSERT_EQ(next.size(), 1);
    EXPECT_TRUE(next[0].startsWith("3 across")) << next[0].toStdString();
    h.tick(3);
    EXPECT_TRUE(h.spoken().isEmpty());  // "queued behind it" is gone

    // Ten Downs 0.3 s apart through the clue list: each clue is heard, in turn.
    QStringList heads;
    for (int i = 0; i < 10; ++i) {
        h.press(Key::Down);
        const QStringList said = h.spoken();
        ASSERT_EQ(said.size(), 1) << i;
        heads.append(said[0].section(QLatin1Char(','), 0, 0));
        h.tick(2);
    }
    EXPECT_EQ(heads, (QStringList{"4 across", "5 across", "1 down", "2 down", "3 down", "1 across", "3 across",
                                  "4 across", "5 across", "1 down"}));
    EXPECT_EQ(h.voice.stops, 11);

    // A letter typed while the clue is read cuts it too.
    h.press('S');
    EXPECT_EQ(h.spoken(), QStringList{"S"});
    EXPECT_EQ(h.voice.stops, 12);
}

TEST_F(BriskSpeech, TypingAtTwentyKeysASecondKeepsEveryLetterAndF10TurnsItOff)
{
    typeAtPace(h, {'S', 'A', 'N', 'E'}, 50);
    EXPECT_EQ(h.spoken(), (QStringList{"S", "A", "N", "E"}));  // no echo cuts another
    EXPECT_EQ(h.voice.stops, 0);
    h.press(Key::Enter);
    EXPECT_EQ(h.voice.stops, 1);  // the last letter's echo is cut by Enter
    EXPECT_EQ(h.spoken(), QStringList{"you filled this in with, S, A, N, E"});
    EXPECT_EQ(g().form().D[sq(0, 0)].caption + g().form().D[sq(0, 3)].caption, "SE");

    // Off again: a key waits for the phrase before it, as without the setting.
    h.press(Key::F10);
    h.tick();
    EXPECT_EQ(h.spoken(), QStringList{"Brisk speech off"});
    const int stops = h.voice.stops;
    h.press(Key::Down);
    EXPECT_TRUE(h.spoken().isEmpty());
    EXPECT_EQ(h.voice.stops, stops);
    h.voice.finish();
    h.tick();
    EXPECT_EQ(h.spoken().size(), 1);
}

} // namespace
