// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include <QEventLoop>
#include <QTimer>
#include <functional>

// Runs the event loop, so the window keeps painting and Ctrl keeps working,
// until `done` is true; `done` is asked every `pollMs` milliseconds.
inline void runEventsUntil(const std::function<bool()> &done, int pollMs)
{
    if (done())
        return;
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(pollMs);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    poll.start();
    loop.exec();
}
