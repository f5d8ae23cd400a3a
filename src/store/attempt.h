// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include "puzzle/puzzle.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <algorithm>

// One box of the answer line as it is kept with the progress: the letter in
// it and its mark ("*" when a word of the other direction crosses the square).
struct AnswerSlot {
    QString letter;
    QString mark;
    friend bool operator==(const AnswerSlot &, const AnswerSlot &) = default;
};

// The solver's side of a puzzle: the letter in each square, which squares
// were revealed, and the answer line being typed. Squares are counted row by
// row from 0, as `index(row, column)` gives.
class Attempt {
public:
    // The answer line keeps at least this many boxes, as the progress files of
    // 13 x 13 puzzles always have; a longer answer gets one box per letter.
    static constexpr int MinSlots = 15;

    Attempt() = default;
    // An empty attempt at `puzzle`: no letters, nothing revealed, empty boxes.
    explicit Attempt(const Puzzle &puzzle);

    int width() const { return m_width; }
    int height() const { return m_height; }
    int squareCount() const { return int(m_letters.size()); }
    int index(int row, int column) const { return row * m_width + column; }
    bool contains(int row, int column) const
    {
        return row >= 0 && column >= 0 && row < m_height && column < m_width;
    }

    // The letter in square `i`, empty when none (or outside the grid).
    QString letter(int i) const { return i >= 0 && i < m_letters.size() ? m_letters[i] : QString(); }
    void setLetter(int i, const QString &letter);
    // True when square `i` holds a letter given by showing the answer.
    bool revealed(int i) const { return i >= 0 && i < m_revealed.size() && m_revealed[i]; }
    void setRevealed(int i, bool revealed);
    // Every letter, mark and box emptied.
    void clear();

    // Box k of the answer line, from 1; an empty slot past the end.
    AnswerSlot slot(int k) const { return k >= 1 && k <= m_slots.size() ? m_slots[k - 1] : AnswerSlot(); }
    AnswerSlot &slotRef(int k);
    int slotCount() const { return int(m_slots.size()); }
    // The boxes of the answer line: one per slot, never fewer than MinSlots.
    int boxCount() const { return std::max(int(MinSlots), slotCount()); }
    void clearSlots();

    // Counts the changes to the grid's letters and revealed marks (not to the
    // answer line): a new count means the grid differs from when it was read.
    quint64 gridChanges() const { return m_gridChanges; }

    // Equal when the grids and answer lines are; how they came about does not count.
    friend bool operator==(const Attempt &a, const Attempt &b)
    {
        return a.m_width == b.m_width && a.m_height == b.m_height && a.m_letters == b.m_letters
            && a.m_revealed == b.m_revealed && a.m_slots == b.m_slots;
    }

private:
    int m_width = 0;
    int m_height = 0;
    QList<QString> m_letters;
    QList<bool> m_revealed;
    QList<AnswerSlot> m_slots;
    quint64 m_gridChanges = 0;
};

// How many answer-line boxes a puzzle's progress keeps: one per letter of its
// longest answer, and never fewer than Attempt::MinSlots.
int answerSlotCount(const Puzzle &puzzle);

// The progress file: Windows-1252 text in CR LF lines. The first line is the
// grid's side; then three lines per square, row by row (the letter, with "!"
// after a revealed one; the square's number as shown, " 12"; the solution
// letter); then two lines per answer-line box (its letter and its mark).
QByteArray encodeProgress(const Puzzle &puzzle, const Attempt &attempt);
// Reads progress for `puzzle`. The layout is the puzzle's own, whatever size
// the first line states; a short or damaged file leaves the rest empty, and
// letters in the puzzle's black squares are dropped. Never fails.
Attempt decodeProgress(const QByteArray &bytes, const Puzzle &puzzle);

// What the menu tells of a puzzle's progress.
struct AttemptStatus {
    int letters = 0;   // letter squares of the puzzle
    int filled = 0;    // of these, the squares holding a letter
    int mistakes = 0;  // of these, the squares whose letter is not the solution's
};
AttemptStatus attemptStatus(const Puzzle &puzzle, const Attempt &attempt);

// True when a square's letter is right: the solution, or for a rebus square
// (several letters) also just its first letter, as a solver types it.
bool isRightLetter(const QString &entered, const QString &solution);
