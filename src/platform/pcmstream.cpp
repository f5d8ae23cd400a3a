// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "platform/pcmstream.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QEventLoop>
#include <QMediaDevices>
#include <QTimer>
#include <cstring>

namespace {
// Sinks report the end of playback late on some servers; past the audio's own
// length plus this margin the stream counts as finished whatever they say.
constexpr qint64 kEndMarginMs = 150;
// Past the audio's length plus this, audio the sink never read is dropped.
constexpr qint64 kStallMs = 3000;
}

qint64 PcmSource::readData(char *data, qint64 maxSize)
{
    const qint64 n = std::min<qint64>(maxSize, pending.size());
    std::memcpy(data, pending.constData(), size_t(n));
    pending.remove(0, n);
    return n;
}

PcmStream::PcmStream(int sampleRate, QObject *parent) : QObject(parent)
{
    m_format.setSampleRate(sampleRate);
    m_format.setChannelCount(1);
    m_format.setSampleFormat(QAudioFormat::Int16);
    m_source.open(QIODevice::ReadOnly);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (!device.isNull() && device.isFormatSupported(m_format))
        m_sink = std::make_unique<QAudioSink>(device, m_format);
}

PcmStream::~PcmStream()
{
    if (m_sink)
        m_sink->stop();
}

qint64 PcmStream::durationMs(qint64 bytes) const
{
    return bytes * 1000 / (2 * qint64(m_format.sampleRate()));
}

void PcmStream::append(const QByteArray &pcm)
{
    if (!m_sink || pcm.isEmpty())
        return;
    // A sink that has run dry stops pulling, even if the audio's length says
    // it may still be sounding: start it again as after silence, or the new
    // audio would wait for ever.
    const bool wasIdle = isIdle() || m_sink->state() == QAudio::IdleState;
    m_source.pending.append(pcm);
    if (wasIdle) {
        m_runBytes = m_source.pending.size();
        restart();
    } else {
        m_runBytes += pcm.size();
    }
}

void PcmStream::restart()
{
    m_sink->stop();
    m_clock.start();
    m_sink->start(&m_source);
    if (m_sink->error() == QAudio::OpenError) {
        // The device went away (or never worked): play nothing from now on.
        m_sink.reset();
        m_source.pending.clear();
    }
}

void PcmStream::clear()
{
    m_source.pending.clear();
    m_runBytes = 0;
    m_clock.invalidate();
    if (m_sink)
        m_sink->stop();
}

bool PcmStream::isIdle()
{
    if (!m_sink)
        return true;
    if (!m_source.pending.isEmpty()) {
        // A sink started again sometimes never takes the audio: give that up
        // rather than keep the game waiting for silence for ever.
        if (m_clock.isValid() && m_clock.elapsed() > durationMs(m_runBytes) + kStallMs) {
            clear();
            return true;
        }
        return false;
    }
    if (!m_clock.isValid())
        return true;
    // Judged by the audio's length: a drained sink is done once that much time
    // has passed, and a sink that never reports is done a little later.
    const qint64 played = m_clock.elapsed();
    const qint64 length = durationMs(m_runBytes);
    if (m_sink->state() != QAudio::ActiveState && played >= length)
        return true;
    return played > length + kEndMarginMs;
}

void PcmStream::waitUntilIdle()
{
    if (isIdle())
        return;
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, &loop, [this, &loop] {
        if (isIdle())
            loop.quit();
    });
    poll.start();
    loop.exec();
}
