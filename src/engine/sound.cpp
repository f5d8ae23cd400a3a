// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "engine/crosswords.h"
#include "base/logging.h"
#include "puzzle/resourcestore.h"
#include "speech/soundplayer.h"

// Plays one of the shipped clips from memory. While saysync is 1 or more the
// clip is played to its end, so the next phrase does not talk over it. A clip
// that is not there is silently skipped.
void Crosswords::playwave(const QString &name)
{
    if (name.isEmpty())
        return;
    const std::optional<QByteArray> wave = m_svc.resources.fetch(QStringLiteral("WAVE"), name);
    if (!wave)
        return;
    const bool wait = m_announcer.saysync >= 1;
    qCDebug(lcSound).noquote() << (wait ? QStringLiteral("playwait: ") : QStringLiteral("play: ")) + name;
    m_svc.sound.play(name, *wave, wait);
}

// The bump against an edge: the wall clip, heard to its end before any more speech.
void Crosswords::boundary()
{
    m_announcer.saysync = 1;
    playwave(QStringLiteral("wall"));
}
