// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "platform/qttextmeasure.h"

#include <QFont>
#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>

namespace {

QFont windowFont(double pointSize)
{
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPointSizeF(pointSize > 0 ? pointSize : 1.0);
    return font;
}

} // namespace

double QtTextMeasure::textWidth(const QString &text, double pointSize)
{
    // Multi-line text measures as its widest line.
    const QFontMetricsF metrics(windowFont(pointSize));
    double widest = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest * 1440.0 / m_dpi;
}

double QtTextMeasure::textHeight(const QString &text, double pointSize)
{
    const QFontMetricsF metrics(windowFont(pointSize));
    const auto lines = text.count(QLatin1Char('\n')) + 1;
    return metrics.height() * double(lines) * 1440.0 / m_dpi;
}
