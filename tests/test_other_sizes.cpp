// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// Whole games on boards other than 13 x 13: a 15 x 15 puzzle and a 21 x 21
// one with 150 clues and answers of 21 letters, from opening to printing; the
// same grids as the solver's own files with circled squares, on the screen
// and on paper; and the long clue list shown around the current clue.
#include "solving_fixture.h"
#include "writers.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

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
        const Attempt &a = h.g().attempt();
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
    ASSERT_EQ(g.puzzle().width(), n);
    EXPECT_GE(g.table().clueRows(), GetParam().clues);
    EXPECT_EQ(int(g.puzzle().clues(Direction::Across).size() + g.puzzle().clues(Direction::Down).size()),
              GetParam().clues);

    // 1 across is the whole top row: every letter goes into its own box.
    EXPECT_EQ(h.say(Key::Space).value(0), QStringLiteral("1 across, %1letters,  Clue A1").arg(n));
    for (const QChar ch : rows[0])
        h.say(ch.unicode());
    EXPECT_TRUE(g.form().lblIn[n].visible);
    const QStringList filled = h.say(Key::Enter);
    EXPECT_TRUE(filled.value(0).startsWith(QStringLiteral("you filled this in with, ") + rows[0][0]));
    for (int c = 0; c < n; ++c)
        EXPECT_EQ(g.form().D[c + 1].caption, QString(rows[0][c]));
    EXPECT_EQ(h.say(Key::F2), QStringList{"there are no mistakes in the crossword so far"});

    // The next clue revealed, then a wrong letter in the last square of the grid.
    h.say(Key::Down);
    h.press(Key::F2, Mod::Shift);
    h.drain();
    const PuzzleClue &second = g.puzzle().clues(Direction::Across).at(1);
    EXPECT_TRUE(h.spoken().last().startsWith(QStringLiteral("the answer is ") + second.answer));
    const CellPos revealed = second.cells.first();
    EXPECT_TRUE(g.attempt().revealed(g.attempt().index(revealed.row, revealed.column)));
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
    EXPECT_EQ(g.form().D[last].caption, QStringLiteral("Q"));

    // Magnified 16 times, the cursor walks to the far corner and is on screen there.
    for (int i = 0; i < 5; ++i)
        h.say(Key::F4);
    ASSERT_EQ(g.session().viewmode, 8);
    for (int i = 0; i < n; ++i) {
        h.say(Key::Right);
        h.say(Key::Down);
    }
    EXPECT_EQ(g.session().currow, n);
    EXPECT_EQ(g.session().curcol, n);
    EXPECT_TRUE(g.sayzoom().startsWith(QString::number(n) + QChar(64 + n)));
    const Control &corner = g.form().D[last];
    EXPECT_TRUE(corner.visible);
    EXPECT_GE(corner.left, 0);
    EXPECT_GE(corner.top, 0);
    EXPECT_LE(corner.left + corner.width, g.env().screenWidth);
    EXPECT_LE(corner.top + corner.height, g.env().screenHeight);
    h.say(Key::F4);  // on past 16 times: the normal view
    ASSERT_EQ(g.session().viewmode, 1);

    // Both printed layouts show the last clue and the letters of the grid.
    const QString lastClue = QStringLiteral("Clue ") + g.table().clues[GetParam().clues][1];
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

// The lattice as a solver's .ipuz file whose letter squares on the diagonal
// from the top left are circled.
Puzzle circledLattice(const QStringList &rows)
{
    const int n = int(rows.size());
    QList<PuzzleCell> cells;
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            PuzzleCell cell;
            cell.block = rows[r][c] == QLatin1Char('#');
            if (!cell.block) {
                cell.solution = QString(rows[r][c]);
                cell.circled = r == c;
            }
            cells.append(cell);
        }
    }
    Puzzle puzzle(n, n, cells);
    for (const ClueLine &line : numberedClues(rows)) {
        PuzzleClue clue;
        clue.direction = line.label.startsWith(QLatin1Char('A')) ? Direction::Across : Direction::Down;
        clue.number = line.label.mid(1).toInt();
        clue.label = line.label;
        clue.text = line.text;
        clue.answer = line.answer;
        puzzle.addClue(clue, nullptr);
    }
    return puzzle;
}

class OwnFileBoards : public ::testing::TestWithParam<Size> {
protected:
    OwnFileBoards() : rows(latticeRows(GetParam().side, GetParam().extra))
    {
        const QString folder = h.dir.path() + QStringLiteral("/puzzles/");
        QDir().mkpath(folder);
        writeFile(folder + QStringLiteral("circles.ipuz"), writeIpuz(circledLattice(rows)));
        h.g().env().puzzlesDir = folder;
        // The menu holds the two built-in puzzles, then the file.
        h.start();
        h.drain();
        h.say(Key::End);
        h.say(Key::Enter);
    }

    int side() const { return GetParam().side; }
    bool circled(int idx) const
    {
        const int r = (idx - 1) / side();
        const int c = (idx - 1) % side();
        return r == c && rows[r][c] != QLatin1Char('#');
    }
    // Entry k of the panel, unwrapped: the display line of the k-th clue of the list.
    QString unwrapped(int k) { return h.g().form().lblClue[k].caption.replace(QStringLiteral("\n       "), " "); }
    // The panel at a font no smaller than the floor, its shown entries one
    // unbroken run inside the panel that holds the current clue, in yellow,
    // and its neighbours; every entry the clue of its place in the list.
    void expectCurrentClueShown()
    {
        Crosswords &g = h.g();
        const Form &f = g.form();
        const int current = g.session().curclue;
        const int count = int(g.puzzle().clues(g.session().curdir == 1 ? Direction::Across : Direction::Down).size());
        ASSERT_GE(current, 1);
        ASSERT_LE(current, count);
        EXPECT_TRUE(f.lblClue[current].visible) << current;
        EXPECT_EQ(f.lblClue[current].backColor, Colour::Yellow) << current;
        EXPECT_TRUE(f.lblClue[std::max(current - 1, 1)].visible) << current;
        EXPECT_TRUE(f.lblClue[std::min(current + 1, count)].visible) << current;
        double top = f.lblClue[0].top;
        bool runEnded = false;
        for (int k = 1; k <= count; ++k) {
            const Control &e = f.lblClue[k];
            EXPECT_EQ(unwrapped(k), g.table().clues[g.session().panelrows[k - 1]][3]) << k;
            EXPECT_GE(e.fontSize, MinClueFontSize) << k;
            if (!e.visible) {
                runEnded = runEnded || top > f.lblClue[0].top;
                continue;
            }
            EXPECT_FALSE(runEnded) << "entry " << k << " after a gap, current " << current;
            EXPECT_NEAR(e.top, top, 1) << k;
            top = e.top + e.height;
        }
        EXPECT_LE(top, f.lblClue[0].top + f.board.height + 1) << current;
    }

    QStringList rows;
    Harness h;
};

TEST_P(OwnFileBoards, CircledSquaresShowACircleOnEveryBoardAndOnBothPrints)
{
    Crosswords &g = h.g();
    ASSERT_EQ(g.puzzle().width(), side());
    const int squares = side() * side();
    int circles = 0;
    auto expectCircles = [&](const char *view) {
        for (int idx = 1; idx < int(g.form().D.size()); ++idx)
            EXPECT_EQ(g.form().D[idx].circled, idx <= squares && circled(idx)) << view << " square " << idx;
    };
    for (int idx = 1; idx <= squares; ++idx)
        circles += circled(idx) ? 1 : 0;
    ASSERT_GT(circles, 0);
    expectCircles("normal");
    h.say(Key::F4);
    expectCircles("full screen");
    for (int i = 0; i < 4; ++i)
        h.say(Key::F4);
    ASSERT_EQ(g.session().viewmode, 8);
    expectCircles("16 times");
    h.say(Key::F4);
    expectCircles("normal again");

    // On paper each circle is a round ring inside its square, drawn before
    // the letter and number that go over it.
    for (int mods : {Mod::None, Mod::Shift}) {
        h.printer.calls.clear();
        h.press(Key::Right);  // a key between the two prints
        h.press(Key::F5, mods);
        h.drain();
        const QStringList rings = h.printer.calls.filter(QRegularExpression(QStringLiteral("^ellipse ")));
        EXPECT_EQ(rings.size(), circles) << mods;
        for (const QString &ring : rings) {
            const QStringList at = ring.split(QLatin1Char(' '));
            const double width = at[3].toDouble() - at[1].toDouble();
            EXPECT_GT(width, 0) << ring.toStdString();
            EXPECT_NEAR(width, at[4].toDouble() - at[2].toDouble(), 0.1) << ring.toStdString();
        }
        const qsizetype firstRing = h.printer.calls.indexOf(rings.value(0));
        EXPECT_EQ(h.printer.calls.indexOf(QStringLiteral("text  1"), firstRing), firstRing + 3) << mods;
    }
}

TEST_P(OwnFileBoards, TheCurrentClueStaysInViewWalkingClickingAndReturningFromAMagnifiedView)
{
    Crosswords &g = h.g();
    const int across = int(g.puzzle().clues(Direction::Across).size());
    expectCurrentClueShown();
    // Down the across list to its end, on into the down list and back up;
    // each clue is read under its own number, past 99 too.
    int highest = 0;
    for (int i = 1; i < across + 3; ++i) {
        const QStringList heard = h.say(Key::Down);
        expectCurrentClueShown();
        const Direction direction = g.session().curdir == 1 ? Direction::Across : Direction::Down;
        const PuzzleClue &clue = g.puzzle().clues(direction)[g.session().curclue - 1];
        const QString head = QString::number(clue.number) + (g.session().curdir == 1 ? " across, " : " down, ");
        ASSERT_FALSE(heard.isEmpty()) << i;
        EXPECT_TRUE(heard.first().startsWith(head)) << heard.first().toStdString();
        highest = std::max(highest, clue.number);
    }
    EXPECT_GT(highest, side() == 21 ? 99 : 0);
    EXPECT_EQ(g.session().curdir, 2);
    EXPECT_EQ(g.session().curclue, 3);
    for (int i = 0; i < 3; ++i)
        h.say(Key::Up);
    EXPECT_EQ(g.session().curdir, 1);
    expectCurrentClueShown();

    // Both lists are longer than the panel holds at the smallest size: it
    // shows a part of them.
    int hidden = 0;
    for (int k = 1; k <= across; ++k)
        hidden += g.form().lblClue[k].visible ? 0 : 1;
    EXPECT_GT(hidden, 0);

    // Back from a magnified view with the cursor in the far corner: the
    // last across clue, at the end of the list.
    h.say(Key::F4);
    for (int i = 0; i < side(); ++i) {
        h.say(Key::Right);
        h.say(Key::Down);
    }
    for (int i = 0; i < 5; ++i)
        h.say(Key::F4);
    ASSERT_EQ(g.session().viewmode, 1);
    EXPECT_EQ(g.session().curdir, 1);
    EXPECT_EQ(g.session().curclue, across);
    expectCurrentClueShown();

    // A click on the first square selects 1 across, at the start of the list.
    g.D_Click(1);
    h.drain();
    int selected = 0;
    for (int k = 1; k < int(g.form().lblClue.size()); ++k)
        if (g.form().lblClue[k].backColor == Colour::Yellow)
            selected = k;
    EXPECT_EQ(selected, 1);
    EXPECT_TRUE(g.form().lblClue[1].visible);
    EXPECT_TRUE(g.form().lblClue[2].visible);

    // A click on the last entry shown moves the run on: the clue after it shows.
    h.say(Key::Escape);  // the alphabet the square click opened
    ASSERT_EQ(g.session().viewmode, 1);
    int last = 1;
    while (last < across && g.form().lblClue[last + 1].visible)
        ++last;
    ASSERT_LT(last, across);
    g.lblClue_Click(last);
    h.drain();
    EXPECT_EQ(g.session().curclue, last);
    expectCurrentClueShown();
    EXPECT_TRUE(g.form().lblClue[last + 1].visible);
}

INSTANTIATE_TEST_SUITE_P(Boards, OwnFileBoards, ::testing::Values(Size{15, false, 64}, Size{21, true, 150}),
                         [](const auto &info) { return QStringLiteral("%1x%1").arg(info.param.side).toStdString(); });

} // namespace
