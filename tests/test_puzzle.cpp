// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// Reading puzzle texts, the catalogue, and loading a puzzle with its saved progress.
#include "puzzle/ansi.h"
#include "puzzle/puzzletext.h"
#include "puzzle/resourcestore.h"
#include "solving_fixture.h"
#include "support/harness.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

void quorelInitResources();

namespace {

QString text(const QByteArray &bytes)
{
    return fromAnsi(bytes);
}

TEST(PuzzleText, ReadingRulesKeepGridRowsAndThreeFieldLinesOnly)
{
    QList<ClueLine> clues = numberedClues(standardRows());
    clues.append({"A2", "OK", "Hi"});               // exactly 8 characters: dropped
    clues.append({"A99", "LONGER", "Has\textra"});  // four fields: ignored
    QByteArray bytes = puzzleBytes(standardRows(), clues);
    bytes.append("\r\n\r\n").append(QByteArray(3, '\0'));  // the other allowed tail
    const PuzzleText read = readPuzzleText(text(bytes));
    EXPECT_EQ(read.gridSize, 13);
    ASSERT_EQ(read.rows.size(), 13);
    EXPECT_EQ(read.rows[0], QString(standardRows()[0]).replace('#', ' '));
    ASSERT_EQ(read.clues.size(), clues.size() - 2);
    EXPECT_EQ(read.clues.front()[0], "A1");
    for (const auto &clue : read.clues)
        EXPECT_FALSE(clue[0].startsWith('=') || clue[0].contains(QChar(0x1A)));
}

TEST(PuzzleText, StatusScanCountsLettersFromTheFirstThirteenCharacterLine)
{
    const QByteArray bytes = puzzleBytes(standardRows(), numberedClues(standardRows()));
    int expected = 0;
    for (const QString &row : standardRows())
        expected += int(row.size() - row.count('#'));
    EXPECT_EQ(countLetterSquares(text(bytes)), expected);
    EXPECT_EQ(countLetterSquares(QString("no grid here")), 0);
}

TEST(PuzzleText, ClueRowBuildsTheDisplayLineAndDoublesOnlyTheFirstAmpersand)
{
    auto row = makeClueRow("A1", "SANE", "Of sound mind");
    EXPECT_EQ(row[3], "   1 Of sound mind (4)");
    row = makeClueRow("A9", " BY NO MEANS ", "Certainly not ");
    EXPECT_EQ(row[2], "BY NO MEANS");
    EXPECT_EQ(row[0], "Certainly not");
    EXPECT_EQ(row[3], "   9 Certainly not  (2,2,5)");
    row = makeClueRow("D14", "REFUSAL", "(anagram) Seal fur");
    EXPECT_EQ(row[3], " 14 (anagram) Seal fur (7)");
    EXPECT_EQ(row[1], "D14");
    row = makeClueRow("D3", "A B C D", "Fish & chips & peas");
    EXPECT_EQ(row[0], "Fish && chips & peas");
    EXPECT_EQ(row[3], "   3 Fish && chips & peas (1,1,1,1)");
    row = makeClueRow("A5", "AND", "Rock && roll");
    EXPECT_EQ(row[0], "Rock && roll");
}

TEST(PuzzleText, WindowsAnsiRoundTripsAndCountsThePoundSignAsOneCharacter)
{
    const QByteArray bytes("\xA3" "5 \x93quoted\x94 \x80");
    const QString decoded = fromAnsi(bytes);
    EXPECT_EQ(decoded, QString::fromUtf8("£5 “quoted” €"));
    EXPECT_EQ(decoded.size(), 13);
    EXPECT_EQ(toAnsi(decoded), bytes);
    EXPECT_EQ(toAnsi(QString::fromUtf8("日")), QByteArray("?"));
}

TEST(Catalogue, ShippedCatalogueGivesMenuOrder)
{
    quorelInitResources();
    CompiledResources resources;
    const auto bytes = resources.fetch("text", "puzzles");
    ASSERT_TRUE(bytes.has_value());
    const QStringList list = fromAnsi(*bytes).split(".TXT\r\n");
    ASSERT_EQ(list.size(), 72);
    EXPECT_EQ(list[0], "'PUZ0");
    EXPECT_EQ(list[1], "PUZ0101");
    EXPECT_EQ(list[51], "PUZ0102");
    EXPECT_EQ(list[70], "PUZ0126");
    EXPECT_EQ(list[71], QString("\r\n") + QChar(0));  // never loaded
}

class Loading : public ::testing::Test {
protected:
    void SetUp() override
    {
        h.g().Form_Load();
        h.g().session().viewmode = 0;
    }
    QString progressPath() { return h.g().progressFile(1); }
    void writeProgress(const QByteArray &bytes)
    {
        QFile f(progressPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    Harness h;
};

TEST_F(Loading, NumbersOutsideTheCatalogueLoadNothing)
{
    h.g().session().curpuz = 1;
    h.g().loadpuzzle();
    const QString firstClue = h.g().table().clues[1][1];
    EXPECT_EQ(firstClue, "A1");
    for (int n : {0, 3, -1}) {  // the harness ships two puzzles: 1 and 2
        h.g().session().curpuz = n;
        h.g().table().clues[1][1] = "kept";
        h.g().loadpuzzle();
        EXPECT_EQ(h.g().table().clues[1][1], "kept");
    }
}

TEST_F(Loading, BuildsGridSolutionAndClueTableAndCreatesAnEmptyProgressFile)
{
    h.g().session().curpuz = 1;
    h.g().loadpuzzle();
    const QStringList rows = standardRows();
    EXPECT_EQ(h.g().table().gridsize, 13);
    EXPECT_TRUE(h.g().puzzle().cell(0, 4).block);
    EXPECT_FALSE(h.g().puzzle().cell(0, 0).block);
    EXPECT_EQ(h.g().puzzle().cell(0, 0).solution, QString(rows[0][0]));
    const auto expected = numberedClues(rows);
    for (int n = 1; n <= expected.size(); ++n)
        EXPECT_EQ(h.g().table().clues[n][2], expected[n - 1].answer);
    EXPECT_TRUE(h.g().table().clues[expected.size() + 1][1].isEmpty());
    EXPECT_FALSE(h.g().form().imgBack.visible);
    EXPECT_EQ(h.g().session().viewmode, 0);  // a preview stays in the menu
    QFile f(progressPath());
    ASSERT_TRUE(f.exists());
    EXPECT_EQ(f.size(), 0);
}

TEST_F(Loading, MergesSavedLettersRevealedMarksAndTheAnswerLine)
{
    QByteArray saved = "13\r\n";
    for (int sq = 0; sq < 169; ++sq) {
        const QByteArray entry = sq == 0 ? "E!" : sq == 1 ? "Q" : "";
        saved += entry + "\r\n" + (sq == 0 ? " 1" : "") + "\r\n" + "X\r\n";
    }
    for (int i = 1; i <= 15; ++i)
        saved += (i == 1 ? "Z" : "") + QByteArray("\r\n") + (i == 1 ? "*" : "") + "\r\n";
    writeProgress(saved);
    h.g().session().curpuz = 1;
    h.g().loadpuzzle();
    EXPECT_EQ(h.g().form().D[1].caption, "E");
    EXPECT_TRUE(h.g().attempt().revealed(0));
    EXPECT_EQ(h.g().form().D[1].foreColor, Colour::Grey);
    EXPECT_EQ(h.g().form().D[2].caption, "Q");
    EXPECT_FALSE(h.g().attempt().revealed(1));
    EXPECT_EQ(h.g().form().D[3].caption, "");
    EXPECT_EQ(h.g().form().lblIn[1].caption, "Z");
    EXPECT_EQ(h.g().form().lblInn[1].caption, "*");
}

TEST_F(Loading, DamagedShortOrHugeProgressFilesNeverCrashOrInventLetters)
{
    h.g().session().curpuz = 1;
    for (const QByteArray &bad : {QByteArray("13\r\nA\r\n"), QByteArray("\0\0\xff\xfe garbage", 13),
                                  QByteArray(3 * 1024 * 1024, 'A'), QByteArray("13\n\n\nB\n")}) {
        writeProgress(bad);
        h.g().loadpuzzle();
        EXPECT_EQ(h.g().table().gridsize, 13);
        // Nothing past the damage is made up: the last squares stay empty.
        EXPECT_EQ(h.g().form().D[169].caption, "");
    }
    writeProgress("13\r\nA\r\n");
    h.g().loadpuzzle();
    EXPECT_EQ(h.g().form().D[1].caption, "A");
}

TEST_F(Loading, UnreadableProgressIsTakenAsEmpty)
{
    QDir().mkpath(progressPath());  // a folder where the file should be
    h.g().session().curpuz = 1;
    h.g().loadpuzzle();
    EXPECT_EQ(h.g().table().clues[1][1], "A1");
    EXPECT_EQ(h.g().form().D[1].caption, "");
}

// A text whose clue does not fit its squares is refused as a whole: the
// puzzle opens without squares or clues, and no key finds anything to break.
TEST(LoadingRefused, AClueThatDoesNotFitLeavesAnEmptyBoardThatKeysCannotBreak)
{
    QList<ClueLine> clues = smallClues();
    clues[0].answer = "SAN";  // 3 letters for the 4 squares of 1 across
    Harness h({puzzleBytes(smallRows(), clues)});
    openFirstPuzzle(h);
    EXPECT_EQ(h.g().session().viewmode, 1);
    EXPECT_EQ(h.g().table().gridsize, 0);
    EXPECT_TRUE(h.g().puzzle().isEmpty());
    EXPECT_TRUE(h.g().table().clues[1][1].isEmpty());
    for (int key : {Key::Down, Key::Tab, Key::Space, Key::Enter, Key::A, Key::F2, Key::F4, Key::Right})
        h.say(key);
    EXPECT_EQ(h.say(Key::NumMinus), QStringList{"Normal view"});
    EXPECT_EQ(h.g().table().gridsize, 0);
    EXPECT_TRUE(h.g().table().clues[1][1].isEmpty());
}

} // namespace
