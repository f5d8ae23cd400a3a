// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include <QList>
#include <QString>
#include <optional>

enum class Direction {
    Across,  // left to right along a row
    Down,    // top to bottom along a column
};

// A square of the grid, counted from 0.
struct CellPos {
    int row = 0;
    int column = 0;
    friend bool operator==(const CellPos &, const CellPos &) = default;
};

struct PuzzleCell {
    bool block = true;   // a black square: no letter, no word
    QString solution;    // the letter that belongs here; empty for a block
    int number = 0;      // the number printed in the square, 0 when it starts no word
    int acrossWord = 0;  // number of the across word through the square, 0 when none
    int downWord = 0;    // number of the down word through the square, 0 when none
};

struct PuzzleClue {
    Direction direction = Direction::Across;
    int number = 0;           // the number of the square where the answer starts
    QString label;            // as written: "A1", "D14"
    QString text;             // as written, before any display rule
    QString answer;           // without outer spaces; its words separated by single spaces
    QList<int> wordLengths;   // letters per word of the answer: "BY NO MEANS" is 2, 2, 5
    QList<CellPos> cells;     // the squares of the answer in reading order
};

// Letters per word of an answer whose words are separated by spaces.
QList<int> answerWordLengths(const QString &answer);

// A crossword as a value: the grid with its numbering and the clues of both
// directions. Any size up to MaxSide squares a side, any number of clues.
class Puzzle {
public:
    static constexpr int MaxSide = 25;

    // An empty puzzle: no squares, no clues.
    Puzzle() = default;
    // The grid from its rows, top row first: a space is a block, any other
    // character is a letter square holding that character. The width is the
    // first row's; shorter rows are filled up with blocks. Numbers the squares.
    explicit Puzzle(const QStringList &rows);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool isEmpty() const { return m_cells.isEmpty(); }

    // The square at (row, column); outside the grid, a block.
    const PuzzleCell &cell(int row, int column) const;
    const PuzzleCell &cell(CellPos pos) const { return cell(pos.row, pos.column); }

    // The number of the word through a square in a direction, 0 when none.
    int wordNumber(int row, int column, Direction direction) const;
    // The squares of word `number` in a direction, in reading order; empty
    // when no word of that direction has that number.
    QList<CellPos> wordCells(Direction direction, int number) const;

    const QList<PuzzleClue> &clues(Direction direction) const;
    // The clue of word `number` in a direction, or null when it has none.
    const PuzzleClue *clue(Direction direction, int number) const;
    // The clue whose answer runs through a square in a direction, or null.
    const PuzzleClue *clueAt(int row, int column, Direction direction) const;
    // The square of the n-th letter (from 1) of a clue's answer.
    std::optional<CellPos> letterCell(const PuzzleClue &clue, int n) const;

    // Gives word (clue.direction, clue.number) its clue; clue.cells are taken
    // from the grid. False, with the reason in *error, when no such word
    // exists, the answer's letters do not fill its squares exactly, or the
    // word already has a clue.
    bool addClue(PuzzleClue clue, QString *error);

private:
    bool isLetter(int row, int column) const;
    bool startsWord(int row, int column, Direction direction) const;
    void numberSquares();

    int m_width = 0;
    int m_height = 0;
    QList<PuzzleCell> m_cells;     // row by row
    QList<CellPos> m_numbered;     // the square of each number, from 1
    QList<PuzzleClue> m_across;
    QList<PuzzleClue> m_down;
};
