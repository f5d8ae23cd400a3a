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
        m_announcer.saymsg.clear();
        m_announcer.voicestate = 0;
        // The first arrow fixes the walking axis for the rest of the run; an
        // arrow of the other axis opens the puzzle.
        if (m_session.menuaxis == 0)
            m_session.menuaxis = key;
        if (isHorizontal(m_session.menuaxis) != isHorizontal(key))
            open = true;
    }

    if (open) {
        // A puzzle whose file no longer reads stays closed: the menu says why.
        const QString unread = unreadOwnPuzzleNotice(std::max(m_session.curpuz, 1));
        if (!unread.isEmpty()) {
            m_announcer.voicestate = 0;
            m_announcer.saymsg = unread;
            return Flow::SpeechStep;
        }
        m_screen.hideMenuScreen();
        if (m_session.curpuz < 1)
            m_session.curpuz = 1;
        m_session.viewmode = 1;
        m_session.curdir = 1;
        m_screen.showFrame(true);
        m_session.curclue = 0;
        loadpuzzle();
        m_screen.selectClueEntry(-1);
        m_session.curclue = 1;
        returnToCluePlace();
        drawboard();
        m_announcer.voicestate = 0;
        showclues();
        updatedisplay();
        // The notes often say what the solver must know before the first clue.
        if (const QString notes = firstOpeningNotes(); !notes.isEmpty())
            m_announcer.saymsg = notes + QLatin1Char('\t') + m_announcer.saymsg;
        if (!m_puzzle.hasSolution())
            m_announcer.saymsg = noSolutionPhrase() + QLatin1Char('\t') + m_announcer.saymsg;
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
        m_announcer.saymsg = completedSentence();
        return Flow::SpeechStep;
    case Key::Escape:
        m_announcer.voicestate = 0;
        m_announcer.saymsg = QStringLiteral("cancelled");
        return Flow::SpeechStep;
    default:
        return Flow::Next;
    }

    m_announcer.saymsg.clear();
    m_announcer.voicestate = 0;
    switch (key) {
    case Key::Home: m_session.curpuz = 1; break;
    case Key::End: m_session.curpuz = m_puzcount; break;
    case Key::PageDown: m_session.curpuz += 10; break;
    case Key::PageUp: m_session.curpuz -= 10; break;
    case Key::Left:
    case Key::Up: m_session.curpuz -= 1; break;
    default: m_session.curpuz += 1; break;
    }
    // Below the first goes to the last; past the last goes to the first.
    if (m_session.curpuz < 1)
        m_session.curpuz = m_puzcount;
    if (m_session.curpuz > m_puzcount)
        m_session.curpuz = 1;

    m_announcer.saymsg = menuName(m_session.curpuz) + QLatin1Char('\t');
    loadpuzzle();
    showclues();
    m_session.viewmode = 0;
    m_screen.showFrame(false);
    m_screen.selectClueEntry(-1);
    if (const QString unread = unreadOwnPuzzleNotice(m_session.curpuz); !unread.isEmpty())
        m_announcer.saymsg += QLatin1Char('\t') + unread;
    else if (m_session.curpuz >= 0 && m_session.curpuz < int(m_puzstat.size()))
        m_announcer.saymsg += QLatin1Char('\t') + statusPhrase(m_puzstat[m_session.curpuz]);
    return Flow::SpeechStep;
}
