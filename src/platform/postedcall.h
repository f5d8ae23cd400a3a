// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include <QObject>
#include <functional>

// A call made on this object's thread whenever any thread (PulseAudio's, the
// speech service's) posts it. The post is a bare event that Qt makes, queues
// and frees under its own locks, so nothing of ours is shared between the
// threads on the way; posts still queued when the object goes are dropped.
class PostedCall : public QObject {
public:
    explicit PostedCall(std::function<void()> call) : m_call(std::move(call)) {}
    // Safe from any thread while the object lives.
    void post();

protected:
    void customEvent(QEvent *event) override;

private:
    std::function<void()> m_call;
};
