// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include "platform/pcmstream.h"
#include "speech/voice.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QTimer>

// The espeak-ng voice, embedded: text is synthesised to PCM here and played
// through our own audio stream, so speech works (silently) without a sound
// device and the game can always tell when an utterance has finished.
class EspeakVoice : public Voice {
public:
    EspeakVoice();
    ~EspeakVoice() override;

    bool isIdle() override;
    void speak(const QString &text) override;
    void speakAndWait(const QString &text) override;
    void stop() override;
    QStringList voiceNames() override;
    void selectVoice(int index) override;
    void setRate(int rate) override;

    bool available() const { return m_sampleRate > 0; }
    // Synthesises without playing; for measurements.
    QByteArray synthesise(const QString &text);
    // Words per minute for a rate on the scale -10..10 (clamped).
    static int wordsPerMinute(int rate);
    // A text cut after each sentence, so that speaking starts once the first
    // sentence is synthesised; joined, the pieces are the text again.
    static QStringList sentences(const QString &text);
    // 16-bit PCM without the exact silence it starts with.
    static QByteArray withoutLeadingSilence(QByteArray pcm);

private:
    struct VoiceEntry {
        QString name;
        QByteArray identifier;
    };
    int m_sampleRate = 0;
    void playNextPiece();
    void synthesiseNextPiece();
    void synthesiseAllPieces();

    QList<VoiceEntry> m_voices;
    int m_voiceIndex = -1;
    std::unique_ptr<PcmStream> m_stream;
    // Sentences still to be synthesised, one per turn of the event loop, so a
    // long help page starts to sound after its first sentence, not its last.
    struct Piece {
        QString text;
        bool startsUtterance = false;
    };
    QList<Piece> m_pieces;
    QTimer m_pieceTimer;
};
