// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "engine/confirmbox.h"
#include "engine/crosswords.h"

namespace {
const QString kHowToAnswer = QStringLiteral("Press the enter key to confirm or the escape key to cancel.");
}

// Every confirmation is heard before the box appears: the question ends with
// " Press the enter key to confirm or the escape key to cancel." A key typed
// into the box by mistake cuts what is being said and repeats that sentence,
// so the solver knows where the keys went (and a burst of keys does not pile
// up reminders). Answering the box cuts the question short. A refusal says
// "cancelled" and changes nothing else.
bool Crosswords::confirmAloud(const QString &question, const QString &box)
{
    m_announcer.sayphrase = question + QLatin1Char(' ') + kHowToAnswer;
    sayit(m_announcer.sayphrase);
    const auto remind = [this] {
        m_announcer.cutSpeech();
        m_announcer.sayphrase = kHowToAnswer;
        sayit(m_announcer.sayphrase);
    };
    const bool confirmed = m_svc.confirm.confirm(box, remind);
    // The answer is what the solver wants to hear: the rest of the question
    // (up to ten seconds of it) is not read out after a quick Enter or Escape.
    m_announcer.cutSpeech();
    if (confirmed)
        return true;
    m_announcer.sayphrase = QStringLiteral("cancelled");
    sayit(m_announcer.sayphrase);
    return false;
}
