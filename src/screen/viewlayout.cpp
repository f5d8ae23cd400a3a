// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "screen/viewlayout.h"

#include "base/rounding.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double Margin = 300;
constexpr double HeadingHeight = 500;

} // namespace

NormalLayout normalLayout(double screenWidth, double screenHeight)
{
    NormalLayout l;
    l.boardTop = Margin + HeadingHeight;
    l.stripTop = screenHeight * 0.8;
    const double side = screenHeight * 0.7;
    const double band = screenHeight * 0.75 - side;
    const double extra = std::max(0.0, screenWidth - screenHeight * 4 / 3);
    const double room = l.stripTop - BottomGap - l.boardTop;
    const double grow = std::clamp(room - side, 0.0, extra);
    l.boardSide = side + grow;
    l.boardColumn = l.boardSide + std::max(0.0, band - (extra - grow));
    return l;
}

AnswerLine answerLineLayout(int k, double screenWidth, double screenHeight)
{
    AnswerLine line;
    line.box = nearest(screenWidth * 0.95 / std::max(k, 1));
    if (screenHeight * 0.2 < line.box)
        line.box = nearest(screenHeight * 0.2);
    // The frame lies BottomGap round the boxes and keeps BottomGap clear of
    // the board above and of the screen's bottom edge.
    const double lowest = screenHeight - 2 * BottomGap;
    const double highest = normalLayout(screenWidth, screenHeight).boardBottom() + 2 * BottomGap;
    line.box = std::max(1, std::min(line.box, int(std::floor(lowest - highest))));
    line.top = std::min(screenHeight * 0.85, lowest - line.box);
    return line;
}

Keyboard keyboardLayout(double screenWidth, double screenHeight)
{
    Keyboard keys;
    keys.key = std::min(nearest(screenHeight * 0.1), nearest((screenWidth - 2 * Margin) / 14));
    // Both rows inside the strip, the second BottomGap above the bottom edge.
    const int lowest = int(std::floor(screenHeight - BottomGap));
    const int highest = int(std::ceil(screenHeight * 0.8 + BottomGap));
    keys.key = std::max(1, std::min(keys.key, (lowest - highest) / 2));
    keys.top = std::min(nearest(screenHeight * 0.8 + Margin), lowest - 2 * keys.key);
    return keys;
}
