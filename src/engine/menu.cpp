// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// The puzzle menu: walking the puzzles, hearing their status, opening one.
#include "engine/crosswords.h"
#include "base/rounding.h"

namespace {

bool isArrow(int key)
{
    return key >= Key::Left && key <= Key::Down;
}

bool isHorizontal(int key)
{
    return key == Key::Left || key == Key::Right;
}

// How far puzzle n has got, as the menu says it after the puzzle's number.
QString statusPhrase(const std::array<int, 4> &stat)
{
    const int letters = stat[1];
    const int filled = stat[2];
    const int mistakes = stat[3];
    // A puzzle without letters cannot be a percentage of anything: call it empty.
    if (filled == 0 || letters < 1)
        return QStringLiteral("This puzzle is empty");
    if (mistakes < 1 && filled == letters)
        return QStringLiteral("This puzzle has already been completed successfully");
    // Halves go to the even neighbour (12.5 is 12).
    const int pct = nearest(filled * 100.0 / letters);
    if (mistakes < 1)
        return QStringLiteral("This puzzle is %1 percent done").arg(pct);
    return QStringLiteral("This puzzle is %1 percent done but has at least one mistake").arg(pct);
}

} // namespace

Flow Crosswords::menuPhase(int key, int /*mods*/)
{
    bool open = key == Key::Enter;
    if (isArrow(key)) {
        announcer.saymsg.clear();
        announcer.voicestate = 0;
        // The first arrow fixes the walking axis for the rest of the run; an
        // arrow of the other axis opens the puzzle.
        if (session.menuaxis == 0)
            session.menuaxis = key;
        if (isHorizontal(session.menuaxis) != isHorizontal(key))
            open = true;
    }

    if (open) {
        // A puzzle whose file no longer reads stays closed: the menu says why.
        const QString unread = unreadOwnPuzzleNotice(std::max(session.curpuz, 1));
        if (!unread.isEmpty()) {
            announcer.voicestate = 0;
            announcer.saymsg = unread;
            return Flow::SpeechStep;
        }
        for (Control *c : {&form.imgBack, &form.lbl4[0], &form.lbl4[1], &form.lbl5[0], &form.lbl5[1]})
            c->visible = false;
        if (session.curpuz < 1)
            session.curpuz = 1;
        session.viewmode = 1;
        session.curdir = 1;
        form.lblBack.caption.clear();
        form.shpsel.visible = true;
        session.curclue = 0;
        loadpuzzle();
        form.lblClue[1].backColor = Colour::White;
        session.curclue = 1;
        drawboard();
        announcer.voicestate = 0;
        showclues();
        updatedisplay();
        if (!puzzle.hasSolution())
            announcer.saymsg = noSolutionPhrase() + QLatin1Char('\t') + announcer.saymsg;
        return Flow::SpeechStep;
    }

    switch (key) {
    case Key::Home:
    case Key::End:
    case Key::PageUp:
    case Key::PageDown:
    case Key::Left:
    case Key::Up:
    case Key::Right:
    case Key::Down:
        break;
    case Key::Space:
        announcer.saymsg = completedSentence();
        return Flow::SpeechStep;
    case Key::Escape:
        announcer.voicestate = 0;
        announcer.saymsg = QStringLiteral("cancelled");
        return Flow::SpeechStep;
    default:
        return Flow::Next;
    }

    announcer.saymsg.clear();
    announcer.voicestate = 0;
    switch (key) {
    case Key::Home: session.curpuz = 1; break;
    case Key::End: session.curpuz = puzcount; break;
    case Key::PageDown: session.curpuz += 10; break;
    case Key::PageUp: session.curpuz -= 10; break;
    case Key::Left:
    case Key::Up: session.curpuz -= 1; break;
    default: session.curpuz += 1; break;
    }
    // Below the first goes to the last; past the last goes to the first.
    if (session.curpuz < 1)
        session.curpuz = puzcount;
    if (session.curpuz > puzcount)
        session.curpuz = 1;

    announcer.saymsg = menuName(session.curpuz) + QLatin1Char('\t');
    loadpuzzle();
    showclues();
    session.viewmode = 0;
    form.shpsel.visible = false;
    form.lblClue[1].backColor = Colour::White;
    if (const QString unread = unreadOwnPuzzleNotice(session.curpuz); !unread.isEmpty())
        announcer.saymsg += QLatin1Char('\t') + unread;
    else if (session.curpuz >= 0 && session.curpuz < int(puzstat.size()))
        announcer.saymsg += QLatin1Char('\t') + statusPhrase(puzstat[session.curpuz]);
    return Flow::SpeechStep;
}
