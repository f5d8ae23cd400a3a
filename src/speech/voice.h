// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// The speech engine as the game uses it. Speaking never purges: a new
// utterance waits behind one still being spoken.
class Voice {
public:
    virtual ~Voice() = default;
    // True when nothing is being spoken or waiting to be spoken.
    virtual bool isIdle() = 0;
    // Speak without waiting.
    virtual void speak(const QString &text) = 0;
    // Speak and return only when this and everything before it has been spoken.
    virtual void speakAndWait(const QString &text) = 0;
    // Cut the sounding phrase at once and drop whatever the voice still holds;
    // isIdle is true afterwards.
    virtual void stop() = 0;
    // The installed voices in a stable order, by readable name.
    virtual QStringList voiceNames() = 0;
    virtual void selectVoice(int index) = 0;
    // Speaking rate on the scale -10 (slowest) .. 10 (fastest), 0 normal.
    virtual void setRate(int rate) = 0;

    // Called on the game's thread when the voice has finished everything it
    // was given, so a waiting phrase can follow at once.
    void setIdleHandler(std::function<void()> handler) { m_idleHandler = std::move(handler); }
    // Called on the game's thread when voices have joined the list (a speech
    // service answers its voice list some seconds after start-up).
    void setVoicesChangedHandler(std::function<void()> handler) { m_voicesChangedHandler = std::move(handler); }

protected:
    void reportIdle()
    {
        if (m_idleHandler)
            m_idleHandler();
    }
    void reportVoicesChanged()
    {
        if (m_voicesChangedHandler)
            m_voicesChangedHandler();
    }

private:
    std::function<void()> m_idleHandler;
    std::function<void()> m_voicesChangedHandler;
};
