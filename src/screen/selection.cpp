// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// What is selected on the screen: the clue entry, the answer-line box, the
// alphabet key, and the frame around the part that has the keyboard.
#include "screen/gamescreen.h"

void GameScreen::selectClueEntry(int k)
{
    auto &entries = form.lblClue;
    for (std::size_t i = 1; i < entries.size(); ++i)
        entries[i].backColor = Colour::White;
    // Entry 0 is the panel: with no clue in this direction the selection lands on it.
    if (k >= 0 && k < int(entries.size()))
        entries[k].backColor = Colour::Yellow;
}

void GameScreen::showClueDone(int k, bool done)
{
    if (k >= 0 && k < int(form.lblClue.size()))
        form.lblClue[k].foreColor = done ? Colour::Grey : Colour::Black;
}

void GameScreen::selectBox(int k)
{
    for (int i = 1; i <= attempt.boxCount() && i < int(form.lblIn.size()); ++i)
        form.lblIn[i].backColor = Colour::White;
    if (k >= 1 && k < int(form.lblIn.size()))
        form.lblIn[k].backColor = Colour::Yellow;
}

void GameScreen::frameAnswerLine()
{
    form.bringToFront(form.lblBack);
    // The frame goes 150 twips round the boxes in use.
    const Control &first = form.lblIn[1];
    double width = first.width + 300;
    for (int k = 2; k <= session.answerboxes; ++k)
        width += form.lblIn[k].width;
    Control &frame = form.shpsel;
    frame.left = first.left - 150;
    frame.top = first.top - 150;
    frame.height = first.height + 300;
    frame.width = width;
    form.bringToFront(frame);
    for (int k = 1; k <= session.answerboxes; ++k)
        form.bringToFront(form.lblIn[k]);
}

void GameScreen::selectAlphabetKey(int k)
{
    for (Control &key : form.lblKey)
        key.backColor = Colour::White;
    if (k >= 0 && k < int(form.lblKey.size()))
        form.lblKey[k].backColor = Colour::Red;
}

void GameScreen::showFrame(bool on)
{
    form.shpsel.visible = on;
}

void GameScreen::showStrip(bool on)
{
    form.lblBack.visible = on;
}
