// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

// A game wired to test doubles, with temporary folders and small puzzles
// written in the exact shipped byte format.

#include "engine/crosswords.h"
#include "support/doubles.h"

#include <QTemporaryDir>
#include <functional>
#include <memory>

struct ClueLine {
    QString label;   // "A1", "D14"
    QString answer;  // as written, spaces between words
    QString text;
};

// Grid rows use '#' for a black square. Clue lines come in the order given.
QByteArray puzzleBytes(const QStringList &rows, const QList<ClueLine> &clues);

// The clue lines a grid implies by the numbering rule (across, then down),
// each with the text "Clue " + label.
QList<ClueLine> numberedClues(const QStringList &rows);

// A 13 x 13 grid with black squares at every (odd row, odd column) and a few
// more, filled with arbitrary letters; every answer is 3 to 13 letters.
QStringList standardRows();

// Puts a letter into square idx (from 1, row by row) of the open puzzle, as
// the solver would have typed it (or as revealed), and shows it.
void putLetter(Crosswords &g, int idx, const QString &letter, bool revealed = false);

// A catalogue naming PUZ0101, PUZ0102, ... for the given number of puzzles.
QByteArray catalogueBytes(const QStringList &names);

// "Enter", "Shift+F5", "A": a key as a test trace names it.
QString keyName(int key, int mods = Mod::None);

class Harness;

// Watches what each step of a harness changed. `step` runs after every step
// with its name ("press Enter"), and with an empty name before every step and
// every g() to catch what direct calls on the game changed since.
class HarnessObserver {
public:
    virtual ~HarnessObserver() = default;
    virtual void step(const QString &what) = 0;
};

// Set by a test program to watch every harness it creates; it may return null.
std::function<std::unique_ptr<HarnessObserver>(Harness &)> &harnessObserverFactory();

class Harness {
public:
    // Puzzles in menu order; by default two copies of the standard grid.
    explicit Harness(QList<QByteArray> puzzles = {});

    QTemporaryDir dir;
    RecordingVoice voice;
    RecordingSound sound;
    ScriptedConfirm confirm;
    FixedTextMeasure measure;
    MemoryResources resources;
    RecordingPrinter printer;
    RecordingApp app;
    std::unique_ptr<Crosswords> game;
    QStringList names;  // resource names in menu order

    Crosswords &g()
    {
        observe(QString());
        return *game;
    }
    // Form_Load, Form_Activate and one tick (the welcome is handed to the voice).
    void start();
    // One key through the mailbox and one tick.
    void press(int key, int mods = Mod::None);
    void tick(int n = 1);
    // Lets the voice finish, then ticks until the queue is empty (at most n ticks).
    void drain(int n = 50);
    // Everything spoken since the last call.
    QStringList spoken();
    // One key, then everything it queued, as heard.
    QStringList say(int key, int mods = Mod::None);

private:
    void observe(const QString &what);

    std::size_t m_seen = 0;
    // Last member: it is destroyed first, while everything it watches is alive.
    std::unique_ptr<HarnessObserver> m_observer;
};
