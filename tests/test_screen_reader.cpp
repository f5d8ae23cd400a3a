// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// A screen reader beside the game: the solver hears how to quiet it, once
// each time it starts, and the log says when it comes and goes.
#include "support/harness.h"
#include "support/logcapture.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

const QString kNotice = "A screen reader is running. To stop it talking over the game, press the screen reader key "
                        "with S, and again when you leave.";

// Starts the game with the watch telling `atStart` first (nothing: no bus);
// returns what the start said.
QStringList startWith(Harness &h, ScriptedScreenReader &reader, std::optional<bool> atStart)
{
    h.g().watchScreenReader(reader);
    if (atStart)
        reader.tell(*atStart);
    h.start();
    h.drain();
    return h.spoken();
}

TEST(ScreenReader, TheNoticeFollowsTheWelcomeOrWhatIsQueuedOnceEachTimeOneStarts)
{
    LogCapture log("crosswords.speech=true");
    ScriptedScreenReader running, none, noBus;
    Harness a, b, c;
    const QStringList heard = startWith(a, running, true);
    ASSERT_EQ(heard.size(), 2);
    EXPECT_TRUE(heard[0].startsWith("Welcome to Quorel Crosswords volume 3."));
    EXPECT_EQ(heard[1], kNotice);
    EXPECT_EQ(startWith(b, none, false).size(), 1);
    EXPECT_EQ(startWith(c, noBus, std::nullopt).size(), 1);

    b.press(Key::Right);  // "Puzzle 1" first, the notice behind it
    none.tell(true);
    none.tell(true);  // the same state again is no news
    b.drain();
    const QStringList later = b.spoken();
    EXPECT_TRUE(later.first().startsWith("Puzzle 1"));
    EXPECT_EQ(later.last(), kNotice);
    EXPECT_EQ(later.count(kNotice), 1);
    none.tell(false);  // stopping is only logged
    none.tell(true);
    b.drain();
    EXPECT_EQ(b.spoken(), QStringList{kNotice});
    EXPECT_EQ(log.lines().filter(QRegularExpression("^crosswords.speech: screen reader: ")).join(", "),
              "crosswords.speech: screen reader: on, crosswords.speech: screen reader: off, crosswords.speech: screen "
              "reader: on, crosswords.speech: screen reader: off, crosswords.speech: screen reader: on");
}

} // namespace
