// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// Printing: the F5 command and its question, and the two layouts as the
// recording printer sees them (10 twips per character and point, 20 twips
// high per point; A4, 11906 x 16838 twips).
#include "print/printlayout.h"
#include "puzzle/puzzletext.h"
#include "base/rounding.h"
#include "support/harness.h"

#include <QLoggingCategory>
#include <QRegularExpression>
#include <gtest/gtest.h>

inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace {

const char *kFooter = "Puzzles \xa9 2026 our own";
const QString kPrinting = QStringLiteral("printing the puzzle");
const QString kError = QStringLiteral("sorry, there was an error with the printing");

struct SmallClue {
    QString label, answer, text;
};

// Turns the open puzzle into a 3 x 3 one (ON# / N#A / #AT, numbered 1 to 3)
// with these clues and no letters entered. Puzzle texts need longer rows, so
// the model is set as loading leaves it.
void useSmallPuzzle(Crosswords &g, const QList<SmallClue> &clues = {{"A1", "ON", "Working"},
                                                                     {"A3", "AT", "Near & by"},
                                                                     {"D1", "ON", "Switched in"},
                                                                     {"D2", "AT", "In the place of"}})
{
    const QStringList rows{"ON#", "N#A", "#AT"};
    g.puzzle() = Puzzle(QStringList(rows).replaceInStrings(QStringLiteral("#"), QStringLiteral(" ")));
    g.attempt() = Attempt(g.puzzle());
    g.table().fill(g.puzzle());
    for (int n = 1; n <= 100; ++n)
        for (QString &field : g.table().clues[n])
            field.clear();
    for (int i = 0; i < clues.size(); ++i) {
        const auto row = makeClueRow(clues[i].label, clues[i].answer, clues[i].text);
        for (int f = 0; f < 4; ++f)
            g.table().clues[i + 1][f] = row[f];
    }
}

class Printing : public ::testing::Test {
protected:
    explicit Printing(QList<QByteArray> puzzles = {}) : h(puzzles)
    {
        h.resources.put("TEXT", "FOOTER", QByteArray(kFooter) + "\r\n");
        h.start();
        h.drain();
        h.press(Key::Enter);  // open puzzle 1
        h.drain();
        h.spoken();
        h.printer.calls.clear();
    }
    // F5 (with the modifiers), OK in the box, the speech served.
    QStringList print(int mods = Mod::None)
    {
        h.press(Key::Right);  // a key between two F5s
        h.drain();
        h.spoken();
        h.printer.calls.clear();
        h.press(Key::F5, mods);
        h.drain();
        return h.spoken();
    }
    // The calls from the first "document" line on (the job line dropped).
    QStringList documents() const
    {
        QStringList calls = h.printer.calls;
        while (!calls.isEmpty() && !calls.first().startsWith("document "))
            calls.removeFirst();
        return calls;
    }
    Harness h;
};

QString footer()
{
    return QString::fromUtf8("Puzzles \u00a9 2026 our own");
}

// ---- The command ------------------------------------------------------------

TEST_F(Printing, F5AsksAboutTwoPagesAndPrintsAfterOkThenSaysSo)
{
    const QStringList said = print();
    EXPECT_EQ(h.confirm.prompts, QStringList{"Print this puzzle (2 pages). Are you sure? "});
    EXPECT_EQ(said, (QStringList{"You are about to print this puzzle on two pages. "
                                 "Press the enter key to confirm or the escape key to cancel.",
                                 "", kPrinting}));
    EXPECT_EQ(h.printer.calls.count("end"), 2);
    EXPECT_EQ(h.g().session().viewmode, 1);  // still in the puzzle
}

TEST_F(Printing, EveryModifierMeansOnePage)
{
    for (int mods : {Mod::Shift, Mod::Ctrl, Mod::Alt, Mod::Shift | Mod::Ctrl}) {
        h.confirm.prompts.clear();
        const QStringList said = print(mods);
        EXPECT_EQ(h.confirm.prompts, QStringList{"Print this puzzle (1 page). Are you sure? "}) << mods;
        EXPECT_EQ(said.first(), "You are about to print this puzzle on one page. "
                                "Press the enter key to confirm or the escape key to cancel.");
        EXPECT_EQ(said.last(), kPrinting);
        EXPECT_EQ(h.printer.calls.count("end"), 1);
        EXPECT_TRUE(h.printer.calls.contains("orientation 2"));
    }
}

TEST_F(Printing, EscapeCancelsAndF5AsksAgainButARepeatedF5AfterAPrintIsRefusedUntilAnotherKey)
{
    h.confirm.answers = {false};
    h.press(Key::F5);
    h.drain();
    EXPECT_EQ(h.spoken().last(), "cancelled");
    EXPECT_TRUE(h.printer.calls.isEmpty());

    h.press(Key::F5);  // nothing was printed: asked again, and printed
    h.drain();
    EXPECT_EQ(h.confirm.prompts.size(), 2);
    EXPECT_EQ(h.spoken().last(), kPrinting);
    EXPECT_EQ(h.printer.calls.count("end"), 2);

    h.press(Key::F5);  // straight after a print: refused, no box
    h.drain();
    EXPECT_EQ(h.spoken(), QStringList{"I'm already printing the puzzle"});
    EXPECT_EQ(h.confirm.prompts.size(), 2);
    h.press(Key::F5);  // and again
    h.drain();
    EXPECT_EQ(h.spoken(), QStringList{"I'm already printing the puzzle"});

    h.press(Key::Right);
    h.drain();
    h.press(Key::F5);  // another key in between: asked again, and printed
    h.drain();
    EXPECT_EQ(h.confirm.prompts.size(), 3);
    EXPECT_EQ(h.spoken().last(), kPrinting);
    EXPECT_EQ(h.printer.calls.count("end"), 4);
}

TEST(PrintCommand, F5InTheMenuNeitherAsksNorPrints)
{
    Harness h;
    h.start();
    h.drain();
    h.spoken();
    h.press(Key::F5);
    h.press(Key::F5, Mod::Shift);
    h.drain();
    EXPECT_TRUE(h.spoken().isEmpty());
    EXPECT_TRUE(h.confirm.prompts.isEmpty());
    EXPECT_TRUE(h.printer.calls.isEmpty());
}

TEST_F(Printing, WithoutAPrinterEachJobSaysOnceThatItWentToTheDocumentsFolder)
{
    h.printer.toFile = true;
    const QString saved = "No printer was found, so the puzzle was saved in your Documents folder.";
    EXPECT_EQ(print().mid(2), (QStringList{kPrinting, saved}));  // two documents, said once
    EXPECT_EQ(print(Mod::Shift).mid(2), (QStringList{kPrinting, saved}));
}

// ---- Failures -----------------------------------------------------------------

TEST_F(Printing, APrinterFailingMidJobGivesTheErrorInBothLayouts)
{
    useSmallPuzzle(h.g());
    // Two sheets: fail on sheet 2, after the first document was sent.
    h.printer.failAt = "at 500 4284";  // its third line
    h.press(Key::Right);
    h.drain();
    h.spoken();
    h.printer.calls.clear();
    h.press(Key::F5);
    h.drain();
    QStringList said = h.spoken();
    EXPECT_EQ(said.last(), kError);
    EXPECT_FALSE(said.contains(kPrinting));
    EXPECT_EQ(h.printer.calls.count("end"), 1);
    EXPECT_TRUE(h.printer.calls.contains("document Quorel Crosswords puzzle 1 sheet 2"));
    EXPECT_NE(h.printer.calls.last(), "end");

    // One sheet: fail while drawing the grid.
    h.printer.failAt = "box 2973 4717 5446 7190";
    h.press(Key::Right);
    h.drain();
    h.spoken();
    h.printer.calls.clear();
    h.press(Key::F5, Mod::Shift);
    h.drain();
    said = h.spoken();
    EXPECT_EQ(said.last(), kError);
    EXPECT_FALSE(said.contains(kPrinting));
    EXPECT_EQ(h.printer.calls.count("end"), 0);
    EXPECT_FALSE(h.printer.calls.contains("text " + footer()));

    // The game goes on, and the next job (with a working printer) prints.
    h.printer.failAt.clear();
    const int direction = h.g().session().curdir;
    h.press(Key::Tab);
    h.drain();
    EXPECT_EQ(h.spoken(), QStringList{direction == 1 ? "clues down" : "clues across"});
    EXPECT_EQ(print(Mod::Shift).last(), kPrinting);
    EXPECT_EQ(h.printer.calls.count("end"), 1);
}

TEST_F(Printing, AMissingPrinterGivesTheErrorForBothLayouts)
{
    h.printer.failing = true;
    EXPECT_EQ(print().last(), kError);
    EXPECT_EQ(print(Mod::Shift).last(), kError);
    EXPECT_EQ(h.printer.calls, QStringList{"job"});
}

TEST_F(Printing, AFooterWiderThanTheGridGoesOnInALineBelowAtTheSameSize)
{
    useSmallPuzzle(h.g());
    // 60 characters: 8400 twips at 14 points, wider than the one sheet's grid (7419).
    const QString notice = "Puzzles (c) 2026 our own makers. Definitions from a lexicon.";
    ASSERT_EQ(notice.size(), 60);
    h.resources.put("TEXT", "FOOTER", notice.toLatin1() + "\r\n");
    print(Mod::Shift);
    const QStringList calls = h.printer.calls;
    const qsizetype at = calls.indexOf("at 500 10785");
    ASSERT_GE(at, 1);
    // 51 characters (7140) fit; the rest stands one line (280) lower.
    EXPECT_EQ(calls.mid(at - 1, 5), (QStringList{"size 14", "at 500 10785",
                                                 "text Puzzles (c) 2026 our own makers. Definitions from a",
                                                 "at 500 11065", "text lexicon."}));
    // On the two sheets' wider grid (10406) it stays one line.
    print();
    EXPECT_TRUE(h.printer.calls.contains("text " + notice));
}

// ---- Two sheets ---------------------------------------------------------------

TEST_F(Printing, TwoSheetsDrawExactlyThisForTheSmallPuzzle)
{
    useSmallPuzzle(h.g());
    // The player's letters: lower case prints in upper case.
    putLetter(h.g(), 1, "o");
    putLetter(h.g(), 2, "N");
    print();
    // W 11906, grid side 10406, top margin 3216, square round(3468.67) = 3469:
    // the lines run at steps of 3469 but are only 10406 long.
    const QStringList expected{
        "document Quorel Crosswords puzzle 1 sheet 1",
        "orientation 1", "font arial", "size 18",
        // Title: by height round(3216 / 360 * 9) = 80, by width round(10406 / 4680 * 18) = 40.
        "size 40", "at 753 0", "text Quorel Crosswords (Vol. 3)",
        // Caption: 80 by height, 130 by width.
        "size 18", "size 80", "at 2753 1608", "text Puzzle 1",
        "size 18",
        "thickness 10", "line 500 3216 10906 3216", "line 500 3216 500 13622",
        "thickness 10", "line 500 6685 10906 6685", "line 3969 3216 3969 13622",
        "thickness 10", "line 500 10154 10906 10154", "line 7438 3216 7438 13622",
        "thickness 10", "line 500 13623 10906 13623", "line 10907 3216 10907 13622",
        "bold 1",
        // Letter size round(3469 / 180 * 15) = 289; an "O" is 2890 wide.
        "size 289", "at 789.5 3216", "text O", "size 96.3333", "at 500 3216", "text  1",
        "size 289", "at 4258.5 3216", "text N",
        "box 7438 3216 10907 6685",
        "box 3969 6685 7438 10154",
        "size 96.3333", "at 7438 6685", "text  2",  // a number without a letter
        "box 500 10154 3969 13623",
        "size 96.3333", "at 3969 10154", "text  3",
        "size 18", "size 80", "at 2753 1608", "text Puzzle 1",  // again, in bold
        "size 14", "at 500 15230", "text " + footer(),
        "end",
        "document Quorel Crosswords puzzle 1 sheet 2",
        "orientation 1", "size 18",
        // 7 lines: height (16838 - 900) / 8 = 1992 gives 100; the widest line
        // (24 characters, 4320) gives round(10406 / 4320 * 18) = 43.
        "size 43", "at 500 300", "text  - - - - - - - - - - ACROSS - - - - - - - - - -",
        "size 43", "at 500 2292", "text    1 Working (2)",
        "size 43", "at 500 4284", "text    3 Near & by (2)",
        "size 43", "at 500 6276", "text ",
        "size 43", "at 500 8268", "text  - - - - - - - - - - DOWN - - - - - - - - - -",
        "size 43", "at 500 10260", "text    1 Switched in (2)",
        "size 43", "at 500 12252", "text    2 In the place of (2)",
        "end",
    };
    EXPECT_EQ(documents(), expected);
}

TEST_F(Printing, DocumentsAreLoggedWithTheirDestination)
{
    QStringList lines;
    static QStringList *sink = nullptr;
    sink = &lines;
    QLoggingCategory::setFilterRules("crosswords.print=true");
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &c, const QString &m) {
        sink->append(QString::fromLatin1(c.category) + ": " + m);
    });
    print();
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QString());
    EXPECT_EQ(lines.filter("crosswords.print"),
              (QStringList{"crosswords.print: document: recorder", "crosswords.print: document: recorder"}));
}

TEST_F(Printing, NoDownHeaderAndNoEmptyLineWithoutDownClues)
{
    useSmallPuzzle(h.g(), {{"A1", "ON", "Working"}, {"A3", "AT", "Near"}});
    print();
    QStringList texts = h.printer.calls.filter(QRegularExpression("^text "));
    EXPECT_EQ(texts.mid(texts.size() - 3),
              (QStringList{"text  - - - - - - - - - - ACROSS - - - - - - - - - -", "text    1 Working (2)",
                           "text    3 Near (2)"}));
    print(Mod::Shift);
    texts = h.printer.calls.filter(QRegularExpression("^text "));
    EXPECT_EQ(texts.mid(texts.size() - 3),
              (QStringList{"text       ACROSS", "text    1 Working (2)", "text    3 Near (2)"}));
}

// The font size and the y of every clue-sheet line printed after `from`.
struct PrintedLines {
    QList<double> sizes;
    QList<double> ys;
    QStringList texts;
};
PrintedLines clueLinesAfter(const QStringList &calls, qsizetype from)
{
    PrintedLines out;
    double size = 0;
    for (qsizetype i = from; i < calls.size(); ++i) {
        if (calls[i].startsWith("size "))
            size = calls[i].mid(5).toDouble();
        else if (calls[i].startsWith("at "))
            out.ys.append(calls[i].section(' ', 2, 2).toDouble());
        else if (calls[i].startsWith("text ")) {
            out.sizes.append(size);
            out.texts.append(calls[i].mid(5));
        }
    }
    return out;
}

// The harness's standard 13 x 13 puzzle has many clues.
using PrintingManyClues = Printing;

TEST_F(PrintingManyClues, ManyCluesAreSizedByTheLineHeightFewByTheWidestLine)
{
    print();
    const PrintedLines many =
        clueLinesAfter(h.printer.calls, h.printer.calls.indexOf("document Quorel Crosswords puzzle 1 sheet 2"));
    const int count = int(many.texts.size());
    ASSERT_GT(count, 20);
    const double lineHeight = many.ys[1] - many.ys[0];
    EXPECT_EQ(lineHeight, nearest((16838 - 900) / double(count + 1)));
    // "Ay" is 360 high at 18 points.
    EXPECT_EQ(many.sizes.first(), nearest(lineHeight / 360 * 18));
    int widest = 0;
    for (const QString &t : many.texts)
        if (!t.contains("- - -"))
            widest = std::max(widest, int(t.size()) * 180);
    EXPECT_LT(many.sizes.first(), nearest(10406.0 / widest * 18));
    // Every line on the page.
    EXPECT_LE(many.ys.last() + many.sizes.first() * 20, 16838);
}

TEST_F(Printing, FewCluesAreSizedByTheWidestLine)
{
    useSmallPuzzle(h.g());
    print();
    const PrintedLines few =
        clueLinesAfter(h.printer.calls, h.printer.calls.indexOf("document Quorel Crosswords puzzle 1 sheet 2"));
    EXPECT_EQ(few.sizes.first(), 43);  // 100 by the line height
    // The widest clue line fills the width: 24 characters at 43 points.
    EXPECT_LE(24 * 10 * 43, 10406);
    EXPECT_GT(24 * 10 * 44, 10406);
}

// ---- One sheet ------------------------------------------------------------------

TEST_F(Printing, OneSheetDrawsExactlyThisForTheSmallPuzzle)
{
    useSmallPuzzle(h.g());
    putLetter(h.g(), 1, "O");
    putLetter(h.g(), 2, "n");
    print(Mod::Shift);
    // Landscape: W 16838, H 11906. Grid side 7419, top margin round(2243.5) =
    // 2244 (half to even), square 2473.
    const QStringList expected{
        "document Quorel Crosswords puzzle 1 on one sheet",
        "orientation 2", "font arial", "size 18",
        // Title over the left half: 56 by height, round(28.53) = 29 by width.
        "size 29", "at 439.5 0", "text Quorel Crosswords (Vol. 3)",
        // Caption: printed once, bold.
        "size 18", "bold 1", "size 56", "at 1969.5 1122", "text Puzzle 1",
        "size 18",
        "thickness 10", "line 500 2244 7919 2244", "line 500 2244 500 9663",
        "thickness 10", "line 500 4717 7919 4717", "line 2973 2244 2973 9663",
        "thickness 10", "line 500 7190 7919 7190", "line 5446 2244 5446 9663",
        "thickness 10", "line 500 9663 7919 9663", "line 7919 2244 7919 9663",
        "bold 1",
        // Letters at round(2473 / 180 * 15) = 206, numbers at 206 / 3.
        "size 206", "at 706.5 2244", "text O", "size 68.6667", "at 500 2244", "text  1",
        "size 206", "at 3179.5 2244", "text N",
        "box 5446 2244 7919 4717",
        "box 2973 4717 5446 7190",
        "size 68.6667", "at 5446 4717", "text  2",
        "box 500 7190 2973 9663",
        "size 68.6667", "at 2973 7190", "text  3",
        "size 14", "at 500 10785", "text " + footer(),
        "size 18",
        // 35 points first: line height 700, 15 lines fit, 9 needed. The
        // column is 7419 wide: 21 characters at 35 points, so the last clue
        // wraps and its rest is indented by six blanks.
        "size 35", "at 8919 1200", "text       ACROSS",
        "size 35", "at 8919 1900", "text    1 Working (2)",
        "size 35", "at 8919 2600", "text    3 Near & by (2)",
        "size 35", "at 8919 3300", "text ",
        "size 35", "at 8919 4000", "text       DOWN",
        "size 35", "at 8919 4700", "text    1 Switched in (2)",
        "size 35", "at 8919 5400", "text    2 In the place of",
        "size 35", "at 8919 6100", "text       (2)",
        "end",
    };
    EXPECT_EQ(documents(), expected);
}

TEST_F(Printing, HalvesRoundToTheEvenNeighbour)
{
    useSmallPuzzle(h.g());
    // Landscape 16838 x 11904: top margin (11904 - 7419) / 2 = 2242.5 -> 2242,
    // not 2243; the caption then stands at 1121.
    h.printer.width = 11904;
    print(Mod::Shift);
    EXPECT_TRUE(h.printer.calls.contains("line 500 2242 7919 2242"));
    EXPECT_TRUE(h.printer.calls.contains("at 1969.5 1121"));
    // Portrait 11906 x 16835: top margin (16835 - 10406) / 2 = 3214.5 -> 3214.
    h.printer.width = 11906;
    h.printer.height = 16835;
    print();
    EXPECT_TRUE(h.printer.calls.contains("line 500 3214 10906 3214"));
    EXPECT_TRUE(h.printer.calls.contains("at 2753 1607"));
}

TEST_F(PrintingManyClues, OneSheetTakesTheLargestSizeAtWhichTheWrappedColumnFits)
{
    print(Mod::Shift);
    const QStringList calls = h.printer.calls;
    const PrintedLines col = clueLinesAfter(calls, calls.indexOf("text " + footer()) + 1);
    const double f = col.sizes.first();
    EXPECT_LT(f, 35);
    const double lineHeight = col.ys[1] - col.ys[0];
    EXPECT_EQ(lineHeight, nearest(360 * f / 18));
    EXPECT_LE(col.texts.size() + 1, nearest((11906 - 1500) / lineHeight));
    // One point larger, the same clues wrapped to the column would not fit.
    QList<PrintLayout::ClueRow> rows;
    for (int n = 1; n <= 100; ++n)
        if (!h.g().table().clues[n][1].isEmpty())
            rows.append({h.g().table().clues[n][1], h.g().table().clues[n][3]});
    const auto width = [](const QString &t) { return t.size() * 180.0; };
    const int larger = nearest(360 * (f + 1) / 18);
    EXPECT_GT(PrintLayout::oneSheetClueLines(rows, f + 1, 7419, width).size() + 1, nearest(10406.0 / larger));
}

// ---- Wrapping ---------------------------------------------------------------------

// Widths as the recording printer measures at 18 points.
double width18(const QString &t)
{
    return t.size() * 180.0;
}

TEST(ClueWrapping, LongLinesBreakAtBlanksLoseNoWordAndIndentTheRest)
{
    const QString line = "  12 The quick brown fox jumps over the lazy dog near the old mill (3,5,3)";
    // At 18 points a column of 3600 twips holds 20 characters.
    const QStringList segments = PrintLayout::wrapClue(line, 18, 3600, width18);
    ASSERT_GE(segments.size(), 3);
    EXPECT_EQ(segments.first(), "  12 The quick brown");  // leading blanks kept
    QStringList rebuilt{segments.first()};
    for (qsizetype i = 1; i < segments.size(); ++i) {
        EXPECT_TRUE(segments[i].startsWith("      ")) << segments[i].toStdString();
        EXPECT_NE(segments[i].at(6), QLatin1Char(' '));
        EXPECT_LE(segments[i].size() - 6, 20) << "the indent is not measured";
        rebuilt.append(segments[i].mid(6));
    }
    EXPECT_EQ(rebuilt.join(' '), line);
}

TEST(ClueWrapping, AWordWiderThanTheColumnStaysWholeOnItsOwnLine)
{
    const QStringList segments = PrintLayout::wrapClue("   4 Antidisestablishmentarianism (24)", 18, 1800, width18);
    EXPECT_EQ(segments, (QStringList{"   4", "      Antidisestablishmentarianism", "      (24)"}));
}

TEST(ClueWrapping, WidthsScaleWithTheSizeAndShortLinesStayWhole)
{
    const QList<PrintLayout::ClueRow> rows{{"A1", "   1 Sixteen chars"}, {"A2", "   2 Twenty-one chars"}};
    // 35 points: 350 twips a character; 7419 holds 21 ("   2 Twenty-one chars").
    EXPECT_EQ(PrintLayout::oneSheetClueLines(rows, 35, 7419, width18),
              (QStringList{"      ACROSS", "   1 Sixteen chars", "   2 Twenty-one chars"}));
    // 36 points would hold only 20: the second line wraps.
    EXPECT_EQ(PrintLayout::oneSheetClueLines(rows, 36, 7419, width18),
              (QStringList{"      ACROSS", "   1 Sixteen chars", "   2 Twenty-one", "      chars"}));
}

TEST(ClueWrapping, OnlyTheFirstDoubledAmpersandIsPrintedSingle)
{
    EXPECT_EQ(PrintLayout::printedClue("  7 Fish && chips && peas (4)"), "  7 Fish & chips && peas (4)");
    EXPECT_EQ(PrintLayout::printedClue("  7 Plain (5)"), "  7 Plain (5)");
}

} // namespace
