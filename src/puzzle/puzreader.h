// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include "puzzle/puzzle.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

// The binary .puz layout: the header fields the reader and the writer of our
// fixtures share, its checksum and its lock.
namespace PuzLayout {
constexpr qsizetype MagicAt = 0x02;      // "ACROSS&DOWN\0"
constexpr qsizetype HeaderSumAt = 0x0E;  // checksum of the 8 bytes from WidthAt
constexpr qsizetype MaskedLowAt = 0x10;
constexpr qsizetype MaskedHighAt = 0x14;
constexpr qsizetype VersionAt = 0x18;    // "1.3\0", "2.0\0"
constexpr qsizetype LockSumAt = 0x1E;    // checksum of the unlocked solution's letters
constexpr qsizetype WidthAt = 0x2C;
constexpr qsizetype HeightAt = 0x2D;
constexpr qsizetype ClueCountAt = 0x2E;
constexpr qsizetype LockStateAt = 0x32;  // 4 when the solution is locked
constexpr qsizetype GridAt = 0x34;
constexpr char Block = '.';
constexpr char EmptySquare = '-';
constexpr uint16_t LockedFlag = 0x0004;

// Where the file's header starts: 0 for a file as written, later for one
// saved with bytes before it (a web page's line naming the file); -1 when
// the magic is not within the file's first part.
qsizetype headerStart(QByteArrayView bytes);
// The format's rolling 16-bit checksum of `bytes`, continuing from `sum`.
uint16_t checksum(QByteArrayView bytes, uint16_t sum = 0);
// Locks and unlocks a solution's letters (A to Z, read column by column) with
// a key of four digits, 0000 to 9999.
QByteArray lockLetters(QByteArray letters, int key);
QByteArray unlockLetters(QByteArray letters, int key);
// The letters of a solution grid, column by column, without blocks.
QByteArray columnLetters(const QByteArray &grid, int width, int height);
// `grid` with its letter squares, column by column, replaced by `letters`.
QByteArray withColumnLetters(QByteArray grid, int width, int height, const QByteArray &letters);
} // namespace PuzLayout

// Reads a .puz file: header, solution, title, author, copyright, clues in
// number order (across before down), notes, and the GEXT (circles) and
// GRBS/RTBL (rebus) sections. Wrong checksums are noted but do not stop a
// file whose grid and clues agree. A locked solution is unlocked by trying
// every key; with no key fitting, the puzzle comes without a solution.
class PuzReader {
public:
    std::optional<Puzzle> read(const QByteArray &bytes);
    QString errorString() const { return m_error; }
    // The last file was locked and no key fitted: its puzzle has no solution.
    bool isLocked() const { return m_locked; }
    // Whether the last file's checksums were all right.
    bool checksumsMatch() const { return m_checksumsMatch; }
    // The key that unlocked the last file, or -1.
    int unlockKey() const { return m_key; }

private:
    std::optional<Puzzle> fail(const QString &why);

    QString m_error;
    bool m_locked = false;
    bool m_checksumsMatch = false;
    int m_key = -1;
};
