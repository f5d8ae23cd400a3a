// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "speech/speakable.h"

#include "base/logging.h"
#include "speech/voice.h"

#include <QRegularExpression>

namespace {

// The name of a symbol, or empty when it has none here.
QString symbolName(char32_t code)
{
    switch (code) {
    case '+': return QStringLiteral("plus sign");
    case '=': return QStringLiteral("equals sign");
    case '#': return QStringLiteral("number sign");
    case '@': return QStringLiteral("at sign");
    case '*': return QStringLiteral("asterisk");
    case '/': return QStringLiteral("slash");
    case '<': return QStringLiteral("less-than sign");
    case '>': return QStringLiteral("greater-than sign");
    case '$': return QStringLiteral("dollar sign");
    case '%': return QStringLiteral("percent sign");
    case 0x00A3: return QStringLiteral("pound sign");
    case 0x20AC: return QStringLiteral("euro sign");
    case 0x00B0: return QStringLiteral("degree sign");
    case 0x2190: return QStringLiteral("left arrow");
    case 0x2191: return QStringLiteral("up arrow");
    case 0x2192: return QStringLiteral("right arrow");
    case 0x2193: return QStringLiteral("down arrow");
    case 0x2605: case 0x2606: case 0x2B50: return QStringLiteral("star");
    case 0x2660: case 0x2664: return QStringLiteral("spade");
    case 0x2663: case 0x2667: return QStringLiteral("club");
    case 0x2665: case 0x2661: case 0x2764: return QStringLiteral("heart");
    case 0x2666: case 0x2662: return QStringLiteral("diamond");
    case 0x2713: case 0x2714: return QStringLiteral("tick");
    case 0x263A: case 0x1F600: case 0x1F642: return QStringLiteral("smiling face");
    default: return {};
    }
}

bool separates(QStringView text, qsizetype at)
{
    return at < 0 || at >= text.size() || text[at].isSpace() || text[at] == QLatin1Char(',');
}

// A symbol the voice would pass over is named: one standing alone (a square's
// answer "+", read letter by letter) by its name; a pictograph anywhere (the
// voice drops those) by its name, or as "symbol" when it has none here.
QString withSymbolsNamed(const QString &phrase)
{
    QString words;
    words.reserve(phrase.size());
    for (qsizetype i = 0; i < phrase.size();) {
        const bool pair = phrase[i].isHighSurrogate() && i + 1 < phrase.size() && phrase[i + 1].isLowSurrogate();
        const qsizetype width = pair ? 2 : 1;
        const char32_t ch = pair ? QChar::surrogateToUcs4(phrase[i], phrase[i + 1]) : phrase[i].unicode();
        const bool pictograph = QChar::category(ch) == QChar::Symbol_Other;
        const bool alone = separates(phrase, i - 1) && separates(phrase, i + width);
        const QString name = (pictograph || alone) ? symbolName(ch) : QString();
        if (!name.isEmpty())
            words += name;
        else if (pictograph)
            words += QStringLiteral("symbol");
        else
            words += QStringView(phrase).mid(i, width);
        i += width;
    }
    return words;
}

} // namespace

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
    return withSymbolsNamed(words);
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
