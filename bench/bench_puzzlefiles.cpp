// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// Reading the solver's own crossword files: a 21 x 21 puzzle in each format,
// and the key search of a locked file, the slowest case a file can ask for.
#include "puzzle/puzzlefile.h"
#include "writers.h"

#include <benchmark/benchmark.h>

namespace {

void readEach(benchmark::State &state, const QByteArray &bytes, const QString &name)
{
    for (auto _ : state) {
        PuzzleFileResult result = readPuzzleFile(bytes, name);
        if (!result.puzzle)
            state.SkipWithError(qPrintable(result.error));
        benchmark::DoNotOptimize(result);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes.size());
}

void BM_ReadPuz21(benchmark::State &state)
{
    readEach(state, writePuz(testPuzzle(21)), QStringLiteral("test21.puz"));
}
BENCHMARK(BM_ReadPuz21)->Unit(benchmark::kMicrosecond);

void BM_ReadIpuz21(benchmark::State &state)
{
    readEach(state, writeIpuz(testPuzzle(21)), QStringLiteral("test21.ipuz"));
}
BENCHMARK(BM_ReadIpuz21)->Unit(benchmark::kMicrosecond);

void BM_ReadZippedJpz21(benchmark::State &state)
{
    const Puzzle puzzle = testPuzzle(21);
    readEach(state, zipOne(QStringLiteral("test21.jpz"), writeJpz(puzzle)), QStringLiteral("test21.jpz"));
}
BENCHMARK(BM_ReadZippedJpz21)->Unit(benchmark::kMicrosecond);

// Key 9999 is the last one tried.
void BM_ReadLockedPuz21(benchmark::State &state)
{
    readEach(state, writePuz(testPuzzle(21), 9999), QStringLiteral("locked21.puz"));
}
BENCHMARK(BM_ReadLockedPuz21)->Unit(benchmark::kMillisecond);

} // namespace
