// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// F2: name the first clue, in clue order, that holds a wrong letter.
#include "engine/crosswords.h"
#include "engine/textnumber.h"

void Crosswords::checkwork()
{
    for (int n = 1; n <= 100; ++n) {
        const QString label = clues[n][1] + QLatin1Char(' ');
        const QChar direction = label[0];
        const int number = leadingNumber(label.mid(1));
        const int column = direction == QLatin1Char('A') ? 1 : direction == QLatin1Char('D') ? 2 : 0;
        if (column == 0)
            continue;  // an empty row matches no square
        for (int idx = 1; idx <= 225; ++idx) {
            if (sqclue[idx][column] != number || gridsize < 1)
                continue;
            const int row = (idx - 1) / gridsize;
            const int col = (idx - 1) % gridsize;
            const QString &entered = form.D[idx].caption;
            const QString answer = row < 16 && col < 16 ? solution[row][col] : QString();
            if (!entered.isEmpty() && entered != answer) {
                // Number first, then the direction letter: "12A", then "is wrong".
                saymsg = QString::number(number) + direction + QStringLiteral("\tis wrong");
                return;
            }
        }
    }
    saymsg = QStringLiteral("there are no mistakes in the crossword so far");
}
