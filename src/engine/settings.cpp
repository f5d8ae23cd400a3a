// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "engine/crosswords.h"
#include "puzzle/ansi.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The number at the start of a settings value, as a lenient reader takes it:
// leading blanks skipped, an optional sign, digits with an optional fraction
// (rounded, halves to even); anything that is not a number reads as 0. The
// result stays within 16 bits so later arithmetic on it cannot overflow.
int settingValue(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    QString number;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        number.append(text[i++]);
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch.isDigit() && ch.unicode() < 128) {
            digits = true;
            number.append(ch);
        } else if (ch == QLatin1Char('.') && !point) {
            point = true;
            number.append(ch);
        } else {
            break;
        }
    }
    if (!digits)
        return 0;
    const double value = std::nearbyint(number.toDouble());
    if (!std::isfinite(value))
        return 0;
    return int(std::clamp(value, double(std::numeric_limits<qint16>::min()), double(std::numeric_limits<qint16>::max())));
}

} // namespace

// Start-up: the stored voice and speed. The name test is deliberately loose —
// a line counts for a setting when its name is any part of the setting's name
// ("Voi" and even an empty name match "Voice"), so a line with an empty name
// sets both. Lines without a Tab are ignored; a missing file is created empty.
// A "VoiceName" line (exactly that name) keeps the voice by name as well;
// start-up prefers it to the index, which changes when voices come and go.
// A "Brisk" line (exactly that name) with a value other than 0 turns brisk
// speech on.
void Crosswords::readSettings()
{
    m_voice = 0;
    m_speed = 2;
    m_voicename.clear();
    m_announcer.brisk = false;
    const QString path = m_env.settingsFile;
    if (path.isEmpty())
        return;
    QDir().mkpath(QFileInfo(path).absolutePath());
    {
        QFile create(path);
        create.open(QIODevice::Append);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString text = fromAnsi(file.readAll());
    const QString voiceName = QStringLiteral("Voice");
    const QString speedName = QStringLiteral("Speed");
    qsizetype start = 0;
    while (start < text.size()) {
        // A line ends at CR LF, or at a lone CR or LF.
        qsizetype end = start;
        while (end < text.size() && text[end] != QLatin1Char('\r') && text[end] != QLatin1Char('\n'))
            ++end;
        const QString line = text.mid(start, end - start);
        start = end;
        if (start < text.size() && text[start] == QLatin1Char('\r'))
            ++start;
        if (start < text.size() && text[start] == QLatin1Char('\n'))
            ++start;

        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() < 2)
            continue;
        if (fields[0] == QLatin1String("VoiceName")) {
            m_voicename = line.mid(fields[0].size() + 1);
            continue;
        }
        if (fields[0] == QLatin1String("Brisk")) {
            m_announcer.brisk = settingValue(fields[1]) != 0;
            continue;
        }
        if (voiceName.contains(fields[0], Qt::CaseSensitive))
            m_voice = settingValue(fields[1]);
        if (speedName.contains(fields[0], Qt::CaseSensitive))
            m_speed = settingValue(fields[1]);
    }
}

// Keeps the voice, speed and brisk speech for the next run. The file is replaced as a whole,
// so a crash or a full disk never leaves half a settings file behind.
void Crosswords::writeSettings()
{
    const QString path = m_env.settingsFile;
    if (path.isEmpty())
        return;
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Unbuffered, so that a full disk fails the write itself and the old file
    // stays: a buffered write is only flushed inside commit(), which then
    // misses the error and puts an empty file in the old one's place.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    QString text = QStringLiteral("Voice\t%1\r\nSpeed\t%2\r\n").arg(m_voice).arg(m_speed);
    if (!m_voicename.isEmpty())
        text += QStringLiteral("VoiceName\t") + m_voicename + QStringLiteral("\r\n");
    // Only when on: a file without the line reads as off, as older files do.
    if (m_announcer.brisk)
        text += QStringLiteral("Brisk\t1\r\n");
    const QByteArray bytes = toAnsi(text);
    if (file.write(bytes) == bytes.size())
        file.commit();
}
