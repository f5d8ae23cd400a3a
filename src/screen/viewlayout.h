// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

// The proportions of the normal view on a screen of a given size, in twips,
// shared by the board, the clue panel, the answer line and the keyboard so
// that each fits wholly on screen.
//
// On a 4 : 3 screen (or a narrower one) the board is 70 % of the screen high
// and its column, 75 % of the height, leaves a band on its right. Width beyond
// 4 : 3 first lets the board grow, as far as the room above the keyboard strip
// allows, then takes the band away; the rest widens the clue panel to its left.
struct NormalLayout {
    double boardTop = 0;     // the board and the clue panel start here
    double boardSide = 0;    // the drawn board, square
    double boardColumn = 0;  // width kept for the board: its side and the band on its right
    double stripTop = 0;     // the black strip of the answer line and the keyboard

    double boardBottom() const { return boardTop + boardSide; }
};

NormalLayout normalLayout(double screenWidth, double screenHeight);

// Space kept free under and around the answer line and the keyboard: the
// answer line's yellow frame is this wide, and the last row stays this far
// above the screen's bottom edge.
constexpr double BottomGap = 150;

// The answer line of k boxes: its box size and the top of its boxes. The boxes
// are as large as before where they fit; where they would run off the bottom,
// the line first moves up towards the board and then shrinks.
struct AnswerLine {
    int box = 0;
    double top = 0;
};
AnswerLine answerLineLayout(int k, double screenWidth, double screenHeight);

// The on-screen keyboard: square keys in two rows at keytop. Keys that would
// run off the bottom first move up inside the strip and then shrink.
struct Keyboard {
    int key = 0;
    int top = 0;
};
Keyboard keyboardLayout(double screenWidth, double screenHeight);
