// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "aids/solving.h"

namespace Solving {

namespace {

bool isWrong(const Puzzle &puzzle, const Attempt &attempt, CellPos square)
{
    const QString letter = attempt.letter(attempt.index(square.row, square.column));
    const QString &solution = puzzle.cell(square).solution;
    return !letter.isEmpty() && !solution.isEmpty() && !isRightLetter(letter, solution);
}

template <typename Visit>
bool anyLetterSquare(const Puzzle &puzzle, Visit visit)
{
    for (int row = 0; row < puzzle.height(); ++row)
        for (int col = 0; col < puzzle.width(); ++col)
            if (!puzzle.cell(row, col).block && visit(CellPos{row, col}))
                return true;
    return false;
}

} // namespace

const PuzzleClue *firstClueWithMistake(const Puzzle &puzzle, const Attempt &attempt)
{
    for (const Direction direction : {Direction::Across, Direction::Down})
        for (const PuzzleClue &clue : puzzle.clues(direction))
            for (const CellPos &square : clue.cells)
                if (isWrong(puzzle, attempt, square))
                    return &clue;
    return nullptr;
}

bool isFull(const Puzzle &puzzle, const Attempt &attempt)
{
    return !anyLetterSquare(puzzle, [&](CellPos p) { return attempt.letter(attempt.index(p.row, p.column)).isEmpty(); });
}

bool hasMistake(const Puzzle &puzzle, const Attempt &attempt)
{
    return anyLetterSquare(puzzle, [&](CellPos p) { return isWrong(puzzle, attempt, p); });
}

int revealedCount(const Puzzle &puzzle, const Attempt &attempt)
{
    int count = 0;
    for (int i = 0; i < attempt.squareCount(); ++i)
        if (attempt.revealed(i) && !attempt.letter(i).isEmpty()
            && !isFixed(puzzle.cell(i / attempt.width(), i % attempt.width())))
            ++count;
    return count;
}

bool reveal(const Puzzle &puzzle, Attempt &attempt, CellPos square)
{
    const PuzzleCell &cell = puzzle.cell(square);
    if (cell.block || cell.solution.isEmpty())
        return false;
    const int i = attempt.index(square.row, square.column);
    attempt.setLetter(i, cell.solution);
    attempt.setRevealed(i, true);
    return true;
}

QChar typedCharacter(int key)
{
    constexpr int keypadZero = 96;
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))
        return QChar(key);
    if (key >= keypadZero && key <= keypadZero + 9)
        return QChar('0' + key - keypadZero);
    return {};
}

bool isTypeable(const QString &solution)
{
    return !solution.isEmpty() && !typedCharacter(solution[0].unicode()).isNull();
}

bool isFixed(const PuzzleCell &cell)
{
    return !cell.block && !cell.solution.isEmpty() && (cell.given || !isTypeable(cell.solution));
}

bool giveFixedSquares(const Puzzle &puzzle, Attempt &attempt)
{
    bool given = false;
    for (int row = 0; row < puzzle.height(); ++row)
        for (int column = 0; column < puzzle.width(); ++column) {
            const PuzzleCell &cell = puzzle.cell(row, column);
            const int i = attempt.index(row, column);
            if (isFixed(cell) && !(attempt.letter(i) == cell.solution && attempt.revealed(i)))
                given = reveal(puzzle, attempt, {row, column}) || given;
        }
    return given;
}

bool hasSolverLetters(const Puzzle &puzzle, const Attempt &attempt)
{
    for (int row = 0; row < puzzle.height(); ++row)
        for (int column = 0; column < puzzle.width(); ++column)
            if (!isFixed(puzzle.cell(row, column)) && !attempt.letter(attempt.index(row, column)).isEmpty())
                return true;
    return false;
}

void fillAnswerLine(const Puzzle &puzzle, Attempt &attempt, const QList<CellPos> &squares, Direction direction)
{
    // A letter square beside it across the answer, with no bar between, is part of a crossing word.
    auto joined = [&](CellPos from, int r, int c) { return !puzzle.cell(r, c).block && !puzzle.barBetween(from, {r, c}); };
    for (qsizetype k = 0; k < squares.size(); ++k) {
        const auto [r, c] = squares[k];
        const CellPos at = squares[k];
        const bool crossed = direction == Direction::Across ? joined(at, r - 1, c) || joined(at, r + 1, c)
                                                            : joined(at, r, c - 1) || joined(at, r, c + 1);
        attempt.slotRef(int(k) + 1) = {attempt.letter(attempt.index(r, c)), crossed ? QStringLiteral("*") : QString()};
    }
}

} // namespace Solving
