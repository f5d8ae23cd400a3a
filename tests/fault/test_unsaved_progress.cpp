// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// A save that fails loses nothing: the letters stay with the puzzle (its
// status in the menu, the puzzle reopened) until a later save succeeds.
// A folder in the progress file's place makes every save of it fail without
// needing a full disk.
#include "solving_fixture.h"

#include <gtest/gtest.h>

namespace {

const QString kSorry = "sorry, your progress could not be saved";

class UnsavedProgress : public ::testing::Test {
protected:
    UnsavedProgress() : h({smallPuzzle(), smallPuzzle()}) {}
    void SetUp() override { openFirstPuzzle(h); }
    void type(const QString &word)
    {
        for (const QChar ch : word)
            h.say(ch.unicode());
        h.say(Key::Enter);
    }
    QString entries()
    {
        QString out;
        for (int idx = 1; idx <= 169; ++idx)
            out += h.g().form().D[idx].caption;
        return out;
    }
    QString file() { return progressPath(h, "PUZ0101"); }
    // A folder in a progress file's place: every save of that puzzle fails.
    static void block(const QString &path)
    {
        QFile::remove(path);
        EXPECT_TRUE(QDir().mkpath(path));
    }
    Harness h;
};

TEST_F(UnsavedProgress, TheLettersOfAFailedSaveStayUntilASaveSucceeds)
{
    type("SANE");
    block(file());

    EXPECT_TRUE(h.say(Key::F12).contains(kSorry));
    // The menu counts them: 4 of 18 letters.
    h.say(Key::Right);
    EXPECT_EQ(h.say(Key::Left), (QStringList{"Puzzle 1", "This puzzle is 22 percent done"}));
    // After walking onto another puzzle and back, it opens with the letters.
    h.say(Key::Down);
    EXPECT_EQ(h.g().session().viewmode, 1);
    EXPECT_EQ(h.g().session().curpuz, 1);
    EXPECT_EQ(entries(), "SANE");
    h.say(Key::Right);  // 3 across
    type("DOG");
    // Still no room: warned again, and both words are kept.
    EXPECT_TRUE(h.say(Key::F12).contains(kSorry));
    h.say(Key::Down);
    EXPECT_EQ(entries(), "SANEDOG");

    // Room again: the save succeeds, without a warning, and the file has them.
    ASSERT_TRUE(QDir().rmdir(file()));
    EXPECT_FALSE(h.say(Key::F12).contains(kSorry));
    EXPECT_FALSE(h.g().savefailed());
    const QList<QByteArray> lines = readFile(file()).split('\n');
    ASSERT_GE(lines.size(), 538);
    EXPECT_EQ(lines[1 + 3 * (sq(0, 0) - 1)], "S\r");
    EXPECT_EQ(lines[1 + 3 * (sq(0, 5) - 1)], "D\r");

    // From now on the file is what counts: emptied behind the game's back, the
    // puzzle opens empty.
    writeFile(file(), QByteArray());
    h.say(Key::Down);
    EXPECT_EQ(entries(), "");
}

TEST_F(UnsavedProgress, AFailedSaveOfOnePuzzleLeavesTheOthersToTheirFiles)
{
    type("SANE");
    block(file());
    h.say(Key::F12);

    // Puzzle 2 saves normally and reopens from its file.
    h.say(Key::Right);
    h.say(Key::Down);
    EXPECT_EQ(h.g().session().curpuz, 2);
    EXPECT_EQ(entries(), "");
    type("SANE");
    EXPECT_FALSE(h.say(Key::F12).contains(kSorry));
    EXPECT_TRUE(readFile(progressPath(h, "PUZ0102")).startsWith("13\r\nS\r\n"));
    h.say(Key::Left);
    h.say(Key::Down);
    EXPECT_EQ(h.g().session().curpuz, 1);
    EXPECT_EQ(entries(), "SANE");
}

TEST_F(UnsavedProgress, ClearingInTheMenuDropsTheLettersAFailedSaveKept)
{
    type("SANE");
    block(file());
    EXPECT_TRUE(h.say(Key::F12).contains(kSorry));

    // F9 in the menu (the box says OK) while even the empty file cannot be written.
    h.say(Key::F9);
    h.say(Key::Right);
    EXPECT_EQ(h.say(Key::Left), (QStringList{"Puzzle 1", "This puzzle is empty"}));
    h.say(Key::Down);
    EXPECT_EQ(entries(), "");

    // Again, now that the empty file can be written.
    type("SANE");
    EXPECT_TRUE(h.say(Key::F12).contains(kSorry));
    ASSERT_TRUE(QDir().rmdir(file()));
    h.say(Key::F9);
    EXPECT_EQ(readFile(file()), QByteArray());
    h.say(Key::Right);
    EXPECT_EQ(h.say(Key::Left), (QStringList{"Puzzle 1", "This puzzle is empty"}));
    h.say(Key::Down);
    EXPECT_EQ(entries(), "");
}

TEST_F(UnsavedProgress, QuittingTriesEveryPendingSaveAndWarnsBeforeTheQuestionWhenOneStillFails)
{
    const QString second = progressPath(h, "PUZ0102");
    type("SANE");
    block(file());
    EXPECT_TRUE(h.say(Key::F12).contains(kSorry));
    h.say(Key::Right);
    h.say(Key::Down);
    EXPECT_EQ(h.g().session().curpuz, 2);
    type("SANE");
    block(second);
    EXPECT_TRUE(h.say(Key::F12).contains(kSorry));

    // Room for puzzle 2 only: its letters reach the file, puzzle 1's cannot,
    // and the warning comes before the question. Cancelled, the game stays.
    ASSERT_TRUE(QDir().rmdir(second));
    h.confirm.answers = {false};
    EXPECT_EQ(h.say(Key::F12), (QStringList{kSorry,
                                            "Are you sure you want to leave the programme? Press the enter key to "
                                            "confirm or the escape key to cancel.",
                                            "cancelled"}));
    EXPECT_EQ(h.app.quits, 0);
    EXPECT_TRUE(readFile(second).startsWith("13\r\nS\r\n"));
    EXPECT_EQ(h.g().unsaved().keys(), QStringList{h.g().progressFile(1)});

    // Room for puzzle 1 as well: no warning, the letters are saved, goodbye.
    ASSERT_TRUE(QDir().rmdir(file()));
    EXPECT_FALSE(h.say(Key::F12).contains(kSorry));
    EXPECT_EQ(h.app.quits, 1);
    EXPECT_TRUE(readFile(file()).startsWith("13\r\nS\r\n"));
    EXPECT_TRUE(h.g().unsaved().isEmpty());
}

TEST_F(UnsavedProgress, ClosingTheWindowWritesWhatAFailedSaveKept)
{
    type("SANE");
    block(file());
    h.say(Key::F12);
    ASSERT_TRUE(QDir().rmdir(file()));
    h.g().Form_Unload();
    EXPECT_TRUE(readFile(file()).startsWith("13\r\nS\r\n"));
}

} // namespace
