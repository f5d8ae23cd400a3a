// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include <functional>

// Tells the game whether a screen reader runs in the solver's session: the
// game speaks for itself, and a screen reader left talking speaks over it.
class ScreenReaderWatch {
public:
    virtual ~ScreenReaderWatch() = default;

    // Called on the game's thread once the state is known, and again when it
    // changes. Never called while it cannot be known (no session bus).
    void setHandler(std::function<void(bool running)> handler) { m_handler = std::move(handler); }

protected:
    void report(bool running)
    {
        if (m_handler)
            m_handler(running);
    }

private:
    std::function<void(bool)> m_handler;
};
