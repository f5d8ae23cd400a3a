// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include "platform/postedcall.h"
#include "speech/voice.h"

#include <QObject>
#include <memory>
#include <thread>

// The solver's own speech service (speech-dispatcher), with the synthesiser,
// voices and rate they configured for their screen reader. Its English voices
// are offered by name with " through the speech service" after it.
//
// Every call to the service runs on a thread of its own, so a service that
// stops answering can never hold up the game: a call that has not come back
// within a second, or a connection that breaks, marks the service lost, and
// from then on it offers no voices and counts as idle. It is only used when it
// already runs; the game never starts it.
//
// Utterances go at message priority (queued, never cutting in), and the end
// of each is learnt from the service's end and cancel notifications. stop()
// cancels only this connection's speech, never other programs' (a screen
// reader's).
class SpeechServiceVoice : public Voice {
public:
    SpeechServiceVoice();
    ~SpeechServiceVoice() override;

    // True while the service answers.
    bool available();
    bool isIdle() override;
    void speak(const QString &text) override;
    void speakAndWait(const QString &text) override;
    void stop() override;
    QStringList voiceNames() override;
    void selectVoice(int index) override;
    void setRate(int rate) override;

    // The service's rate (-100..100) for a rate on our scale of -10..10.
    static int serviceRate(int rate);

    struct Shared;

private:
    void post(std::function<void(Shared &)> job);
    void checkAlive();

    std::shared_ptr<Shared> m_shared;
    std::thread m_worker;
    // Reports from the worker reach the game's thread through these.
    PostedCall m_idleCall;
    PostedCall m_voicesCall;
};
