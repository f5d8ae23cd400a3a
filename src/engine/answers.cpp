// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "aids/solving.h"
#include "engine/crosswords.h"

// Shift+F2: the answer of the cursor square in a magnified view, of the whole
// current clue otherwise. Revealed letters are grey and marked "!" so they are
// saved as help and counted at the end.
void Crosswords::showanswer()
{
    if (m_session.viewmode == 0 || m_session.curclue == 0)
        return;
    if (!m_puzzle.hasSolution()) {
        m_announcer.saymsg = noSolutionPhrase();
        return;
    }

    if (m_session.viewmode != 1 && m_session.viewmode != 2) {
        const CellPos cursor{m_session.currow - 1, m_session.curcol - 1};
        const QString letter = m_session.currow >= 1 && m_session.curcol >= 1 ? m_puzzle.cell(cursor).solution : QString();
        if (letter.isEmpty())
            return;  // a black square: nothing to reveal, nothing to ask
        if (!confirmAloud(QStringLiteral("Are you sure you want to know the answer to this square?"),
                      QStringLiteral("Show answer for this square. Are you sure?")))
            return;
        sayit(QString());
        m_announcer.saymsg.clear();
        const int idx = (m_session.currow - 1) * m_table.gridsize + m_session.curcol;
        changeSquares(squareName(idx), {idx}, {revealedSquare(idx)});
        m_announcer.saymsg = QStringLiteral("the answer is\t") + letter;
    } else {
        if (!confirmAloud(QStringLiteral("Are you sure you want to know the answer to this clue?"),
                      QStringLiteral("Show answer to this clue. Are you sure?")))
            return;
        sayit(QString());
        m_announcer.saymsg.clear();
        QString word;
        std::vector<int> squares;
        std::vector<SquareState> answer;
        for (int idx = 1; idx <= m_table.squareCount(); ++idx) {
            if (!m_session.isMarked(idx) || m_table.isDark(idx))
                continue;
            squares.push_back(idx);
            answer.push_back(revealedSquare(idx));
            const int slot = int(squares.size());
            m_attempt.slotRef(slot).letter = answer.back().letter;
            m_screen.showSlot(slot);
            word += answer.back().letter;
        }
        changeSquares(placeName(squares), squares, answer);
        m_announcer.saymsg = QStringLiteral("the answer is ") + word + QStringLiteral(", spelt ");
        for (const QChar ch : word)
            m_announcer.saymsg += QStringLiteral(", ") + ch;
    }

    finishAfterReveal();
}

// Did the reveal finish the puzzle?
void Crosswords::finishAfterReveal()
{
    if (!Solving::isFull(m_puzzle, m_attempt))
        return;
    if (Solving::hasMistake(m_puzzle, m_attempt)) {
        checkwork();
        return;
    }
    playwave(QStringLiteral("cheer"));
    m_screen.hideAlphabet();  // the letter chooser may be open
    // Back to the menu the way F12 goes, so the solved grid is saved and the
    // menu counts it; the praise comes before the menu's announcement.
    leave();
    m_announcer.saymsg = m_announcer.saymsg.isEmpty() ? QStringLiteral("welldone") : QStringLiteral("welldone\t") + m_announcer.saymsg;
    m_session.viewmode = 0;
}

// F9: empties every square of the puzzle and saves that. In the menu it clears
// the puzzle under the cursor, saved progress included; with no puzzle shown
// there is nothing to clear and nothing is said.
void Crosswords::clearpuzzle()
{
    m_announcer.saysync = 0;
    const bool inMenu = m_session.viewmode == 0 || m_session.viewmode == 99 || m_session.viewmode < 0;
    if (inMenu && m_session.curpuz < 1)
        return;
    if (!confirmAloud(QStringLiteral("Are you sure you want to clear this puzzle? It cannot be undone."),
                  QStringLiteral("Clear this puzzle. Are you sure?")))
        return;
    sayit(QString());
    m_announcer.voicestate = 0;
    m_announcer.saymsg.clear();

    if (!inMenu && m_session.viewmode != 1 && m_session.viewmode != 2) {
        // From a magnified view or the letter chooser the cleared puzzle is
        // shown in the normal view, where loadpuzzle leaves it.
        m_screen.hideAlphabet();
        setnozoom();
    }
    loadpuzzle();
    // The answer line is saved with the grid: it must not keep the old letters
    // either. Revealed marks go with their letters, so that a square typed
    // afresh does not count as help.
    m_attempt.clear();
    Solving::giveFixedSquares(m_puzzle, m_attempt);
    for (int idx = 1; idx <= m_table.gridsize * m_table.gridsize; ++idx)
        m_screen.showSquare(idx);
    for (int k = 1; k <= m_attempt.slotCount(); ++k)
        m_screen.showSlot(k);
    m_session.curdir = 1;
    showclues();

    if (inMenu) {
        // savefile keeps only an open puzzle; the previewed one goes back to
        // the empty file of a puzzle never opened, and its status with it.
        // Letters a failed save kept for it go too; if even the empty file
        // cannot be written, the puzzle counts as empty all the same.
        writeProgress(m_session.curpuz, QByteArray());
        puzstatus();
    } else {
        updatedisplay();
        m_screen.hideAnswerLine();
        savefile();
    }
    m_session.curclue = 0;
    m_announcer.saymsg = QStringLiteral("puzzle cleared");
}
