// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "screen/gamescreen.h"
#include "screen/textmeasure.h"

#include <algorithm>

// The menu screen: the picture, the black strip with the yellow two-line
// instruction, and the two on-screen buttons. Shown at start-up and whenever
// a puzzle is left.
void GameScreen::showMenuScreen()
{
    static const QString caption = QStringLiteral("Use the cursor keys to choose a\npuzzle then press the enter key");
    form.imgBack.visible = true;
    Control &back = form.lblBack;
    back.visible = true;
    back.backColor = Colour::Black;
    back.foreColor = Colour::Yellow;
    back.fontBold = true;
    back.centred = true;
    back.caption = caption;
    form.bringToFront(back);

    // Fill 85 % of the strip's width, but never more than its part on screen
    // can hold: on a wide screen the width alone would push the second line
    // off the bottom edge.
    const double width = measure.textWidth(caption, form.fontSize);
    const double height = measure.textHeight(caption, form.fontSize);
    const double visibleHeight = std::min(back.height, env.screenHeight - back.top);
    if (width > 0) {
        double size = back.width / width * form.fontSize * 0.85;
        if (height > 0 && visibleHeight > 0)
            size = std::min(size, visibleHeight / height * form.fontSize * 0.85);
        back.fontSize = size;
    }
    for (Control *hint : {&form.lbl4[0], &form.lbl4[1], &form.lbl5[0], &form.lbl5[1]}) {
        hint->visible = true;
        form.bringToFront(*hint);
    }
}

void GameScreen::hideMenuScreen()
{
    form.imgBack.visible = false;
    hideMenuButtons();
    form.lblBack.caption.clear();
}

void GameScreen::hideMenuButtons()
{
    for (Control *hint : {&form.lbl4[0], &form.lbl4[1], &form.lbl5[0], &form.lbl5[1]})
        hint->visible = false;
}

void GameScreen::hideBoard()
{
    for (std::size_t idx = 1; idx < form.D.size(); ++idx) {
        form.D[idx].visible = false;
        form.Dn[idx].visible = false;
    }
    for (Control &line : form.lblClue)
        line.visible = false;
}
