// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// Stretching the design layout to the screen, and fitting the clue panel's text.
#include "screen/gamescreen.h"
#include "base/rounding.h"
#include "screen/textmeasure.h"

#include <algorithm>
#include <cmath>

namespace {

// Lines a clue may be wrapped into; the tenth keeps whatever is left over.
constexpr int MaxLines = 10;
// Seven spaces: continuation lines line up under the clue text of the first.
const QString Indent = QStringLiteral("       ");

} // namespace

void GameScreen::setscreen()
{
    // The layout was drawn on a small window; the factors are kept in single
    // precision, as the scaling has always been done.
    const float XX = float(env.screenWidth / Form::DesignWidth);
    const float yy = float(env.screenHeight / Form::DesignHeight);
    form.picbox.width = env.screenWidth;
    form.picbox.height = env.screenHeight;
    resizescreen(XX, yy);
    // The first elements of the panel, answer-line and keyboard arrays are the
    // patterns their copies are made from; left visible they would show their
    // design captions at their design places until a view uses them. Each
    // view shows the elements it needs.
    for (auto *array : {&form.lblClue, &form.lblIn, &form.lblInn, &form.lblKey})
        array->front().visible = false;
}

void GameScreen::resizescreen(double XX, double yy)
{
    for (Control *c : form.controls()) {
        if (c->kind == ControlKind::PictureBox)
            continue;  // the backdrop already has the screen's size
        c->top *= yy;
        c->left *= XX;
        c->width *= XX;
        c->height *= yy;
        if (c->kind == ControlKind::Label)
            c->fontSize *= yy;
    }
    form.picbox.top = 0;
    form.picbox.left = 0;
    form.lblTitle.width = form.picbox.width;
}

void GameScreen::parse(QString &text, std::array<QString, 11> &lines)
{
    for (int i = 1; i <= MaxLines; ++i)
        lines[i].clear();
    const double limit = form.lblClue[0].width;
    auto fits = [&](const QString &s) { return measure.textWidth(s, form.fontSize) * 1.1 < limit; };
    auto tooWide = [&](const QString &s) { return measure.textWidth(s, form.fontSize) * 1.1 > limit; };

    int n = 0;
    while (n < MaxLines - 1) {
        // The last space from the 8th character on whose text before it fits.
        // The first seven characters never break, so the indent stays whole.
        // Searching from the end finds that same space with fewer measurements.
        qsizetype breakAt = 0;
        for (qsizetype p = text.size(); p >= 8 && breakAt == 0; --p)
            if (text[p - 1] == QLatin1Char(' ') && fits(text.left(p - 1)))
                breakAt = p;
        if (breakAt < 1)
            break;
        ++n;
        lines[n] = text.left(breakAt - 1);
        text = Indent + text.mid(breakAt);
        if (!tooWide(text))
            break;
    }
    // Whatever is left, even if it is still too wide, is the last line.
    ++n;
    lines[n] = text;
}

void GameScreen::scaleclues()
{
    auto &entries = form.lblClue;
    const auto last = entries.size() - 1;
    // The list is the entries showclues has just shown.
    int count = 0;
    for (std::size_t i = 1; i <= last; ++i)
        count += entries[i].visible ? 1 : 0;
    m_clueList = {count, false};
    // An empty list has nothing to fit.
    if (count == 0)
        return;

    const double panelHeight = form.board.height;
    const int slot = nearest(panelHeight / count);
    int fs = nearest(entries[0].fontSize * 3);
    form.fontSize = 10;
    const double h10 = measure.textHeight(QStringLiteral("Ay"), form.fontSize);
    // First estimate: one line per clue must fit in the clue's share of the panel.
    while (h10 * fs / 9 > slot && fs > MinClueFontSize)
        --fs;

    const double width = entries[0].width;
    auto tooWide = [&](const QString &s) { return measure.textWidth(s, form.fontSize) * 1.1 > width; };
    auto lineCount = [](const std::array<QString, 11> &lines) {
        int nl = 0;
        for (int k = 1; k <= MaxLines; ++k)
            if (!lines[k].isEmpty())
                nl = k;
        return nl;
    };

    std::array<QString, 11> lines;
    int total = 0;
    for (;;) {
        form.fontSize = fs;
        total = 0;
        for (int i = 1; i <= count; ++i) {
            int nl = 1;
            if (tooWide(entries[i].caption)) {
                QString text = entries[i].caption;
                parse(text, lines);
                nl = lineCount(lines);
            }
            total += nl;
        }
        if (total * measure.textHeight(QStringLiteral("Ay"), form.fontSize) <= panelHeight)
            break;
        // Below the smallest readable size the list is not shrunk further: the
        // panel shows the part of it around the current clue.
        if (fs <= MinClueFontSize) {
            m_clueList.windowed = true;
            break;
        }
        --fs;
    }

    // A list that fits is stretched over the whole panel; a longer one gets
    // lines of the text's own height, as many as the panel holds.
    int lh = nearest(panelHeight / std::max(total, 1));
    if (m_clueList.windowed) {
        const double line = measure.textHeight(QStringLiteral("Ay"), form.fontSize);
        lh = nearest(panelHeight / std::max(1.0, std::floor(panelHeight / line)));
    }
    int top = nearest(entries[0].top);
    for (int i = 1; i <= count; ++i) {
        Control &entry = entries[i];
        int nl = 1;
        if (tooWide(entry.caption)) {
            QString text = entry.caption;
            parse(text, lines);
            QString joined = lines[1];
            for (int k = 2; k <= MaxLines; ++k) {
                if (lines[k].isEmpty())
                    continue;
                joined += QLatin1Char('\n') + lines[k];
                ++nl;
            }
            entry.caption = joined;
        }
        entry.fontSize = fs;
        entry.height = nl * lh;
        entry.top = top;
        top += lh * nl;
    }
    if (m_clueList.windowed)
        showClueRun(session.curclue);
}

void GameScreen::showClueRun(int current)
{
    if (!m_clueList.windowed)
        return;
    auto &entries = form.lblClue;
    const int count = std::min(m_clueList.entries, int(entries.size()) - 1);
    current = std::clamp(current, 1, count);
    const double room = form.board.height;
    auto height = [&](int i) { return entries[i].height; };

    // The current entry, then one more after and one more before it in turn,
    // while whole entries fit: the entries next to the current one are shown
    // whenever there is room for them.
    int first = current;
    int lastShown = current;
    double used = height(current);
    for (bool grew = true; grew;) {
        grew = false;
        if (lastShown < count && used + height(lastShown + 1) <= room) {
            used += height(++lastShown);
            grew = true;
        }
        if (first > 1 && used + height(first - 1) <= room) {
            used += height(--first);
            grew = true;
        }
    }

    double top = nearest(entries[0].top);
    for (int i = 1; i <= count; ++i) {
        Control &entry = entries[i];
        entry.visible = i >= first && i <= lastShown;
        if (!entry.visible)
            continue;
        entry.top = top;
        top += entry.height;
    }
}
