// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// The function keys and what they reach: help pages, voice and speed, checking
// and revealing, the keys no command uses; and the sound clips.
#include "support/harness.h"
#include "support/logcapture.h"

#include <gtest/gtest.h>

inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace {

class Commands : public ::testing::Test {
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
    Harness h;
};

TEST_F(Commands, ShiftAndCtrlF1StepThroughTheVoicesBothWaysAndWrap)
{
    h.voice.names = {"First voice", "Second voice", "Third voice"};
    h.press(Key::F1, Mod::Shift);
    h.drain();
    EXPECT_EQ(h.spoken(), QStringList{"Voice changed to Second voice"});
    EXPECT_EQ(h.voice.selected, 1);
    h.press(Key::F1, Mod::Shift);
    h.press(Key::F1, Mod::Shift);  // past the last: back to the first
    h.drain();
    EXPECT_EQ(h.g().voice(), 0);
    EXPECT_EQ(h.spoken().last(), "Voice changed to First voice");

    h.press(Key::F1, Mod::Ctrl);  // before the first: the last
    h.drain();
    EXPECT_EQ(h.g().voice(), 2);
    EXPECT_EQ(h.voice.selected, 2);
    EXPECT_EQ(h.spoken(), QStringList{"Voice changed to Third voice"});
    h.press(Key::F1, Mod::Ctrl);
    h.drain();
    EXPECT_EQ(h.spoken(), QStringList{"Voice changed to Second voice"});
}

TEST_F(Commands, EveryF1WithTwoOrMoreModifiersOrAltStepsTheSpeed)
{
    const QList<int> masks{Mod::Shift | Mod::Ctrl, Mod::Alt, Mod::Alt | Mod::Shift, Mod::Alt | Mod::Ctrl, 7};
    const QStringList names{"fast", "very fast", "very slow", "slow", "normal"};
    const QList<int> rates{2, 4, -4, -2, 0};
    for (int i = 0; i < masks.size(); ++i) {
        h.press(Key::F1, masks[i]);
        // Said at once, not queued.
        EXPECT_EQ(h.spoken(), QStringList{"Speed changed to " + names[i]}) << "mask " << masks[i];
        EXPECT_EQ(h.voice.rate, rates[i]);
    }
    EXPECT_EQ(h.g().voice(), 0);  // the voice is left alone
}

TEST_F(Commands, OnlyF2AloneChecksEveryOtherF2AsksForTheAnswer)
{
    openPuzzle();
    h.press(Key::F2);
    h.drain();
    EXPECT_EQ(h.spoken(), QStringList{"there are no mistakes in the crossword so far"});
    EXPECT_TRUE(h.confirm.prompts.isEmpty());

    for (int mask : {Mod::Shift, Mod::Ctrl, Mod::Alt, Mod::Shift | Mod::Alt}) {
        h.confirm.answers = {false};
        h.press(Key::F2, mask);
        EXPECT_EQ(h.confirm.prompts.last(), "Show answer to this clue. Are you sure?") << "mask " << mask;
        EXPECT_EQ(h.spoken(), (QStringList{"Are you sure you want to know the answer to this clue? "
                                           "Press the enter key to confirm or the escape key to cancel.",
                                           "cancelled"}));
    }
    EXPECT_EQ(h.confirm.prompts.size(), 4);
}

TEST_F(Commands, UnusedFunctionKeysOnlyBecomeTheLastKeyAndHideTheHints)
{
    openPuzzle();
    const Form before = h.g().form();
    const int viewmode = h.g().session().viewmode;
    const int curclue = h.g().session().curclue;
    for (int key : {Key::F3, Key::F6, Key::F8, Key::F10, Key::F11}) {
        for (Control *hint : {&h.g().form().lbl4[0], &h.g().form().lbl4[1], &h.g().form().lbl5[0], &h.g().form().lbl5[1]})
            hint->visible = true;
        h.press(key, Mod::Shift);
        h.drain();
        EXPECT_EQ(h.g().session().lastkey, key);
        for (const Control *hint : {&h.g().form().lbl4[0], &h.g().form().lbl4[1], &h.g().form().lbl5[0], &h.g().form().lbl5[1]})
            EXPECT_FALSE(hint->visible) << "key " << key;
    }
    EXPECT_TRUE(h.spoken().isEmpty());
    EXPECT_TRUE(h.confirm.prompts.isEmpty());
    EXPECT_TRUE(h.sound.plays.empty());
    EXPECT_EQ(h.g().session().viewmode, viewmode);
    EXPECT_EQ(h.g().session().curclue, curclue);
    EXPECT_EQ(h.g().form().D, before.D);
    EXPECT_EQ(h.g().form().lblClue, before.lblClue);
}

TEST_F(Commands, ZoomKeysDoNothingInTheMenu)
{
    for (int key : {Key::F4, Key::NumPlus, Key::NumMinus, Key::MainPlus, Key::MainMinus}) {
        h.press(key);
        h.drain();
        EXPECT_EQ(h.g().session().viewmode, 0);
    }
    EXPECT_TRUE(h.spoken().isEmpty());
}

TEST_F(Commands, HelpReadsTheIntroductionOnceThenCyclesPagesOneToFourWholeAndAtOnce)
{
    openPuzzle();
    const int viewmode = h.g().session().viewmode, puzzle = h.g().session().curpuz, clue = h.g().session().curclue;
    QStringList pages;
    for (int press = 0; press < 6; ++press) {
        h.press(Key::F1);
        const QStringList said = h.spoken();
        ASSERT_EQ(said.size(), 1) << "press " << press;  // spoken in the same tick, as one utterance
        pages.append(said[0]);
        h.drain();
        EXPECT_TRUE(h.spoken().isEmpty());
    }
    EXPECT_EQ(pages, (QStringList{"Help page 0.\r\nSecond line.", "Help page 1.\r\nSecond line.",
                                  "Help page 2.\r\nSecond line.", "Help page 3.\r\nSecond line.",
                                  "Help page 4.\r\nSecond line.", "Help page 1.\r\nSecond line."}));
    EXPECT_EQ(h.g().session().viewmode, viewmode);
    EXPECT_EQ(h.g().session().curpuz, puzzle);
    EXPECT_EQ(h.g().session().curclue, clue);
}

TEST_F(Commands, HelpTextIsWindows1252AndAMissingPageIsSkippedButCounted)
{
    h.resources.put("TEXT", "HELP0", QByteArray("Caf\xe9 \xa3") + "5");
    h.resources.items.remove("TEXT/HELP1");
    h.press(Key::F1);
    EXPECT_EQ(h.spoken(), QStringList{QString::fromUtf8("Café £5")});
    h.press(Key::F1);  // page 1 is missing: nothing is said
    EXPECT_TRUE(h.spoken().isEmpty());
    h.press(Key::F1);
    EXPECT_EQ(h.spoken(), QStringList{"Help page 2.\r\nSecond line."});
}

TEST_F(Commands, ClipsPlayFromTheResourcesAsynchronouslyOrToTheEndWhileSpeechWaits)
{
    LogCapture log("crosswords.sound=true");
    h.g().announcer().saysync = 0;
    h.g().playwave("");
    h.g().playwave("cheer");
    h.g().announcer().saysync = 2;
    h.g().playwave("no");
    h.g().playwave("missing");  // not shipped: nothing happens
    ASSERT_EQ(h.sound.plays.size(), 2u);
    EXPECT_EQ(h.sound.plays[0].name, "cheer");
    EXPECT_FALSE(h.sound.plays[0].waited);
    EXPECT_EQ(h.sound.plays[0].wave, QByteArray("RIFFCHEER"));
    EXPECT_EQ(h.sound.plays[1].name, "no");
    EXPECT_TRUE(h.sound.plays[1].waited);
    EXPECT_EQ(h.g().announcer().saysync, 2);  // playing does not touch it
    EXPECT_EQ(LogCapture::lines(), (QStringList{"crosswords.sound: play: cheer", "crosswords.sound: playwait: no"}));
}

TEST_F(Commands, BoundaryPlaysTheWallToItsEndAndTheNextPhraseIsSpokenAndWaitedFor)
{
    h.g().announcer().saysync = 0;
    h.g().boundary();
    ASSERT_EQ(h.sound.names(), QStringList{"wall"});
    EXPECT_TRUE(h.sound.plays[0].waited);
    EXPECT_EQ(h.g().announcer().saysync, 1);
    h.g().announcer().saymsg = "1A";
    h.tick();
    ASSERT_EQ(h.voice.utterances.size(), 2u);  // the welcome, then this
    EXPECT_TRUE(h.voice.utterances.back().waited);
    EXPECT_EQ(h.g().announcer().saysync, 1);  // only sayit lowers it
    h.g().sayit("x");
    EXPECT_EQ(h.g().announcer().saysync, 0);
}

} // namespace
