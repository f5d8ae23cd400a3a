// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// The window runs the tick when the voice finishes with phrases waiting, so
// the next phrase follows at once instead of at the next 100 ms tick.
#include "platform/gamewindow.h"
#include "support/harness.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

// Lets the event loop run what is due now; the 100 ms timer is not.
void settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

TEST(WindowSpeech, TheNextPhraseFollowsAsSoonAsTheVoiceFinishes)
{
    Harness h;
    h.start();
    GameWindow window(h.g());
    window.start();
    settle();
    h.voice.speaking = true;
    h.g().announcer().saymsg = "Puzzle 2\t\tThis puzzle is empty";
    h.spoken();

    settle();
    EXPECT_TRUE(h.spoken().isEmpty());  // nothing while the voice speaks
    h.voice.finish();
    settle();
    EXPECT_EQ(h.spoken(), QStringList{"Puzzle 2"});
    // The empty phrase costs a tick of its own; that tick follows at once too.
    h.voice.finish();
    settle();
    EXPECT_EQ(h.spoken(), QStringList{"This puzzle is empty"});
    EXPECT_TRUE(h.g().announcer().saymsg.isEmpty());

    // With nothing waiting, a finished voice runs no tick.
    h.voice.finish();
    settle();
    EXPECT_TRUE(h.spoken().isEmpty());
}

} // namespace
