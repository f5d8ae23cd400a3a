// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "platform/pcmstream.h"
#include "platform/eventwait.h"

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>

#include <QCoreApplication>
#include <QThread>
#include <algorithm>
#include <optional>

namespace {
// Latency the server is asked to keep between our write and the speaker.
constexpr qint64 kTargetLatencyMs = 20;
// Audio written ahead of what the server asks for: a phrase's sentence is
// mostly in the server at once, so a busy machine cannot make it run dry.
constexpr qint64 kWriteAheadMs = 2000;
// Connecting to a server that never answers is given up after this long.
constexpr qint64 kConnectTimeoutMs = 1000;
// A server that has not played the audio this long after its own length has
// stalled: the audio is dropped and the stream counts as finished.
constexpr qint64 kStallGraceMs = 2000;
}

// With the main loop locked: waits until state() is ready (true) or has failed
// (false), at most the connect timeout. Woken by every change of state; a
// silent server is checked on the clock.
template <typename State>
bool waitForReady(pa_threaded_mainloop *loop, State state)
{
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (const std::optional<bool> outcome = state())
            return *outcome;
        if (waited.elapsed() > kConnectTimeoutMs)
            return false;
        pa_threaded_mainloop_unlock(loop);
        QThread::msleep(2);
        pa_threaded_mainloop_lock(loop);
    }
}

// Holds the main loop's lock for a scope.
struct PcmStream::Lock {
    explicit Lock(pa_threaded_mainloop *loop) : m_loop(loop) { pa_threaded_mainloop_lock(m_loop); }
    ~Lock() { pa_threaded_mainloop_unlock(m_loop); }
    pa_threaded_mainloop *m_loop;
};

PcmStream::PcmStream(int sampleRate, QObject *parent) : QObject(parent), m_sampleRate(sampleRate)
{
    m_clock.start();
    // Opening the stream can take a while: do it now, once, rather than in
    // front of the first words.
    if (sampleRate > 0 && !(connectServer() && openStream()))
        disconnectServer();
}

PcmStream::~PcmStream()
{
    disconnectServer();
}

qint64 PcmStream::durationMs(qint64 bytes) const
{
    return bytes * 1000 / (2 * qint64(m_sampleRate));
}

void PcmStream::onContextState(pa_context *, void *self)
{
    pa_threaded_mainloop_signal(static_cast<PcmStream *>(self)->m_loop, 0);
}

void PcmStream::onStreamState(pa_stream *stream, void *self)
{
    auto *s = static_cast<PcmStream *>(self);
    const pa_stream_state_t state = pa_stream_get_state(stream);
    if (state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED) {
        // The server went away: whatever was waiting will never be played.
        s->m_broken = true;
        s->m_pending.clear();
        s->m_drained = true;
        s->m_drainedCall.post();
    }
    pa_threaded_mainloop_signal(s->m_loop, 0);
}

void PcmStream::onWritable(pa_stream *, size_t, void *self)
{
    static_cast<PcmStream *>(self)->feedLocked();
}

bool PcmStream::connectServer()
{
    m_loop = pa_threaded_mainloop_new();
    if (!m_loop)
        return false;
    m_context = pa_context_new(pa_threaded_mainloop_get_api(m_loop), "Quorel Crosswords");
    if (!m_context)
        return false;
    pa_context_set_state_callback(m_context, &PcmStream::onContextState, this);
    // No autospawn: the game plays through the server the session runs, or not at all.
    if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        return false;
    if (pa_threaded_mainloop_start(m_loop) < 0)
        return false;
    Lock lock(m_loop);
    return waitForReady(m_loop, [this]() -> std::optional<bool> {
        const pa_context_state_t state = pa_context_get_state(m_context);
        if (state == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(state))
            return state == PA_CONTEXT_READY;
        return std::nullopt;
    });
}

bool PcmStream::openStream()
{
    Lock lock(m_loop);
    const pa_sample_spec format{PA_SAMPLE_S16LE, uint32_t(m_sampleRate), 1};  // 16-bit mono
    m_stream = pa_stream_new(m_context, "speech", &format, nullptr);
    if (!m_stream)
        return false;
    pa_stream_set_state_callback(m_stream, &PcmStream::onStreamState, this);
    pa_stream_set_write_callback(m_stream, &PcmStream::onWritable, this);
    const uint32_t target = uint32_t(kTargetLatencyMs * m_sampleRate / 1000 * 2);
    pa_buffer_attr attr;
    attr.maxlength = uint32_t(-1);
    attr.tlength = target;
    // Playback starts as soon as a quarter of the target is there; an
    // utterance shorter than that starts when it is drained.
    attr.prebuf = target / 4;
    attr.minreq = uint32_t(-1);
    attr.fragsize = uint32_t(-1);
    const auto flags = pa_stream_flags_t(PA_STREAM_ADJUST_LATENCY | PA_STREAM_INTERPOLATE_TIMING
                                         | PA_STREAM_AUTO_TIMING_UPDATE);
    if (pa_stream_connect_playback(m_stream, nullptr, &attr, flags, nullptr, nullptr) < 0)
        return false;
    return waitForReady(m_loop, [this]() -> std::optional<bool> {
        const pa_stream_state_t state = pa_stream_get_state(m_stream);
        if (state == PA_STREAM_READY || !PA_STREAM_IS_GOOD(state))
            return state == PA_STREAM_READY;
        return std::nullopt;
    });
}

void PcmStream::disconnectServer()
{
    if (m_loop)
        pa_threaded_mainloop_stop(m_loop);
    if (m_stream) {
        pa_stream_set_state_callback(m_stream, nullptr, nullptr);
        pa_stream_set_write_callback(m_stream, nullptr, nullptr);
        pa_stream_disconnect(m_stream);
        pa_stream_unref(m_stream);
        m_stream = nullptr;
    }
    if (m_context) {
        pa_context_set_state_callback(m_context, nullptr, nullptr);
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
        m_context = nullptr;
    }
    if (m_loop) {
        pa_threaded_mainloop_free(m_loop);
        m_loop = nullptr;
    }
    m_pending.clear();
    m_drainAsks.clear();
    m_drained = true;
}

bool PcmStream::hasDevice() const
{
    if (!m_stream)
        return false;
    Lock lock(m_loop);
    return !m_broken;
}

void PcmStream::feedLocked()
{
    if (!m_stream || m_broken || pa_stream_get_state(m_stream) != PA_STREAM_READY)
        return;
    if (!m_pending.isEmpty()) {
        const size_t asked = pa_stream_writable_size(m_stream);
        if (asked == size_t(-1) || asked == 0)
            return;
        const qint64 ahead = kWriteAheadMs * m_sampleRate / 1000 * 2;
        const qint64 bytes = std::min<qint64>(m_pending.size(), qint64(asked) + ahead) & ~qint64(1);
        if (pa_stream_write(m_stream, m_pending.constData(), size_t(bytes), nullptr, 0, PA_SEEK_RELATIVE) < 0)
            return;
        m_pending.remove(0, bytes);
    }
    if (m_pending.isEmpty() && !m_drained && !m_draining) {
        // Everything is with the server: ask it to tell when it has played it.
        m_draining = true;
        m_drainAsks.push_back(std::make_unique<DrainAsk>(DrainAsk{this, m_generation}));
        pa_operation *op = pa_stream_drain(m_stream, &PcmStream::onDrained, m_drainAsks.back().get());
        if (op)
            pa_operation_unref(op);
        else
            m_drainAsks.pop_back();
    }
}

void PcmStream::onDrained(pa_stream *, int, void *data)
{
    const auto *ask = static_cast<DrainAsk *>(data);
    PcmStream *s = ask->stream;
    const quint64 generation = ask->generation;
    // The server answers every drain, also one that a flush or a later drain
    // superseded (with success 0), so each ask is freed by its own answer and
    // by nothing else: an older ask's answer may still be on its way.
    std::erase_if(s->m_drainAsks, [ask](const auto &a) { return a.get() == ask; });
    if (generation != s->m_generation)
        return;  // audio came or went since: a later drain answers for it
    s->m_draining = false;
    s->m_drained = true;
    s->m_drainedCall.post();
}

void PcmStream::reportDrained()
{
    if (m_finished && isIdle())
        m_finished();
}

void PcmStream::append(const QByteArray &pcm)
{
    if (!m_stream || pcm.isEmpty())
        return;
    const qint64 now = m_clock.elapsed();
    m_endMs = std::max(m_endMs, now) + durationMs(pcm.size());
    Lock lock(m_loop);
    if (m_broken)
        return;
    // The bytes are copied, never shared: an implicitly shared buffer would be
    // freed by whichever thread drops it last.
    m_pending.append(pcm.constData(), pcm.size());
    ++m_generation;
    m_drained = false;
    m_draining = false;
    feedLocked();
}

void PcmStream::clear()
{
    m_endMs = m_clock.elapsed();
    if (!m_stream)
        return;
    Lock lock(m_loop);
    m_pending.clear();
    ++m_generation;
    m_draining = false;
    m_drained = true;
    if (!m_broken) {
        if (pa_operation *op = pa_stream_flush(m_stream, nullptr, nullptr))
            pa_operation_unref(op);
    }
}

bool PcmStream::isIdle()
{
    if (!m_stream)
        return true;
    {
        Lock lock(m_loop);
        if (m_drained || m_broken)
            return true;
    }
    if (m_clock.elapsed() <= m_endMs + kStallGraceMs)
        return false;
    clear();
    return true;
}

void PcmStream::waitUntilIdle()
{
    runEventsUntil([this] { return isIdle(); }, 5);
}
