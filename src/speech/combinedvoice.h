// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include "speech/voice.h"

// The game's one voice list: our own voices first, then those of the solver's
// speech service while it answers. Speech goes to whichever voice is
// selected. When the service goes away while one of its voices is selected,
// our first voice takes over, and a phrase the service had not finished is
// spoken again by it, so the game keeps talking.
class CombinedVoice : public Voice {
public:
    // service may be null (no speech service support).
    CombinedVoice(Voice &own, Voice *service);

    bool isIdle() override;
    void speak(const QString &text) override;
    void speakAndWait(const QString &text) override;
    void stop() override;
    QStringList voiceNames() override;
    void selectVoice(int index) override;
    void setRate(int rate) override;

    // True while a voice of the speech service is selected.
    bool usingService() const { return m_usingService; }

private:
    Voice &current();
    // Switches to our first voice when the service has gone.
    void fallBackIfServiceGone();

    Voice &m_own;
    Voice *m_service;
    bool m_usingService = false;
    int m_ownCount = 0;
    QString m_serviceUnfinished;  // the phrase the service has not yet finished
};
