// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// After an answer is written: a full grid is either named wrong or praised,
// and a solved puzzle is left as if F12 had been pressed.
#include "engine/crosswords.h"

void Crosswords::checkend()
{
    const int squares = std::min(gridsize * gridsize, 225);
    for (int idx = 1; idx <= squares; ++idx) {
        const Control &sq = form.D[idx];
        if (sq.backColor != Colour::Black && sq.caption.isEmpty())
            return;
    }
    for (int row = 0; row < gridsize && row < 16; ++row) {
        for (int col = 0; col < gridsize && col < 16; ++col) {
            const QString &entered = form.D[row * gridsize + col + 1].caption;
            if (!entered.isEmpty() && entered != solution[row][col]) {
                checkwork();
                return;
            }
        }
    }

    form.shpsel.visible = false;
    // The cheer plays to its end before the praise.
    saysync = 1;
    playwave(QStringLiteral("cheer"));
    int hints = 0;
    for (int idx = 1; idx <= squares; ++idx) {
        const Control &sq = form.D[idx];
        if (!sq.caption.isEmpty() && sq.foreColor != Colour::Black)
            ++hints;
    }

    auto say = [this](const QString &text) {
        saysync = 1;
        sayit(text);
    };
    if (hints == 0) {
        say(QStringLiteral("Well done, you've solved the puzzle without needing any hints at all."));
    } else {
        say(hints < 10 ? QStringLiteral("Well done, you've solved the puzzle with just a little bit of help on")
                       : QStringLiteral("Well done, you've solved the puzzle with a bit of help on"));
        // Above a hundred the count goes in two pieces.
        if (hints > 100) {
            say(QStringLiteral("100and"));
            say(QString::number(hints - 100));
        } else {
            say(QString::number(hints));
        }
        say(QStringLiteral("squares"));
    }
    postKey(Key::F12, Mod::None);
}
