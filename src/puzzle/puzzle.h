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
    QString solution;    // what belongs here: one letter, or several in a rebus square;
                         // empty for a block and in a puzzle without a solution
    bool circled = false;  // drawn with a circle in the square
    bool barLeft = false;  // a bar on the left edge: an across word ends before it
    bool barTop = false;   // a bar on the top edge: a down word ends above it
    bool given = false;    // filled in by the puzzle itself: shown from the start, never changed
    int number = 0;      // the number printed in the square, 0 when it starts no word
    int acrossWord = 0;  // number of the across word through the square, 0 when none
    int downWord = 0;    // number of the down word through the square, 0 when none
    friend bool operator==(const PuzzleCell &, const PuzzleCell &) = default;
};

struct PuzzleClue {
    Direction direction = Direction::Across;
    int number = 0;           // the number of the square where the answer starts
    QString label;            // as written: "A1", "D14"
    QString text;             // as written, before any display rule
    QString answer;           // without outer spaces; its words separated by single spaces
    QList<int> wordLengths;   // letters per word of the answer: "BY NO MEANS" is 2, 2, 5
    QList<CellPos> cells;     // the squares of the answer in reading order
    friend bool operator==(const PuzzleClue &, const PuzzleClue &) = default;
};

// A clue of a word that runs neither across nor down (a diagonal), from a
// further list of the file; its squares are solved by the crossing answers.
struct ExtraClue {
    QString heading;        // the list's title as written, "Diagonal"; may be empty
    int number = 0;
    QString text;
    QList<CellPos> cells;   // the squares of its word in order
    friend bool operator==(const ExtraClue &, const ExtraClue &) = default;
};

// What a puzzle file says about the puzzle besides grid and clues; plain text.
struct PuzzleInfo {
    QString title;
    QString author;
    QString copyright;
    QString notes;
    QList<ExtraClue> extraClues = {};  // in the order the file gives them
    friend bool operator==(const PuzzleInfo &, const PuzzleInfo &) = default;
};

// The number as a square shows it, " 12"; empty for a square without one.
QString numberCaption(const PuzzleCell &square);

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
    // A grid of `width` x `height` squares from `squares`, row by row, of which
    // block, solution, circled, given and the bars count; numbers the squares. Without a
    // solution every solution is empty and clues carry no answer (and no
    // square is given). Sides past
    // MaxSide, or a square count that is not width x height, give an empty puzzle.
    Puzzle(int width, int height, const QList<PuzzleCell> &squares, bool hasSolution = true);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool isEmpty() const { return m_cells.isEmpty(); }
    // False when the puzzle came without its solution: nothing can be checked or revealed.
    bool hasSolution() const { return m_hasSolution; }
    const PuzzleInfo &info() const { return m_info; }
    void setInfo(const PuzzleInfo &info) { m_info = info; }

    // The square at (row, column); outside the grid, a block.
    const PuzzleCell &cell(int row, int column) const;
    const PuzzleCell &cell(CellPos pos) const { return cell(pos.row, pos.column); }

    // True when a bar parts two squares side by side, in either order.
    bool barBetween(CellPos a, CellPos b) const;

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
    // word already has a clue. Without a solution the answer must be empty.
    bool addClue(PuzzleClue clue, QString *error);
    // True when every across and down word of the grid has its clue.
    bool everyWordHasClue() const;

    friend bool operator==(const Puzzle &, const Puzzle &) = default;

private:
    bool isLetter(int row, int column) const;
    // True when the square after (row, column) in `direction` is a letter
    // square and no bar parts the two: a word runs on from one to the other.
    bool runsOn(int row, int column, Direction direction) const;
    bool startsWord(int row, int column, Direction direction) const;
    void numberSquares();

    int m_width = 0;
    int m_height = 0;
    bool m_hasSolution = true;
    PuzzleInfo m_info;
    QList<PuzzleCell> m_cells;  // row by row
    QList<CellPos> m_numbered;  // the square of each number, from 1
    QList<PuzzleClue> m_across;
    QList<PuzzleClue> m_down;
};
