// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

// The arithmetic of the large-print sheets, apart from any printer: sizes in
// points, lengths in twips, whole numbers rounded with halves to even. The
// jobs in printjobs.cpp measure through the printer and draw with these.

#include <QString>
#include <QStringList>
#include <functional>

namespace PrintLayout {

inline const QString kTitle = QStringLiteral("Quorel Crosswords (Vol. 3)");
inline constexpr double kGridLeft = 500;
inline constexpr int kLineThickness = 10;
inline constexpr int kCircleThickness = 5;  // a circled square's ring: half a grid line
inline constexpr int kBarThickness = 40;    // a bar between two squares: four grid lines
inline constexpr double kMeasureSize = 18;  // every fitting measures at 18 points
inline constexpr double kFooterSize = 14;
inline constexpr int kFirstClueSize = 35;   // the one-sheet column tries 35 points first

// The grid half of a sheet: the grid's side, the space above it and one square.
struct GridGeometry {
    int pageWidth = 0;
    int pageHeight = 0;
    int gridSide = 0;
    int topMargin = 0;
    int square = 0;
};
// Two sheets: the grid as wide as the portrait page less 1500 twips.
GridGeometry twoSheetGrid(int pageWidth, int pageHeight, int gridsize);
// One sheet: the grid in the left half of the landscape page.
GridGeometry oneSheetGrid(int pageWidth, int pageHeight, int gridsize);

// The size in points of a one-line text inside a band: at most half the band's
// height and at most its width. The text's height and width are measured at
// 18 points.
int fitTextSize(double heightAt18, double widthAt18, double bandHeight, double bandWidth);

// The letters' size: a "W" (measured at 18 points, bold) a little wider than
// the square, so a letter fills it.
int letterSize(int square, double widthOfWAt18);

// How far a circled square's ring keeps inside the square's edges: clear of
// the grid lines, as large as the square allows.
inline double circleInset(int square)
{
    return square / 16.0;
}

// A clue's display line as printed: its first "&&" becomes "&".
QString printedClue(QString displayLine);

// The clues of the open puzzle in order, as (label, display line).
struct ClueRow {
    QString label;
    QString line;
};

// Sheet 2 of the two-sheet print: headers, clue lines, and the widest clue
// line (rounded; headers and the empty line are not measured).
struct ClueSheet {
    QStringList lines;
    int widest = 0;
};
ClueSheet twoSheetClueLines(const QList<ClueRow> &clues, const std::function<double(const QString &)> &widthAt18);

// The clue size of sheet 2: the smaller of the size the line height allows
// and the size that fits the widest line into the width.
struct ClueSheetSize {
    int lineHeight = 0;
    int size = 0;
};
ClueSheetSize twoSheetClueSize(int pageWidth, int pageHeight, int lineCount, double heightOfAyAt18, int widest);

// The one-sheet clue column at size f.
struct ClueColumn {
    double left = 0;
    int width = 0;
    int lineHeight = 0;
    int linesThatFit = 0;  // 0 when the line height is 0: no size fits
};
ClueColumn oneSheetColumn(int pageWidth, int pageHeight, int f, double heightOfAyAt18);

// A line broken at blanks into segments for which `fits` holds: words are
// split at every single blank, so no blank is lost; a segment holds as many
// words as fit but always at least one, so no word is lost either.
QStringList wrapWords(const QString &line, const std::function<bool(const QString &)> &fits);

// A clue line wrapped into the column at size f: widths are measured at 18
// points and scaled by f / 18. Words are split at every single blank, so no
// blank is lost; a segment holds as many words as fit but at least one; every
// segment after the first is indented by six blanks.
QStringList wrapClue(const QString &line, double f, int columnWidth,
                     const std::function<double(const QString &)> &widthAt18);

// The one-sheet clue lines at size f: headers, clues, wrapped where too wide.
QStringList oneSheetClueLines(const QList<ClueRow> &clues, double f, int columnWidth,
                              const std::function<double(const QString &)> &widthAt18);

} // namespace PrintLayout
