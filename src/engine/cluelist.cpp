// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// The clue list of an open puzzle: walking and switching the lists, hearing a
// clue again or spelt, and going to the answer line.
#include "engine/answerline.h"
#include "engine/crosswords.h"

namespace {

bool onPanelList(const Crosswords &g, int k)
{
    return k >= 1 && k <= int(g.session.panelrows.size());
}

} // namespace

Flow Crosswords::clueListPhase(int key, int mods)
{
    switch (key) {
    case Key::Left:
    case Key::Up:
    case Key::Right:
    case Key::Down: {
        announcer.saymsg.clear();
        announcer.voicestate = 0;
        if (mods == Mod::Ctrl) {
            // Ctrl walks one chosen list and stops at its ends.
            if (key == Key::Left || key == Key::Right) {
                session.acrossclue += key == Key::Right ? 1 : -1;
                session.curdir = 1;
            } else {
                session.downclue += key == Key::Down ? 1 : -1;
                session.curdir = 2;
            }
            int &kept = session.curdir == 1 ? session.acrossclue : session.downclue;
            int k = std::min(std::max(kept, 1), table.clueRows());
            // The end is found on the list shown when the key came.
            while (k > 0 && !onPanelList(*this, k))
                --k;
            kept = k;
            session.curclue = k;
        } else {
            session.curclue += key == Key::Left || key == Key::Up ? -1 : 1;
            // Either end of a list leads to the first clue of the other.
            if (session.curclue < 1 || !onPanelList(*this, session.curclue)) {
                session.curdir = session.curdir == 1 ? 2 : 1;
                session.curclue = 1;
            }
        }
        for (std::size_t i = 1; i < form.lblClue.size(); ++i)
            form.lblClue[i].backColor = Colour::White;
        form.lblClue[session.curclue].backColor = Colour::Yellow;
        showclues();
        updatedisplay();
        return Flow::SpeechStep;
    }
    case Key::Space:
        repeatClue(mods);
        return Flow::SpeechStep;
    case Key::Tab:
        if (session.curdir == 1) {
            session.curdir = 2;
            announcer.saymsg = QStringLiteral("clues down");
        } else {
            session.curdir = 1;
            announcer.saymsg = QStringLiteral("clues across");
        }
        announcer.voicestate = 0;
        showclues();
        return Flow::SpeechStep;
    case Key::Escape:
        announcer.voicestate = 0;
        announcer.saymsg = QStringLiteral("cancelled");
        return Flow::SpeechStep;
    case Key::Enter:
        if (session.curclue == 0)
            return Flow::EndTick;
        openAnswerLine(*this, true);
        if (attempt.slot(1).letter.isEmpty())
            announcer.saymsg = QStringLiteral("First letter blank");
        else
            announcer.saymsg = QStringLiteral("First letter ") + attempt.slot(1).letter;
        session.viewmode = 2;
        return Flow::SpeechStep;
    default:
        if (key >= Key::A && key <= Key::Z) {
            // The letter is typed into box 1 by the letter-entry phase, this tick.
            openAnswerLine(*this, false);
            session.viewmode = 2;
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
        if (session.spokenclue >= 1 && session.spokenclue <= table.clueRows() && !table.clues[session.spokenclue][2].isEmpty())
            session.clueread = clueReading(session.spokenclue);
        announcer.saymsg = session.clueread;
    } else {
        announcer.saymsg.clear();
        spellit(table.clues[session.spokenclue][0]);
    }
}
