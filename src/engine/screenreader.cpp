// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "engine/crosswords.h"
#include "base/logging.h"
#include "speech/screenreaderwatch.h"

QString Crosswords::screenReaderQuietKeys()
{
    return QStringLiteral("press the screen reader key with S, and again when you leave");
}

void Crosswords::watchScreenReader(ScreenReaderWatch &watch)
{
    watch.setHandler([this](bool running) { screenReaderChanged(running); });
}

void Crosswords::screenReaderChanged(bool running)
{
    if (m_screenReader == running)
        return;
    m_screenReader = running;
    qCDebug(lcSpeech).noquote() << (running ? QStringLiteral("screen reader: on") : QStringLiteral("screen reader: off"));
    // Before the welcome the notice waits for it (Form_Activate queues it).
    if (running && m_welcomed)
        queueScreenReaderNotice();
}

void Crosswords::queueScreenReaderNotice()
{
    const QString notice = QStringLiteral("A screen reader is running. To stop it talking over the game, ")
        + screenReaderQuietKeys() + QLatin1Char('.');
    QString &queue = m_announcer.saymsg;
    queue += queue.isEmpty() ? notice : QLatin1Char('\t') + notice;
}
