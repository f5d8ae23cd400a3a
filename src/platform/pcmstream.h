// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include "platform/postedcall.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <functional>
#include <memory>
#include <vector>

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

// One stream of 16-bit mono PCM straight to the sound server (PulseAudio, or
// PipeWire's PulseAudio service). The stream is opened once and kept open with
// a short target latency, so audio appended after silence starts at once.
// Appended audio is written ahead of what is playing (up to a couple of
// seconds), so a busy machine cannot make it run dry mid-phrase. The stream
// has finished when the server reports it drained, not after a guessed
// margin; a server that stops reading is given up on after the audio's own
// length plus a grace period, so the game never waits for ever. Without a
// sound server nothing is heard and the stream is idle at once.
class PcmStream : public QObject {
public:
    explicit PcmStream(int sampleRate, QObject *parent = nullptr);
    ~PcmStream() override;

    int sampleRate() const { return m_sampleRate; }
    void append(const QByteArray &pcm);
    // Drops everything queued or playing; the stream is idle afterwards.
    void clear();
    bool isIdle();
    // Runs the event loop until the stream is idle.
    void waitUntilIdle();
    bool hasDevice() const;
    // Called on this object's thread when everything appended has been played.
    void setFinishedHandler(std::function<void()> handler) { m_finished = std::move(handler); }

private:
    struct Lock;
    bool connectServer();
    bool openStream();
    void disconnectServer();
    // With the main loop locked: hands pending audio to the server as it has room.
    void feedLocked();
    void reportDrained();
    qint64 durationMs(qint64 bytes) const;

    static void onContextState(pa_context *context, void *self);
    static void onStreamState(pa_stream *stream, void *self);
    static void onWritable(pa_stream *stream, size_t bytes, void *self);
    static void onDrained(pa_stream *stream, int success, void *ask);

    int m_sampleRate;
    pa_threaded_mainloop *m_loop = nullptr;
    pa_context *m_context = nullptr;
    pa_stream *m_stream = nullptr;
    // Guarded by the main loop's lock:
    QByteArray m_pending;       // audio not yet handed to the server
    quint64 m_generation = 0;   // counts appends and clears; a drain answers for one
    bool m_draining = false;    // a drain was asked for the current generation
    bool m_drained = true;      // the server played everything handed to it
    bool m_broken = false;      // the server went away: nothing plays from now on
    struct DrainAsk {
        PcmStream *stream;
        quint64 generation;     // the audio it answers for
    };
    // Asked, not yet answered; freed when the stream is disconnected, which
    // cancels the operations still pending so their callbacks never run.
    std::vector<std::unique_ptr<DrainAsk>> m_drainAsks;
    // UI thread only:
    QElapsedTimer m_clock;
    qint64 m_endMs = 0;         // when the audio handed over so far would end at the latest
    std::function<void()> m_finished;
    // Brings the news that the stream drained from PulseAudio's thread to ours.
    PostedCall m_drainedCall{[this] { reportDrained(); }};
};
