// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// Layout arithmetic of the screen: stretching, the board, the answer line, the
// clue panel and the magnified views, measured with the fixed-width double
// (a character is 10 twips wide per point, a line 20 twips high per point).
#include "base/rounding.h"
#include "support/harness.h"

#include <gtest/gtest.h>
#include <cmath>
#include <utility>

namespace {

// 1024 x 768 pixels at 15 twips a pixel, the harness's screen.
constexpr double ScreenW = 15360;
constexpr double ScreenH = 11520;

// A started game with the board of `rows` ('#' black) placed for the normal
// view, without going through the menu.
struct Screen {
    Harness h;
    Crosswords &g;

    explicit Screen(double width = ScreenW, double height = ScreenH) : g(h.g())
    {
        g.env().screenWidth = width;
        g.env().screenHeight = height;
        h.start();
    }

    void setGrid(const QStringList &rows)
    {
        QStringList spaced = rows;
        for (QString &row : spaced)
            row.replace(QLatin1Char('#'), QLatin1Char(' '));
        g.puzzle() = Puzzle(spaced);
        g.attempt() = Attempt(g.puzzle());
        g.table().fill(g.puzzle());
        for (int idx = 0; idx <= 225; ++idx) {
            g.form().Dn[idx].caption.clear();
            putLetter(g, idx, QString());
        }
        g.drawboard();
    }

    // Clue rows as the puzzle loader makes them: label and display line.
    void setClues(const QList<QPair<QString, QString>> &rows)
    {
        for (int n = 1; n <= 100; ++n)
            for (QString &field : g.table().clues[n])
                field.clear();
        for (int n = 1; n <= rows.size(); ++n) {
            g.table().clues[n][1] = rows[n - 1].first;
            g.table().clues[n][3] = rows[n - 1].second;
        }
    }

    std::vector<int> visibleEntries() const
    {
        std::vector<int> out;
        for (int i = 1; i <= 100; ++i)
            if (g.form().lblClue[i].visible)
                out.push_back(i);
        return out;
    }
};

const QStringList Nine{
    QStringLiteral("#AAAA#AAA"), QStringLiteral("A#A#A#A#A"), QStringLiteral("AAAAAAAAA"),
    QStringLiteral("A#A#A#A#A"), QStringLiteral("AAAA#AAAA"), QStringLiteral("A#A#A#A#A"),
    QStringLiteral("AAAAAAAAA"), QStringLiteral("A#A#A#A#A"), QStringLiteral("AAA#AAAA#"),
};

TEST(ScreenRounding, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(nearest(2.5), 2);
    EXPECT_EQ(nearest(3.5), 4);
    EXPECT_EQ(nearest(-2.5), -2);
    EXPECT_EQ(nearest(-3.5), -4);
    EXPECT_EQ(nearest(382.5), 382);
    EXPECT_EQ(nearest(2.4999), 2);
    EXPECT_EQ(nearest(2.5001), 3);
    EXPECT_EQ(nearest(-0.2), 0);
}

TEST(ScreenStretch, DesignLayoutIsScaledToTheScreenAndTheBackdropCoversIt)
{
    // Start-up stretches the design window before it makes the array copies.
    Harness h;
    h.g().env().screenWidth = 1920 * 15.0;
    h.g().env().screenHeight = 1080 * 15.0;
    h.g().screen().setscreen();
    h.g().form().loadControlArrays();
    const Form design = Form::design();
    const float XX = float(28800 / Form::DesignWidth);
    const float yy = float(16200 / Form::DesignHeight);
    const Form &f = h.g().form();

    EXPECT_EQ(f.picbox.left, 0);
    EXPECT_EQ(f.picbox.top, 0);
    EXPECT_EQ(f.picbox.width, 28800);
    EXPECT_EQ(f.picbox.fontSize, design.picbox.fontSize);  // a picture box keeps its font
    EXPECT_EQ(f.lblTitle.width, 28800);                     // the title strip spans the screen
    EXPECT_DOUBLE_EQ(f.lblTitle.left, design.lblTitle.left * XX);
    EXPECT_DOUBLE_EQ(f.lblMenu[0].left, design.lblMenu[0].left * XX);
    EXPECT_DOUBLE_EQ(f.lblMenu[0].top, design.lblMenu[0].top * yy);
    EXPECT_DOUBLE_EQ(f.lblMenu[0].width, design.lblMenu[0].width * XX);
    EXPECT_DOUBLE_EQ(f.lblMenu[0].fontSize, 24 * double(yy));
    // The help button's text sits where the design put it, scaled.
    EXPECT_DOUBLE_EQ(f.lbl4[1].left, 7560 * double(XX));
    EXPECT_DOUBLE_EQ(f.lbl4[1].top, 4680 * double(yy));
    EXPECT_EQ(f.lbl4[1].caption, QStringLiteral("F1 = Help"));
    // Elements made at start-up copy the stretched element 0.
    EXPECT_DOUBLE_EQ(f.lblClue[57].fontSize, 9.75 * yy);
    EXPECT_DOUBLE_EQ(f.lblInn[16].fontSize, 8.25 * yy);
    // The array patterns do not show their design captions on the first screen.
    EXPECT_FALSE(f.lblClue[0].visible || f.lblIn[0].visible || f.lblInn[0].visible || f.lblKey[0].visible);
}

TEST(ScreenBoard, NumberingStartsAtTheFirstSquareThatStartsAWord)
{
    Screen s;
    s.setGrid(Nine);
    const Form &f = s.g.form();
    EXPECT_FALSE(f.Dn[1].visible);
    EXPECT_EQ(f.Dn[1].caption, QString());
    // Square index -> number, row by row.
    const QList<QPair<int, int>> numbered{{2, 1}, {3, 2}, {5, 3}, {7, 4}, {9, 5}, {10, 6}, {19, 7},
                                          {37, 8}, {42, 9}, {50, 10}, {55, 11}, {73, 12}, {77, 13}};
    for (int idx = 1; idx <= 81; ++idx) {
        int expected = 0;
        for (const auto &[square, number] : numbered)
            if (square == idx)
                expected = number;
        if (expected) {
            EXPECT_EQ(f.Dn[idx].caption, QStringLiteral(" %1").arg(expected)) << idx;
            EXPECT_TRUE(f.Dn[idx].visible) << idx;
        } else {
            EXPECT_EQ(f.Dn[idx].caption, QString()) << idx;
            EXPECT_FALSE(f.Dn[idx].visible) << idx;
        }
    }

    // Squares to clues: words run to the next black square.
    for (int idx = 2; idx <= 5; ++idx)
        EXPECT_EQ(s.g.table().sqclue[idx][1], 1) << idx;
    EXPECT_EQ(s.g.table().sqclue[6][1], 0);
    EXPECT_EQ(s.g.table().sqclue[2][2], 0);  // black below: no down word
    for (int r = 0; r < 9; ++r) {
        EXPECT_EQ(s.g.table().sqclue[r * 9 + 3][2], 2) << r;
        EXPECT_EQ(s.g.table().sqclue[r * 9 + 5][2], r < 4 ? 3 : r == 4 ? 0 : 10) << r;
    }
    EXPECT_EQ(s.g.table().sqclue[10][1], 0);  // (1,0) lies in no across word
    EXPECT_EQ(s.g.table().sqclue[10][2], 6);
    EXPECT_EQ(s.g.table().sqclue[81][1], 0);  // black
    EXPECT_EQ(s.g.table().sqclue[80][1], 13);
}

TEST(ScreenBoard, SquaresAreLaidOutAndColouredFromTheGrid)
{
    Screen s;
    s.g.session().curpuz = 7;
    s.setGrid(Nine);
    putLetter(s.g, 19, QStringLiteral("K"), true);
    putLetter(s.g, 20, QStringLiteral("L"));
    s.g.drawboard();
    const Form &f = s.g.form();

    const int sq = nearest(ScreenH * 0.7 / 9);  // 896
    EXPECT_EQ(sq, 896);
    EXPECT_DOUBLE_EQ(f.board.height, ScreenH * 0.7);
    EXPECT_DOUBLE_EQ(f.D[20].left, f.board.left + sq);
    EXPECT_DOUBLE_EQ(f.D[20].top, f.board.top + 2 * sq);
    EXPECT_EQ(f.D[20].width, sq + 15);
    EXPECT_EQ(f.D[20].fontSize, 29);  // integer part of 896 / 30
    EXPECT_DOUBLE_EQ(f.Dn[19].fontSize, (sq + 15) * 0.45 / 20);  // digits a third of the square
    EXPECT_TRUE(f.Dn[19].fontBold);
    EXPECT_DOUBLE_EQ(f.Dn[19].height, (sq + 15) / 2.0);

    EXPECT_EQ(f.D[1].backColor, Colour::Black);
    EXPECT_EQ(f.D[2].backColor, Colour::White);
    EXPECT_EQ(f.D[19].foreColor, Colour::Grey);   // revealed
    EXPECT_EQ(f.D[20].foreColor, Colour::Black);  // entered
    EXPECT_EQ(f.D[19].caption, QStringLiteral("K"));  // letters survive a redraw

    EXPECT_EQ(f.lbl2.caption, QStringLiteral("Puzzle 7"));
    EXPECT_EQ(f.lbl2.fontSize, 40);  // a capital 800 twips high: 800 / (20 pt) per point
    EXPECT_EQ(f.lbl2.foreColor, Colour::White);
    EXPECT_EQ(f.lbl2.backColor, Colour::Black);  // not on the grey backdrop
    EXPECT_FALSE(f.lbl2.transparent);
    EXPECT_TRUE(f.lbl2.visible);
}

// Marks the squares of one answer, as the update step does.
void markAnswer(Crosswords &g, const std::vector<int> &squares)
{
    for (int idx = 1; idx <= g.table().squareCount(); ++idx)
        g.screen().markSquare(idx, false);
    for (int idx : squares)
        g.screen().markSquare(idx, true);
}

TEST(ScreenAnswerLine, FifteenBoxesFitA1024PixelScreen)
{
    Screen s;
    s.setGrid(standardRows());
    std::vector<int> squares;
    for (int i = 0; i < 15; ++i)
        squares.push_back(1 + i);
    putLetter(s.g, 3, QStringLiteral("Q"));
    markAnswer(s.g, squares);
    s.g.highlightgrid();
    const Form &f = s.g.form();

    // 15360 * 0.95 / 15 = 972.8; 20 % of the height (2304) is larger.
    const int box = 973;
    EXPECT_EQ(f.lblIn[1].width, box);
    EXPECT_EQ(f.lblIn[1].height, box);
    EXPECT_EQ(f.lblIn[1].left, 382);  // (15360 - 14595) / 2 = 382.5 goes to the even 382
    EXPECT_EQ(f.lblIn[15].left, 382 + 14 * box);
    EXPECT_DOUBLE_EQ(f.lblIn[1].top, ScreenH * 0.85);
    EXPECT_EQ(f.lblIn[1].fontSize, 83);  // a W fills 85 %: 973 / 10 * 0.85 = 82.7
    EXPECT_EQ(f.lblIn[3].caption, QStringLiteral("Q"));
    for (int i = 1; i <= 15; ++i)
        EXPECT_TRUE(f.lblIn[i].visible) << i;
    EXPECT_FALSE(f.lblIn[16].visible);
    EXPECT_FALSE(f.lblIn[0].visible);
}

TEST(ScreenAnswerLine, ShortAnswersOnAWideScreenRiseAndShrinkToFitBelowTheBoard)
{
    Screen s(1920 * 15.0, 1080 * 15.0);
    s.setGrid(standardRows());
    markAnswer(s.g, {1, 2, 3});
    s.g.highlightgrid();
    // 28800 * 0.95 / 3 = 9120 and 20 % of 16200 (3240) would run off the
    // bottom; between the board (its bottom at 800 + 12010) and the bottom
    // edge, each 300 away for the frame, there is room for 2790.
    const Control &first = s.g.form().lblIn[1];
    EXPECT_EQ(first.width, 2790);
    EXPECT_EQ(first.top, 800 + 12010 + 300);
    EXPECT_EQ(first.top + first.height, 16200 - 300);
    EXPECT_EQ(first.left, (28800 - 3 * 2790) / 2);
    EXPECT_EQ(s.g.form().lblIn[3].left, (28800 - 3 * 2790) / 2 + 2 * 2790);
}

TEST(ScreenAnswerLine, MoreThanFifteenSquaresStopAtTheLastBox)
{
    Screen s;
    s.setGrid(standardRows());
    std::vector<int> squares;
    for (int idx = 1; idx <= 20; ++idx)
        squares.push_back(idx);
    putLetter(s.g, 16, QStringLiteral("X"));
    s.g.form().lblIn[16].caption = QStringLiteral("keep");
    markAnswer(s.g, squares);
    s.g.highlightgrid();
    const Form &f = s.g.form();
    EXPECT_TRUE(f.lblIn[15].visible);
    EXPECT_FALSE(f.lblIn[16].visible);
    EXPECT_EQ(f.lblIn[16].caption, QStringLiteral("keep"));
    EXPECT_EQ(f.lblIn[1].width, 973);  // laid out for 15 boxes
}

TEST(ScreenAnswerLine, CrossingMarksFollowTheDirection)
{
    Screen s;
    s.setGrid(Nine);
    // Across word of row 2, squares 19..27: every other square has white above and below.
    s.g.session().curdir = 1;
    std::vector<int> row2;
    for (int idx = 19; idx <= 27; ++idx)
        row2.push_back(idx);
    markAnswer(s.g, row2);
    s.g.highlightgrid();
    QStringList marks;
    for (int i = 1; i <= 9; ++i)
        marks << s.g.form().lblInn[i].caption;
    EXPECT_EQ(marks.join(QLatin1Char(',')), QStringLiteral("*,,*,,*,,*,,*"));
    EXPECT_FALSE(s.g.form().lblInn[1].visible);  // the marks are never shown

    // A one-letter answer with a white square beside it (down direction) is crossed.
    s.g.session().curdir = 2;
    markAnswer(s.g, {20});
    s.g.highlightgrid();
    EXPECT_EQ(s.g.form().lblInn[1].caption, QStringLiteral("*"));
    EXPECT_FALSE(s.g.form().lblIn[2].visible);

    // Column 1 of row 1 is white with black on both sides: no crossing.
    markAnswer(s.g, {10});
    s.g.highlightgrid();
    EXPECT_EQ(s.g.form().lblInn[1].caption, QString());
}

TEST(ScreenParse, BreaksAtTheLastSpaceThatFitsStrictlyWithinThePanel)
{
    Screen s;
    Crosswords &g = s.g;
    g.form().fontSize = 1;
    auto width = [&](const QString &t) { return s.h.measure.textWidth(t, 1) * 1.1; };
    const QString clue = QStringLiteral("  1 Abc Defgh Ijk Lmnop");
    std::array<QString, 11> lines;

    // The remainder "       Ijk Lmnop" exactly at the limit is not wrapped again.
    g.form().lblClue[0].width = width(QStringLiteral("       Ijk Lmnop"));
    QString text = clue;
    g.screen().parse(text, lines);
    EXPECT_EQ(lines[1], QStringLiteral("  1 Abc Defgh"));
    EXPECT_EQ(lines[2], QStringLiteral("       Ijk Lmnop"));
    EXPECT_EQ(lines[3], QString());
    EXPECT_EQ(text, QStringLiteral("       Ijk Lmnop"));  // the last piece comes back

    // A hair narrower, and it is.
    g.form().lblClue[0].width = std::nextafter(width(QStringLiteral("       Ijk Lmnop")), 0.0);
    text = clue;
    g.screen().parse(text, lines);
    EXPECT_EQ(lines[1], QStringLiteral("  1 Abc Defgh"));
    EXPECT_EQ(lines[2], QStringLiteral("       Ijk"));
    EXPECT_EQ(lines[3], QStringLiteral("       Lmnop"));

    // A prefix exactly at the limit is no break point; the space before it is.
    g.form().lblClue[0].width = width(QStringLiteral("  1 Abc Defgh Ijk"));
    text = clue;
    g.screen().parse(text, lines);
    EXPECT_EQ(lines[1], QStringLiteral("  1 Abc Defgh"));
    g.form().lblClue[0].width = std::nextafter(width(QStringLiteral("  1 Abc Defgh Ijk")), 1e9);
    text = clue;
    g.screen().parse(text, lines);
    EXPECT_EQ(lines[1], QStringLiteral("  1 Abc Defgh Ijk"));
    EXPECT_EQ(lines[2], QStringLiteral("       Lmnop"));
}

TEST(ScreenParse, TheIndentIsNeverABreakAndUnbreakableTextStaysWhole)
{
    Screen s;
    Crosswords &g = s.g;
    g.form().fontSize = 1;
    g.form().lblClue[0].width = 100;
    std::array<QString, 11> lines;
    QString text = QStringLiteral("  1 Abc Defghijklmnopqrstuvwxyz");
    g.screen().parse(text, lines);
    EXPECT_EQ(lines[1], QStringLiteral("  1 Abc"));
    EXPECT_EQ(lines[2], QStringLiteral("       Defghijklmnopqrstuvwxyz"));

    text = QStringLiteral(" 12 Abcdefghijklmnopqrstuvwxyz");  // only spaces before the 8th character
    g.screen().parse(text, lines);
    EXPECT_EQ(lines[1], QStringLiteral(" 12 Abcdefghijklmnopqrstuvwxyz"));
    EXPECT_EQ(lines[2], QString());
}

TEST(ScreenParse, AClueNeedingMoreThanTenLinesKeepsTheRestOnTheTenth)
{
    Screen s;
    Crosswords &g = s.g;
    g.form().fontSize = 1;
    g.form().lblClue[0].width = 150;  // room for 13 characters
    QStringList words;
    for (int i = 0; i < 30; ++i)
        words << QStringLiteral("w%1").arg(i, 2, 10, QLatin1Char('0'));
    const QString clue = QStringLiteral("  1 ") + words.join(QLatin1Char(' '));
    QString text = clue;
    std::array<QString, 11> lines;
    g.screen().parse(text, lines);
    for (int k = 1; k <= 10; ++k)
        EXPECT_FALSE(lines[k].isEmpty()) << k;
    EXPECT_GT(s.h.measure.textWidth(lines[10], 1) * 1.1, 150);  // the overflow is on line 10
    QStringList pieces;
    for (int k = 1; k <= 10; ++k)
        pieces << lines[k].trimmed();
    EXPECT_EQ(pieces.join(QLatin1Char(' ')), clue.trimmed());  // nothing lost
}

TEST(ScreenClues, EntriesAreWrappedAndStackedWithoutGapsOverThePanel)
{
    Screen s;
    s.setGrid(standardRows());
    s.g.setnozoom();
    s.g.drawboard();
    QList<QPair<QString, QString>> rows;
    for (int n = 1; n <= 12; ++n) {
        QString text = QStringLiteral("%1 Short clue %2 (5)").arg(n, 3).arg(n);
        if (n % 4 == 0)
            text = QStringLiteral("%1 A much longer clue that will need to be wrapped over several lines of the panel "
                                  "because it goes on and on (4,3,6)").arg(n, 3);
        rows << qMakePair(QStringLiteral("A%1").arg(n), text);
    }
    rows << qMakePair(QStringLiteral("D1"), QStringLiteral("  1 Down clue (3)"));
    s.setClues(rows);
    s.g.session().curdir = 1;
    s.g.session().curclue = 2;
    s.g.showclues();
    const Form &f = s.g.form();

    const auto shown = s.visibleEntries();
    ASSERT_EQ(shown.size(), 12u);
    int total = 0;
    for (int i : shown)
        total += int(f.lblClue[i].caption.count(QLatin1Char('\n'))) + 1;
    EXPECT_GT(total, 12);  // the long clues were wrapped
    const int lh = nearest(f.board.height / total);
    double top = nearest(f.lblClue[0].top);
    const double fs = f.lblClue[1].fontSize;
    EXPECT_GE(fs, 1);
    EXPECT_LE(total * s.h.measure.textHeight(QStringLiteral("Ay"), fs), f.board.height);
    EXPECT_EQ(s.g.form().fontSize, fs);  // the window's font stays where the fitting left it
    for (int i : shown) {
        const Control &e = f.lblClue[i];
        const int nl = int(e.caption.count(QLatin1Char('\n'))) + 1;
        EXPECT_EQ(e.top, top) << i;
        EXPECT_EQ(e.height, nl * lh) << i;
        EXPECT_EQ(e.fontSize, fs) << i;
        top += e.height;
        for (const QString &line : e.caption.split(QLatin1Char('\n')))
            EXPECT_LE(s.h.measure.textWidth(line, fs) * 1.1, f.lblClue[0].width) << line.toStdString();
    }
    EXPECT_NEAR(top - f.lblClue[0].top, f.board.height, total / 2.0 + 1);
    EXPECT_TRUE(f.lblClue[4].caption.contains(QStringLiteral("\n       ")));  // continuation indent
    EXPECT_EQ(f.lblClue[1].caption, QStringLiteral("  1 Short clue 1 (5)"));  // fits: unchanged
}

TEST(ScreenClues, NoVisibleEntryLeavesEverythingAsItWasAndTheSizeNeverDropsBelowTheFloor)
{
    Screen s;
    for (int i = 1; i <= 100; ++i)
        s.g.form().lblClue[i].visible = false;
    s.g.form().fontSize = 7;
    const Form before = s.g.form();
    s.g.scaleclues();
    EXPECT_EQ(s.g.form(), before);

    // A tiny panel with many clues: the size stops at the floor, and the
    // panel shows what it has room for, the current clue alone.
    s.g.form().board.height = 30;
    s.g.form().lblClue[0].width = 100000;
    for (int i = 1; i <= 40; ++i) {
        s.g.form().lblClue[i].visible = true;
        s.g.form().lblClue[i].caption = QStringLiteral("  %1 Clue").arg(i);
    }
    s.g.session().curclue = 5;
    s.g.scaleclues();
    EXPECT_EQ(s.g.form().lblClue[1].fontSize, MinClueFontSize);
    EXPECT_EQ(s.g.form().fontSize, MinClueFontSize);
    for (int i = 1; i <= 40; ++i)
        EXPECT_EQ(s.g.form().lblClue[i].visible, i == 5) << i;
    EXPECT_EQ(s.g.form().lblClue[5].top, nearest(s.g.form().lblClue[0].top));
}

TEST(ScreenClues, PanelHeadingCompletionAndSelection)
{
    Screen s;
    s.setGrid(Nine);
    s.g.setnozoom();
    s.g.drawboard();
    s.setClues({{QStringLiteral("A1"), QStringLiteral("  1 First (4)")},
                {QStringLiteral("A7"), QStringLiteral("  7 Second (9)")},
                {QStringLiteral("A0"), QStringLiteral("  0 Zero (3)")},
                {QStringLiteral("Ax"), QStringLiteral("  x Unreadable (3)")},
                {QStringLiteral("D2"), QStringLiteral("  2 Down (9)")}});
    for (int idx = 2; idx <= 5; ++idx)
        putLetter(s.g, idx, QStringLiteral("Z"));  // all of 1 across
    s.g.session().curdir = 1;
    s.g.session().curclue = 9;
    s.g.showclues();
    const Form &f = s.g.form();

    EXPECT_EQ(f.lbl1[1].caption, QStringLiteral("ACROSS"));
    EXPECT_EQ(f.lbl1[1].foreColor, Colour::White);
    EXPECT_EQ(f.lbl1[0].backColor, Colour::Blue);
    EXPECT_EQ(f.lbl1[0].left, 300);
    EXPECT_EQ(f.lbl1[0].top, 100);
    EXPECT_EQ(f.lbl1[0].height, 500);
    EXPECT_TRUE(f.lbl1[0].visible && f.lbl1[1].visible);
    EXPECT_DOUBLE_EQ(f.lbl1[1].fontSize, 25);  // a capital 500 twips high
    EXPECT_EQ(f.lblClue[0].left, 300);
    EXPECT_EQ(f.lblClue[0].top, 800);
    EXPECT_EQ(f.lblClue[0].width, f.board.left - 600);
    EXPECT_EQ(f.lblClue[0].height, f.board.height);

    EXPECT_EQ(f.lblClue[1].foreColor, Colour::Grey);   // every square filled
    EXPECT_EQ(f.lblClue[2].foreColor, Colour::Black);  // squares still empty
    EXPECT_EQ(f.lblClue[3].foreColor, Colour::Grey);   // number 0 matches no square
    EXPECT_EQ(f.lblClue[4].foreColor, Colour::Grey);   // nor does an unreadable one
    EXPECT_FALSE(f.lblClue[5].visible);                // the down clue is not listed
    EXPECT_EQ(s.g.session().curclue, 4);                         // clamped to the last entry
    EXPECT_EQ(f.lblClue[4].backColor, Colour::Yellow);
    EXPECT_EQ(f.lblClue[1].backColor, Colour::White);

    s.g.session().curdir = 2;
    s.g.session().curclue = 0;
    s.g.showclues();
    EXPECT_EQ(f.lbl1[1].caption, QStringLiteral("DOWN"));
    EXPECT_EQ(s.g.session().curclue, 1);
    EXPECT_TRUE(f.lblClue[1].caption.startsWith(QStringLiteral("  2 Down")));
    EXPECT_EQ(f.lblClue[1].backColor, Colour::Yellow);
    EXPECT_EQ(s.visibleEntries().size(), 1u);
}

TEST(ScreenClues, ADirectionWithoutCluesSelectsThePanelItself)
{
    Screen s;
    s.setGrid(Nine);
    s.g.setnozoom();
    s.g.drawboard();
    s.setClues({{QStringLiteral("A1"), QStringLiteral("  1 Only across (4)")}});
    s.g.session().curdir = 2;
    s.g.session().curclue = 3;
    s.g.showclues();
    EXPECT_EQ(s.g.session().curclue, 0);
    EXPECT_EQ(s.g.form().lblClue[0].backColor, Colour::Yellow);
    EXPECT_TRUE(s.visibleEntries().empty());
}

TEST(ScreenClues, HighlightClueFollowsTheSquareAndSwitchesDirection)
{
    Screen s;
    s.setGrid(Nine);
    s.g.setnozoom();
    s.g.drawboard();
    s.setClues({{QStringLiteral("A1"), QStringLiteral("  1 First across (4)")},
                {QStringLiteral("A7"), QStringLiteral("  7 Second across (9)")},
                {QStringLiteral("D2"), QStringLiteral("  2 First down (9)")},
                {QStringLiteral("D3"), QStringLiteral("  3 Second down (4)")},
                {QStringLiteral("D6"), QStringLiteral("  6 Third down (8)")}});
    s.g.session().curdir = 1;
    s.g.session().curclue = 1;
    s.g.showclues();

    // Square (1,0) lies only in 6 down.
    s.g.highlightclue(10);
    EXPECT_EQ(s.g.session().curdir, 2);
    EXPECT_EQ(s.g.form().lbl1[1].caption, QStringLiteral("DOWN"));
    EXPECT_EQ(s.g.form().lblClue[3].backColor, Colour::Yellow);
    EXPECT_EQ(s.g.form().lblClue[1].backColor, Colour::White);  // the clamped selection moved
    EXPECT_EQ(s.g.session().curclue, 1);  // the selection index is left alone

    // A square of both words keeps the direction: (2,4) is in 7 across and 3 down.
    s.g.highlightclue(23);
    EXPECT_EQ(s.g.session().curdir, 2);
    EXPECT_EQ(s.g.form().lblClue[2].backColor, Colour::Yellow);
    EXPECT_EQ(s.g.form().lblClue[3].backColor, Colour::White);

    // A black square only turns the direction round.
    const Form before = s.g.form();
    s.g.highlightclue(11);
    EXPECT_EQ(s.g.session().curdir, 1);
    EXPECT_EQ(s.g.form(), before);
}

TEST(ScreenNormalView, FrameKeyboardAndPicture)
{
    Screen s;
    s.g.session().viewmode = 1;
    s.g.keycode().clear();
    s.g.form().shpsel.visible = false;
    s.g.setnozoom();
    const Form &f = s.g.form();

    EXPECT_EQ(f.picbox.backColor, Colour::MidGrey);
    EXPECT_DOUBLE_EQ(f.board.height, ScreenH * 0.75);
    EXPECT_DOUBLE_EQ(f.board.left, ScreenW - ScreenH * 0.75 - 300);
    EXPECT_EQ(f.board.top, 800);
    EXPECT_DOUBLE_EQ(f.lblBack.top, ScreenH * 0.8);
    EXPECT_EQ(f.lblBack.width, ScreenW);
    EXPECT_EQ(f.lblBack.backColor, Colour::Black);
    EXPECT_TRUE(f.lblBack.visible);
    EXPECT_TRUE(f.shpsel.visible);
    EXPECT_TRUE(s.g.keycode().isEmpty());  // nothing moves the selection; the engine reads it

    // keyh 1152; keyw (15360 - 600) / 14 = 1054.3 -> 1054 would put the second
    // row below the bottom edge (9516 + 2 * 1054 > 11520). The rows rise to
    // 150 inside the strip and shrink to (11520 - 150 - 9366) / 2 = 1002;
    // letters are sized on 1152.
    EXPECT_EQ(f.lblKey[0].width, 1002);
    EXPECT_EQ(f.lblKey[0].height, 1002);
    EXPECT_EQ(f.lblKey[0].top, 9366);
    EXPECT_EQ(f.lblKey[12].left, 300 + 12 * 1002);
    EXPECT_EQ(f.lblKey[12].caption, QStringLiteral("M"));
    EXPECT_EQ(f.lblKey[13].caption, QStringLiteral("N"));
    EXPECT_EQ(f.lblKey[13].left, 300);
    EXPECT_EQ(f.lblKey[13].top, 9366 + 1002);
    EXPECT_EQ(f.lblKey[26].caption, QStringLiteral("#"));
    EXPECT_EQ(f.lblKey[26].left, 300 + 13 * 1002);
    EXPECT_EQ(f.lblKey[0].fontSize, 49);  // 1152 / 20 * 0.85 = 48.96

    EXPECT_EQ(f.imgBack.left, 0);
    EXPECT_DOUBLE_EQ(f.imgBack.height, ScreenH * 1.08);
    EXPECT_FALSE(f.imgBack.visible);
    EXPECT_FALSE(f.lbl4[1].visible || f.lbl5[1].visible || f.lbl2.visible || f.lblTitle.visible);

    // The menu buttons sit at the right, one above the other, clear of the strip
    // and its caption, each text on its box, the captions fitting across.
    EXPECT_LE(f.lbl5[0].top + f.lbl5[0].height, f.lblBack.top);
    EXPECT_LE(f.lbl4[0].top + f.lbl4[0].height, f.lbl5[0].top);
    EXPECT_GT(f.lbl4[0].top, ScreenH / 2);
    EXPECT_LE(f.lbl5[0].left + f.lbl5[0].width, ScreenW);
    EXPECT_GT(f.lbl5[0].left, ScreenW / 2);
    for (const auto *button : {&f.lbl4, &f.lbl5}) {
        const Control &box = (*button)[0];
        const Control &text = (*button)[1];
        EXPECT_EQ(text.left, box.left);
        EXPECT_EQ(text.top, box.top);
        EXPECT_EQ(text.width, box.width);
        EXPECT_EQ(text.height, box.height);
        EXPECT_LE(s.h.measure.textWidth(text.caption, text.fontSize), box.width);
        EXPECT_LE(s.h.measure.textHeight(text.caption, text.fontSize), box.height);
    }
}

TEST(ScreenNormalView, WideScreenKeysFitTheStripAndOutsideTheClueListNothingIsPosted)
{
    Screen s(1920 * 15.0, 1080 * 15.0);
    s.g.session().viewmode = 2;
    s.g.keycode().clear();
    s.g.setnozoom();
    // Not (28800 - 600) / 14, nor the tenth of the height (1620): two rows
    // of that would end below the screen.
    EXPECT_EQ(s.g.form().lblKey[0].width, (16200 - 150 - 13110) / 2);
    EXPECT_EQ(s.g.form().lblKey[0].height, 1470);
    EXPECT_EQ(s.g.form().lblKey[0].top, 13110);
    EXPECT_EQ(s.g.keycode(), QString());
}

TEST(ScreenNormalView, SelectionFrameSurroundsAControlFromBehind)
{
    Screen s;
    Control target;
    target.left = 1000;
    target.top = 2000;
    target.width = 3000;
    target.height = 4000;
    s.g.screen().frameAround(target);
    const Control &frame = s.g.form().shpsel;
    EXPECT_EQ(frame.left, 850);
    EXPECT_EQ(frame.top, 1850);
    EXPECT_EQ(frame.width, 3300);
    EXPECT_EQ(frame.height, 4300);
    for (const Control *c : s.g.form().controls())
        if (c != &frame && c != &s.g.form().picbox)
            EXPECT_LT(frame.z, c->z);
}

// A puzzle open in the normal view, then the given magnified level.
struct Zoomed : Screen {
    explicit Zoomed(int level)
    {
        setGrid(standardRows());
        g.setnozoom();
        g.drawboard();
        g.session().viewmode = level;
    }
};

TEST(ScreenZoom, FullScreenOnA43ScreenIsCentredWithItsLastRowOnScreen)
{
    Zoomed z(4);
    z.g.setzoom();
    const Form &f = z.g.form();
    // The margin all round: the board is the screen height less 600.
    const double side = ScreenH - 600;
    EXPECT_EQ(f.board.width, side);
    EXPECT_EQ(f.board.left, (ScreenW - side) / 2);
    EXPECT_EQ(f.board.top, 300);
    const int sq = nearest(side / 13);
    EXPECT_EQ(f.D[1].left, (ScreenW - side) / 2);
    EXPECT_EQ(f.D[1].top, 300);
    EXPECT_LE(f.D[169].top + f.D[169].height, ScreenH - 300 + 15);
    EXPECT_LE(f.D[169].left + f.D[169].width, ScreenW);
    EXPECT_EQ(f.D[2].left, f.D[1].left + sq);
    EXPECT_EQ(f.D[14].top, 300 + sq);
    EXPECT_EQ(f.D[14].width, sq + 15);
    EXPECT_EQ(f.D[1].fontSize, sq / 30);
    EXPECT_TRUE(f.D[169].visible);
    EXPECT_TRUE(f.Dn[169].visible);
    EXPECT_FALSE(f.lblKey[0].visible || f.lblBack.visible || f.shpsel.visible || f.lbl2.visible);
    EXPECT_FALSE(f.lblClue[0].visible);
    // With nothing marked the cursor goes to the first square.
    EXPECT_EQ(z.g.session().currow, 1);
    EXPECT_EQ(z.g.session().curcol, 1);
    EXPECT_EQ(f.D[1].backColor, Colour::Yellow);
}

TEST(ScreenZoom, SixteenTimesScrollsOnlyWhenTheCursorSquareLeavesTheWindow)
{
    Zoomed z(8);
    const int sq = nearest(ScreenH * 6.4 / 13);  // 5671
    z.g.session().currow = 1;
    z.g.session().curcol = 2;
    z.g.setzoom();
    const Form &f = z.g.form();
    EXPECT_EQ(f.picbox.width, ScreenW * 6.4);
    EXPECT_EQ(f.D[1].left, 300);        // second column still ends inside the window
    EXPECT_EQ(f.D[2].left, 300 + sq);

    z.g.session().curcol = 3;  // its far edge 2 * 5671 + 5686 is past 15360
    z.g.setzoom();
    EXPECT_EQ(f.D[3].left, 300);
    EXPECT_EQ(f.D[1].left, 300 - 2 * sq);
    EXPECT_EQ(f.D[3].top, 300);

    z.g.session().currow = 3;
    z.g.setzoom();
    EXPECT_EQ(f.D[2 * 13 + 3].top, 300);
    EXPECT_EQ(f.D[2 * 13 + 3].left, 300);
}

TEST(ScreenZoom, TheMarkerPlacesTheCursorAndStaysTheOnlyMarkedSquare)
{
    Zoomed z(5);
    markAnswer(z.g, {28, 29, 30});  // row 2, columns 1 to 3: the current answer
    z.g.session().currow = 0;
    z.g.session().curcol = 0;
    z.g.setzoom();
    EXPECT_EQ(z.g.session().currow, 3);
    EXPECT_EQ(z.g.session().curcol, 2);
    auto marked = [&z] {
        std::vector<int> out;
        for (int idx = 1; idx <= 169; ++idx)
            if (z.g.form().D[idx].backColor == Colour::Yellow || z.g.form().D[idx].backColor == Colour::PaleYellow)
                out.push_back(idx);
        return out;
    };
    EXPECT_EQ(marked(), std::vector<int>{28});
    // 2 times: the board (1.6 screen heights) is wider than the screen, so not centred.
    EXPECT_EQ(z.g.form().D[1].left, 300);

    // The engine marks a black cursor square pale; it is found and stays pale,
    // and a placed cursor is not moved.
    markAnswer(z.g, {15});  // (1,1) is black
    z.g.setzoom();
    EXPECT_EQ(marked(), std::vector<int>{15});
    EXPECT_EQ(z.g.form().D[15].backColor, Colour::PaleYellow);
    EXPECT_EQ(z.g.session().currow, 3);
    EXPECT_EQ(z.g.session().curcol, 2);
}

TEST(ScreenZoom, CoordinatesPhraseNamesTheSquareAndItsContent)
{
    Zoomed z(4);
    putLetter(z.g, 1, QStringLiteral("E"));
    z.g.session().currow = 1;
    z.g.session().curcol = 1;
    z.g.setzoom();
    z.g.announcer().voicestate = 1;
    EXPECT_EQ(z.g.sayzoom(), QStringLiteral("1A\tE"));
    EXPECT_EQ(z.g.announcer().voicestate, 0);

    putLetter(z.g, 1, QString());
    EXPECT_EQ(z.g.sayzoom(), QStringLiteral("1A\tblank"));

    // (1,1) is black: the engine marks it pale and only the position is said.
    markAnswer(z.g, {15});
    z.g.session().currow = 2;
    z.g.session().curcol = 2;
    z.g.setzoom();
    EXPECT_EQ(z.g.sayzoom(), QStringLiteral("2B"));
    z.g.session().currow = 5;
    z.g.session().curcol = 3;
    EXPECT_TRUE(z.g.sayzoom().startsWith(QStringLiteral("5C")));
}

// The screen shapes solvers have, in pixels; a 3840 x 2160 screen at scale 2
// lays out as 1920 x 1080.
class ScreenShapes : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(ScreenShapes, EveryControlOfTheNormalAndFullScreenViewsIsWhollyOnScreen)
{
    const double w = GetParam().first * 15.0;
    const double h = GetParam().second * 15.0;
    Screen s(w, h);
    s.g.session().viewmode = 1;
    s.setGrid(standardRows());
    s.g.setnozoom();
    s.g.drawboard();
    const Form &f = s.g.form();
    const Control &corner = f.D[169];
    const double boardRight = corner.left + corner.width;
    const double boardBottom = corner.top + corner.height;
    EXPECT_LE(boardBottom, f.lblBack.top);
    EXPECT_LE(boardRight, w - 150);
    EXPECT_GT(f.board.left - 600, w / 4);  // room for the clue panel
    if (w > h * 4 / 3)
        EXPECT_GE(boardRight, w - 300 - 15) << "an empty band right of the board";
    else
        EXPECT_DOUBLE_EQ(f.board.width, h * 0.75);  // the 4 : 3 proportions

    // The answer line of every length, inside its frame, between the board and
    // the bottom edge.
    for (int k = 1; k <= 13; ++k) {
        std::vector<int> squares;
        for (int i = 1; i <= k; ++i)
            squares.push_back(i);
        markAnswer(s.g, squares);
        s.g.highlightgrid();
        const Control &first = f.lblIn[1];
        const Control &last = f.lblIn[k];
        EXPECT_GE(first.top - 150, boardBottom) << k;
        EXPECT_LE(first.top + first.height + 150, h - 150) << k;
        EXPECT_GE(first.left - 150, 0) << k;
        EXPECT_LE(last.left + last.width + 150, w) << k;
    }

    // Both rows of keys inside the strip and on screen.
    EXPECT_GE(f.lblKey[0].top, f.lblBack.top);
    EXPECT_LE(f.lblKey[26].top + f.lblKey[26].height, h - 150);
    EXPECT_LE(f.lblKey[26].left + f.lblKey[26].width, w);

    // Full screen shows every square whole.
    s.g.session().viewmode = 4;
    s.g.setzoom();
    for (int idx = 1; idx <= 169; ++idx) {
        const Control &d = f.D[idx];
        EXPECT_TRUE(d.left >= 0 && d.top >= 0 && d.left + d.width <= w && d.top + d.height <= h) << idx;
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, ScreenShapes,
                         ::testing::Values(std::pair(800, 600), std::pair(1024, 768), std::pair(1280, 1024),
                                           std::pair(1366, 768), std::pair(1920, 1080), std::pair(2560, 1440)),
                         [](const auto &info) {
                             return std::to_string(info.param.first) + "x" + std::to_string(info.param.second);
                         });

TEST(ScreenZoom, TheCursorSquareIsWhollyOnScreenAtEveryLevel)
{
    // Scrolling goes by where a square is drawn, its margin included.
    for (int level = 5; level <= 8; ++level) {
        Zoomed z(level);
        for (int row = 1; row <= 13; ++row) {
            for (int col = 1; col <= 13; ++col) {
                z.g.session().currow = row;
                z.g.session().curcol = col;
                z.g.setzoom();
                const Control &d = z.g.form().D[(row - 1) * 13 + col];
                EXPECT_TRUE(d.left >= 0 && d.top >= 0 && d.left + d.width <= ScreenW && d.top + d.height <= ScreenH)
                    << level << " " << row << " " << col;
            }
        }
    }
}

} // namespace
