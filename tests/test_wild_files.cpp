// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// The readers on crossword files written by other people's tools
// (tests/data/wild, sources in tests/data/README.md): every ordinary
// crossword opens, and every puzzle of another kind is refused by its kind.
#include "puzzle/puzzlefile.h"

#include <QDir>
#include <QSet>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString kWild = QStringLiteral(QUOREL_SOURCE_DIR "/tests/data/wild/");

struct Crossword {
    const char *file;
    int width, height;
    const char *firstAcross;  // the answer of the first across clue
};

const Crossword kCrosswords[] = {
    {"html5-IKeepForgetting.jpz", 8, 8, "RAD"},
    {"ipuz-example.ipuz", 15, 15, "SHIPS"},
    {"jscrossword-GirlDinner.ipuz", 14, 14, "FIAT"},
    {"jscrossword-Dimensionless.puz", 14, 15, "TERM"},
    {"kotwords-test-barred.jpz", 5, 5, "ABCD"},
    {"kotwords-test-iso-8859-1.puz", 5, 5, "ABCD"},
    {"kotwords-test-void.jpz", 7, 7, "ABCD"},
    {"kotwords-test-diagonal.jpz", 5, 5, "ABCD"},
    {"kotwords-test.ipuz", 5, 5, "ABCD"},
    {"puzpy-unicode.puz", 3, 3, "SPA"},
    {"pypuz-3x.ipuz", 3, 3, "AD"},
    {"pypuz-3x.jpz", 3, 3, "AD"},
};

const std::pair<const char *, const char *> kOtherKinds[] = {
    {"html5-BirthOfTheCool_Diagramless.ipuz", "this is a diagramless crossword, which this game cannot play"},
    {"kotwords-acrostic.jpz", "this is an acrostic, which this game cannot play"},
    {"kotwords-coded.ipuz", "this is a coded puzzle, which this game cannot play"},
    {"kotwords-coded.jpz", "this is a coded puzzle, which this game cannot play"},
    {"kotwords-labyrinth.ipuz", "its words do not run across and down"},
    {"kotwords-marching-bands.ipuz", "its words do not run across and down"},
    {"kotwords-spiral.jpz", "its words do not run across and down"},
    {"kotwords-two-tone.ipuz", "its words do not run across and down"},
};

Puzzle opened(const char *file)
{
    const PuzzleFileResult result = readPuzzleFile(kWild + QString::fromUtf8(file));
    EXPECT_TRUE(result.puzzle) << file << ": " << result.error.toStdString();
    return result.puzzle.value_or(Puzzle());
}

bool anySquare(const Puzzle &p, const std::function<bool(const PuzzleCell &)> &test)
{
    for (int r = 0; r < p.height(); ++r)
        for (int c = 0; c < p.width(); ++c)
            if (test(p.cell(r, c)))
                return true;
    return false;
}

} // namespace

TEST(WildFiles, EveryOrdinaryCrosswordOpensWithItsSizeAndFirstAnswer)
{
    for (const Crossword &expected : kCrosswords) {
        const Puzzle p = opened(expected.file);
        if (p.isEmpty())
            continue;
        EXPECT_EQ(std::make_pair(p.width(), p.height()), std::make_pair(expected.width, expected.height)) << expected.file;
        EXPECT_EQ(p.clues(Direction::Across).first().answer.toStdString(), expected.firstAcross) << expected.file;
        EXPECT_TRUE(p.everyWordHasClue()) << expected.file;
    }
    // What each file was chosen for: notes, rebus squares, bars, void squares, text.
    const Puzzle rebus = opened("kotwords-test-diagonal.jpz");
    EXPECT_EQ(rebus.info().notes, "Notepad text goes here.");
    EXPECT_EQ(rebus.info().extraClues.value(0).text, "Diagonal clue");
    EXPECT_TRUE(anySquare(rebus, [](const PuzzleCell &s) { return s.solution.size() > 1; }));
    EXPECT_TRUE(anySquare(rebus, [](const PuzzleCell &s) { return s.circled; }));
    EXPECT_TRUE(opened("html5-IKeepForgetting.jpz").info().notes.startsWith("In this puzzle the across clues"));
    EXPECT_EQ(opened("kotwords-test.ipuz").clues(Direction::Across).first().text,
              "First across clue with special characters αβγδε");
    EXPECT_TRUE(anySquare(opened("kotwords-test-barred.jpz"), [](const PuzzleCell &s) { return s.barLeft || s.barTop; }));
    EXPECT_TRUE(anySquare(opened("kotwords-test-void.jpz"), [](const PuzzleCell &s) { return s.block; }));
    EXPECT_EQ(opened("puzpy-unicode.puz").info().title, "⚔️");
    EXPECT_EQ(opened("pypuz-3x.ipuz").clues(Direction::Down), opened("pypuz-3x.jpz").clues(Direction::Down));
}

TEST(WildFiles, PuzzlesOfOtherKindsAreRefusedByTheirKindAndEveryFileIsListedHere)
{
    QSet<QString> listed;
    for (const auto &[file, reason] : kOtherKinds) {
        const PuzzleFileResult result = readPuzzleFile(kWild + QString::fromUtf8(file));
        EXPECT_FALSE(result.puzzle) << file;
        EXPECT_EQ(result.error.toStdString(), reason) << file;
        listed.insert(QString::fromUtf8(file));
    }
    for (const Crossword &crossword : kCrosswords)
        listed.insert(QString::fromUtf8(crossword.file));
    const QStringList files = QDir(kWild).entryList(QDir::Files);
    EXPECT_EQ(listed, QSet<QString>(files.begin(), files.end()));
}
