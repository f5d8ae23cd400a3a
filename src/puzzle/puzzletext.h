// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include <QString>
#include <QStringList>
#include <array>

// A puzzle text split by the reading rules: lines of 8 characters or fewer are
// dropped (header, empty lines, the Ctrl-Z/NUL tail), the first surviving line
// fixes the grid size, the next gridSize lines are grid rows, and every later
// line with exactly three Tab fields is a clue (label, answer, text).
struct PuzzleText {
    int gridSize = 0;
    QStringList rows;
    QList<std::array<QString, 3>> clues;
};

PuzzleText readPuzzleText(const QString &text);

// The grid as the status scan reads it: the 13 lines from the first line of
// exactly 13 characters, each cut to 13; every character but a space is a
// letter square.
QStringList statusGridRows(const QString &text);
bool isLetterSquare(const QStringList &rows, int row, int col);
int countLetterSquares(const QStringList &rows);
int countLetterSquares(const QString &text);

// The clue table row built from one clue line: text ("&" rule, trimmed),
// label, answer and the display line of the clue panel.
// A label's text as it reads: "&&", which a label needs to show one
// ampersand, is one "&" again, so that a clue is spoken as written.
QString labelTextAsRead(QString shown);

std::array<QString, 4> makeClueRow(const QString &label, const QString &answer, const QString &text);
