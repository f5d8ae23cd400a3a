// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "support/doubles.h"

void RecordingVoice::speak(const QString &text)
{
    utterances.push_back({text, false});
    speaking = !finishAtOnce;
}

void RecordingVoice::speakAndWait(const QString &text)
{
    utterances.push_back({text, true});
    speaking = false;
}

QStringList RecordingVoice::texts() const
{
    QStringList out;
    for (const auto &u : utterances)
        out.append(u.text);
    return out;
}

QStringList RecordingSound::names() const
{
    QStringList out;
    for (const auto &p : plays)
        out.append(p.name);
    return out;
}

bool ScriptedConfirm::confirm(const QString &prompt)
{
    prompts.append(prompt);
    if (answers.empty())
        return true;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<QByteArray> MemoryResources::fetch(const QString &type, const QString &name)
{
    const auto it = items.constFind(type.toUpper() + QLatin1Char('/') + name.toUpper());
    if (name.isEmpty() || it == items.constEnd())
        return std::nullopt;
    return *it;
}

void RecordingPrinter::setOrientation(Orientation o)
{
    orientation = o;
    calls.append(QStringLiteral("orientation %1").arg(int(o)));
}

void RecordingPrinter::setFontName(const QString &face)
{
    calls.append(QStringLiteral("font ") + face);
}

void RecordingPrinter::setFontSize(double points)
{
    size = points;
    calls.append(QStringLiteral("size %1").arg(points));
}

void RecordingPrinter::setFontBold(bool bold)
{
    calls.append(QStringLiteral("bold %1").arg(bold));
}

int RecordingPrinter::pageWidth()
{
    return orientation == Orientation::Portrait ? width : height;
}

int RecordingPrinter::pageHeight()
{
    return orientation == Orientation::Portrait ? height : width;
}

void RecordingPrinter::setPosition(double x, double y)
{
    calls.append(QStringLiteral("at %1 %2").arg(x).arg(y));
}

void RecordingPrinter::printText(const QString &text)
{
    calls.append(QStringLiteral("text ") + text);
}

void RecordingPrinter::setLineThickness(int pixels)
{
    calls.append(QStringLiteral("thickness %1").arg(pixels));
}

void RecordingPrinter::drawLine(double x1, double y1, double x2, double y2)
{
    calls.append(QStringLiteral("line %1 %2 %3 %4").arg(x1).arg(y1).arg(x2).arg(y2));
}

void RecordingPrinter::drawFilledBox(double x1, double y1, double x2, double y2)
{
    calls.append(QStringLiteral("box %1 %2 %3 %4").arg(x1).arg(y1).arg(x2).arg(y2));
}

void RecordingPrinter::endDocument()
{
    calls.append(QStringLiteral("end"));
}
