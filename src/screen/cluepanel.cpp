// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// The clue panel: the heading, one entry per clue of the current direction.
#include "screen/gamescreen.h"
#include "screen/numbertext.h"
#include "base/rounding.h"
#include "screen/textmeasure.h"

namespace {

constexpr double Margin = 300;
constexpr double HeadingHeight = 500;

} // namespace

void GameScreen::showclues()
{
    auto &entries = form.lblClue;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        entries[i].caption.clear();
        entries[i].visible = false;
    }

    Control &panel = entries[0];
    panel.top = Margin + HeadingHeight;
    panel.height = form.board.height;
    panel.left = Margin;
    panel.width = form.board.left - 2 * Margin;
    panel.backColor = Colour::White;
    panel.visible = true;

    Control &box = form.lbl1[0];
    box.top = 100;
    box.left = Margin;
    box.height = HeadingHeight;
    box.width = panel.width;
    box.backColor = Colour::Blue;
    Control &heading = form.lbl1[1];
    // White on the blue box: black would read at only 2.4 : 1.
    heading.foreColor = Colour::White;
    heading.top = 100;
    heading.left = Margin;
    heading.height = HeadingHeight;
    heading.width = panel.width;
    heading.caption = session.curdir == 1 ? QStringLiteral("ACROSS") : QStringLiteral("DOWN");
    // A capital letter about as high as the box.
    heading.fontSize = HeadingHeight / measure.textHeight(QStringLiteral("A"), form.fontSize) * form.fontSize;
    box.visible = true;
    heading.visible = true;

    form.fontSize = panel.fontSize;
    const int line = nearest(measure.textHeight(QStringLiteral("Ay"), form.fontSize) * 1.15);

    const QChar direction = session.curdir == 1 ? QLatin1Char('A') : QLatin1Char('D');
    int top = 2 * Margin;
    int k = 0;
    session.panelrows.clear();
    for (int n = 1; n <= table.clueRows(); ++n) {
        const QString &label = table.clues[n][1];
        if (!label.startsWith(direction))
            continue;
        ++k;
        session.panelrows.push_back(n);
        Control &entry = entries[k];
        entry.caption = table.clues[n][3];
        entry.top = top;
        entry.width = panel.width;
        entry.left = Margin;
        entry.height = line;
        entry.backColor = Colour::White;

        // Complete when no square of this clue is empty; a number that cannot
        // be read matches no square, so such a clue counts as complete.
        const int number = leadingNumber(label.mid(1));
        bool complete = true;
        if (number > 0) {
            for (int idx = 1; idx <= table.squareCount() && complete; ++idx)
                if (table.sqclue[idx][session.curdir] == number && attempt.letter(idx - 1).isEmpty())
                    complete = false;
        }
        entry.foreColor = complete ? Colour::Grey : Colour::Black;
        entry.visible = true;
        form.bringToFront(entry);
        top += line;
    }

    if (session.curclue < 1)
        session.curclue = 1;
    if (session.curclue > k)
        session.curclue = k;
    // With no clue in this direction the selection lands on the panel itself.
    entries[session.curclue].backColor = Colour::Yellow;

    form.fontSize = 10;
    scaleclues();
}
