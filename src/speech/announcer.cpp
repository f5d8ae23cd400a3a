// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "speech/announcer.h"

#include "base/logging.h"
#include "speech/speakable.h"
#include "speech/voice.h"

void Announcer::addSink(TextSink &sink)
{
    m_sinks.push_back(&sink);
}

void Announcer::handOver(const QString &say, bool waits)
{
    if (!say.isEmpty()) {
        m_sounding = say;
        m_helpSounding = false;
    }
    // The sinks come first: while the voice speaks and waits, a display
    // already shows the words being heard.
    for (TextSink *sink : m_sinks)
        sink->phrase(say);
    handToVoice(m_voice, say, waits ? VoiceWait::Yes : VoiceWait::No);
}

void Announcer::sayit(const QString &say)
{
    handOver(say, false);
    if (saysync > 0)
        --saysync;
}

void Announcer::sayit2(const QString &say)
{
    handOver(say, true);
}

void Announcer::sayHelpPage(const QString &page)
{
    sayphrase = page;
    saysync = 0;
    sayit(sayphrase);
    m_helpSounding = true;
}

void Announcer::cutHelpPage()
{
    if (m_helpSounding)
        cutSpeech();
}

void Announcer::cutSpeech()
{
    m_helpSounding = false;
    for (TextSink *sink : m_sinks)
        sink->stop();
    if (m_voice.isIdle())
        return;
    qCDebug(lcSpeech).noquote() << QStringLiteral("stop: ") + m_sounding;
    m_voice.stop();
}

void Announcer::silence()
{
    cutSpeech();
    saymsg.clear();
}

bool Announcer::cutsForKey(bool typedLetter)
{
    if (!brisk)
        return false;
    // A typed letter's echo is the one phrase of a single character.
    return !(typedLetter && m_sounding.size() == 1 && !m_voice.isIdle());
}

void Announcer::speechStep()
{
    voicestate = m_voice.isIdle() ? 1 : 2;
    if (saymsg.isEmpty() || voicestate != 1)
        return;
    if (saymsg.startsWith(QLatin1Char('\t')))
        saymsg.remove(0, 1);
    const qsizetype tab = saymsg.indexOf(QLatin1Char('\t'));
    if (tab >= 0) {
        sayphrase = saymsg.left(tab);
        saymsg = saymsg.mid(tab + 1);
    } else {
        sayphrase = saymsg;
        saymsg.clear();
    }
    if (sayphrase.isEmpty())
        return;
    if (saysync < 1)
        sayit(sayphrase);
    else
        sayit2(sayphrase);
}
