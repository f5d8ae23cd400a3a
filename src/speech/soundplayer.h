// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include <QByteArray>
#include <QString>

// Plays short WAVE clips from memory. A new clip replaces one still playing;
// a clip and speech may sound together.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // wave: a complete RIFF WAVE file. wait: return only when it has finished.
    virtual void play(const QString &name, const QByteArray &wave, bool wait) = 0;
    // Cut the clip that is playing, if any.
    virtual void stop() = 0;
};
