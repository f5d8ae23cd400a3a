// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// The puzzle model read from a puzzle text: numbering, clue squares, the
// lookups between squares and clues, and the texts it refuses.
#include "puzzle/ansi.h"
#include "puzzle/puzzlereader.h"
#include "support/harness.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// A square grid with letters everywhere except where `block` says; '#' marks
// a block as puzzleBytes expects.
QStringList latticeRows(int side, const std::function<bool(int, int)> &block)
{
    QStringList rows;
    for (int r = 0; r < side; ++r) {
        QString row;
        for (int c = 0; c < side; ++c)
            row.append(block(r, c) ? QChar('#') : QChar('A' + (r * 7 + c * 3) % 26));
        rows.append(row);
    }
    return rows;
}

Puzzle readOrFail(const QByteArray &bytes)
{
    PuzzleTextReader reader;
    const std::optional<Puzzle> puzzle = reader.read(fromAnsi(bytes));
    EXPECT_TRUE(puzzle.has_value()) << reader.errorString().toStdString();
    EXPECT_TRUE(reader.errorString().isEmpty());
    return puzzle.value_or(Puzzle());
}

const PuzzleClue &clueOrFail(const PuzzleClue *clue)
{
    static const PuzzleClue none;
    EXPECT_NE(clue, nullptr);
    return clue ? *clue : none;
}

// 15 x 15: blocks at every (odd row, odd column) and in the top left corner,
// so the first number goes to the second square of the top row.
TEST(PuzzleModel, FifteenSquaresNumberedRowByRowWithLookupsAtTheFarCorner)
{
    const QStringList rows = latticeRows(15, [](int r, int c) { return (r % 2 && c % 2) || (r == 0 && c == 0); });
    QList<ClueLine> lines = numberedClues(rows);
    for (ClueLine &line : lines)
        if (line.label == "A16")
            line.answer.insert(7, ' ');  // two words, 7 and 8 letters
    const Puzzle puzzle = readOrFail(puzzleBytes(rows, lines));

    ASSERT_EQ(puzzle.width(), 15);
    ASSERT_EQ(puzzle.height(), 15);
    EXPECT_TRUE(puzzle.cell(0, 0).block);
    EXPECT_EQ(puzzle.cell(0, 0).solution, "");
    EXPECT_EQ(puzzle.cell(0, 1).solution, QString(rows[0][1]));
    // Top row: 1 starts across only, 2 to 8 down only; (1, 0) starts the
    // first column's down word; every even row starts an across word.
    EXPECT_EQ(puzzle.cell(0, 1).number, 1);
    EXPECT_EQ(puzzle.cell(0, 2).number, 2);
    EXPECT_EQ(puzzle.cell(0, 3).number, 0);
    EXPECT_EQ(puzzle.cell(0, 14).number, 8);
    EXPECT_EQ(puzzle.cell(1, 0).number, 9);
    EXPECT_EQ(puzzle.cell(2, 0).number, 10);
    EXPECT_EQ(puzzle.cell(14, 0).number, 16);
    EXPECT_EQ(puzzle.cell(2, 2).number, 0);
    EXPECT_EQ(puzzle.clues(Direction::Across).size(), 8);
    EXPECT_EQ(puzzle.clues(Direction::Down).size(), 8);

    const PuzzleClue &first = clueOrFail(puzzle.clue(Direction::Across, 1));
    EXPECT_EQ(first.label, "A1");
    EXPECT_EQ(first.text, "Clue A1");
    EXPECT_EQ(first.cells.size(), 14);
    EXPECT_EQ(first.cells.front(), (CellPos{0, 1}));
    EXPECT_EQ(puzzle.clueAt(1, 0, Direction::Down), puzzle.clue(Direction::Down, 9));

    const PuzzleClue &across = clueOrFail(puzzle.clueAt(14, 14, Direction::Across));
    EXPECT_EQ(across.label, "A16");
    EXPECT_EQ(across.answer.size(), 16);
    EXPECT_EQ(across.wordLengths, (QList<int>{7, 8}));
    EXPECT_EQ(puzzle.letterCell(across, 15), (CellPos{14, 14}));
    EXPECT_EQ(puzzle.letterCell(across, 1), (CellPos{14, 0}));
    const PuzzleClue &down = clueOrFail(puzzle.clueAt(14, 14, Direction::Down));
    EXPECT_EQ(down.label, "D8");
    EXPECT_EQ(down.wordLengths, QList<int>{15});
    EXPECT_EQ(puzzle.letterCell(down, 1), (CellPos{0, 14}));
    EXPECT_EQ(puzzle.letterCell(down, 15), (CellPos{14, 14}));
    EXPECT_FALSE(puzzle.letterCell(down, 0));
    EXPECT_FALSE(puzzle.letterCell(down, 16));
    EXPECT_EQ(puzzle.clueAt(1, 1, Direction::Across), nullptr);
    EXPECT_EQ(puzzle.clueAt(1, 1, Direction::Down), nullptr);
    EXPECT_TRUE(puzzle.cell(15, 15).block);
}

// 21 x 21 cut by block lines at rows and columns 3, 7, 11 and 15 into
// islands of 3 or 5 squares a side: 170 words. An island w wide and h high
// numbers w + h - 1 squares, so each band of rows 0-14 numbers 27 and the top
// row of the last band, row 16, takes 109 to 125; its rows 17 to 20 number
// the first square of each island, ending with 145 at (20, 16).
TEST(PuzzleModel, TwentyOneSquaresWithAHundredAndSeventyCluesFindTheFarCorner)
{
    auto cut = [](int i) { return i == 3 || i == 7 || i == 11 || i == 15; };
    const QStringList rows = latticeRows(21, [&](int r, int c) { return cut(r) || cut(c); });
    const Puzzle puzzle = readOrFail(puzzleBytes(rows, numberedClues(rows)));

    EXPECT_EQ(puzzle.clues(Direction::Across).size(), 85);
    EXPECT_EQ(puzzle.clues(Direction::Down).size(), 85);
    EXPECT_EQ(puzzle.cell(4, 0).number, 28);
    EXPECT_EQ(puzzle.cell(16, 20).number, 125);
    EXPECT_EQ(puzzle.cell(20, 16).number, 145);

    const PuzzleClue &across = clueOrFail(puzzle.clueAt(20, 20, Direction::Across));
    EXPECT_EQ(across.label, "A145");
    EXPECT_EQ(across.cells, (QList<CellPos>{{20, 16}, {20, 17}, {20, 18}, {20, 19}, {20, 20}}));
    const PuzzleClue &down = clueOrFail(puzzle.clueAt(20, 20, Direction::Down));
    EXPECT_EQ(down.label, "D125");
    EXPECT_EQ(puzzle.letterCell(down, 5), (CellPos{20, 20}));
    EXPECT_EQ(puzzle.wordNumber(18, 20, Direction::Down), 125);
    EXPECT_EQ(puzzle.wordNumber(18, 20, Direction::Across), 135);
    EXPECT_EQ(puzzle.clues(Direction::Down).last().label, "D125");
}

TEST(PuzzleModel, BadTextsGiveTheirReasonAndNoPuzzle)
{
    const QStringList rows = standardRows();
    const QList<ClueLine> good = numberedClues(rows);
    auto withClue = [&](int index, const ClueLine &line) {
        QList<ClueLine> lines = good;
        lines[index] = line;
        return puzzleBytes(rows, lines);
    };
    const QString a1 = good[0].answer;
    const QByteArray a1Bytes = a1.toLatin1();
    const QByteArray squares = QByteArray::number(a1.size());
    QStringList ragged = rows;
    ragged[2].chop(1);
    const struct {
        QByteArray text;
        QByteArray reason;
    } cases[] = {
        {QByteArray(), "the text has no grid"},
        {QByteArray("\xAE" "KV8,28" "\xAF\r\n\x1A"), "the text has no grid"},
        {puzzleBytes(latticeRows(26, [](int, int) { return false; }), {}), "26 squares wide; at most 25"},
        {puzzleBytes(rows.mid(0, 5), {}), "the grid has 5 rows; a grid 13 squares wide needs 13"},
        {puzzleBytes(ragged, good), "grid row 3 is 12 squares long, not 13"},
        {withClue(0, {"A1", a1.left(2), "Too short"}), "clue A1 (" + a1Bytes.left(2) + "): 2 letters for the " + squares + " squares of 1 across"},
        {withClue(0, {"A1", QString(a1.size(), 'Z'), "Wrong letters"}), "the grid spells 1 across as " + a1Bytes},
        {withClue(0, {"A99", a1, "No such word"}), "clue A99 (" + a1Bytes + "): the grid has no word 99 across"},
        {withClue(0, {"X1", a1, "Bad direction"}), "clue X1 (" + a1Bytes + "): a label is A or D and a number"},
        {withClue(0, {"A01", a1, "Leading zero"}), "a label is A or D and a number"},
        {withClue(1, good[0]), "1 across already has a clue"},
    };
    PuzzleTextReader reader;
    for (const auto &bad : cases) {
        EXPECT_FALSE(reader.read(fromAnsi(bad.text))) << bad.reason.constData();
        EXPECT_TRUE(reader.errorString().contains(QString::fromLatin1(bad.reason)))
            << "wanted: " << bad.reason.constData() << "\ngot: " << reader.errorString().toStdString();
    }
    EXPECT_TRUE(reader.read(fromAnsi(puzzleBytes(rows, good))));
    EXPECT_TRUE(reader.errorString().isEmpty());
}

} // namespace
