// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// Scanning the solver's puzzle folder, done at start-up and every time the
// game returns to its menu: a folder of 500 crossword files written by our
// own writers (the built-in puzzles in all three formats, and copies of them
// under other names), read from nothing, and again with nothing changed.
#include "puzzle/puzzlefolder.h"
#include "writers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int FolderFiles = 500;

// The folder, written once for all the benchmarks of this file.
const QString &folderOf500()
{
    static QTemporaryDir dir;
    static const bool written = [] {
        QStringList errors;
        QList<std::pair<QString, QByteArray>> files;
        for (const auto &[name, puzzle] : shippedPuzzles(QStringLiteral(QUOREL_SOURCE_DIR "/resources/text"), &errors)) {
            files.append({name + QStringLiteral(".puz"), writePuz(puzzle)});
            files.append({name + QStringLiteral(".ipuz"), writeIpuz(puzzle)});
            files.append({name + QStringLiteral(".jpz"), writeJpz(puzzle)});
        }
        if (files.isEmpty())
            return false;
        for (int i = 0; i < FolderFiles; ++i) {
            const auto &[name, bytes] = files[i % files.size()];
            QFile file(dir.filePath(QStringLiteral("%1 %2").arg(i / files.size()).arg(name)));
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
                return false;
        }
        return true;
    }();
    static const QString path = written ? dir.path() : QString();
    return path;
}

bool checkFolder(benchmark::State &state)
{
    if (folderOf500().isEmpty() || QDir(folderOf500()).count() != FolderFiles + 2)
        state.SkipWithError("the folder of 500 crossword files could not be written");
    return !folderOf500().isEmpty();
}

void BM_PuzzleFolderFirstScan(benchmark::State &state)
{
    if (!checkFolder(state))
        return;
    for (auto _ : state) {
        PuzzleFolder folder(folderOf500());
        PuzzleFolder::Scan scan = folder.rescan();
        if (scan.puzzles.isEmpty() || !scan.rejected.isEmpty())
            state.SkipWithError("the folder did not read");
        benchmark::DoNotOptimize(scan);
    }
}
BENCHMARK(BM_PuzzleFolderFirstScan)->Unit(benchmark::kMillisecond);

void BM_PuzzleFolderRescanUnchanged(benchmark::State &state)
{
    if (!checkFolder(state))
        return;
    PuzzleFolder folder(folderOf500());
    folder.rescan();
    for (auto _ : state) {
        PuzzleFolder::Scan scan = folder.rescan();
        benchmark::DoNotOptimize(scan);
    }
}
BENCHMARK(BM_PuzzleFolderRescanUnchanged)->Unit(benchmark::kMillisecond);

} // namespace
