// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QElapsedTimer>
#include <QIODevice>
#include <QObject>
#include <memory>

class QAudioSink;

// The bytes waiting to be played, read by the audio sink as it needs them.
class PcmSource : public QIODevice {
public:
    QByteArray pending;
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return pending.size() + QIODevice::bytesAvailable(); }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }
};

// One stream of 16-bit mono PCM to the default audio output. Appended audio
// plays after what is already queued. Without an audio device nothing is
// heard and the stream is idle at once, so nobody waits for silence.
class PcmStream : public QObject {
public:
    explicit PcmStream(int sampleRate, QObject *parent = nullptr);
    ~PcmStream() override;

    int sampleRate() const { return m_format.sampleRate(); }
    void append(const QByteArray &pcm);
    // Drops everything queued or playing.
    void clear();
    bool isIdle();
    // Runs the event loop until the stream is idle (bounded by the audio's length).
    void waitUntilIdle();
    bool hasDevice() const { return m_sink != nullptr; }

private:
    void restart();
    qint64 durationMs(qint64 bytes) const;

    QAudioFormat m_format;
    std::unique_ptr<QAudioSink> m_sink;
    PcmSource m_source;
    QElapsedTimer m_clock;     // since the current run of audio started
    qint64 m_runBytes = 0;     // bytes handed over since then
};
