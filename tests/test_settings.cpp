// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// The settings file: what start-up makes of it, and how voice and speed
// changes are kept for the next run.
#include "support/harness.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace {

class Settings : public ::testing::Test {
protected:
    QString path() { return h.g().env().settingsFile; }
    void write(const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(path()).absolutePath());
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray stored()
    {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    // Start-up with the given settings file; returns voice and speed as read.
    std::pair<int, int> startWith(const QByteArray &bytes)
    {
        write(bytes);
        h.start();
        return {h.g().voice(), h.g().speed()};
    }
    Harness h;
};

TEST_F(Settings, AMissingFileIsCreatedEmptyInItsOwnFolderAndGivesTheDefaults)
{
    ASSERT_FALSE(QFileInfo::exists(QFileInfo(path()).absolutePath()));
    h.start();
    EXPECT_EQ(h.g().voice(), 0);
    EXPECT_EQ(h.g().speed(), 2);
    EXPECT_EQ(stored(), QByteArray());
    EXPECT_EQ(h.voice.rate, 0);
    EXPECT_EQ(h.voice.selected, 0);
}

TEST_F(Settings, AnEmptyFileGivesTheDefaults)
{
    EXPECT_EQ(startWith(""), std::make_pair(0, 2));
}

TEST_F(Settings, StoredSpeedAndVoiceReachTheSpeechAtStartUp)
{
    EXPECT_EQ(startWith("Voice\t1\r\nSpeed\t4\r\n"), std::make_pair(1, 4));
    EXPECT_EQ(h.voice.rate, 4);  // very fast
    EXPECT_EQ(h.voice.selected, 1);
}

TEST_F(Settings, AStoredVoiceBeyondTheInstalledOnesFallsBackToTheFirst)
{
    EXPECT_EQ(startWith("Voice\t7\r\n").second, 2);
    EXPECT_EQ(h.g().voice(), 0);
    EXPECT_EQ(h.voice.selected, 0);
}

TEST_F(Settings, LinesWithoutATabAndOtherNamesAreIgnored)
{
    EXPECT_EQ(startWith("Speed 4\r\nVoice1\r\nSpeedy\t3\r\nspeed\t3\r\nColour\t9\r\n\r\n"), std::make_pair(0, 2));
}

TEST_F(Settings, ANameCountsWhenItIsAnyPartOfTheSettingsName)
{
    EXPECT_EQ(startWith("Voi\t1\r\npeed\t3\r\n"), std::make_pair(1, 3));
}

TEST_F(Settings, AnEmptyNameSetsBothAndLaterLinesWin)
{
    EXPECT_EQ(startWith("Speed\t0\r\n\t1\r\n"), std::make_pair(1, 1));
}

TEST_F(Settings, ValuesThatAreNotNumbersReadAsZeroAndNeverStopTheProgram)
{
    EXPECT_EQ(startWith("Voice\tabc\r\nSpeed\tfast\r\n"), std::make_pair(0, 0));
    EXPECT_EQ(h.voice.rate, -4);
}

TEST_F(Settings, NumbersAreReadLikeALenientConversion)
{
    // Trailing text is dropped, blanks before the number skipped, a fraction
    // rounded half to even; third fields are ignored.
    EXPECT_EQ(startWith("Voice\t 1x\r\nSpeed\t2.5\textra\r\n"), std::make_pair(1, 2));
}

TEST_F(Settings, HugeNegativeAndOddlyEndedValuesAreHarmless)
{
    // Lone LF and lone CR line ends, a huge speed and a negative voice.
    startWith("Speed\t99999999999999999999\nVoice\t-1\rVoice\t-3");
    EXPECT_EQ(h.g().voice(), -3);
    EXPECT_EQ(h.g().speed(), 32767);
    EXPECT_EQ(h.voice.selected, -1);  // a negative voice selects nothing
    h.drain();
    h.spoken();
    h.press(Key::F1, Mod::Alt);  // the speed command brings it back into range
    EXPECT_EQ(h.spoken(), QStringList{"Speed changed to very slow"});
}

TEST_F(Settings, ChangingVoiceOrSpeedRewritesTheFileWhole)
{
    startWith("Voice\t0\r\nSpeed\t2\r\nComment\tkept nowhere\r\n");
    h.drain();
    h.press(Key::F1, Mod::Alt);
    EXPECT_EQ(stored(), QByteArray("Voice\t0\r\nSpeed\t3\r\n"));
    h.press(Key::F1, Mod::Shift);
    // The chosen voice is kept by name too, on a third line.
    EXPECT_EQ(stored(), QByteArray("Voice\t1\r\nSpeed\t3\r\nVoiceName\tEnglish (America)\r\n"));
    // No temporary file is left beside it.
    EXPECT_EQ(QDir(QFileInfo(path()).absolutePath()).entryList(QDir::Files), QStringList{"tamrivo3.ini"});

    // The next run starts where this one left off.
    h.g().readSettings();
    EXPECT_EQ(h.g().voice(), 1);
    EXPECT_EQ(h.g().speed(), 3);
    EXPECT_EQ(h.g().voicename(), "English (America)");
}

TEST_F(Settings, BriskSpeechIsKeptAfterTheVoiceNameAndFilesWithoutItReadAsOff)
{
    startWith("Voice\t1\r\nSpeed\t3\r\nVoiceName\tEnglish (America)\r\n");
    EXPECT_FALSE(h.g().announcer().brisk);
    h.press(Key::F10);
    EXPECT_EQ(stored(), QByteArray("Voice\t1\r\nSpeed\t3\r\nVoiceName\tEnglish (America)\r\nBrisk\t1\r\n"));
    for (const auto &[bytes, on] : {std::pair<QByteArray, bool>{"Brisk\t1", true}, {"Brisk\tyes", false}, {"Bri\t1", false}}) {
        write(bytes);
        h.g().readSettings();  // the next run
        EXPECT_EQ(h.g().announcer().brisk, on) << bytes.toStdString();
    }
}

TEST_F(Settings, AVoiceKeptByNameIsFoundByNameWhereverTheListNowPutsIt)
{
    const QString service = "Alba (rhvoice) through the speech service";
    h.voice.names = {"English (Great Britain)", "English (America)", "English (Scotland)", service};
    // The index is stale (a voice was installed since); the name wins.
    EXPECT_EQ(startWith("Voice\t2\r\nSpeed\t1\r\nVoiceName\t" + service.toLatin1() + "\r\n"),
              std::make_pair(3, 1));
    EXPECT_EQ(h.voice.selected, 3);
    // The line is read wherever it stands, and its name may hold anything but a line end.
    EXPECT_EQ(startWith("VoiceName\tEnglish (Scotland)\r\nVoice\t0\r\n").first, 2);
}

TEST_F(Settings, AVoiceKeptByNameThatIsNotOfferedFallsBackToTheFirst)
{
    // The speech service is not running: its voice is missing from the list,
    // though the stored index would point at one of ours.
    EXPECT_EQ(startWith("Voice\t1\r\nSpeed\t3\r\nVoiceName\tAlba (rhvoice) through the speech service\r\n"),
              std::make_pair(0, 3));
    EXPECT_EQ(h.voice.selected, 0);
    // The choice is not forgotten: a later save keeps the name for a run
    // where the service is back.
    h.drain();
    h.press(Key::F1, Mod::Alt);
    EXPECT_TRUE(stored().endsWith("VoiceName\tAlba (rhvoice) through the speech service\r\n"));
}

TEST_F(Settings, AVoiceKeptByNameIsChosenWhenItJoinsTheListAfterStartUp)
{
    // The speech service lists its voices some seconds after start-up: the
    // first voice speaks until then, and the kept one from then on.
    const QString service = "Alba (rhvoice) through the speech service";
    startWith("Voice\t2\r\nVoiceName\t" + service.toLatin1() + "\r\n");
    EXPECT_EQ(h.voice.selected, 0);
    h.voice.offer({"Bea (pico) through the speech service", service});
    EXPECT_EQ(h.g().voice(), 3);
    EXPECT_EQ(h.voice.selected, 3);
    // A voice chosen meanwhile by the solver is not taken away again.
    h.drain();
    h.press(Key::F1, Mod::Shift);
    EXPECT_EQ(h.g().voice(), 0);
    h.voice.offer({"Cat (pico) through the speech service"});
    EXPECT_EQ(h.voice.selected, 0);
}

TEST_F(Settings, OnlyAnExactVoiceNameLineIsTheName)
{
    // Looser names are the index line's business, as they always were, and
    // "VoiceName" itself is not part of "Voice", so it never sets the index.
    EXPECT_EQ(startWith("voicename\tEnglish (America)\r\nVoiceNam\tEnglish (America)\r\nVoiceName\t1\r\n"),
              std::make_pair(0, 2));
    EXPECT_EQ(h.g().voicename(), "1");
}

TEST_F(Settings, WritingCreatesTheFolderAndAnUnwritableFolderIsNoFailure)
{
    h.start();
    QDir(QFileInfo(path()).absolutePath()).removeRecursively();
    h.g().writeSettings();
    EXPECT_EQ(stored(), QByteArray("Voice\t0\r\nSpeed\t2\r\n"));

    // A settings path whose folder is a file: nothing is written, nothing breaks.
    const QString blocker = h.dir.filePath("blocker");
    QFile(blocker).open(QIODevice::WriteOnly);
    h.g().env().settingsFile = blocker + "/tamrivo3.ini";
    h.g().writeSettings();
    h.g().readSettings();
    EXPECT_EQ(h.g().voice(), 0);
    EXPECT_EQ(h.g().speed(), 2);
}

} // namespace
