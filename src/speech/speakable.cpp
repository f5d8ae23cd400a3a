// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "speech/speakable.h"

#include "base/logging.h"
#include "speech/voice.h"

#include <QRegularExpression>

QString speakable(const QString &phrase)
{
    static const QRegularExpression gap(QStringLiteral("_{2,}"));
    QString words;
    qsizetype copied = 0;
    for (auto it = gap.globalMatch(phrase); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        words += QStringView(phrase).mid(copied, m.capturedStart() - copied);
        // A gap after a letter or digit starts a word of its own ("Sun___" would
        // be read as one unknown word); an ending after it stays on, so that
        // "___s" is heard as "blanks".
        if (!words.isEmpty() && words.back().isLetterOrNumber())
            words += QLatin1Char(' ');
        words += QLatin1String("blank");
        copied = m.capturedEnd();
    }
    words += QStringView(phrase).mid(copied);
    return words;
}

void handToVoice(Voice &voice, const QString &phrase, VoiceWait wait)
{
    const bool waits = wait == VoiceWait::Yes;
    qCDebug(lcSpeech).noquote() << (waits ? QStringLiteral("saywait: ") : QStringLiteral("say: ")) + phrase;
    const QString words = speakable(phrase);
    if (waits)
        voice.speakAndWait(words);
    else
        voice.speak(words);
}
