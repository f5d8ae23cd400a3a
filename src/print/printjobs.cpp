// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// The two print jobs: the grid and the clues on two portrait sheets, or both
// on one landscape sheet. The sizes come from
// printlayout.h; every text is measured by the printer when it is needed, in
// the font the printer holds at that moment.
#include "print/printjobs.h"
#include "base/logging.h"
#include "print/printer.h"
#include "print/printlayout.h"
#include "puzzle/resourcestore.h"
#include "base/rounding.h"

using namespace PrintLayout;

namespace {

// Thrown when the printer reports a failure, or when no clue size fits: the
// job stops where it is and says so.
struct PrintFailed {};

// The printer as a job uses it: each operation is checked, and a failed one
// ends the job at once.
class Sheet {
public:
    explicit Sheet(Printer &printer) : m_p(printer) {}

    void document(const QString &name) { m_p.setDocumentName(name); check(); }
    void orientation(Printer::Orientation o) { m_p.setOrientation(o); check(); }
    void face(const QString &name) { m_p.setFontName(name); check(); }
    void size(double points) { m_p.setFontSize(points); check(); }
    void bold() { m_p.setFontBold(true); check(); }
    int pageWidth() { return checked(m_p.pageWidth()); }
    int pageHeight() { return checked(m_p.pageHeight()); }
    double width(const QString &text) { return checked(m_p.textWidth(text)); }
    double height(const QString &text) { return checked(m_p.textHeight(text)); }
    void textAt(double x, double y, const QString &text)
    {
        m_p.setPosition(x, y);
        check();
        m_p.printText(text);
        check();
    }
    void thickness(int pixels) { m_p.setLineThickness(pixels); check(); }
    void line(double x1, double y1, double x2, double y2) { m_p.drawLine(x1, y1, x2, y2); check(); }
    void box(double x1, double y1, double x2, double y2) { m_p.drawFilledBox(x1, y1, x2, y2); check(); }
    void ellipse(double x1, double y1, double x2, double y2) { m_p.drawEllipse(x1, y1, x2, y2); check(); }
    void end()
    {
        m_p.endDocument();
        check();
        qCDebug(lcPrint).noquote() << QStringLiteral("document: ") + m_p.lastDestination();
        m_savedToFile = m_savedToFile || m_p.savedToFile();
    }
    // True when a document of this job went to a file for want of a printer.
    bool savedToFile() const { return m_savedToFile; }

private:
    void check()
    {
        if (m_p.failed())
            throw PrintFailed{};
    }
    template <typename T> T checked(T value)
    {
        check();
        return value;
    }

    Printer &m_p;
    bool m_savedToFile = false;
};

QString documentName(int puzzle, const QString &sheet)
{
    return QStringLiteral("Quorel Crosswords puzzle %1 %2").arg(puzzle).arg(sheet);
}

QList<ClueRow> printedClues(const ClueTable &table)
{
    QList<ClueRow> rows;
    for (int n = 1; n <= table.clueRows(); ++n)
        if (!table.clues[n][1].isEmpty())
            rows.append({table.clues[n][1], table.clues[n][3]});
    return rows;
}

// A one-line text fitted into the band above the grid (measured at the
// current size, 18 points), printed centred over `centreWidth` at height y.
// Bold, when asked for, is switched on after measuring.
void printFitted(Sheet &s, const GridGeometry &g, const QString &text, double centreWidth, double y,
                 bool boldBeforePrinting = false)
{
    const int size = fitTextSize(s.height(text), s.width(text), g.topMargin, g.gridSide);
    if (boldBeforePrinting)
        s.bold();
    s.size(size);
    s.textAt((centreWidth - s.width(text)) / 2, y, text);
}

// Lines at every square, each as long as the grid side (so they overshoot or
// fall short where the rounded squares do not add up to it).
void drawGridLines(Sheet &s, const GridGeometry &g, int gridsize)
{
    for (int i = 0; i <= gridsize; ++i) {
        s.thickness(kLineThickness);
        const double across = g.topMargin + double(i) * g.square;
        const double down = kGridLeft + double(i) * g.square;
        s.line(kGridLeft, across, g.gridSide + kGridLeft, across);
        s.line(down, g.topMargin, down, g.topMargin + g.gridSide);
    }
}

// Black squares filled; in the white ones the circle of a circled square,
// then over it the player's letter, centred and hanging from the top edge,
// and the clue number at a third of the letter size in the top-left corner.
void drawSquares(Sheet &s, const GridGeometry &g, const PrintedPuzzle &game)
{
    const int gridsize = game.table.gridsize;
    s.bold();
    const int letters = letterSize(g.square, s.width(QStringLiteral("W")));
    for (int row = 0; row < gridsize; ++row) {
        for (int col = 0; col < gridsize; ++col) {
            const double x = kGridLeft + double(col) * g.square;
            const double y = g.topMargin + double(row) * g.square;
            const int k = row * gridsize + col + 1;
            const PuzzleCell &square = game.puzzle.cell(row, col);
            if (square.block) {
                s.box(x, y, x + g.square, y + g.square);
                continue;
            }
            if (square.barLeft || square.barTop) {
                s.thickness(kBarThickness);
                if (square.barLeft)
                    s.line(x, y, x, y + g.square);
                if (square.barTop)
                    s.line(x, y, x + g.square, y);
            }
            if (square.circled) {
                const double inset = circleInset(g.square);
                s.thickness(kCircleThickness);
                s.ellipse(x + inset, y + inset, x + g.square - inset, y + g.square - inset);
            }
            const QString letter = game.attempt.letter(k - 1).toUpper();
            if (!letter.isEmpty()) {
                s.size(letters);
                // The letters of a rebus square, in smaller type: no wider than a W.
                const double wide = s.width(letter);
                if (letter.size() > 1 && wide > 0)
                    s.size(letters * s.width(QStringLiteral("W")) / wide);
                s.textAt(x + (g.square - nearest(s.width(letter))) / 2.0, y, letter);
            }
            const QString number = numberCaption(square);
            if (!number.isEmpty()) {
                s.size(letters / 3.0);
                s.textAt(x, y, number);
            }
        }
    }
}

// The copyright notice in the middle of the space below the grid. A notice
// wider than the grid goes on in further lines under the first, so it never
// runs off the sheet or, on the one sheet, into the clue column.
void printFooter(Sheet &s, const GridGeometry &g, const QString &footer)
{
    s.size(kFooterSize);
    const QStringList lines = wrapWords(footer, [&](const QString &t) { return s.width(t) <= g.gridSide; });
    const double lineHeight = lines.size() > 1 ? s.height(footer) : 0;
    for (qsizetype i = 0; i < lines.size(); ++i)
        s.textAt(kGridLeft, g.topMargin * 1.5 + g.gridSide + double(i) * lineHeight, lines[i]);
}

} // namespace

PrintResult printTwoSheets(Printer &printer, ResourceStore &resources, const PrintedPuzzle &printed)
{
    printer.beginJob();
    Sheet s(printer);
    const int gridsize = printed.table.gridsize;
    const QString caption = QStringLiteral("Puzzle ") + QString::number(printed.number);
    try {
        // Sheet 1: title, caption, grid and footer.
        s.document(documentName(printed.number, QStringLiteral("sheet 1")));
        s.orientation(Printer::Orientation::Portrait);
        s.face(QStringLiteral("arial"));
        s.size(kMeasureSize);
        const int w = s.pageWidth();
        const GridGeometry g = twoSheetGrid(w, s.pageHeight(), gridsize);
        printFitted(s, g, kTitle, g.pageWidth, 0);
        s.size(kMeasureSize);
        printFitted(s, g, caption, g.pageWidth, g.topMargin / 2.0);
        s.size(kMeasureSize);
        drawGridLines(s, g, gridsize);
        drawSquares(s, g, printed);
        // The caption again, now in bold, over the first print.
        s.size(kMeasureSize);
        printFitted(s, g, caption, g.pageWidth, g.topMargin / 2.0);
        printFooter(s, g, footerLine(resources));
        s.end();

        // Sheet 2: every clue, as large as the sheet allows. Face and bold
        // stay as sheet 1 left them.
        s.document(documentName(printed.number, QStringLiteral("sheet 2")));
        s.orientation(Printer::Orientation::Portrait);
        s.size(kMeasureSize);
        const ClueSheet sheet = twoSheetClueLines(printedClues(printed.table), [&s](const QString &t) { return s.width(t); });
        const int width = s.pageWidth();
        const double th = s.height(QStringLiteral("Ay"));
        const ClueSheetSize size = twoSheetClueSize(width, s.pageHeight(), int(sheet.lines.size()), th, sheet.widest);
        for (qsizetype i = 0; i < sheet.lines.size(); ++i) {
            s.size(size.size);
            s.textAt(kGridLeft, double(i) * size.lineHeight + 300, sheet.lines[i]);
        }
        s.end();
    } catch (const PrintFailed &) {
        return PrintResult::Failed;
    }
    return s.savedToFile() ? PrintResult::SavedToFile : PrintResult::Printed;
}

PrintResult printOneSheet(Printer &printer, ResourceStore &resources, const PrintedPuzzle &printed)
{
    printer.beginJob();
    Sheet s(printer);
    const int gridsize = printed.table.gridsize;
    try {
        // The grid half.
        s.document(documentName(printed.number, QStringLiteral("on one sheet")));
        s.orientation(Printer::Orientation::Landscape);
        s.face(QStringLiteral("arial"));
        s.size(kMeasureSize);
        const int w = s.pageWidth();
        const GridGeometry g = oneSheetGrid(w, s.pageHeight(), gridsize);
        printFitted(s, g, kTitle, g.pageWidth / 2.0, 0);
        s.size(kMeasureSize);
        printFitted(s, g, QStringLiteral("Puzzle ") + QString::number(printed.number), g.pageWidth / 2.0, g.topMargin / 2.0,
                    true);
        s.size(kMeasureSize);
        drawGridLines(s, g, gridsize);
        drawSquares(s, g, printed);
        printFooter(s, g, footerLine(resources));

        // The clue half: the largest size from 35 points down at which every
        // line, wrapped to the column, fits the page.
        s.size(kMeasureSize);
        const QList<ClueRow> rows = printedClues(printed.table);
        const auto widthAt18 = [&s](const QString &t) { return s.width(t); };
        int f = kFirstClueSize + 1;
        ClueColumn column;
        QStringList lines;
        do {
            --f;
            column = oneSheetColumn(g.pageWidth, g.pageHeight, f, s.height(QStringLiteral("Ay")));
            if (column.lineHeight <= 0)
                throw PrintFailed{};
            lines = oneSheetClueLines(rows, f, column.width, widthAt18);
        } while (lines.size() + 1 > column.linesThatFit);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            s.size(f);
            s.textAt(column.left, 500 + double(i + 1) * column.lineHeight, lines[i]);
        }
        s.end();
    } catch (const PrintFailed &) {
        return PrintResult::Failed;
    }
    return s.savedToFile() ? PrintResult::SavedToFile : PrintResult::Printed;
}
