// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "engine/crosswords.h"

namespace {

bool isBlackSquare(const Control &square)
{
    // A black square under a magnified view's cursor is pale yellow.
    return square.backColor == Colour::Black || square.backColor == Colour::PaleYellow;
}

} // namespace

// Shift+F2: the answer of the cursor square in a magnified view, of the whole
// current clue otherwise. Revealed letters are grey and marked "!" so they are
// saved as help and counted at the end.
void Crosswords::showanswer()
{
    if (viewmode == 0 || curclue == 0)
        return;

    if (viewmode != 1 && viewmode != 2) {
        const QString letter = currow >= 1 && curcol >= 1 ? solution[currow - 1][curcol - 1] : QString();
        if (letter.isEmpty())
            return;  // a black square: nothing to reveal, nothing to ask
        if (!confirmAloud(QStringLiteral("Are you sure you want to know the answer to this square?"),
                      QStringLiteral("Show answer for this square. Are you sure?")))
            return;
        sayit(QString());
        saymsg.clear();
        Control &square = form.D[(currow - 1) * gridsize + curcol];
        square.caption = letter;
        square.foreColor = Colour::Grey;
        // Marked like a revealed word, so a redraw keeps it grey and the help is saved.
        grid[currow - 1][curcol - 1] = QStringLiteral("!");
        saymsg = QStringLiteral("the answer is\t") + letter;
    } else {
        if (!confirmAloud(QStringLiteral("Are you sure you want to know the answer to this clue?"),
                      QStringLiteral("Show answer to this clue. Are you sure?")))
            return;
        sayit(QString());
        saymsg.clear();
        QString word;
        int slot = 0;
        for (int r = 0; r < gridsize; ++r) {
            for (int c = 0; c < gridsize; ++c) {
                Control &square = form.D[r * gridsize + c + 1];
                if (square.backColor != Colour::Yellow)
                    continue;
                const QString letter = solution[r][c];
                square.caption = letter;
                if (++slot < int(form.lblIn.size()))
                    form.lblIn[slot].caption = letter;
                word += letter;
                square.foreColor = Colour::Grey;
                grid[r][c] = QStringLiteral("!");
            }
        }
        saymsg = QStringLiteral("the answer is ") + word + QStringLiteral(", spelt ");
        for (const QChar ch : word)
            saymsg += QStringLiteral(", ") + ch;
    }

    // Did the reveal finish the puzzle?
    const int squares = gridsize * gridsize;
    for (int idx = 1; idx <= squares; ++idx) {
        if (!isBlackSquare(form.D[idx]) && form.D[idx].caption.isEmpty())
            return;
    }
    for (int idx = 1; idx <= squares; ++idx) {
        const QString &letter = form.D[idx].caption;
        if (!letter.isEmpty() && letter != solution[(idx - 1) / gridsize][(idx - 1) % gridsize]) {
            checkwork();
            return;
        }
    }
    playwave(QStringLiteral("cheer"));
    for (Control &key : form.lblKey)
        key.visible = false;  // the letter chooser may be open
    // Back to the menu the way F12 goes, so the solved grid is saved and the
    // menu counts it; the praise comes before the menu's announcement.
    leave();
    saymsg = saymsg.isEmpty() ? QStringLiteral("welldone") : QStringLiteral("welldone\t") + saymsg;
    viewmode = 0;
}

// F9: empties every square of the puzzle and saves that. In the menu it clears
// the puzzle under the cursor, saved progress included; with no puzzle shown
// there is nothing to clear and nothing is said.
void Crosswords::clearpuzzle()
{
    saysync = 0;
    const bool inMenu = viewmode == 0 || viewmode == 99 || viewmode < 0;
    if (inMenu && curpuz < 1)
        return;
    if (!confirmAloud(QStringLiteral("Are you sure you want to clear this puzzle?"),
                  QStringLiteral("Clear this puzzle. Are you sure?")))
        return;
    sayit(QString());
    voicestate = 0;
    saymsg.clear();

    if (!inMenu && viewmode != 1 && viewmode != 2) {
        // From a magnified view or the letter chooser the cleared puzzle is
        // shown in the normal view, where loadpuzzle leaves it.
        for (Control &key : form.lblKey)
            key.visible = false;
        setnozoom();
    }
    loadpuzzle();
    for (std::size_t idx = 1; idx < form.D.size(); ++idx)
        form.D[idx].caption.clear();
    // The answer line is saved with the grid: it must not keep the old letters either.
    for (std::size_t i = 1; i < form.lblIn.size(); ++i)
        form.lblIn[i].caption.clear();
    curdir = 1;
    showclues();

    if (inMenu) {
        // savefile keeps only an open puzzle; the previewed one goes back to
        // the empty file of a puzzle never opened, and its status with it.
        // Letters a failed save kept for it go too; if even the empty file
        // cannot be written, the puzzle counts as empty all the same.
        writeProgress(curpuz, QByteArray());
        puzstatus();
    } else {
        updatedisplay();
        for (int i = 1; i <= 15 && i < int(form.lblIn.size()); ++i)
            form.lblIn[i].visible = false;
        savefile();
    }
    curclue = 0;
    saymsg = QStringLiteral("puzzle cleared");
}
