// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// The screen's font fitting with the real window font (Arial bold through
// fontconfig): headings, boxes, keys and the clue panel come out the size the
// layout means them to be, at common screen sizes.
#include "engine/crosswords.h"
#include "platform/qttextmeasure.h"
#include "base/rounding.h"
#include "solving_fixture.h"
#include "support/doubles.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <gtest/gtest.h>

namespace {

// The game with the real text measure and doubles for everything else, its
// screen built as start-up builds it, showing a 13 x 13 board.
struct RealFontScreen {
    RecordingVoice voice;
    RecordingSound sound;
    ScriptedConfirm confirm;
    QtTextMeasure measure{96.0};
    MemoryResources resources;
    RecordingPrinter printer;
    RecordingApp app;
    Crosswords g;

    RealFontScreen(int pixelsWide, int pixelsHigh)
        : g(Services{voice, sound, confirm, measure, resources, printer, app}, environment(pixelsWide, pixelsHigh))
    {
        g.screen().setscreen();
        g.form().loadControlArrays();
        g.session().viewmode = 1;
        g.setnozoom();
        g.session().curpuz = 70;
        QStringList rows(13, QString(13, QLatin1Char('A')));
        for (int r = 0; r < 13; ++r)
            for (int c = 0; c < 13; ++c)
                if (r % 2 == 1 && c % 2 == 1)
                    rows[r][c] = QLatin1Char(' ');
        showBoard(rows);
    }

    // A board of the given rows, a space for a black square.
    void showBoard(const QStringList &rows)
    {
        const int side = int(rows.size());
        g.puzzle() = Puzzle(rows);
        g.form().ensureCapacity(side * side, 0, 0);
        g.table().fill(g.puzzle());
        g.attempt() = Attempt(g.puzzle());
        g.drawboard();
    }

    static Environment environment(int w, int h)
    {
        Environment env;
        env.screenWidth = w * 15.0;
        env.screenHeight = h * 15.0;
        return env;
    }

    // Across clues of the lengths a real puzzle has, some long enough to wrap.
    void fillClues(int count)
    {
        const QStringList texts{
            QStringLiteral("Harbour light seen from the cliff path"),
            QStringLiteral("Oar"),
            QStringLiteral("Old sailors spin them on a long winter evening by the stove, as the wind rattles the shutters"),
            QStringLiteral("Garden tool kept in the shed"),
            QStringLiteral("Small bird heard before it is seen in the hedgerows at dawn"),
        };
        for (int n = 1; n <= count; ++n) {
            const QString text = texts[n % texts.size()];
            g.table().clues[n][1] = QStringLiteral("A%1").arg(n);
            g.table().clues[n][3] = QStringLiteral("%1 %2 (%3)").arg(n, 3).arg(text).arg(5 + n % 7);
        }
    }
};

class RealFontSizes : public ::testing::TestWithParam<QSize> {};

TEST_P(RealFontSizes, HeadingTitleAndKeysAreTheHeightTheyAreFittedTo)
{
    RealFontScreen s(GetParam().width(), GetParam().height());
    s.fillClues(14);
    s.g.session().curclue = 1;
    s.g.showclues();
    const Form &f = s.g.form();

    // A line of the heading is as high as its 500-twip box, within a pixel.
    EXPECT_NEAR(s.measure.textHeight(QStringLiteral("A"), f.lbl1[1].fontSize), 500, 15);
    EXPECT_NEAR(s.measure.textHeight(QStringLiteral("A"), f.lbl2.fontSize), 800, 15);
    EXPECT_LT(s.measure.textWidth(f.lbl2.caption, f.lbl2.fontSize), f.lbl2.width);  // "Puzzle 70" not clipped

    // Key letters take 85 % of a tenth of the screen height; they must fit a key.
    const double keyh = nearest(s.g.env().screenHeight * 0.1);
    EXPECT_NEAR(s.measure.textHeight(QStringLiteral("A"), f.lblKey[0].fontSize), keyh * 0.85, 30);
    EXPECT_LE(s.measure.textWidth(QStringLiteral("W"), f.lblKey[22].fontSize), f.lblKey[22].width);
}

TEST_P(RealFontSizes, AnswerBoxesHoldAWideLetter)
{
    RealFontScreen s(GetParam().width(), GetParam().height());
    for (int idx = 1; idx <= 13; ++idx)
        s.g.screen().markSquare(idx, true);
    s.g.highlightgrid();
    const Control &box = s.g.form().lblIn[1];
    const double w = s.measure.textWidth(QStringLiteral("W"), box.fontSize);
    EXPECT_NEAR(w, box.width * 0.85, box.width * 0.05);
    EXPECT_LT(s.measure.textHeight(QStringLiteral("W"), box.fontSize), box.height * 1.2);
}

TEST_P(RealFontSizes, ClueEntriesFitThePanelAndFillItWithoutGaps)
{
    RealFontScreen s(GetParam().width(), GetParam().height());
    s.fillClues(16);
    s.g.session().curclue = 3;
    s.g.showclues();
    const Form &f = s.g.form();
    const double fs = f.lblClue[1].fontSize;
    // Readable on every one of these screens, even with several clues
    // wrapping: where the list does not fit at the smallest size, the panel
    // shows an unbroken run of it around the current clue.
    EXPECT_GE(fs, MinClueFontSize);

    int lines = 0;
    int shown = 0;
    int first = 0;
    int last = 0;
    double top = nearest(f.lblClue[0].top);
    for (int i = 1; i <= 16; ++i) {
        const Control &e = f.lblClue[i];
        if (!e.visible)
            continue;
        ++shown;
        first = first == 0 ? i : first;
        last = i;
        EXPECT_EQ(e.top, top) << i;
        top += e.height;
        const QStringList parts = e.caption.split(QLatin1Char('\n'));
        lines += int(parts.size());
        for (const QString &line : parts)
            EXPECT_LE(s.measure.textWidth(line, fs) * 1.1, f.lblClue[0].width) << line.toStdString();
        EXPECT_GE(e.height, parts.size() * s.measure.textHeight(QStringLiteral("Ay"), fs) - 1) << i;
    }
    EXPECT_EQ(shown, last - first + 1);
    EXPECT_TRUE(f.lblClue[3].visible);
    EXPECT_GT(lines, shown);  // the long clues wrapped
    EXPECT_LE(lines * s.measure.textHeight(QStringLiteral("Ay"), fs), f.board.height);
    // A list that fits fills the panel.
    if (shown == 16)
        EXPECT_NEAR(top, nearest(f.lblClue[0].top) + f.board.height, lines);
    EXPECT_EQ(f.lblClue[3].backColor, Colour::Yellow);
    // The panel ends left of the board.
    EXPECT_LT(f.lblClue[0].left + f.lblClue[0].width, f.board.left);
}

// Metrics of a label's own font, in pixels at 96 dpi (15 twips each).
QFontMetricsF metricsOf(const Control &label)
{
    QFont font(label.fontName);
    font.setBold(label.fontBold);
    font.setPointSizeF(label.fontSize);
    return QFontMetricsF(font);
}

// Height in twips of a text's inked part, in a label's own font.
double inkHeight(const Control &label, const QString &text)
{
    return metricsOf(label).tightBoundingRect(text).height() * 15;
}

TEST_P(RealFontSizes, ClueNumbersAreAThirdOfTheirSquareAndBoldAndClearOfTheLetterInEveryView)
{
    RealFontScreen s(GetParam().width(), GetParam().height());
    auto check = [&s](const char *view) {
        const Control &square = s.g.form().D[1];
        const Control &number = s.g.form().Dn[1];
        ASSERT_TRUE(number.visible) << view;
        EXPECT_TRUE(number.fontBold) << view;
        EXPECT_GE(inkHeight(number, QStringLiteral("0123456789")), square.height * 0.3) << view;
        // A capital fits the part of the square below the number, and centred
        // there it starts below the digits, which are drawn from the top.
        const double area = square.height * (1 - LetterAreaTop);
        const double cap = metricsOf(square).capHeight() * 15;
        EXPECT_LE(cap, area) << view;
        EXPECT_LE(metricsOf(number).ascent() * 15, square.height - area + (area - cap) / 2) << view;
    };
    check("normal view");
    for (int level = 4; level <= 8; ++level) {
        s.g.session().viewmode = level;
        s.g.session().currow = s.g.session().curcol = 1;
        s.g.setzoom();
        check("magnified");
    }
}

// On 21 x 21 and 25 x 25 boards the numbers reach the hundreds: each is
// drawn whole inside its square, in the normal and the full-screen view.
TEST_P(RealFontSizes, EveryClueNumberFitsItsSquareOnBigBoards)
{
    RealFontScreen s(GetParam().width(), GetParam().height());
    for (const int side : {21, 25}) {
        s.showBoard(latticeRows(side, true).replaceInStrings(QStringLiteral("#"), QStringLiteral(" ")));
        for (const int view : {1, 4}) {
            s.g.session().viewmode = view;
            if (view == 4)
                s.g.setzoom();
            int hundreds = 0;
            for (int idx = 1; idx <= side * side; ++idx) {
                const Control &number = s.g.form().Dn[idx];
                if (!number.visible || number.caption.trimmed().isEmpty())
                    continue;
                hundreds += number.caption.trimmed().size() == 3;
                EXPECT_LE(metricsOf(number).horizontalAdvance(number.caption) * 15, number.width)
                    << side << "x" << side << " view " << view << " number" << number.caption.toStdString();
            }
            EXPECT_GT(hundreds, 0) << side;
        }
        s.g.session().viewmode = 1;
        s.g.setnozoom();
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, RealFontSizes,
                         ::testing::Values(QSize(1024, 768), QSize(1920, 1080), QSize(1280, 1024), QSize(800, 600),
                                           QSize(1366, 768), QSize(2560, 1440)),
                         [](const auto &info) {
                             return std::to_string(info.param.width()) + "x" + std::to_string(info.param.height());
                         });

} // namespace
