// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "puzzle/ansi.h"

namespace {

// 0x80..0x9F of Windows-1252; the five unassigned bytes map to themselves.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

QString fromAnsi(const QByteArray &bytes)
{
    // One character per byte, written in place: progress files and puzzle
    // texts are read this way at every status scan.
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        *out++ = b >= 0x80 && b <= 0x9F ? QChar(kHigh[b - 0x80]) : QChar(b);
    }
    return text;
}

QByteArray toAnsi(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            bytes.append(char(u));
            continue;
        }
        char out = '?';
        for (int i = 0; i < 32; ++i)
            if (kHigh[i] == u)
                out = char(0x80 + i);
        bytes.append(out);
    }
    return bytes;
}
