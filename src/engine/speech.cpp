// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "engine/crosswords.h"
#include "base/logging.h"
#include "speech/soundplayer.h"
#include "speech/voice.h"

#include <algorithm>

namespace {

const char *const kSpeedNames[] = {"very slow", "slow", "normal", "fast", "very fast"};

int rateForSpeed(int speed)
{
    return (speed - 2) * 2;
}

} // namespace

void Crosswords::sayit(const QString &say)
{
    m_announcer.sayit(say);
}

void Crosswords::sayit2(const QString &say)
{
    m_announcer.sayit2(say);
}

// Every screen reader stops talking when Ctrl is pressed; so does the game.
// Only what is already said or queued goes: the next phrase anyone queues is
// spoken as usual.
void Crosswords::silence()
{
    m_announcer.silence();
    m_svc.sound.stop();
}

// F10: brisk speech on or off, kept for the next run.
void Crosswords::switchBriskSpeech()
{
    m_announcer.brisk = !m_announcer.brisk;
    // Switched on, it acts on this key too: the words still to come make way.
    if (m_announcer.brisk)
        silence();
    m_announcer.saymsg = m_announcer.brisk ? QStringLiteral("Brisk speech on") : QStringLiteral("Brisk speech off");
    writeSettings();
}

void Crosswords::speechStep()
{
    m_announcer.speechStep();
}

void Crosswords::changevoice(int back)
{
    const QStringList names = m_svc.voice.voiceNames();
    const int n = int(names.size());
    if (n == 0)
        return;  // no voice installed: nothing to select or announce
    m_voice += back != 0 ? -1 : 1;
    if (m_voice >= n)
        m_voice = 0;
    if (m_voice < 0)
        m_voice = n - 1;
    m_svc.voice.selectVoice(m_voice);
    m_voicename = names[m_voice];
    m_announcer.saymsg = QStringLiteral("Voice changed to ") + names[m_voice];
    writeSettings();
}

void Crosswords::changespeed()
{
    ++m_speed;
    if (m_speed > 4 || m_speed < 0)
        m_speed = 0;
    m_svc.voice.setRate(rateForSpeed(m_speed));
    sayit(QStringLiteral("Speed changed to ") + QLatin1String(kSpeedNames[m_speed]));
    writeSettings();
}

// Start-up: the stored voice and speed go to the voice. A voice stored by
// name is found by name; one that is no longer offered (a speech service that
// is not running, a voice uninstalled) falls back to the first, as does an
// index past the end of the list.
void Crosswords::applyVoiceSettings()
{
    m_svc.voice.setRate(rateForSpeed(m_speed));
    const QStringList names = m_svc.voice.voiceNames();
    if (!m_voicename.isEmpty())
        m_voice = std::max(0, int(names.indexOf(m_voicename)));
    if (m_voice >= names.size())
        m_voice = 0;
    if (m_voice >= 0)
        m_svc.voice.selectVoice(m_voice);
}

void Crosswords::voicesChanged()
{
    // For a report of a voice that never appeared, and for tests that wait
    // for a speech service's voices.
    qCDebug(lcSpeech).noquote() << QStringLiteral("voices: %1").arg(m_svc.voice.voiceNames().size());
    if (m_voicename.isEmpty())
        return;
    const int index = int(m_svc.voice.voiceNames().indexOf(m_voicename));
    if (index >= 0 && index != m_voice) {
        m_voice = index;
        m_svc.voice.selectVoice(m_voice);
    }
}
