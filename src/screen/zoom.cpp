// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// The frame of the normal view and the full-screen and magnified views.
#include "screen/gamescreen.h"
#include "base/rounding.h"
#include "screen/textmeasure.h"
#include "screen/viewlayout.h"

#include <algorithm>

namespace {

constexpr double Margin = 300;

// How much larger than the screen the drawing surface is at each level.
double magnification(int mode)
{
    switch (mode) {
    case 5:
        return 1.6;
    case 6:
        return 2.6;
    case 7:
        return 4.0;
    case 8:
        return 6.4;
    default:
        return 1.0;
    }
}

} // namespace

void GameScreen::setnozoom()
{
    for (Control *c : {&form.lbl1[0], &form.lbl1[1], &form.lbl4[0], &form.lbl4[1], &form.lbl5[0], &form.lbl5[1],
                       &form.lbl2, &form.lblTitle})
        c->visible = false;
    form.picbox.backColor = Colour::MidGrey;

    const double sw = env.screenWidth;
    const double sh = env.screenHeight;
    // The board's column at the right edge; drawboard sizes the board itself.
    const NormalLayout layout = normalLayout(sw, sh);
    Control &board = form.board;
    board.height = layout.boardColumn;
    board.width = board.height;
    board.top = layout.boardTop;
    board.left = sw - board.width - Margin;

    Control &strip = form.lblBack;
    strip.top = layout.stripTop;
    strip.height = sh * 0.5;
    strip.left = 0;
    strip.width = sw;
    strip.caption.clear();
    strip.backColor = Colour::Black;

    // The menu's "F1 = Help" and "F12 = Quit" buttons, right of the menu
    // picture's grid, stacked just above the strip so that they never cover
    // its caption. Hidden here; the menu screen shows them.
    const int buttonw = nearest(sw * 0.15);
    const int buttonh = nearest(sh * 0.075);
    const int buttonleft = nearest(sw * 0.95) - buttonw;
    const int quittop = nearest(sh * 0.78) - buttonh;
    const int helptop = quittop - buttonh - nearest(sh * 0.015);
    const double buttonfs = [&] {
        // Capitals half the button high, narrowed if the longer caption would
        // not fit across.
        const double fs = buttonh * 0.5 / measure.textHeight(QStringLiteral("A"), form.fontSize) * form.fontSize;
        const double wide = measure.textWidth(form.lbl5[1].caption, fs) * 1.1;
        return wide > buttonw ? fs * buttonw / wide : fs;
    }();
    for (auto *button : {&form.lbl4, &form.lbl5}) {
        const int top = button == &form.lbl4 ? helptop : quittop;
        for (Control &c : *button) {
            c.left = buttonleft;
            c.top = top;
            c.width = buttonw;
            c.height = buttonh;
        }
        (*button)[1].fontSize = buttonfs;
    }

    // Square keys, two rows, no wider than a tenth of the screen height. The
    // letters are sized from the full tenth.
    const Keyboard keys = keyboardLayout(sw, sh);
    const int keyw = keys.key;
    const int keyh = keys.key;
    const int keytop = keys.top;
    const int fs =
        nearest(nearest(sh * 0.1) / measure.textHeight(QStringLiteral("A"), form.fontSize) * form.fontSize * 0.85);
    int k = 0;
    for (int r = 0; r <= 1; ++r) {
        for (int c = 0; c <= 13; ++c) {
            if (r == 0 && c == 13)
                continue;
            Control &key = form.lblKey[k];
            key.width = keyw;
            key.height = keyh;
            key.top = keytop + r * keyh;
            key.left = Margin + c * keyw;
            key.caption = alphabetKeyCaption(k);
            key.fontSize = fs;
            ++k;
        }
    }
    form.lblKey[EmptyingKey].caption = alphabetKeyCaption(EmptyingKey);

    // The engine reads the selection out when it returns to the normal view.
    if (session.viewmode == 1) {
        strip.visible = true;
        form.shpsel.visible = true;
    }

    Control &picture = form.imgBack;
    picture.top = 0;
    picture.left = 0;
    picture.height = sh * 1.08;
    picture.width = sw;
    picture.visible = false;
}

void GameScreen::setzoom()
{
    if (session.viewmode == 0)
        return;
    for (auto *array : {&form.lblClue, &form.lblIn, &form.lblInn, &form.lblKey})
        for (Control &c : *array)
            c.visible = false;
    session.answerboxes = 0;  // every box hidden, as hideAnswerLine leaves them
    for (Control *c : {&form.lblBack, &form.shpsel, &form.lbl1[0], &form.lbl1[1], &form.lbl2})
        c->visible = false;

    const double sw = env.screenWidth;
    const double sh = env.screenHeight;
    Control &surface = form.picbox;
    surface.height = sh;
    surface.width = sw;
    surface.width *= magnification(session.viewmode);
    surface.height *= magnification(session.viewmode);

    // Full screen keeps the margin all round, so that the last row and column
    // are whole; a magnified board is larger than the screen anyway.
    Control &board = form.board;
    board.height = session.viewmode == 4 ? std::min(sw, sh) - 2 * Margin : surface.height;
    board.width = board.height;
    board.top = surface.top + Margin;
    // A board that fits across the screen is centred on it.
    int xoff = 0;
    if (board.width + 2 * Margin <= sw)
        xoff = nearest((sw - board.width) / 2) - int(Margin);
    board.left = xoff + Margin;

    const int n = std::clamp(table.gridsize, 1, Puzzle::MaxSide);
    const int squares = n * n;
    for (int i = 1; i <= squares; ++i) {
        form.D[i].visible = false;
        form.Dn[i].visible = false;
    }
    const int sq = nearest(board.height / n);

    // The cursor square is the first marked one; it stays the only one marked.
    int marker = session.markedSquare(1);
    if (marker == 0 || marker > squares)
        marker = 1;
    const int r0 = (marker - 1) / n;
    const int c0 = (marker - 1) % n;
    if (session.curcol == 0)
        session.curcol = c0 + 1;
    if (session.currow == 0)
        session.currow = r0 + 1;

    // Where square idx lies on the board, before scrolling: left, top and
    // side (neighbours overlap by one border).
    struct Place {
        int left, top, side;
    };
    auto place = [&](int idx) { return Place{(idx - 1) % n * sq, (idx - 1) / n * sq, sq + 15}; };

    // No step-by-step scrolling: while the cursor square's far edge, as drawn,
    // is on screen the board is drawn from its corner; otherwise the cursor's
    // column (or row) is drawn first.
    const int cidx = std::clamp((session.currow - 1) * n + session.curcol, 1, squares);
    int scrollx = 0;
    int scrolly = 0;
    const Place cursor = place(cidx);
    if (sw < cursor.left + cursor.side + Margin + xoff)
        scrollx = cursor.left;
    if (sh < cursor.top + cursor.side + Margin)
        scrolly = cursor.top;

    for (int idx = 1; idx <= squares; ++idx) {
        Control &d = form.D[idx];
        const Place at = place(idx);
        d.top = at.top + Margin - scrolly;
        d.left = at.left + Margin - scrollx + xoff;
        d.width = at.side;
        d.height = at.side;
        d.fontSize = sq / 30;
        if (session.isMarked(idx))
            markSquare(idx, false);
        d.visible = true;
        Control &dn = form.Dn[idx];
        placeNumberOver(dn, d);
        dn.visible = true;
        form.bringToFront(dn);
    }

    markSquare(marker, true);
}

void GameScreen::showAlphabet(bool overStrip)
{
    hideAnswerLine();
    if (overStrip) {
        form.lblBack.visible = true;
        form.bringToFront(form.lblBack);
    }
    for (Control &key : form.lblKey) {
        key.backColor = Colour::White;
        key.visible = true;
        form.bringToFront(key);
    }
}

void GameScreen::hideAlphabet()
{
    for (Control &key : form.lblKey)
        key.visible = false;
}
