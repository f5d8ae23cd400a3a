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
    announcer.sayit(say);
}

void Crosswords::sayit2(const QString &say)
{
    announcer.sayit2(say);
}

// Every screen reader stops talking when Ctrl is pressed; so does the game.
// Only what is already said or queued goes: the next phrase anyone queues is
// spoken as usual.
void Crosswords::silence()
{
    announcer.silence();
    svc.sound.stop();
}

void Crosswords::speechStep()
{
    announcer.speechStep();
}

void Crosswords::changevoice(int back)
{
    const QStringList names = svc.voice.voiceNames();
    const int n = int(names.size());
    if (n == 0)
        return;  // no voice installed: nothing to select or announce
    voice += back != 0 ? -1 : 1;
    if (voice >= n)
        voice = 0;
    if (voice < 0)
        voice = n - 1;
    svc.voice.selectVoice(voice);
    voicename = names[voice];
    announcer.saymsg = QStringLiteral("Voice changed to ") + names[voice];
    writeSettings();
}

void Crosswords::changespeed()
{
    ++speed;
    if (speed > 4 || speed < 0)
        speed = 0;
    svc.voice.setRate(rateForSpeed(speed));
    sayit(QStringLiteral("Speed changed to ") + QLatin1String(kSpeedNames[speed]));
    writeSettings();
}

// Start-up: the stored voice and speed go to the voice. A voice stored by
// name is found by name; one that is no longer offered (a speech service that
// is not running, a voice uninstalled) falls back to the first, as does an
// index past the end of the list.
void Crosswords::applyVoiceSettings()
{
    svc.voice.setRate(rateForSpeed(speed));
    const QStringList names = svc.voice.voiceNames();
    if (!voicename.isEmpty())
        voice = std::max(0, int(names.indexOf(voicename)));
    if (voice >= names.size())
        voice = 0;
    if (voice >= 0)
        svc.voice.selectVoice(voice);
}

void Crosswords::voicesChanged()
{
    // For a report of a voice that never appeared, and for tests that wait
    // for a speech service's voices.
    qCDebug(lcSpeech).noquote() << QStringLiteral("voices: %1").arg(svc.voice.voiceNames().size());
    if (voicename.isEmpty())
        return;
    const int index = int(svc.voice.voiceNames().indexOf(voicename));
    if (index >= 0 && index != voice) {
        voice = index;
        svc.voice.selectVoice(voice);
    }
}
