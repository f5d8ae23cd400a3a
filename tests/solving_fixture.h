// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

// A small puzzle for the solving scenarios, and helpers to open it and to
// write progress files by hand.
//
//      0123456789012
//   0  SANE#DOG#####     A1 SANE   A3 DOG   A4 UP TO   A5 HEN
//   1  O#I##O#######     D1 SOU    D2 NIT   D3 DOT
//   2  UPTO#T#######
//   3  #############
//   4  #####HEN#####     18 letters; the rest of the grid is black.

#include "support/harness.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>

inline QStringList smallRows()
{
    QStringList rows{QStringLiteral("SANE#DOG#####"), QStringLiteral("O#I##O#######"),
                     QStringLiteral("UPTO#T#######"), QStringLiteral("#############"),
                     QStringLiteral("#####HEN#####")};
    while (rows.size() < 13)
        rows.append(QStringLiteral("#############"));
    return rows;
}

inline QList<ClueLine> smallClues()
{
    return {{"A1", "SANE", "Of sound mind"},     {"A3", "DOG", "Hound"},
            {"A4", "UP TO", "As far as"},        {"A5", "HEN", "Female bird"},
            {"D1", "SOU", "Old French coin"},    {"D2", "NIT", "(anagram) Tin"},
            {"D3", "DOT", "Connect the ___s"}};
}

inline QByteArray smallPuzzle()
{
    return puzzleBytes(smallRows(), smallClues());
}

// A progress file as the game writes it: entries by square index (1-based,
// 13 x 13), the solution column from the rows, an empty answer line.
inline QByteArray progressBytes(const QStringList &rows, const QMap<int, QString> &entries)
{
    QByteArray out("13\r\n");
    for (int r = 0; r < 13; ++r) {
        for (int c = 0; c < 13; ++c) {
            const int idx = r * 13 + c + 1;
            const QChar ch = rows[r][c];
            out.append(entries.value(idx).toLatin1()).append("\r\n");
            out.append("\r\n");  // number captions do not matter to the status
            out.append(ch == QLatin1Char('#') ? QByteArray() : QByteArray(1, char(ch.unicode()))).append("\r\n");
        }
    }
    for (int i = 0; i < 30; ++i)
        out.append("\r\n");
    return out;
}

inline QString progressPath(Harness &h, const QString &name)
{
    return h.dir.filePath(QStringLiteral("state/quoreltamriva3-") + name + QStringLiteral(".tmp"));
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

inline QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Starts the game and opens menu puzzle 1 with Enter; the first clue's reading
// is drained and forgotten.
inline void openFirstPuzzle(Harness &h)
{
    h.start();
    h.drain();
    h.press(Key::Enter);
    h.drain();
    h.spoken();
}

// Keys typed `gapMs` apart, ticked as the shell ticks: at once for every key,
// again at once while a key is left in the mailbox, and by the timer 100 ms
// after the last of these. The voice is still busy with the letters throughout.
inline void typeAtPace(Harness &h, const QList<int> &keys, int gapMs)
{
    int nextTimer = 100;
    for (int i = 0; i < keys.size(); ++i) {
        const int now = i * gapMs;
        for (; nextTimer <= now; nextTimer += 100)
            h.tick();
        h.g().Form_KeyDown(keys[i], Mod::None);
        h.tick();
        while (h.g().keyWaiting())
            h.tick();
        nextTimer = now + 100;
    }
}

// A side x side grid with black squares in a lattice; `extra` adds blocks to
// every fourth row (but the third) so that the big grid has 150 clues.
inline QStringList latticeRows(int side, bool extra)
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

// Board index of (row, column), 0-based.
constexpr int sq(int row, int col)
{
    return row * 13 + col + 1;
}
