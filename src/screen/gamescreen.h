// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include "puzzle/cluetable.h"
#include "puzzle/puzzle.h"
#include "screen/form.h"
#include "session/environment.h"
#include "session/session.h"
#include "store/attempt.h"

#include <QString>
#include <array>

class TextMeasure;

// The screen as a picture of the game: every operation here writes the form
// from the puzzle, its clue table, the solver's attempt and the session.
// Nothing is read back from the form to decide what the game does; the
// session's marks, answer boxes and panel rows are kept here as the screen
// shows them.
class GameScreen {
public:
    GameScreen(Form &form, Session &session, const Puzzle &puzzle, const ClueTable &table, const Attempt &attempt,
               TextMeasure &measure, const Environment &env)
        : form(form), session(session), puzzle(puzzle), table(table), attempt(attempt), measure(measure), env(env)
    {
    }

    // ---- Layout (layout.cpp) ----
    // Stretches the design layout to the screen.
    void setscreen();
    void resizescreen(double XX, double yy);
    // Wraps a clue's display line into at most ten lines that fit the panel.
    void parse(QString &text, std::array<QString, 11> &lines);
    void scaleclues();
    // When the clue list is longer than the panel holds at the smallest clue
    // size, shows the run of whole entries around entry `current` and hides
    // the others; a list that fits is left as it is.
    void showClueRun(int current);

    // ---- Board and answer line (board.cpp) ----
    // Room on the form for every square, clue and answer box of the table's
    // puzzle; its squares and clue entries empty, nothing marked.
    void clearBoard();
    void drawboard();
    // The answer line shows its first `boxes` boxes, under the board; none
    // hides it.
    void showAnswerLine(int boxes);
    void hideAnswerLine() { showAnswerLine(0); }
    // The clue list entry of the clue through square idx is selected (the
    // other direction when none runs the current way).
    void highlightclue(int idx);
    // Square idx (from 1, row by row) and box k of the answer line show what
    // the attempt holds.
    void showSquare(int idx);
    void showSlot(int k);
    // Marks or unmarks square idx and paints its background to match.
    void markSquare(int idx, bool on);
    // The selection frame 150 twips outside a control on every side, sent to the back.
    void frameAround(const Control &c);

    // ---- Clue panel (cluepanel.cpp) ----
    void showclues();

    // ---- Views (zoom.cpp, menuscreen.cpp) ----
    void setnozoom();
    void setzoom();
    // The on-screen alphabet over the strip, in place of the answer line.
    void showAlphabet(bool overStrip = false);
    void hideAlphabet();
    // The menu screen: picture, instruction strip and the two on-screen buttons.
    void showMenuScreen();
    // Opening a puzzle: the picture and the buttons go, the strip loses its caption.
    void hideMenuScreen();
    // Any key but F12 takes the two on-screen buttons away.
    void hideMenuButtons();
    // Leaving a puzzle: its squares and clue list go.
    void hideBoard();

    // ---- Selections (selection.cpp) ----
    // Clue entry k is selected (yellow), the others not; entry 0 is the
    // panel, and -1 selects none.
    void selectClueEntry(int k);
    // Clue entry k is grey when its answer is complete, black otherwise.
    void showClueDone(int k, bool done);
    // Box k of the answer line is selected, the other boxes not.
    void selectBox(int k);
    // The selection frame goes round the answer line's boxes, which come to the front.
    void frameAnswerLine();
    // Alphabet key k is selected (red), the others not.
    void selectAlphabetKey(int k);
    // The selection frame, or the black strip under the board, is shown or
    // hidden where it is.
    void showFrame(bool on);
    void showStrip(bool on);

private:
    Form &form;
    Session &session;
    const Puzzle &puzzle;
    const ClueTable &table;
    const Attempt &attempt;
    TextMeasure &measure;
    const Environment &env;

    // The clue panel's list as scaleclues last laid it out: its entries, and
    // whether only a run of them around the current clue is shown.
    struct CluePanelList {
        int entries = 0;
        bool windowed = false;
    };
    CluePanelList m_clueList;
};
