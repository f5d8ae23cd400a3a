// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
//
// Fuzzes the readers of a puzzle text: the Windows-1252 conversion, the line
// rules that find the grid and the clue lines, the status scan's letter count
// and the clue table row. Besides crashes and undefined behaviour it checks
// what every caller relies on.
#include "puzzle/ansi.h"
#include "puzzle/puzzlereader.h"
#include "puzzle/puzzletext.h"

#include <cstdint>
#include <cstdlib>
#include <cstdio>

namespace {

void fail(const char *what)
{
    std::fprintf(stderr, "puzzle text invariant broken: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    // Every byte is one character, and the files the game writes read back
    // byte for byte.
    const QString text = fromAnsi(bytes);
    if (text.size() != bytes.size())
        fail("fromAnsi changed the length");
    if (toAnsi(text) != bytes)
        fail("toAnsi(fromAnsi(x)) != x");

    const PuzzleText puzzle = readPuzzleText(text);
    if (puzzle.rows.size() > puzzle.gridSize)
        fail("more grid rows than the grid size");
    if (!puzzle.rows.isEmpty() && puzzle.rows.first().size() != puzzle.gridSize)
        fail("grid size is not the first row's length");
    for (const QString &row : puzzle.rows)
        if (row.size() <= 8)
            fail("a short line became a grid row");

    const int letters = countLetterSquares(text);
    if (letters < 0 || letters > 13 * 13)
        fail("letter count outside 0..169");

    for (const auto &clue : puzzle.clues) {
        const auto row = makeClueRow(clue[0], clue[1], clue[2]);
        if (!row[3].endsWith(QLatin1Char(')')))
            fail("clue display line without its lengths");
    }

    // The model's reader refuses what it cannot use, with a reason; what it
    // accepts is whole: every clue spells exactly its squares, and each of
    // them leads back to that clue.
    PuzzleTextReader reader;
    const std::optional<Puzzle> model = reader.read(text);
    if (!model && reader.errorString().isEmpty())
        fail("puzzle refused without a reason");
    if (model && (model->width() > Puzzle::MaxSide || model->height() > Puzzle::MaxSide))
        fail("puzzle larger than the largest grid");
    for (const Direction direction : {Direction::Across, Direction::Down}) {
        if (!model)
            break;
        for (const PuzzleClue &clue : model->clues(direction)) {
            if (clue.cells.isEmpty() || clue.cells.size() != QString(clue.answer).remove(QLatin1Char(' ')).size())
                fail("a clue does not fill its squares");
            for (const CellPos &pos : clue.cells)
                if (model->clueAt(pos.row, pos.column, direction) != &clue)
                    fail("a clue's square leads to another clue");
        }
    }

    // The clue row builder on its own, with whatever the first two Tabs cut.
    const QStringList fields = text.split(QLatin1Char('\t'));
    const auto row = makeClueRow(fields.value(0), fields.value(1), fields.value(2));
    if (row[2] != fields.value(1).trimmed())
        fail("clue answer is not the trimmed answer field");
    return 0;
}
