// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// F2: name the first clue, in clue order, that holds a wrong letter.
#include "aids/solving.h"
#include "engine/crosswords.h"

void Crosswords::checkwork()
{
    if (!m_puzzle.hasSolution()) {
        m_announcer.saymsg = noSolutionPhrase();
        return;
    }
    if (const PuzzleClue *wrong = Solving::firstClueWithMistake(m_puzzle, m_attempt)) {
        // Number first, then the direction letter: "12A", then "is wrong".
        const QChar direction = wrong->direction == Direction::Across ? QLatin1Char('A') : QLatin1Char('D');
        m_announcer.saymsg = QString::number(wrong->number) + direction + QStringLiteral("\tis wrong");
        return;
    }
    m_announcer.saymsg = QStringLiteral("there are no mistakes in the crossword so far");
}

QString Crosswords::noSolutionPhrase() const
{
    const OwnPuzzle *own = ownPuzzle(m_session.curpuz);
    return own && own->locked ? QStringLiteral("This puzzle is locked, so it cannot be checked or revealed")
                              : QStringLiteral("This puzzle came without its answers, so it cannot be checked or revealed");
}
