// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include "speech/announcer.h"
#include "speech/brailledisplay.h"
#include "speech/braillewindow.h"

#include <QString>
#include <QStringList>

class BrailleDisplay;

// What the braille display shows of where the solver is: the menu entry, the
// clue, the answer line, the magnified square. `cursor` is a character of
// `text` (from 0), -1 for none.
struct BrailleLine {
    QString text;
    int cursor = -1;
    bool operator==(const BrailleLine &) const = default;
};

// The game on the braille display. The state line follows every change of
// the view; what the game says without changing it (help, the welcome, a
// check's result, "cancelled") is shown as a message, a sentence at a time,
// until the view changes again. Phrases that describe a change (the clue read
// when it becomes current) are not shown: the state line has them.
class BrailleOutput : public TextSink {
public:
    explicit BrailleOutput(BrailleDisplay &display) : m_window(display) {}

    // After each tick: the state line as it now stands, whether the tick took
    // a key, and whether phrases still wait in the speech queue.
    void update(const BrailleLine &state, bool keyTaken, bool speechQueued);
    void phrase(const QString &text) override;
    void stop() override {}
    void panLeft();
    // Past the end of a message the state line comes back.
    void panRight();
    // Back to the state line from a message; false when it is on show already.
    bool showState();
    void redraw() { m_window.redraw(); }

    bool showsState() const { return m_showsState; }
    const BrailleWindow &window() const { return m_window; }

private:
    BrailleWindow m_window;
    BrailleLine m_state;
    bool m_showsState = false;
    bool m_newMessage = true;  // the next phrase starts a message of its own
    bool m_skipQueued = false; // the queued phrases describe the last change
    QStringList m_pending;     // phrases handed over during this tick
};

// A clue's display line without its number in front and its lengths behind,
// as written: the "&&" a label needs for one ampersand is one again.
QString clueTextOf(const QString &displayLine);
