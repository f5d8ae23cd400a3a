// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "engine/crosswords.h"
#include "puzzle/ansi.h"
#include "puzzle/puzzlereader.h"
#include "puzzle/puzzletext.h"
#include "puzzle/resourcestore.h"



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

const Puzzle &Crosswords::menuPuzzle(int n)
{
    if (const OwnPuzzle *own = ownPuzzle(n)) {
        static const Puzzle unread;
        const PuzzleFolder::Parsed &parsed = ownParsed(*own);
        return parsed.puzzle ? *parsed.puzzle : unread;
    }
    auto known = m_menuPuzzles.constFind(n);
    if (known != m_menuPuzzles.cend())
        return *known;
    // A text that makes no sound puzzle gives a board without squares or clues.
    PuzzleTextReader reader;
    return *m_menuPuzzles.insert(n, reader.read(fetchPuzzleText(n).value_or(QString())).value_or(Puzzle()));
}

void Crosswords::loadpuzzle()
{
    if (session.curpuz < 1 || session.curpuz > builtInCount() + ownPuzzles.size())
        return;

    puzzle = menuPuzzle(session.curpuz);
    // Room for every square and clue of the puzzle.
    const int squares = std::max(int(MinSquares), puzzle.width() * puzzle.height());
    const int clueCount = int(puzzle.clues(Direction::Across).size() + puzzle.clues(Direction::Down).size());
    const int clueLines = std::max(int(MinClueRows), clueCount);
    sqclue.assign(squares + 1, {});
    squarepos.assign(squares + 1, {});
    clues.resize(clueLines + 1);
    form.ensureCapacity(squares, clueLines, answerSlotCount(puzzle));
    session.marked.assign(squares + 1, 0);

    for (int idx = 1; idx <= squares; ++idx) {
        form.D[idx].caption.clear();
        form.Dn[idx].caption.clear();
        form.D[idx].foreColor = Colour::Black;
    }
    for (int row = 1; row <= clueLines; ++row) {
        for (QString &field : clues[row])
            field.clear();
        form.lblClue[row].foreColor = Colour::Black;
    }
    form.imgBack.visible = false;

    gridsize = puzzle.width();
    // The clue table holds the across clues, then the down clues.
    int n = 0;
    for (const Direction direction : {Direction::Across, Direction::Down}) {
        for (const PuzzleClue &clue : puzzle.clues(direction)) {
            ++n;
            const auto row = makeClueRow(clue.label, clue.answer, clue.text);
            for (int f = 0; f < 4; ++f)
                clues[n][f] = row[f];
        }
    }

    attempt = decodeProgress(progressBytes(session.curpuz), puzzle);
    for (int k = 1; k <= attempt.slotCount(); ++k)
        showSlot(k);

    drawboard();
    session.curdir = 1;
    session.acrossclue = 1;
    if (session.viewmode != 0) {
        updatedisplay();
        frameAround(form.lblClue[0]);
        session.viewmode = 1;
        session.curclue = 1;
    }
}
