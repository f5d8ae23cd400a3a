// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// The board squares, their numbers, the answer line and the selection frame.
#include "screen/gamescreen.h"
#include "base/rounding.h"
#include "screen/textmeasure.h"
#include "screen/viewlayout.h"

#include <algorithm>

// The clue number sits over the top half of its square, its digits about a
// third of the square high (a point is 20 twips).
void placeNumberOver(Control &number, const Control &square)
{
    number.top = square.top;
    number.width = square.width;
    number.left = square.left;
    number.height = square.height / 2;
    // Numbers of three digits on a big grid would run past the square's
    // right edge at that size: the size is lowered until the caption fits
    // within 95 % of the width. Verdana Bold's digits are 0.71 em wide and
    // its space 0.35 em (DejaVu Sans Bold, which stands in for it, 0.70 and
    // 0.35); an em is the point size times 20 twips.
    const int digits = std::max(2, int(number.caption.trimmed().size()));
    const double fitting = square.width * 0.95 / ((0.35 + 0.71 * digits) * 20);
    number.fontSize = std::min(square.height * NumberFontShare / 20, fitting);
}

void GameScreen::clearBoard()
{
    form.ensureCapacity(int(table.sqclue.size()) - 1, table.clueRows(), answerSlotCount(puzzle));
    session.marked.assign(table.sqclue.size(), 0);
    for (std::size_t idx = 1; idx < table.sqclue.size(); ++idx) {
        form.D[idx].caption.clear();
        form.Dn[idx].caption.clear();
        form.D[idx].foreColor = Colour::Black;
    }
    for (int row = 1; row <= table.clueRows(); ++row)
        form.lblClue[row].foreColor = Colour::Black;
    form.imgBack.visible = false;
}

void GameScreen::drawboard()
{
    const double sw = env.screenWidth;
    const double sh = env.screenHeight;
    form.picbox.width = sw;
    form.picbox.height = sh * 1.09;
    form.board.height = normalLayout(sw, sh).boardSide;

    Control &title = form.lbl2;
    title.top = 0;
    title.left = form.board.left;
    title.height = 700;
    title.width = form.board.width;
    title.caption = QStringLiteral("Puzzle ") + QString::number(session.curpuz);
    // A capital letter about 800 twips high.
    title.fontSize = 800 / measure.textHeight(QStringLiteral("A"), form.fontSize) * form.fontSize;
    // White on the grey backdrop reads at only 4 : 1; on a black band, 21 : 1.
    title.foreColor = Colour::White;
    title.backColor = Colour::Black;
    title.transparent = false;
    title.visible = true;

    // The board holds at most 25 x 25 squares; a puzzle that failed to load
    // has no squares at all. Squares of an earlier, larger board are hidden too.
    const int n = std::clamp(table.gridsize, 0, Puzzle::MaxSide);
    for (std::size_t i = 1; i < form.D.size(); ++i) {
        form.D[i].visible = false;
        form.Dn[i].visible = false;
    }
    // Squares beyond this board keep no circle of an earlier, larger one.
    for (Control &d : form.D)
        d.circled = d.barLeft = d.barTop = false;
    if (n == 0)
        return;

    const int sq = nearest(form.board.height / n);
    int idx = 0;
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            ++idx;
            Control &d = form.D[idx];
            d.top = form.board.top + r * sq;
            d.left = form.board.left + c * sq;
            // Neighbours overlap by one border so the lines between them are single.
            d.width = sq + 15;
            d.height = sq + 15;
            d.fontSize = sq / 30;
            d.visible = true;
            // The numbers and the words through each square are the puzzle's.
            const PuzzleCell &square = puzzle.cell(r, c);
            markSquare(idx, false);
            d.circled = square.circled && !square.block;
            d.barLeft = square.barLeft;
            d.barTop = square.barTop;
            showSquare(idx);

            Control &dn = form.Dn[idx];
            dn.caption = numberCaption(square);
            placeNumberOver(dn, d);
            if (square.number > 0) {
                dn.visible = true;
                form.bringToFront(dn);
            }
        }
    }
}

void GameScreen::showAnswerLine(int k)
{
    // Boxes past the last one are left off rather than written beyond the
    // end of the box arrays.
    const int boxes = attempt.boxCount();
    k = std::min(k, boxes);
    for (int i = 0; i <= boxes; ++i) {
        form.lblIn[i].visible = false;
        form.lblInn[i].visible = false;
    }
    session.answerboxes = 0;
    for (int i = 1; i <= k; ++i) {
        showSlot(i);
        form.lblIn[i].backColor = Colour::White;
    }
    if (k <= 0)
        return;

    const double sw = env.screenWidth;
    const double sh = env.screenHeight;
    const AnswerLine line = answerLineLayout(k, sw, sh);
    const int box = line.box;
    const int left0 = nearest((sw - double(box) * k) / 2);
    // A "W" fills 85 % of a box.
    const int fs = nearest(box / measure.textWidth(QStringLiteral("W"), form.fontSize) * form.fontSize * 0.85);
    for (int i = 1; i <= k; ++i) {
        Control &in = form.lblIn[i];
        in.top = line.top;
        in.width = box;
        in.height = box;
        in.left = left0 + (i - 1) * box;
        in.fontSize = fs;
        in.visible = true;
        form.bringToFront(in);
    }
    session.answerboxes = k;
}

// A marked square is yellow; pale yellow where it is dark, so the magnified
// cursor still shows on a black square.
void GameScreen::markSquare(int idx, bool on)
{
    if (idx < 1 || idx >= int(form.D.size()))
        return;
    if (session.marked.size() < form.D.size())
        session.marked.resize(form.D.size());
    session.marked[idx] = on;
    const bool dark = table.isDark(idx);
    form.D[idx].backColor = on ? (dark ? Colour::PaleYellow : Colour::Yellow) : (dark ? Colour::Black : Colour::White);
}

// A revealed letter is grey, so that the solver sees what was help.
void GameScreen::showSquare(int idx)
{
    if (idx < 1 || idx >= int(form.D.size()))
        return;
    Control &square = form.D[idx];
    square.caption = attempt.letter(idx - 1);
    square.foreColor = attempt.revealed(idx - 1) ? Colour::Grey : Colour::Black;
}

void GameScreen::showSlot(int k)
{
    if (k < 1 || k >= int(form.lblIn.size()))
        return;
    const AnswerSlot slot = attempt.slot(k);
    form.lblIn[k].caption = slot.letter;
    form.lblInn[k].caption = slot.mark;
}

void GameScreen::highlightclue(int idx)
{
    int number = table.sqclue[idx][session.curdir];
    if (number == 0) {
        session.curdir = session.curdir == 1 ? 2 : 1;
        number = table.sqclue[idx][session.curdir];
        if (number == 0)
            return;
    }
    showclues();

    const int row = table.rowOf(session.curdir, number);
    // Entries are matched by the first ten characters of their display line.
    // A wrapped entry has a line feed and an indent in place of a space; undo
    // that first, or a clue wrapped early in its line would never match.
    const QString wanted = table.clues[row][3].left(10);
    const QString wrap = QStringLiteral("\n       ");
    int selected = 0;
    for (std::size_t i = 1; i < form.lblClue.size(); ++i) {
        Control &entry = form.lblClue[i];
        if (entry.backColor == Colour::Yellow)
            entry.backColor = Colour::White;
        const QString start = QString(entry.caption).replace(wrap, QStringLiteral(" ")).left(10);
        // A square whose clue is missing from the list selects nothing.
        if (row > 0 && start == wanted) {
            entry.backColor = Colour::Yellow;
            selected = int(i);
        }
    }
    // A long list shows the part around the clue just selected.
    if (selected > 0)
        showClueRun(selected);
}

void GameScreen::frameAround(const Control &c)
{
    Control &frame = form.shpsel;
    frame.top = c.top - 150;
    frame.left = c.left - 150;
    frame.width = c.width + 300;
    frame.height = c.height + 300;
    form.sendToBack(frame);
}
