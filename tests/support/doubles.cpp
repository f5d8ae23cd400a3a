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

bool RecordingPrinter::take()
{
    if (failing || m_failed)
        return false;
    if (failAfter >= 0 && m_taken >= failAfter) {
        m_failed = true;
        return false;
    }
    ++m_taken;
    return true;
}

void RecordingPrinter::beginJob()
{
    m_taken = 0;
    m_failed = false;
    calls.append(QStringLiteral("job"));
}

void RecordingPrinter::setDocumentName(const QString &name)
{
    if (take())
        calls.append(QStringLiteral("document ") + name);
}

void RecordingPrinter::setOrientation(Orientation o)
{
    if (!take())
        return;
    orientation = o;
    calls.append(QStringLiteral("orientation %1").arg(int(o)));
}

void RecordingPrinter::setFontName(const QString &face)
{
    if (take())
        calls.append(QStringLiteral("font ") + face);
}

void RecordingPrinter::setFontSize(double points)
{
    if (!take())
        return;
    size = points;
    calls.append(QStringLiteral("size %1").arg(points));
}

void RecordingPrinter::setFontBold(bool bold)
{
    if (take())
        calls.append(QStringLiteral("bold %1").arg(bold));
}

int RecordingPrinter::pageWidth()
{
    if (!take())
        return 0;
    return orientation == Orientation::Portrait ? width : height;
}

int RecordingPrinter::pageHeight()
{
    if (!take())
        return 0;
    return orientation == Orientation::Portrait ? height : width;
}

double RecordingPrinter::textWidth(const QString &text)
{
    return take() ? text.size() * 10.0 * size : 0;
}

double RecordingPrinter::textHeight(const QString &)
{
    return take() ? 20.0 * size : 0;
}

void RecordingPrinter::setPosition(double x, double y)
{
    if (take())
        calls.append(QStringLiteral("at %1 %2").arg(x).arg(y));
}

void RecordingPrinter::printText(const QString &text)
{
    if (take())
        calls.append(QStringLiteral("text ") + text);
}

void RecordingPrinter::setLineThickness(int pixels)
{
    if (take())
        calls.append(QStringLiteral("thickness %1").arg(pixels));
}

void RecordingPrinter::drawLine(double x1, double y1, double x2, double y2)
{
    if (take())
        calls.append(QStringLiteral("line %1 %2 %3 %4").arg(x1).arg(y1).arg(x2).arg(y2));
}

void RecordingPrinter::drawFilledBox(double x1, double y1, double x2, double y2)
{
    if (take())
        calls.append(QStringLiteral("box %1 %2 %3 %4").arg(x1).arg(y1).arg(x2).arg(y2));
}

void RecordingPrinter::endDocument()
{
    if (take())
        calls.append(QStringLiteral("end"));
}
