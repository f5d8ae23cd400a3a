// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "aids/solving.h"
#include "engine/crosswords.h"
#include "puzzle/ansi.h"
#include "puzzle/puzzlereader.h"
#include "puzzle/puzzletext.h"
#include "puzzle/resourcestore.h"



void Crosswords::loadCatalogue()
{
    const auto bytes = m_svc.resources.fetch(QStringLiteral("TEXT"), QStringLiteral("puzzles"));
    m_puzlist = fromAnsi(bytes.value_or(QByteArray())).split(QStringLiteral(".TXT\r\n"));
}

std::optional<QString> Crosswords::fetchPuzzleText(int n)
{
    // The last piece of the catalogue is what follows its final name.
    if (n < 1 || n >= m_puzlist.size() - 1)
        return std::nullopt;
    const auto bytes = m_svc.resources.fetch(QStringLiteral("TEXT"), m_puzlist[n]);
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
    if (m_session.curpuz < 1 || m_session.curpuz > builtInCount() + m_ownPuzzles.size())
        return;

    m_puzzle = menuPuzzle(m_session.curpuz);
    m_table.fill(m_puzzle);
    m_screen.clearBoard();

    m_attempt = decodeProgress(progressBytes(m_session.curpuz), m_puzzle);
    // The squares the puzzle fills in itself are shown from the start.
    Solving::giveFixedSquares(m_puzzle, m_attempt);
    m_savedGridChanges = m_attempt.gridChanges();
    // Ctrl+Z reaches back only to the puzzle's opening (or its clearing).
    m_session.undo.clear();
    for (int k = 1; k <= m_attempt.slotCount(); ++k)
        m_screen.showSlot(k);

    drawboard();
    m_session.curdir = 1;
    m_session.acrossclue = 1;
    if (m_session.viewmode != 0) {
        updatedisplay();
        m_screen.frameAround(m_form.lblClue[0]);
        m_session.viewmode = 1;
        m_session.curclue = 1;
    }
}
