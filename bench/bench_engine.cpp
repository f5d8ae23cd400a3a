// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// The engine tick and puzzle loading, which run on every key and menu step.
#include "support/harness.h"

#include <QLoggingCategory>
#include <benchmark/benchmark.h>

namespace {

// The game's log lines would swamp the timings; the benchmarks run silent.
const bool g_quiet = [] {
    QLoggingCategory::setFilterRules(QStringLiteral("crosswords.*=false"));
    return true;
}();

void BM_TickWithoutKey(benchmark::State &state)
{
    Harness h;
    h.start();
    h.drain();
    for (auto _ : state)
        h.g().Engine_Timer();
}
BENCHMARK(BM_TickWithoutKey);

void BM_TickWithIgnoredKey(benchmark::State &state)
{
    Harness h;
    h.start();
    h.drain();
    for (auto _ : state) {
        h.g().Form_KeyDown(Key::F3, Mod::None);
        h.g().Engine_Timer();
    }
}
BENCHMARK(BM_TickWithIgnoredKey);

void BM_TickMenuStep(benchmark::State &state)
{
    Harness h;
    h.start();
    h.voice.finishAtOnce = true;
    for (auto _ : state) {
        h.g().Form_KeyDown(Key::Right, Mod::None);
        h.g().Engine_Timer();
    }
}
BENCHMARK(BM_TickMenuStep)->Unit(benchmark::kMicrosecond);

void BM_LoadPuzzle(benchmark::State &state)
{
    Harness h;
    h.start();
    h.g().session().curpuz = 1;
    h.g().session().viewmode = 0;
    for (auto _ : state)
        h.g().loadpuzzle();
}
BENCHMARK(BM_LoadPuzzle)->Unit(benchmark::kMicrosecond);

} // namespace
