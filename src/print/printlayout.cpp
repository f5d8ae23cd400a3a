// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "print/printlayout.h"

#include "base/rounding.h"

#include <algorithm>

namespace PrintLayout {

namespace {

const QString kIndent = QStringLiteral("      ");

GridGeometry gridAt(int pageWidth, int pageHeight, int gridSide, int gridsize)
{
    GridGeometry g;
    g.pageWidth = pageWidth;
    g.pageHeight = pageHeight;
    g.gridSide = gridSide;
    g.topMargin = nearest((pageHeight - gridSide) / 2.0);
    g.square = gridsize > 0 ? nearest(double(gridSide) / gridsize) : 0;
    return g;
}

} // namespace

GridGeometry twoSheetGrid(int pageWidth, int pageHeight, int gridsize)
{
    return gridAt(pageWidth, pageHeight, pageWidth - 1500, gridsize);
}

GridGeometry oneSheetGrid(int pageWidth, int pageHeight, int gridsize)
{
    return gridAt(pageWidth, pageHeight, nearest(pageWidth / 2.0 - 1000), gridsize);
}

int fitTextSize(double heightAt18, double widthAt18, double bandHeight, double bandWidth)
{
    const int th = nearest(heightAt18);
    const int tw = nearest(widthAt18);
    // An empty text has no width: only the height limits it.
    const int byHeight = th > 0 ? nearest(bandHeight / th * kMeasureSize / 2) : 0;
    if (tw <= 0)
        return byHeight;
    const int byWidth = nearest(bandWidth / tw * kMeasureSize);
    return std::min(byHeight, byWidth);
}

int letterSize(int square, double widthOfWAt18)
{
    return widthOfWAt18 > 0 ? nearest(square / widthOfWAt18 * 15) : 0;
}

QString printedClue(QString displayLine)
{
    const qsizetype at = displayLine.indexOf(QLatin1String("&&"));
    if (at >= 0)
        displayLine.replace(at, 2, QStringLiteral("&"));
    return displayLine;
}

ClueSheet twoSheetClueLines(const QList<ClueRow> &clues, const std::function<double(const QString &)> &widthAt18)
{
    ClueSheet sheet;
    sheet.lines.append(QStringLiteral(" - - - - - - - - - - ACROSS - - - - - - - - - -"));
    bool downSeen = false;
    for (const ClueRow &clue : clues) {
        if (clue.label.startsWith(QLatin1Char('D')) && !downSeen) {
            sheet.lines.append(QString());
            sheet.lines.append(QStringLiteral(" - - - - - - - - - - DOWN - - - - - - - - - -"));
            downSeen = true;
        }
        const QString s = printedClue(clue.line);
        sheet.lines.append(s);
        const double width = widthAt18(s);
        if (width > sheet.widest)
            sheet.widest = nearest(width);
    }
    return sheet;
}

ClueSheetSize twoSheetClueSize(int pageWidth, int pageHeight, int lineCount, double heightOfAyAt18, int widest)
{
    ClueSheetSize out;
    const int width = pageWidth - 1500;
    const int th = nearest(heightOfAyAt18);
    out.lineHeight = nearest((pageHeight - 900) / double(lineCount + 1));
    const int byHeight = th > 0 ? nearest(double(out.lineHeight) / th * kMeasureSize) : 0;
    // Without a single clue there is no width to fit.
    out.size = widest > 0 ? std::min(byHeight, nearest(double(width) / widest * kMeasureSize)) : byHeight;
    return out;
}

ClueColumn oneSheetColumn(int pageWidth, int pageHeight, int f, double heightOfAyAt18)
{
    ClueColumn c;
    c.left = pageWidth / 2.0 + 500;
    c.width = nearest(pageWidth / 2.0 - 1000);
    c.lineHeight = nearest(heightOfAyAt18 * f / kMeasureSize);
    c.linesThatFit = c.lineHeight > 0 ? nearest((pageHeight - 1500) / double(c.lineHeight)) : 0;
    return c;
}

QStringList wrapWords(const QString &line, const std::function<bool(const QString &)> &fits)
{
    QStringList out;
    QString rest = line;
    while (true) {
        const QStringList words = rest.split(QLatin1Char(' '));
        QString segment = words.first();
        qsizetype lastTaken = 0;
        // The candidate keeps growing after a word that does not fit, so a
        // later, shorter-measuring candidate may still be taken.
        QString candidate = words.first();
        for (qsizetype j = 1; j < words.size(); ++j) {
            candidate += QLatin1Char(' ') + words[j];
            if (fits(candidate)) {
                segment = candidate;
                lastTaken = j;
            }
        }
        out.append(segment);
        if (lastTaken == words.size() - 1)
            break;
        rest = words.mid(lastTaken + 1).join(QLatin1Char(' '));
        if (rest.isEmpty())
            break;
    }
    return out;
}

QStringList wrapClue(const QString &line, double f, int columnWidth,
                     const std::function<double(const QString &)> &widthAt18)
{
    QStringList out = wrapWords(line, [&](const QString &candidate) {
        return widthAt18(candidate) * f / kMeasureSize <= columnWidth;
    });
    for (qsizetype i = 1; i < out.size(); ++i)
        out[i].prepend(kIndent);
    return out;
}

QStringList oneSheetClueLines(const QList<ClueRow> &clues, double f, int columnWidth,
                              const std::function<double(const QString &)> &widthAt18)
{
    QStringList lines{kIndent + QStringLiteral("ACROSS")};
    bool downSeen = false;
    for (const ClueRow &clue : clues) {
        if (clue.label.startsWith(QLatin1Char('D')) && !downSeen) {
            lines.append(QString());
            lines.append(kIndent + QStringLiteral("DOWN"));
            downSeen = true;
        }
        const QString s = printedClue(clue.line);
        if (nearest(widthAt18(s) * f / kMeasureSize) <= columnWidth)
            lines.append(s);
        else
            lines.append(wrapClue(s, f, columnWidth, widthAt18));
    }
    return lines;
}

} // namespace PrintLayout
