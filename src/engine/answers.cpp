// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "aids/solving.h"
#include "engine/crosswords.h"

// Shift+F2: the answer of the cursor square in a magnified view, of the whole
// current clue otherwise. Revealed letters are grey and marked "!" so they are
// saved as help and counted at the end.
void Crosswords::showanswer()
{
    if (session.viewmode == 0 || session.curclue == 0)
        return;
    if (!puzzle.hasSolution()) {
        announcer.saymsg = noSolutionPhrase();
        return;
    }

    if (session.viewmode != 1 && session.viewmode != 2) {
        const CellPos cursor{session.currow - 1, session.curcol - 1};
        const QString letter = session.currow >= 1 && session.curcol >= 1 ? puzzle.cell(cursor).solution : QString();
        if (letter.isEmpty())
            return;  // a black square: nothing to reveal, nothing to ask
        if (!confirmAloud(QStringLiteral("Are you sure you want to know the answer to this square?"),
                      QStringLiteral("Show answer for this square. Are you sure?")))
            return;
        sayit(QString());
        announcer.saymsg.clear();
        Solving::reveal(puzzle, attempt, cursor);
        screen.showSquare((session.currow - 1) * table.gridsize + session.curcol);
        announcer.saymsg = QStringLiteral("the answer is\t") + letter;
    } else {
        if (!confirmAloud(QStringLiteral("Are you sure you want to know the answer to this clue?"),
                      QStringLiteral("Show answer to this clue. Are you sure?")))
            return;
        sayit(QString());
        announcer.saymsg.clear();
        QString word;
        int slot = 0;
        for (int r = 0; r < table.gridsize; ++r) {
            for (int c = 0; c < table.gridsize; ++c) {
                const int idx = r * table.gridsize + c + 1;
                if (!session.isMarked(idx))
                    continue;
                const QString letter = puzzle.cell(r, c).solution;
                Solving::reveal(puzzle, attempt, {r, c});
                screen.showSquare(idx);
                attempt.slotRef(++slot).letter = letter;
                screen.showSlot(slot);
                word += letter;
            }
        }
        announcer.saymsg = QStringLiteral("the answer is ") + word + QStringLiteral(", spelt ");
        for (const QChar ch : word)
            announcer.saymsg += QStringLiteral(", ") + ch;
    }

    // Did the reveal finish the puzzle?
    if (!Solving::isFull(puzzle, attempt))
        return;
    if (Solving::hasMistake(puzzle, attempt)) {
        checkwork();
        return;
    }
    playwave(QStringLiteral("cheer"));
    screen.hideAlphabet();  // the letter chooser may be open
    // Back to the menu the way F12 goes, so the solved grid is saved and the
    // menu counts it; the praise comes before the menu's announcement.
    leave();
    announcer.saymsg = announcer.saymsg.isEmpty() ? QStringLiteral("welldone") : QStringLiteral("welldone\t") + announcer.saymsg;
    session.viewmode = 0;
}

// F9: empties every square of the puzzle and saves that. In the menu it clears
// the puzzle under the cursor, saved progress included; with no puzzle shown
// there is nothing to clear and nothing is said.
void Crosswords::clearpuzzle()
{
    announcer.saysync = 0;
    const bool inMenu = session.viewmode == 0 || session.viewmode == 99 || session.viewmode < 0;
    if (inMenu && session.curpuz < 1)
        return;
    if (!confirmAloud(QStringLiteral("Are you sure you want to clear this puzzle?"),
                  QStringLiteral("Clear this puzzle. Are you sure?")))
        return;
    sayit(QString());
    announcer.voicestate = 0;
    announcer.saymsg.clear();

    if (!inMenu && session.viewmode != 1 && session.viewmode != 2) {
        // From a magnified view or the letter chooser the cleared puzzle is
        // shown in the normal view, where loadpuzzle leaves it.
        screen.hideAlphabet();
        setnozoom();
    }
    loadpuzzle();
    // The answer line is saved with the grid: it must not keep the old letters
    // either. Revealed marks go with their letters, so that a square typed
    // afresh does not count as help.
    attempt.clear();
    for (int idx = 1; idx <= table.gridsize * table.gridsize; ++idx)
        screen.showSquare(idx);
    for (int k = 1; k <= attempt.slotCount(); ++k)
        screen.showSlot(k);
    session.curdir = 1;
    showclues();

    if (inMenu) {
        // savefile keeps only an open puzzle; the previewed one goes back to
        // the empty file of a puzzle never opened, and its status with it.
        // Letters a failed save kept for it go too; if even the empty file
        // cannot be written, the puzzle counts as empty all the same.
        writeProgress(session.curpuz, QByteArray());
        puzstatus();
    } else {
        updatedisplay();
        screen.hideAnswerLine();
        savefile();
    }
    session.curclue = 0;
    announcer.saymsg = QStringLiteral("puzzle cleared");
}
