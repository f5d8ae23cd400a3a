// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// Progress files on disk, leaving a puzzle and the program, and coming back.
#include "solving_fixture.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

const QString kBackToMenu = "Returning to the crosswords menu. Use the cursor keys to choose a puzzle then press the "
                            "enter key. You have successfully completed 0 puzzles";

class Progress : public ::testing::Test {
protected:
    Progress() : h({smallPuzzle(), smallPuzzle()}) {}
    void SetUp() override { openFirstPuzzle(h); }
    void type(const QString &word)
    {
        for (const QChar ch : word)
            h.say(ch.unicode());
        h.say(Key::Enter);
    }
    // A second run of the game on the same folders.
    void restart()
    {
        const Environment env = h.g().env();
        h.game = std::make_unique<Crosswords>(
            Services{h.voice, h.sound, h.confirm, h.measure, h.resources, h.printer, h.app}, env);
        h.start();
        h.drain();
        h.spoken();
    }
    QString file() { return progressPath(h, "PUZ0101"); }
    Harness h;
};

TEST_F(Progress, F12WritesTheFileByteForByteAndReturnsToTheMenu)
{
    type("SANE");
    putLetter(h.g(), sq(2, 0), "U", true);  // a revealed letter
    EXPECT_EQ(h.say(Key::F12), QStringList{kBackToMenu});
    EXPECT_EQ(h.g().session().viewmode, 0);
    EXPECT_EQ(h.g().session().curclue, 0);
    EXPECT_EQ(h.g().session().curpuz, 1);
    EXPECT_TRUE(h.g().form().imgBack.visible);
    EXPECT_EQ(h.g().form().lblBack.caption, "Use the cursor keys to choose a\npuzzle then press the enter key");
    EXPECT_EQ(h.g().form().lblBack.foreColor, Colour::Yellow);
    EXPECT_FALSE(h.g().form().D[sq(0, 0)].visible);
    EXPECT_FALSE(h.g().form().lblClue[1].visible);
    EXPECT_TRUE(h.g().form().lbl4[0].visible);

    const QByteArray bytes = readFile(file());
    ASSERT_TRUE(bytes.endsWith("\r\n"));
    const QList<QByteArray> lines = bytes.chopped(1).split('\n');
    ASSERT_EQ(lines.size(), 538);
    for (const QByteArray &line : lines)
        ASSERT_TRUE(line.endsWith('\r'));  // every line ends in CR LF
    auto line = [&](int n) { return lines[n - 1].chopped(1); };
    auto entry = [&](int idx) { return line(2 + 3 * (idx - 1)); };
    EXPECT_EQ(line(1), "13");
    EXPECT_EQ(entry(sq(0, 0)), "S");
    EXPECT_EQ(line(3), " 1");            // number caption of square 1
    EXPECT_EQ(line(4), "S");             // its solution
    EXPECT_EQ(entry(sq(0, 3)), "E");
    EXPECT_EQ(entry(sq(2, 0)), "U!");    // revealed
    EXPECT_EQ(entry(sq(1, 0)), "");
    EXPECT_EQ(line(4 + 3 * (sq(0, 4) - 1)), "");  // a black square has no solution
    EXPECT_EQ(line(509), "S");           // the answer line: box 1, then its mark
    EXPECT_EQ(line(510), "*");
    EXPECT_EQ(line(511), "A");
    EXPECT_EQ(line(512), "");
    EXPECT_FALSE(QFileInfo::exists(file() + ".new"));
    // No temporary left over: beside the two progress files only the clue places.
    EXPECT_EQ(QDir(h.dir.filePath("state")).entryList(QDir::Files).size(), 3);
}

TEST_F(Progress, APuzzleReopensAsItWasLeftAfterARestart)
{
    type("SANE");
    putLetter(h.g(), sq(2, 0), "U", true);
    h.say(Key::F12);

    restart();
    // 5 of 18 letters.
    EXPECT_EQ(h.say(Key::Right), (QStringList{"Puzzle 1", "This puzzle is 28 percent done"}));
    h.say(Key::Down);  // the other axis opens it
    EXPECT_EQ(h.g().session().viewmode, 1);
    EXPECT_EQ(h.g().form().D[sq(0, 2)].caption, "N");
    EXPECT_EQ(h.g().form().D[sq(2, 0)].caption, "U");
    EXPECT_EQ(h.g().form().D[sq(2, 0)].foreColor, Colour::Grey);
    EXPECT_EQ(h.g().form().D[sq(0, 0)].foreColor, Colour::Black);
}

TEST_F(Progress, AProgressFileThatCannotBeWrittenIsReported)
{
    type("SA");
    QFile::remove(file());
    QDir().mkpath(file());  // a folder in the file's place
    EXPECT_EQ(h.say(Key::F12), (QStringList{kBackToMenu, "sorry, your progress could not be saved"}));
    EXPECT_TRUE(h.g().savefailed());
    EXPECT_EQ(h.g().session().viewmode, 0);

    QDir().rmdir(file());
    h.say(Key::Enter);
    EXPECT_EQ(h.say(Key::F12), QStringList{kBackToMenu});
    EXPECT_FALSE(h.g().savefailed());
}

TEST_F(Progress, EveryChangeToTheGridIsSavedAtOnceAndAFailingSaveIsToldOnce)
{
    auto entry = [&](int idx) { return readFile(file()).split('\n').value(1 + 3 * (idx - 1)); };
    type("SA");  // written with Enter: on disk before any F12
    EXPECT_EQ(entry(sq(0, 1)), "A\r");
    h.say('N');  // on the answer line only: the grid is unchanged
    EXPECT_EQ(entry(sq(0, 2)), "\r");
    h.say(Key::Escape);

    QFile::remove(file());
    QDir().mkpath(file());  // a folder in the file's place
    h.say(Key::Down);
    for (const QChar ch : QStringLiteral("SO"))
        h.say(ch.unicode());
    EXPECT_TRUE(h.say(Key::Enter).contains("sorry, your progress could not be saved"));
    h.say(Key::Up);
    for (const QChar ch : QStringLiteral("SAN"))
        h.say(ch.unicode());
    EXPECT_FALSE(h.say(Key::Enter).contains("sorry, your progress could not be saved"));

    // Room again: the next change writes everything, the letters kept meanwhile too.
    QDir().rmdir(file());
    h.confirm.answers = {true};
    h.say(Key::F2, Mod::Shift);  // a revealed answer is a change as well
    EXPECT_EQ(entry(sq(0, 2)), "N!\r");
    EXPECT_FALSE(h.g().savefailed());
}

TEST_F(Progress, ClosingTheWindowKeepsTheLettersButLeavesTheMenuUntouched)
{
    type("SAN");
    h.say('E');  // typed on the line but never written into the grid
    h.g().Form_Unload();
    EXPECT_TRUE(h.g().curform().isEmpty());
    const QList<QByteArray> lines = readFile(file()).split('\n');
    EXPECT_EQ(lines.value(2 + 3 * (sq(0, 2) - 1) - 1), "N\r");
    EXPECT_EQ(lines.value(2 + 3 * (sq(0, 3) - 1) - 1), "\r");

    // In the menu nothing is open: no progress file is rewritten.
    Harness menu({smallPuzzle()});
    menu.start();
    const QString path = progressPath(menu, "PUZ0101");
    writeFile(path, "kept");
    menu.g().Form_Unload();
    EXPECT_EQ(readFile(path), "kept");
}

TEST_F(Progress, F12InTheMenuAsksAndEscapeKeepsTheProgramRunning)
{
    type("SA");
    h.say(Key::F12);
    const QByteArray saved = readFile(file());
    h.confirm.answers = {false};
    EXPECT_EQ(h.say(Key::F12),
              (QStringList{"Are you sure you want to leave the programme? Press the enter key to confirm or the "
                           "escape key to cancel.",
                           "cancelled"}));
    EXPECT_EQ(h.confirm.prompts, QStringList{"Leave Quorel Crosswords. Are you sure?"});
    EXPECT_EQ(h.app.quits, 0);
    EXPECT_EQ(h.g().curform(), "Crosswords");
    EXPECT_EQ(readFile(file()), saved);
    EXPECT_FALSE(QFileInfo::exists(h.dir.filePath("state/quoreltamrivo3.tmp")));
    EXPECT_EQ(h.say(Key::Space), QStringList{"You have successfully completed 0 puzzles"});
}

TEST_F(Progress, ConfirmedLeavingWritesTheResumeFileSaysGoodbyeAndStops)
{
    h.say(Key::F12);
    h.g().voice() = 1;
    h.g().speed() = 3;
    h.press(Key::F12);
    EXPECT_EQ(h.app.quits, 1);
    ASSERT_GE(h.voice.utterances.size(), 2u);
    EXPECT_EQ(h.voice.utterances.back().text, "leaving the programme and returning to the desktop, goodbye");
    EXPECT_TRUE(h.voice.utterances.back().waited);
    EXPECT_EQ(readFile(h.dir.filePath("state/quoreltamrivo3.tmp")), "0\r\n1\r\n1\r\n3\r\n");
    // No further tick or key is acted on.
    const auto said = h.voice.utterances.size();
    h.g().announcer().saymsg = "anything";
    h.press(Key::Right);
    h.tick(3);
    EXPECT_EQ(h.voice.utterances.size(), said);
    EXPECT_EQ(h.g().session().viewmode, 0);
}

TEST(ProgressStatus, AStoredSizeLargerThanTheFileStopsAtItsEnd)
{
    Harness h({smallPuzzle()});
    h.start();
    writeFile(progressPath(h, "PUZ0101"), "99\r\nS\r\n\r\nS\r\nX\r\n\r\nA\r\n");
    h.g().puzstatus();
    EXPECT_EQ(h.g().puzstat()[1][1], 18);
    EXPECT_EQ(h.g().puzstat()[1][2], 2);
    EXPECT_EQ(h.g().puzstat()[1][3], 1);
}

TEST(ProgressStatus, ADamagedFileCountsOnlyTheSquaresThePuzzleHas)
{
    Harness h({smallPuzzle()});
    h.start();
    const Puzzle &puzzle = h.g().menuPuzzle(1);
    // file: a grid that claims to be SIZE x SIZE, every square holding LETTER
    // (or its right letter when LETTER is empty) and the solution "A".
    auto file = [&](int size, const QByteArray &letter) {
        QByteArray out = QByteArray::number(size) + "\r\n";
        for (int k = 0; k < size * size; ++k) {
            const QString right = puzzle.cell(k / 13, k % 13).solution;
            out += (letter.isEmpty() ? (right.isEmpty() ? QByteArray("A") : right.toLatin1()) : letter)
                + "\r\n\r\nA\r\n";
        }
        return out;
    };
    h.say(Key::Right);
    // Black squares filled too: all 18 letter squares right is completed, not 939 percent.
    writeFile(progressPath(h, "PUZ0101"), file(13, ""));
    h.g().puzstatus();
    EXPECT_EQ(h.say(Key::Space), QStringList{"You have successfully completed 1 puzzle"});
    // Mistakes are counted against the puzzle's own solution, not the one the file states.
    writeFile(progressPath(h, "PUZ0101"), file(13, "B"));
    h.g().puzstatus();
    h.say(Key::Left);
    EXPECT_EQ(h.say(Key::Right), (QStringList{"Puzzle 1", "This puzzle is 100 percent done but has at least one mistake"}));
    // A file claiming a larger grid is read in the puzzle's own layout, as
    // opening the puzzle reads it: only its letter squares count.
    writeFile(progressPath(h, "PUZ0101"), file(20, ""));
    h.g().puzstatus();
    EXPECT_EQ(h.g().puzstat()[1][2], 18);
    EXPECT_EQ(h.g().puzstat()[1][3], 0);
}

} // namespace
