// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// Whole games on boards other than 13 x 13: a 15 x 15 puzzle and a 21 x 21
// one with 150 clues and answers of 21 letters, from opening to printing.
#include "solving_fixture.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

// A side x side grid with black squares in a lattice; `extra` adds blocks to
// every fourth row (but the third) so that the big grid has 150 clues.
QStringList latticeRows(int side, bool extra)
{
    QStringList rows;
    for (int r = 0; r < side; ++r) {
        QString row;
        for (int c = 0; c < side; ++c) {
            const bool block = (r % 4 == 1 && c % 4 == 1) || (r % 4 == 3 && c % 4 == 3)
                || (extra && r % 4 == 2 && r != 2 && c % 6 == 0);
            row += block ? QLatin1Char('#') : QChar('A' + (r * 7 + c * 3) % 26);
        }
        rows.append(row);
    }
    return rows;
}

struct Size {
    int side;
    bool extra;
    int clues;
};

class OtherSizes : public ::testing::TestWithParam<Size> {
protected:
    OtherSizes() : rows(latticeRows(GetParam().side, GetParam().extra)), h({puzzleBytes(rows, numberedClues(rows))}) {}

    int side() const { return GetParam().side; }
    int letterSquares() const
    {
        int n = 0;
        for (const QString &row : rows)
            n += int(row.size() - row.count(QLatin1Char('#')));
        return n;
    }
    QString progress()
    {
        QFile f(h.g().progressFile(1));
        return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
    }
    QString percentPhrase(int filled) const
    {
        return QStringLiteral("This puzzle is %1 percent done").arg(qRound(filled * 100.0 / letterSquares()));
    }

    // The letters and revealed marks of the board, without the answer line.
    QStringList board()
    {
        QStringList squares;
        const Attempt &a = h.g().attempt;
        for (int i = 0; i < a.squareCount(); ++i)
            squares.append(a.letter(i) + (a.revealed(i) ? QStringLiteral("!") : QString()));
        return squares;
    }

    QStringList rows;
    Harness h;
};

TEST_P(OtherSizes, APuzzlePlaysFromOpeningToPrintingAndKeepsItsLetters)
{
    const int n = side();
    openFirstPuzzle(h);
    Crosswords &g = h.g();
    ASSERT_EQ(g.puzzle.width(), n);
    EXPECT_GE(g.clueRows(), GetParam().clues);
    EXPECT_EQ(int(g.puzzle.clues(Direction::Across).size() + g.puzzle.clues(Direction::Down).size()),
              GetParam().clues);

    // 1 across is the whole top row: every letter goes into its own box.
    EXPECT_EQ(h.say(Key::Space).value(0), QStringLiteral("1 across, %1letters,  Clue A1").arg(n));
    for (const QChar ch : rows[0])
        h.say(ch.unicode());
    EXPECT_TRUE(g.form.lblIn[n].visible);
    const QStringList filled = h.say(Key::Enter);
    EXPECT_TRUE(filled.value(0).startsWith(QStringLiteral("you filled this in with, ") + rows[0][0]));
    for (int c = 0; c < n; ++c)
        EXPECT_EQ(g.form.D[c + 1].caption, QString(rows[0][c]));
    EXPECT_EQ(h.say(Key::F2), QStringList{"there are no mistakes in the crossword so far"});

    // The next clue revealed, then a wrong letter in the last square of the grid.
    h.say(Key::Down);
    h.press(Key::F2, Mod::Shift);
    h.drain();
    const PuzzleClue &second = g.puzzle.clues(Direction::Across).at(1);
    EXPECT_TRUE(h.spoken().last().startsWith(QStringLiteral("the answer is ") + second.answer));
    const CellPos revealed = second.cells.first();
    EXPECT_TRUE(g.attempt.revealed(g.attempt.index(revealed.row, revealed.column)));
    const int last = n * n;
    putLetter(g, last, QStringLiteral("Q"));
    const QStringList check = h.say(Key::F2);
    EXPECT_EQ(check.value(1), QStringLiteral("is wrong"));

    // Saved in the same layout as a 13 x 13 puzzle: the side, three lines a
    // square, two lines a box, one box per letter of the longest answer.
    h.say(Key::F12);
    const QStringList lines = progress().split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.value(0), QString::number(n));
    EXPECT_EQ(lines.size() - 1, 1 + 3 * n * n + 2 * std::max(n, 15));
    EXPECT_EQ(lines.value(1 + 3 * (last - 1)), QStringLiteral("Q"));
    const int typed = n + int(second.cells.size()) + 1;
    h.say(Key::Left);
    EXPECT_EQ(h.say(Key::Right),
              (QStringList{"Puzzle 1", percentPhrase(typed).append(QStringLiteral(" but has at least one mistake"))}));

    // Reopened, the letters and the revealed marks are back.
    const QStringList before = board();
    h.say(Key::Enter);
    EXPECT_EQ(board(), before);
    EXPECT_EQ(g.form.D[last].caption, QStringLiteral("Q"));

    // Magnified 16 times, the cursor walks to the far corner and is on screen there.
    for (int i = 0; i < 5; ++i)
        h.say(Key::F4);
    ASSERT_EQ(g.session.viewmode, 8);
    for (int i = 0; i < n; ++i) {
        h.say(Key::Right);
        h.say(Key::Down);
    }
    EXPECT_EQ(g.session.currow, n);
    EXPECT_EQ(g.session.curcol, n);
    EXPECT_TRUE(g.sayzoom().startsWith(QString::number(n) + QChar(64 + n)));
    const Control &corner = g.form.D[last];
    EXPECT_TRUE(corner.visible);
    EXPECT_GE(corner.left, 0);
    EXPECT_GE(corner.top, 0);
    EXPECT_LE(corner.left + corner.width, g.env.screenWidth);
    EXPECT_LE(corner.top + corner.height, g.env.screenHeight);
    h.say(Key::F4);  // on past 16 times: the normal view
    ASSERT_EQ(g.session.viewmode, 1);

    // Both printed layouts show the last clue and the letters of the grid.
    const QString lastClue = QStringLiteral("Clue ") + g.clues[GetParam().clues][1];
    for (int mods : {Mod::None, Mod::Shift}) {
        h.printer.calls.clear();
        h.press(Key::Right);
        h.press(Key::F5, mods);
        h.drain();
        EXPECT_EQ(h.printer.calls.count("end"), mods == Mod::None ? 2 : 1);
        EXPECT_TRUE(h.printer.calls.filter(lastClue).size() > 0) << mods;
        EXPECT_TRUE(h.printer.calls.contains(QStringLiteral("text Q"))) << mods;
    }

    // Cleared, the puzzle is empty again, on the board and in the menu.
    h.press(Key::F9);
    h.drain();
    EXPECT_EQ(h.spoken().last(), QStringLiteral("puzzle cleared"));
    EXPECT_EQ(board(), QStringList(n * n, QString()));
    h.say(Key::F12);
    h.say(Key::Left);
    EXPECT_EQ(h.say(Key::Right), (QStringList{"Puzzle 1", "This puzzle is empty"}));
}

INSTANTIATE_TEST_SUITE_P(Boards, OtherSizes, ::testing::Values(Size{15, false, 64}, Size{21, true, 150}),
                         [](const auto &info) { return QStringLiteral("%1x%1").arg(info.param.side).toStdString(); });

} // namespace
