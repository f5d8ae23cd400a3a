// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// The clue list of an open puzzle: walking and switching the lists, hearing a
// clue again or spelt, and going to the answer line.
#include "engine/answerline.h"
#include "engine/crosswords.h"

namespace {

bool onPanelList(const Crosswords &g, int k)
{
    return k >= 1 && k <= int(g.session().panelrows.size());
}

} // namespace

Flow Crosswords::clueListPhase(int key, int mods)
{
    if (const Flow jumped = clueJumpKeys(key); jumped != Flow::Next)
        return jumped;
    switch (key) {
    case Key::Left:
    case Key::Up:
    case Key::Right:
    case Key::Down: {
        m_announcer.saymsg.clear();
        m_announcer.voicestate = 0;
        if (mods == Mod::Ctrl) {
            // Ctrl walks one chosen list and stops at its ends.
            if (key == Key::Left || key == Key::Right) {
                m_session.acrossclue += key == Key::Right ? 1 : -1;
                m_session.curdir = 1;
            } else {
                m_session.downclue += key == Key::Down ? 1 : -1;
                m_session.curdir = 2;
            }
            int &kept = m_session.curdir == 1 ? m_session.acrossclue : m_session.downclue;
            int k = std::min(std::max(kept, 1), m_table.clueRows());
            // The end is found on the list shown when the key came.
            while (k > 0 && !onPanelList(*this, k))
                --k;
            kept = k;
            m_session.curclue = k;
        } else {
            m_session.curclue += key == Key::Left || key == Key::Up ? -1 : 1;
            // Either end of a list leads to the first clue of the other.
            if (m_session.curclue < 1 || !onPanelList(*this, m_session.curclue)) {
                m_session.curdir = m_session.curdir == 1 ? 2 : 1;
                m_session.curclue = 1;
            }
        }
        readCurrentClue();
        return Flow::SpeechStep;
    }
    case Key::Space:
        repeatClue(mods);
        return Flow::SpeechStep;
    case Key::Tab:
        if (m_session.curdir == 1) {
            m_session.curdir = 2;
            m_announcer.saymsg = QStringLiteral("clues down");
        } else {
            m_session.curdir = 1;
            m_announcer.saymsg = QStringLiteral("clues across");
        }
        m_announcer.voicestate = 0;
        showclues();
        return Flow::SpeechStep;
    case Key::Escape:
        m_announcer.voicestate = 0;
        m_announcer.saymsg = QStringLiteral("cancelled");
        return Flow::SpeechStep;
    case Key::Enter:
        if (m_session.curclue == 0)
            return Flow::EndTick;
        openAnswerLine(*this, true);
        m_announcer.saymsg = QStringLiteral("First ") + answerBoxWords(*this, 1);
        m_session.viewmode = 2;
        return Flow::SpeechStep;
    default:
        if (key >= Key::A && key <= Key::Z) {
            // The letter is typed into box 1 by the letter-entry phase, this tick.
            openAnswerLine(*this, false);
            m_session.viewmode = 2;
        }
        return Flow::Next;
    }
}

// Space: the last reading again, or with any modifier the clue text spelt out.
// Space hears the clue last read again, built afresh from the board: after a
// save it tells the letters now in the grid, not those it had when first read.
void Crosswords::repeatClue(int mods)
{
    if (mods == Mod::None) {
        if (m_session.spokenclue >= 1 && m_session.spokenclue <= m_table.clueRows() && !m_table.clues[m_session.spokenclue][2].isEmpty())
            m_session.clueread = clueReading(m_session.spokenclue);
        m_announcer.saymsg = m_session.clueread;
    } else {
        m_announcer.saymsg.clear();
        spellit(m_table.clues[m_session.spokenclue][0]);
    }
}
