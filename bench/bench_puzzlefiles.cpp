// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// Reading the solver's own crossword files: a 21 x 21 puzzle in each format,
// a 21 x 21 barred grid (441 letter squares, bars in their attributes), and
// the key search of a locked file, the slowest case a file can ask for.
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

// The goal: a 21 x 21 barred .jpz reads in 2 ms at most, plain or zipped.
// The puzzle must come back as written, bars and all, or the run fails.
void readBarred(benchmark::State &state, const QByteArray &bytes, const QString &name)
{
    const Puzzle written = barredTestPuzzle(21);
    const PuzzleFileResult once = readPuzzleFile(bytes, name);
    if (!once.puzzle || *once.puzzle != written || !written.everyWordHasClue()) {
        state.SkipWithError(once.puzzle ? "the barred grid read back as another puzzle" : qPrintable(once.error));
        return;
    }
    readEach(state, bytes, name);
}

void BM_ReadBarredJpz21(benchmark::State &state)
{
    readBarred(state, writeJpz(barredTestPuzzle(21)), QStringLiteral("barred21.jpz"));
}
BENCHMARK(BM_ReadBarredJpz21)->Unit(benchmark::kMicrosecond);

void BM_ReadZippedBarredJpz21(benchmark::State &state)
{
    readBarred(state, zipOne(QStringLiteral("barred21.jpz"), writeJpz(barredTestPuzzle(21))), QStringLiteral("barred21.jpz"));
}
BENCHMARK(BM_ReadZippedBarredJpz21)->Unit(benchmark::kMicrosecond);

// Key 9999 is the last one tried.
void BM_ReadLockedPuz21(benchmark::State &state)
{
    readEach(state, writePuz(testPuzzle(21), 9999), QStringLiteral("locked21.puz"));
}
BENCHMARK(BM_ReadLockedPuz21)->Unit(benchmark::kMillisecond);

} // namespace
