// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// After an answer is written: a full grid is either named wrong or praised,
// and a solved puzzle is left as if F12 had been pressed.
#include "aids/solving.h"
#include "engine/crosswords.h"

void Crosswords::checkend()
{
    // Without a solution a full grid cannot be judged.
    if (!m_puzzle.hasSolution() || !Solving::isFull(m_puzzle, m_attempt))
        return;
    if (Solving::hasMistake(m_puzzle, m_attempt)) {
        checkwork();
        return;
    }

    m_screen.showFrame(false);
    // The cheer plays to its end before the praise.
    m_announcer.saysync = 1;
    playwave(QStringLiteral("cheer"));
    const int hints = Solving::revealedCount(m_puzzle, m_attempt);

    auto say = [this](const QString &text) {
        m_announcer.saysync = 1;
        sayit(text);
    };
    if (hints == 0) {
        say(QStringLiteral("Well done, you've solved the puzzle without needing any hints at all."));
    } else {
        say(hints < 10 ? QStringLiteral("Well done, you've solved the puzzle with just a little bit of help on")
                       : QStringLiteral("Well done, you've solved the puzzle with a bit of help on"));
        // Above a hundred the count goes in two pieces.
        if (hints > 100) {
            say(QStringLiteral("100and"));
            say(QString::number(hints - 100));
        } else {
            say(QString::number(hints));
        }
        say(QStringLiteral("squares"));
    }
    postKey(Key::F12, Mod::None);
}
