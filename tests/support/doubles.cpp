// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "support/doubles.h"

long long nextEventOrder()
{
    static long long order = 0;
    return ++order;
}

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

bool ScriptedConfirm::confirm(const QString &prompt, const std::function<void()> &otherKey)
{
    prompts.append(prompt);
    for (int i = 0; i < strayKeys; ++i)
        otherKey();
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

bool RecordingPrinter::record(const QString &call)
{
    if (failing || m_failed)
        return false;
    if (!failAt.isEmpty() && call == failAt) {
        m_failed = true;
        return false;
    }
    calls.append(call);
    return true;
}

void RecordingPrinter::beginJob()
{
    m_failed = false;
    calls.append(QStringLiteral("job"));
}

void RecordingPrinter::setDocumentName(const QString &name)
{
    record(QStringLiteral("document ") + name);
}

void RecordingPrinter::setOrientation(Orientation o)
{
    if (record(QStringLiteral("orientation %1").arg(int(o))))
        orientation = o;
}

void RecordingPrinter::setFontName(const QString &face)
{
    record(QStringLiteral("font ") + face);
}

void RecordingPrinter::setFontSize(double points)
{
    if (record(QStringLiteral("size %1").arg(points)))
        size = points;
}

void RecordingPrinter::setFontBold(bool bold)
{
    record(QStringLiteral("bold %1").arg(bold));
}

int RecordingPrinter::pageWidth()
{
    if (failed())
        return 0;
    return orientation == Orientation::Portrait ? width : height;
}

int RecordingPrinter::pageHeight()
{
    if (failed())
        return 0;
    return orientation == Orientation::Portrait ? height : width;
}

double RecordingPrinter::textWidth(const QString &text)
{
    return failed() ? 0 : text.size() * 10.0 * size;
}

double RecordingPrinter::textHeight(const QString &)
{
    return failed() ? 0 : 20.0 * size;
}

void RecordingPrinter::setPosition(double x, double y)
{
    record(QStringLiteral("at %1 %2").arg(x).arg(y));
}

void RecordingPrinter::printText(const QString &text)
{
    record(QStringLiteral("text ") + text);
}

void RecordingPrinter::setLineThickness(int pixels)
{
    record(QStringLiteral("thickness %1").arg(pixels));
}

void RecordingPrinter::drawLine(double x1, double y1, double x2, double y2)
{
    record(QStringLiteral("line %1 %2 %3 %4").arg(x1).arg(y1).arg(x2).arg(y2));
}

void RecordingPrinter::drawFilledBox(double x1, double y1, double x2, double y2)
{
    record(QStringLiteral("box %1 %2 %3 %4").arg(x1).arg(y1).arg(x2).arg(y2));
}

void RecordingPrinter::drawEllipse(double x1, double y1, double x2, double y2)
{
    record(QStringLiteral("ellipse %1 %2 %3 %4").arg(x1).arg(y1).arg(x2).arg(y2));
}

void RecordingPrinter::endDocument()
{
    record(QStringLiteral("end"));
}
