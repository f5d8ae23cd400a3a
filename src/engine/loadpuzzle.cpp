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
    table.fill(puzzle);
    screen.clearBoard();

    attempt = decodeProgress(progressBytes(session.curpuz), puzzle);
    for (int k = 1; k <= attempt.slotCount(); ++k)
        screen.showSlot(k);

    drawboard();
    session.curdir = 1;
    session.acrossclue = 1;
    if (session.viewmode != 0) {
        updatedisplay();
        screen.frameAround(form.lblClue[0]);
        session.viewmode = 1;
        session.curclue = 1;
    }
}
