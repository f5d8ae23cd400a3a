// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// A screen reader running beside the game: the solver hears once how to keep
// it from talking over the game, and the log says when it comes and goes.
#include "support/harness.h"
#include "support/logcapture.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace {

const QString kNotice = "A screen reader is running. To stop it talking over the game, press the screen reader key "
                        "with S, and again when you leave.";

QStringList screenReaderLines()
{
    return LogCapture::lines().filter(QRegularExpression("^crosswords.speech: screen reader: "));
}

TEST(ScreenReader, RunningAtStartIsToldAfterTheWelcomeAndANoBusStartSaysAndLogsNothing)
{
    LogCapture log("crosswords.speech=true");
    ScriptedScreenReader reader;
    Harness h;
    h.g().watchScreenReader(reader);
    reader.tell(true);  // the answer may come before the window is shown
    h.start();
    h.drain();
    const QStringList heard = h.spoken();
    ASSERT_EQ(heard.size(), 2);
    EXPECT_TRUE(heard[0].startsWith("Welcome to Quorel Crosswords volume 3."));
    EXPECT_EQ(heard[1], kNotice);
    EXPECT_EQ(screenReaderLines(), QStringList{"crosswords.speech: screen reader: on"});

    // No session bus: the watch never tells, and the start is the usual one.
    ScriptedScreenReader silent;
    Harness quiet;
    quiet.g().watchScreenReader(silent);
    quiet.start();
    quiet.drain();
    EXPECT_EQ(quiet.spoken().size(), 1);
    EXPECT_EQ(screenReaderLines().size(), 1);
}

TEST(ScreenReader, OneStartingLaterIsToldOnceBehindWhatIsQueuedAndOneStoppingIsOnlyLogged)
{
    ScriptedScreenReader reader;
    Harness h;
    h.g().watchScreenReader(reader);
    LogCapture log("crosswords.speech=true");
    reader.tell(false);  // none at start
    h.start();
    h.drain();
    h.spoken();

    h.press(Key::Right);  // the menu reads the first puzzle...
    reader.tell(true);    // ...and the notice waits behind it
    reader.tell(true);    // the same state again is no news
    h.drain();
    const QStringList heard = h.spoken();
    ASSERT_GE(heard.size(), 2);
    EXPECT_TRUE(heard.first().startsWith("Puzzle 1"));
    EXPECT_EQ(heard.last(), kNotice);
    EXPECT_EQ(heard.count(kNotice), 1);

    reader.tell(false);
    h.drain();
    EXPECT_TRUE(h.spoken().isEmpty());
    // Started again, it is told again.
    reader.tell(true);
    h.drain();
    EXPECT_EQ(h.spoken(), QStringList{kNotice});
    EXPECT_EQ(screenReaderLines(), (QStringList{"crosswords.speech: screen reader: off", "crosswords.speech: screen reader: on",
                                                "crosswords.speech: screen reader: off", "crosswords.speech: screen reader: on"}));
}

} // namespace
