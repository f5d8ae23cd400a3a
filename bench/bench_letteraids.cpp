// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// F7 (the crossings) and F3 (checking) on the 25 letters of 1 across of a
// 25 x 25 puzzle: each must take well under a millisecond of its tick.
#include "solving_fixture.h"

#include <QLoggingCategory>
#include <benchmark/benchmark.h>

namespace {

const bool g_quiet = [] {
    QLoggingCategory::setFilterRules(QStringLiteral("crosswords.*=false"));
    return true;
}();

// The tick that takes `key` in the clue list of an open 25 x 25 puzzle, half
// of whose first answer is typed, some of it wrong.
void tickWithKey(benchmark::State &state, int key)
{
    const QStringList rows = latticeRows(25, true);
    Harness h({puzzleBytes(rows, numberedClues(rows))});
    openFirstPuzzle(h);
    for (const char letter : "QWERTYUIOPAS")
        if (letter != 0)
            h.say(letter);
    h.say(Key::Enter);
    h.drain();
    for (auto _ : state) {
        h.g().Form_KeyDown(key, Mod::None);
        h.g().Engine_Timer();
    }
}

void BM_TickCrossingsOf25Letters(benchmark::State &state)
{
    tickWithKey(state, Key::F7);
}
BENCHMARK(BM_TickCrossingsOf25Letters)->Unit(benchmark::kMicrosecond);

void BM_TickCheckOf25Letters(benchmark::State &state)
{
    tickWithKey(state, Key::F3);
}
BENCHMARK(BM_TickCheckOf25Letters)->Unit(benchmark::kMicrosecond);

} // namespace
