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
