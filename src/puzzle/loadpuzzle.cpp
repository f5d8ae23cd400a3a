// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "engine/crosswords.h"
#include "puzzle/ansi.h"
#include "puzzle/puzzlereader.h"
#include "puzzle/puzzletext.h"
#include "puzzle/resourcestore.h"

#include <QFile>

namespace {

// Reads CR LF lines of a progress file; past its end every read gives "",
// so a short or damaged file fills the remaining squares with nothing.
class LineReader {
public:
    explicit LineReader(const QByteArray &bytes) : m_lines(fromAnsi(bytes).split(QStringLiteral("\r\n"))) {}
    QString next() { return m_next < m_lines.size() ? m_lines[m_next++] : QString(); }

private:
    QStringList m_lines;
    qsizetype m_next = 0;
};

} // namespace

void Crosswords::loadCatalogue()
{
    const auto bytes = svc.resources.fetch(QStringLiteral("TEXT"), QStringLiteral("puzzles"));
    puzlist = fromAnsi(bytes.value_or(QByteArray())).split(QStringLiteral(".TXT\r\n"));
}

std::optional<QString> Crosswords::fetchPuzzleText(int n)
{
    // The last piece of the catalogue is what follows its final name.
    if (n < 1 || n >= puzlist.size() - 1)
        return std::nullopt;
    const auto bytes = svc.resources.fetch(QStringLiteral("TEXT"), puzlist[n]);
    if (!bytes)
        return std::nullopt;
    return fromAnsi(*bytes);
}

void Crosswords::loadpuzzle()
{
    if (curpuz < 1 || curpuz >= puzlist.size() - 1)
        return;

    for (int idx = 1; idx <= 225; ++idx) {
        form.D[idx].caption.clear();
        form.Dn[idx].caption.clear();
        form.D[idx].foreColor = Colour::Black;
        sqclue[idx][1] = 0;
        sqclue[idx][2] = 0;
    }
    for (int row = 1; row <= 100; ++row) {
        for (QString &field : clues[row])
            field.clear();
        form.lblClue[row].foreColor = Colour::Black;
    }
    form.imgBack.visible = false;

    // A text that makes no sound puzzle leaves the board without squares or clues.
    PuzzleTextReader reader;
    puzzle = reader.read(fetchPuzzleText(curpuz).value_or(QString())).value_or(Puzzle());
    gridsize = puzzle.width();
    for (int r = 0; r < 16; ++r) {
        for (int c = 0; c < 16; ++c) {
            const PuzzleCell &square = puzzle.cell(r, c);
            const bool inGrid = r < puzzle.height() && c < puzzle.width();
            grid[r][c] = !inGrid ? QString() : square.block ? QStringLiteral(" ") : QStringLiteral("*");
            solution[r][c] = square.solution;
        }
    }
    // The clue table holds the across clues, then the down clues.
    int n = 0;
    for (const Direction direction : {Direction::Across, Direction::Down}) {
        for (const PuzzleClue &clue : puzzle.clues(direction)) {
            if (++n > 100)
                break;
            const auto row = makeClueRow(clue.label, clue.answer, clue.text);
            for (int f = 0; f < 4; ++f)
                clues[n][f] = row[f];
        }
    }

    // Merge the saved progress. Opening for append creates the file when it is
    // missing; anything unreadable is taken as empty, never as an error. What a
    // failed save could not write stands in for the file, so the letters stay.
    QFile file(progressFile(curpuz));
    if (file.open(QIODevice::Append))
        file.close();
    QByteArray saved = unsaved.value(curpuz);
    if (!unsaved.contains(curpuz) && file.open(QIODevice::ReadOnly)) {
        saved = file.readAll();
        file.close();
    }
    if (!saved.isEmpty()) {
        LineReader in(saved);
        in.next();  // the stored grid size is not used
        gridsize = 13;
        for (int row = 0; row < 13; ++row) {
            for (int col = 0; col < 13; ++col) {
                const int idx = row * 13 + col + 1;
                QString entry = in.next();
                if (entry.size() == 2) {
                    entry.truncate(1);
                    grid[row][col] = QStringLiteral("!");
                }
                form.D[idx].caption = entry;
                form.Dn[idx].caption = in.next();
                in.next();  // the stored solution letter
            }
        }
        for (int i = 1; i <= 15; ++i) {
            form.lblIn[i].caption = in.next();
            form.lblInn[i].caption = in.next();
        }
    }

    drawboard();
    curdir = 1;
    acrossclue = 1;
    if (viewmode != 0) {
        updatedisplay();
        frameAround(form.lblClue[0]);
        viewmode = 1;
        curclue = 1;
    }
}
