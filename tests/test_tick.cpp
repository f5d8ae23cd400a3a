// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// The key mailbox, the order of the tick's phases and the speech queue.
#include "support/harness.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class Tick : public ::testing::Test {
protected:
    void SetUp() override
    {
        h.start();
        h.drain();
        h.spoken();
    }
    Harness h;
};

TEST_F(Tick, StartUpQueuesTheWelcomeAndTheFirstTickEntersTheMenu)
{
    Harness fresh;
    fresh.g().Form_Load();
    EXPECT_EQ(fresh.g().session().viewmode, 99);
    EXPECT_EQ(fresh.g().curform(), "Crosswords");
    fresh.g().Form_Activate();
    EXPECT_TRUE(fresh.g().announcer().saymsg.startsWith("Welcome to Quorel Crosswords volume 3. This programme contains 70 puzzles"));
    EXPECT_FALSE(fresh.g().announcer().saymsg.contains('\t'));  // one phrase
    fresh.g().Engine_Timer();
    EXPECT_EQ(fresh.g().session().viewmode, 0);
    ASSERT_EQ(fresh.spoken().size(), 1);
    EXPECT_TRUE(fresh.g().announcer().saymsg.isEmpty());
}

TEST_F(Tick, MailboxKeepsOnlyTheNewestKeyAndNothingWhileAnotherScreenHasTheKeyboard)
{
    h.g().Form_KeyDown(Key::F3, Mod::None);
    h.g().Form_KeyDown(Key::F7, Mod::Shift);
    EXPECT_EQ(h.g().keycode(), QString(QChar(Key::F7)) + QChar('1'));
    h.tick();
    EXPECT_EQ(h.g().session().lastkey, Key::F7);
    EXPECT_TRUE(h.g().keycode().isEmpty());

    h.g().curform() = "Other";
    h.g().Form_KeyDown(Key::F3, Mod::None);
    EXPECT_TRUE(h.g().keycode().isEmpty());
    h.g().announcer().saymsg = "waiting";
    h.tick();
    EXPECT_EQ(h.g().announcer().saymsg, "waiting");  // the queue is not served either
    EXPECT_TRUE(h.spoken().isEmpty());
}

TEST_F(Tick, AnyKeyButF12HidesTheHintsAndBecomesTheLastKey)
{
    for (Control *hint : {&h.g().form().lbl4[0], &h.g().form().lbl4[1], &h.g().form().lbl5[0], &h.g().form().lbl5[1]})
        hint->visible = true;
    h.g().session().lastkey = 55;
    h.confirm.answers = {false};  // F12 in the menu asks to quit: stay
    h.press(Key::F12);
    EXPECT_EQ(h.g().session().lastkey, 55);
    EXPECT_TRUE(h.g().form().lbl4[1].visible);

    h.press(Key::F8);  // a key no mode uses
    EXPECT_EQ(h.g().session().lastkey, Key::F8);
    for (const Control *hint : {&h.g().form().lbl4[0], &h.g().form().lbl4[1], &h.g().form().lbl5[0], &h.g().form().lbl5[1]})
        EXPECT_FALSE(hint->visible);
}

TEST_F(Tick, AFunctionKeysMessageWaitsForTheNextTick)
{
    h.press(Key::F1, Mod::Shift);  // next voice, queued
    EXPECT_EQ(h.g().announcer().saymsg, "Voice changed to English (America)");
    EXPECT_TRUE(h.spoken().isEmpty());
    h.tick();
    EXPECT_EQ(h.spoken(), QStringList{"Voice changed to English (America)"});
}

TEST_F(Tick, QueueSpeaksOnePhrasePerTickOnlyWhenTheVoiceIsIdle)
{
    h.g().announcer().saymsg = "A\t\tB";
    h.tick();
    EXPECT_EQ(h.spoken(), QStringList{"A"});
    h.tick();  // still speaking A: nothing taken
    EXPECT_EQ(h.g().announcer().saymsg, "\tB");
    h.voice.finish();
    h.tick();  // the pause between A and B is dropped as a leading Tab
    EXPECT_EQ(h.spoken(), QStringList{"B"});

    h.voice.finish();
    h.g().announcer().saymsg = "\t\t\tD";
    h.tick();  // an empty phrase costs a tick and is not spoken
    EXPECT_TRUE(h.spoken().isEmpty());
    EXPECT_EQ(h.g().announcer().saymsg, "\tD");
    h.tick();
    EXPECT_EQ(h.spoken(), QStringList{"D"});

    h.voice.finish();
    h.g().announcer().saymsg = "\tC";
    h.tick();  // a leading Tab gives no empty utterance
    EXPECT_EQ(h.spoken(), QStringList{"C"});
}

TEST_F(Tick, SaysyncMakesTheStepWaitAndEachSayitLowersIt)
{
    h.g().announcer().saysync = 2;
    h.g().announcer().saymsg = "first\tsecond";
    h.tick();
    ASSERT_EQ(h.voice.utterances.size(), 2u);  // welcome, then "first"
    EXPECT_TRUE(h.voice.utterances.back().waited);
    EXPECT_EQ(h.g().announcer().saysync, 2);  // sayit2 does not lower it
    h.g().sayit("direct");
    EXPECT_EQ(h.g().announcer().saysync, 1);
    h.voice.finish();
    h.tick();
    EXPECT_TRUE(h.voice.utterances.back().waited);
    EXPECT_EQ(h.voice.utterances.back().text, "second");
    h.g().sayit("x");
    h.g().sayit("y");
    EXPECT_EQ(h.g().announcer().saysync, 0);  // never below 0
}

TEST(TickReentry, ATickStartedWhileAnotherWaitsOnlyServesSpeech)
{
    // While a phrase is spoken and waited for (or a modal box is open) the
    // window's timer may fire again; that tick must leave the mailbox alone.
    struct WaitingVoice : RecordingVoice {
        std::function<void()> duringWait;
        void speakAndWait(const QString &text) override
        {
            RecordingVoice::speakAndWait(text);
            if (duringWait)
                duringWait();
        }
    };
    Harness h;
    WaitingVoice voice;
    Crosswords game(Services{voice, h.sound, h.confirm, h.measure, h.resources, h.printer, h.app}, h.g().env());
    game.Form_Load();
    game.Engine_Timer();
    int nested = 0;
    voice.duringWait = [&] {
        ++nested;
        game.Form_KeyDown(Key::F11, Mod::None);
        game.Engine_Timer();
    };
    game.announcer().saysync = 1;
    game.announcer().saymsg = "wait for me\tthen me";
    game.Engine_Timer();
    EXPECT_EQ(nested, 2);  // the nested tick spoke the next phrase, waiting too
    EXPECT_EQ(voice.texts(), (QStringList{"wait for me", "then me"}));
    EXPECT_EQ(game.keycode(), QString(QChar(Key::F11)) + QChar('0'));  // left for a real tick
    EXPECT_EQ(game.session().lastkey, 0);
}

TEST_F(Tick, VoiceChangesWrapBothWays)
{
    h.voice.names = {"one", "two", "three"};
    h.g().voice() = 2;
    h.g().changevoice(0);
    EXPECT_EQ(h.g().voice(), 0);
    EXPECT_EQ(h.voice.selected, 0);
    EXPECT_EQ(h.g().announcer().saymsg, "Voice changed to one");
    h.g().changevoice(1);
    EXPECT_EQ(h.g().voice(), 2);
    EXPECT_EQ(h.g().announcer().saymsg, "Voice changed to three");

    h.voice.names.clear();  // no voice at all: nothing to select, nothing said
    h.g().announcer().saymsg.clear();
    h.g().changevoice(0);
    EXPECT_TRUE(h.g().announcer().saymsg.isEmpty());
}

TEST_F(Tick, FiveSpeedPressesCycleThroughEveryStep)
{
    QStringList said;
    for (int i = 0; i < 5; ++i) {
        h.press(Key::F1, Mod::Alt);
        said += h.spoken();
        h.voice.finish();
    }
    EXPECT_EQ(said, (QStringList{"Speed changed to fast", "Speed changed to very fast", "Speed changed to very slow",
                                 "Speed changed to slow", "Speed changed to normal"}));
    EXPECT_EQ(h.voice.rate, 0);
    h.press(Key::F1, Mod::Shift | Mod::Ctrl);
    EXPECT_EQ(h.voice.rate, 2);

    h.g().speed() = -9;  // a damaged stored value never indexes past the names
    h.g().changespeed();
    EXPECT_EQ(h.g().speed(), 0);
}

TEST_F(Tick, StoredVoiceBeyondTheInstalledOnesFallsBackToTheFirst)
{
    h.g().voice() = 7;
    h.g().speed() = 4;
    h.g().applyVoiceSettings();
    EXPECT_EQ(h.g().voice(), 0);
    EXPECT_EQ(h.voice.selected, 0);
    EXPECT_EQ(h.voice.rate, 4);
}

} // namespace
