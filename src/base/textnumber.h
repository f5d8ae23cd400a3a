// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include <QString>

// The numeric value at the start of a text, the way the game reads numbers out
// of captions, labels and file lines: spaces are skipped wherever they are, an
// optional sign, then decimal digits up to the first other character. A text
// without digits is 0.
inline int leadingNumber(const QString &text)
{
    long long value = 0;
    bool negative = false;
    bool started = false;
    for (const QChar ch : text) {
        if (ch == QLatin1Char(' ') || ch == QLatin1Char('\t'))
            continue;
        if (!started && (ch == QLatin1Char('-') || ch == QLatin1Char('+'))) {
            negative = ch == QLatin1Char('-');
            started = true;
            continue;
        }
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            break;
        started = true;
        if (value < 1000000000)
            value = value * 10 + (ch.unicode() - '0');
    }
    return int(negative ? -value : value);
}

// "first", "second", ... "twenty fifth": a position in an answer as said.
inline QString ordinalWord(int n)
{
    static const char *const units[] = {"",        "first",   "second",  "third",      "fourth",
                                        "fifth",   "sixth",   "seventh", "eighth",     "ninth",
                                        "tenth",   "eleventh", "twelfth", "thirteenth", "fourteenth",
                                        "fifteenth", "sixteenth", "seventeenth", "eighteenth", "nineteenth"};
    if (n >= 1 && n < 20)
        return QString::fromLatin1(units[n]);
    if (n == 20)
        return QStringLiteral("twentieth");
    if (n > 20 && n < 30)
        return QStringLiteral("twenty ") + QString::fromLatin1(units[n - 20]);
    return QString::number(n) + QStringLiteral("th");
}
