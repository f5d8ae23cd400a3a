// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "puzzle/puzzle.h"

#include <QStringList>
#include <algorithm>

namespace {

QString directionName(Direction direction)
{
    return direction == Direction::Across ? QStringLiteral("across") : QStringLiteral("down");
}

} // namespace

QString numberCaption(const PuzzleCell &square)
{
    return square.number > 0 ? QLatin1Char(' ') + QString::number(square.number) : QString();
}

QList<int> answerWordLengths(const QString &answer)
{
    QList<int> lengths;
    for (const QString &word : answer.split(QLatin1Char(' ')))
        lengths.append(int(word.size()));
    return lengths;
}

Puzzle::Puzzle(const QStringList &rows)
    : m_width(rows.isEmpty() ? 0 : int(std::min<qsizetype>(rows.first().size(), MaxSide)))
    , m_height(int(std::min<qsizetype>(rows.size(), MaxSide)))
{
    if (m_width == 0 || m_height == 0) {
        m_width = m_height = 0;
        return;
    }
    m_cells.resize(qsizetype(m_width) * m_height);
    for (int r = 0; r < m_height; ++r) {
        for (int c = 0; c < m_width && c < rows[r].size(); ++c) {
            const QChar ch = rows[r][c];
            PuzzleCell &square = m_cells[r * m_width + c];
            square.block = ch == QLatin1Char(' ');
            square.solution = square.block ? QString() : QString(ch);
        }
    }
    numberSquares();
}

Puzzle::Puzzle(int width, int height, const QList<PuzzleCell> &squares, bool hasSolution)
    : m_hasSolution(hasSolution)
{
    if (width < 1 || height < 1 || width > MaxSide || height > MaxSide || squares.size() != qsizetype(width) * height)
        return;
    m_width = width;
    m_height = height;
    m_cells.reserve(squares.size());
    for (const PuzzleCell &square : squares) {
        PuzzleCell &kept = m_cells.emplace_back();
        kept.block = square.block;
        kept.circled = square.circled && !square.block;
        kept.solution = square.block || !hasSolution ? QString() : square.solution;
        kept.barLeft = square.barLeft && !square.block;
        kept.barTop = square.barTop && !square.block;
        kept.given = square.given && !kept.solution.isEmpty();
    }
    numberSquares();
}

const PuzzleCell &Puzzle::cell(int row, int column) const
{
    static const PuzzleCell outside;
    if (row < 0 || row >= m_height || column < 0 || column >= m_width)
        return outside;
    return m_cells[row * m_width + column];
}

bool Puzzle::isLetter(int row, int column) const
{
    return !cell(row, column).block;
}

bool Puzzle::runsOn(int row, int column, Direction direction) const
{
    if (!isLetter(row, column))
        return false;
    if (direction == Direction::Across)
        return isLetter(row, column + 1) && !cell(row, column + 1).barLeft;
    return isLetter(row + 1, column) && !cell(row + 1, column).barTop;
}

// A word starts on a letter square that no word runs into from its
// predecessor (a block, the edge or a bar comes before it) and that runs on
// to its successor: a word has at least two letters.
bool Puzzle::startsWord(int row, int column, Direction direction) const
{
    const int dr = direction == Direction::Down ? 1 : 0;
    const int dc = direction == Direction::Across ? 1 : 0;
    return isLetter(row, column) && !runsOn(row - dr, column - dc, direction) && runsOn(row, column, direction);
}

// Scanning row by row, left to right, every square that starts an across or
// a down word takes the next number, from 1; the word's squares carry it.
void Puzzle::numberSquares()
{
    int counter = 0;
    for (int r = 0; r < m_height; ++r) {
        for (int c = 0; c < m_width; ++c) {
            const bool across = startsWord(r, c, Direction::Across);
            const bool down = startsWord(r, c, Direction::Down);
            if (!across && !down)
                continue;
            m_cells[r * m_width + c].number = ++counter;
            m_numbered.append({r, c});
            for (int k = c; across; ++k) {
                m_cells[r * m_width + k].acrossWord = counter;
                if (!runsOn(r, k, Direction::Across))
                    break;
            }
            for (int k = r; down; ++k) {
                m_cells[k * m_width + c].downWord = counter;
                if (!runsOn(k, c, Direction::Down))
                    break;
            }
        }
    }
}

bool Puzzle::barBetween(CellPos a, CellPos b) const
{
    const CellPos &later = (b.row > a.row || b.column > a.column) ? b : a;
    const CellPos &earlier = &later == &b ? a : b;
    if (later.row == earlier.row && later.column == earlier.column + 1)
        return cell(later).barLeft;
    if (later.column == earlier.column && later.row == earlier.row + 1)
        return cell(later).barTop;
    return false;
}

int Puzzle::wordNumber(int row, int column, Direction direction) const
{
    const PuzzleCell &square = cell(row, column);
    return direction == Direction::Across ? square.acrossWord : square.downWord;
}

QList<CellPos> Puzzle::wordCells(Direction direction, int number) const
{
    QList<CellPos> cells;
    if (number < 1 || number > m_numbered.size())
        return cells;
    const CellPos start = m_numbered[number - 1];
    if (!startsWord(start.row, start.column, direction))
        return cells;
    const int dr = direction == Direction::Down ? 1 : 0;
    const int dc = direction == Direction::Across ? 1 : 0;
    for (CellPos pos = start;; pos = {pos.row + dr, pos.column + dc}) {
        cells.append(pos);
        if (!runsOn(pos.row, pos.column, direction))
            break;
    }
    return cells;
}

const QList<PuzzleClue> &Puzzle::clues(Direction direction) const
{
    return direction == Direction::Across ? m_across : m_down;
}

const PuzzleClue *Puzzle::clue(Direction direction, int number) const
{
    const QList<PuzzleClue> &list = clues(direction);
    const auto found = std::find_if(list.begin(), list.end(), [&](const PuzzleClue &c) { return c.number == number; });
    return found == list.end() ? nullptr : &*found;
}

const PuzzleClue *Puzzle::clueAt(int row, int column, Direction direction) const
{
    const int number = wordNumber(row, column, direction);
    return number > 0 ? clue(direction, number) : nullptr;
}

std::optional<CellPos> Puzzle::letterCell(const PuzzleClue &clue, int n) const
{
    if (n < 1 || n > clue.cells.size())
        return std::nullopt;
    return clue.cells[n - 1];
}

bool Puzzle::addClue(PuzzleClue clue, QString *error)
{
    const QString word = QString::number(clue.number) + QLatin1Char(' ') + directionName(clue.direction);
    auto fail = [&](const QString &why) {
        if (error)
            *error = QStringLiteral("clue %1 (%2): %3").arg(clue.label, clue.answer, why);
        return false;
    };

    clue.cells = wordCells(clue.direction, clue.number);
    if (clue.cells.isEmpty())
        return fail(QStringLiteral("the grid has no word %1").arg(word));
    if (this->clue(clue.direction, clue.number))
        return fail(QStringLiteral("%1 already has a clue").arg(word));

    const QString letters = QString(clue.answer).remove(QLatin1Char(' '));
    QString inGrid;
    for (const CellPos &pos : clue.cells)
        inGrid += cell(pos).solution;
    if (!m_hasSolution && !letters.isEmpty())
        return fail(QStringLiteral("the puzzle has no solution, so %1 has no answer").arg(word));
    // A rebus square holds several letters, so only a grid of single letters
    // has as many letters as squares.
    if (letters.size() != clue.cells.size() && inGrid.size() == clue.cells.size())
        return fail(QStringLiteral("%1 letters for the %2 squares of %3")
                        .arg(letters.size()).arg(clue.cells.size()).arg(word));
    if (letters != inGrid)
        return fail(QStringLiteral("the grid spells %1 as %2").arg(word, inGrid));

    (clue.direction == Direction::Across ? m_across : m_down).append(std::move(clue));
    return true;
}

bool Puzzle::everyWordHasClue() const
{
    for (int r = 0; r < m_height; ++r)
        for (int c = 0; c < m_width; ++c)
            for (Direction direction : {Direction::Across, Direction::Down})
                if (const int number = wordNumber(r, c, direction); number > 0 && !clue(direction, number))
                    return false;
    return true;
}
