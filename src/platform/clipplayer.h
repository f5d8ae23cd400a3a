// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include "platform/pcmstream.h"
#include "speech/soundplayer.h"

#include <memory>

// Plays WAVE clips from memory on a stream of their own, so a clip and speech
// can sound together; a new clip replaces one still playing.
class ClipPlayer : public SoundPlayer {
public:
    void play(const QString &name, const QByteArray &wave, bool wait) override;
    void stop() override;

    struct Pcm {
        int sampleRate = 0;
        QByteArray samples;  // 16-bit mono
    };
    // The PCM of a RIFF WAVE file; empty when it is not 16-bit mono PCM.
    static Pcm decode(const QByteArray &wave);

private:
    std::unique_ptr<PcmStream> m_stream;
};
