// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "platform/pcmstream.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QEventLoop>
#include <QMediaDevices>
#include <algorithm>

namespace {
// The sink plays what it was given a little after it took it; this much past
// the audio's own length the stream counts as finished whatever the sink says.
constexpr qint64 kEndMarginMs = 150;
// A sink that takes nothing for this long has stalled: its audio is dropped.
constexpr qint64 kStallMs = 3000;
}

PcmStream::PcmStream(int sampleRate, QObject *parent) : QObject(parent)
{
    m_format.setSampleRate(sampleRate);
    m_format.setChannelCount(1);
    m_format.setSampleFormat(QAudioFormat::Int16);
    m_clock.start();
    m_feeder.setInterval(10);
    connect(&m_feeder, &QTimer::timeout, this, &PcmStream::feed);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (!device.isNull() && device.isFormatSupported(m_format)) {
        m_sink = std::make_unique<QAudioSink>(device, m_format);
        // Opening the sink can take a while on some servers: do it now, once,
        // rather than in front of the first words.
        open();
    }
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

bool PcmStream::open()
{
    if (m_out)
        return true;
    m_out = m_sink->start();
    if (!m_out || m_sink->error() == QAudio::OpenError) {
        // The device went away (or never worked): play nothing from now on.
        m_sink.reset();
        m_out = nullptr;
        m_pending.clear();
        return false;
    }
    return true;
}

void PcmStream::append(const QByteArray &pcm)
{
    if (!m_sink || pcm.isEmpty() || !open())
        return;
    if (m_pending.isEmpty())
        m_lastProgressMs = m_clock.elapsed();
    m_pending.append(pcm);
    feed();
}

void PcmStream::feed()
{
    if (!m_out || m_pending.isEmpty()) {
        m_feeder.stop();
        return;
    }
    const qint64 room = std::min<qint64>(m_sink->bytesFree(), m_pending.size()) & ~qint64(1);
    const qint64 written = room > 0 ? m_out->write(m_pending.constData(), room) : 0;
    const qint64 now = m_clock.elapsed();
    if (written > 0) {
        m_pending.remove(0, written);
        m_endMs = std::max(m_endMs, now) + durationMs(written);
        m_lastProgressMs = now;
    }
    if (m_pending.isEmpty())
        m_feeder.stop();
    else if (!m_feeder.isActive())
        m_feeder.start();
}

void PcmStream::clear()
{
    m_pending.clear();
    m_feeder.stop();
    if (m_out && m_clock.elapsed() < m_endMs) {
        // Cut what is still sounding, and open the sink again now rather than
        // in front of the next words.
        m_sink->stop();
        m_out = nullptr;
        open();
    }
    // Idle at once: nothing of what was cut is left to wait for.
    m_endMs = m_clock.elapsed() - kEndMarginMs - 1;
}

bool PcmStream::isIdle()
{
    if (!m_sink)
        return true;
    const qint64 now = m_clock.elapsed();
    if (!m_pending.isEmpty()) {
        if (now - m_lastProgressMs <= kStallMs)
            return false;
        clear();
        return true;
    }
    return now > m_endMs + kEndMarginMs;
}

void PcmStream::waitUntilIdle()
{
    if (isIdle())
        return;
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, &loop, [this, &loop] {
        feed();
        if (isIdle())
            loop.quit();
    });
    poll.start();
    loop.exec();
}
