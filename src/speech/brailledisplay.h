// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include <QString>
#include <functional>

// A key the solver pressed on the braille display.
struct BrailleKey {
    enum class Kind {
        Route,      // routing key over cell `value` (from 0)
        PanLeft,    // show the part of the line before the window
        PanRight,   // show the part after it
        LineUp,     // previous clue
        LineDown,   // next clue
        Character,  // typed on the braille keyboard: `value` is the character
        Backspace,
        Enter,
    };
    Kind kind;
    int value = 0;
};

// The solver's braille display as the game uses it: one line of cells and
// the keys on it. While no display answers it has no cells and shows nothing.
class BrailleDisplay {
public:
    virtual ~BrailleDisplay() = default;
    // Cells on the line; 0 while no display is connected.
    virtual int columns() const = 0;
    // Shows `text` (at most `columns()` characters) with the cursor under
    // cell `cursor` (from 1; 0 for no cursor).
    virtual void show(const QString &text, int cursor) = 0;

    // Called on the game's thread for each key of the display.
    void setKeyHandler(std::function<void(const BrailleKey &)> handler) { m_keyHandler = std::move(handler); }
    // Called on the game's thread when a display comes, goes or changes its
    // size: whatever was shown must be laid out again.
    void setResizeHandler(std::function<void()> handler) { m_resizeHandler = std::move(handler); }

protected:
    void reportKey(const BrailleKey &key)
    {
        if (m_keyHandler)
            m_keyHandler(key);
    }
    void reportResize()
    {
        if (m_resizeHandler)
            m_resizeHandler();
    }

private:
    std::function<void(const BrailleKey &)> m_keyHandler;
    std::function<void()> m_resizeHandler;
};
