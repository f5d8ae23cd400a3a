// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <memory>

class QAudioSink;
class QIODevice;

// One stream of 16-bit mono PCM to the default audio output. The sink is
// started once and kept open; appended audio is written into it as it has
// room, after what is already queued. Whether the stream has finished is
// judged by the audio's own length, so a sink that reports late (or never)
// cannot keep the game waiting. Without an audio device nothing is heard and
// the stream is idle at once.
class PcmStream : public QObject {
public:
    explicit PcmStream(int sampleRate, QObject *parent = nullptr);
    ~PcmStream() override;

    int sampleRate() const { return m_format.sampleRate(); }
    void append(const QByteArray &pcm);
    // Drops everything queued or playing; the stream is idle afterwards.
    void clear();
    bool isIdle();
    // Runs the event loop until the stream is idle (bounded by the audio's length).
    void waitUntilIdle();
    bool hasDevice() const { return m_sink != nullptr; }

private:
    bool open();
    void feed();
    qint64 durationMs(qint64 bytes) const;

    QAudioFormat m_format;
    std::unique_ptr<QAudioSink> m_sink;
    QIODevice *m_out = nullptr;   // the sink's input while it is open
    QByteArray m_pending;         // audio not yet taken by the sink
    QTimer m_feeder;
    QElapsedTimer m_clock;        // runs for the life of the stream
    qint64 m_endMs = 0;           // when the audio handed over so far ends, on m_clock
    qint64 m_lastProgressMs = 0;  // when the sink last took audio
};
