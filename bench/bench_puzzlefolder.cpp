// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// Scanning the solver's puzzle folder, done at start-up and every time the
// game returns to its menu: a folder of 500 crossword files written by our
// own writers (the built-in puzzles in all three formats, and copies of them
// under other names), read from nothing, and again with nothing changed;
// and the game's start-up with 500 different puzzles of 13 to 21 squares a
// side, barred grids among them, against its start-up with an empty folder.
#include "puzzle/puzzlefolder.h"
#include "solving_fixture.h"
#include "writers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <optional>
#include <benchmark/benchmark.h>

namespace {

constexpr int FolderFiles = 500;

using ShippedPuzzles = QList<std::pair<QString, Puzzle>>;
// The name and bytes of the i-th file of a folder.
using FileAt = std::function<std::pair<QString, QByteArray>(int i, const ShippedPuzzles &shipped)>;

// A puzzle written in format i % 3: its file ending and bytes.
std::pair<QString, QByteArray> inFormat(int i, const Puzzle &puzzle)
{
    switch (i % 3) {
    case 0: return {QStringLiteral("puz"), writePuz(puzzle)};
    case 1: return {QStringLiteral("ipuz"), writeIpuz(puzzle)};
    default: return {QStringLiteral("jpz"), writeJpz(puzzle)};
    }
}

// Writes FolderFiles files into the folder `dir` from the built-in puzzles;
// its path, or "" when it could not be written.
QString writeFolder(const QString &dir, const FileAt &fileAt)
{
    QStringList errors;
    const ShippedPuzzles shipped = shippedPuzzles(QStringLiteral(QUOREL_SOURCE_DIR "/resources/text"), &errors);
    if (shipped.isEmpty())
        return QString();
    for (int i = 0; i < FolderFiles; ++i) {
        const auto [name, bytes] = fileAt(i, shipped);
        QFile file(dir + QLatin1Char('/') + name);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return QString();
    }
    return dir;
}

// The folder, written once for all the benchmarks of this file: the built-in
// puzzles in all three formats, copied under other names up to 500 files.
const QString &folderOf500()
{
    static QTemporaryDir dir;
    static const QString path = writeFolder(dir.path(), [](int i, const ShippedPuzzles &shipped) {
        const int files = int(shipped.size()) * 3;
        const auto &[name, puzzle] = shipped[(i % files) / 3];
        const auto [ending, bytes] = inFormat(i % files, puzzle);
        return std::pair{QStringLiteral("%1 %2.%3").arg(i / files).arg(name, ending), bytes};
    });
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

// The same puzzle with its first clue told apart by `n`: a different content.
Puzzle variant(const Puzzle &puzzle, int n)
{
    QList<PuzzleCell> cells;
    for (int r = 0; r < puzzle.height(); ++r)
        for (int c = 0; c < puzzle.width(); ++c)
            cells.append(puzzle.cell(r, c));
    Puzzle out(puzzle.width(), puzzle.height(), cells);
    out.setInfo(puzzle.info());
    bool first = true;
    for (const Direction direction : {Direction::Across, Direction::Down}) {
        for (PuzzleClue clue : puzzle.clues(direction)) {
            if (first)
                clue.text += QStringLiteral(" (%1)").arg(n);
            first = false;
            out.addClue(clue, nullptr);
        }
    }
    return out;
}

// The i-th of 500 different puzzles, as a solver's folder might hold them:
// in turn a built-in 13 x 13, our 15 x 15 and 21 x 21 test puzzles in the
// three formats, and a barred grid of 13 to 21 squares a side as .ipuz or
// zipped .jpz (a .puz has no bars). Each first clue is numbered, so no two
// files hold the same puzzle.
std::pair<QString, QByteArray> variedFile(int i, const ShippedPuzzles &shipped)
{
    const int round = i / 4;
    if (i % 4 == 3) {
        const Puzzle barred = variant(barredTestPuzzle(13 + 2 * (round % 5)), i);
        if (round % 2 == 0)
            return {QStringLiteral("barred %1.ipuz").arg(i), writeIpuz(barred)};
        const QString name = QStringLiteral("barred %1.jpz").arg(i);
        return {name, zipOne(name, writeJpz(barred))};
    }
    const Puzzle &plain = i % 4 == 0 ? shipped[round % shipped.size()].second : testPuzzle(i % 4 == 1 ? 15 : 21);
    const auto [ending, bytes] = inFormat(round, variant(plain, i));
    return {QStringLiteral("puzzle %1.%2").arg(i).arg(ending), bytes};
}

// In a temporary folder, or in QUOREL_BENCH_FOLDER (made, and kept
// afterwards) when that names one: scripts/bench_files.sh starts the real
// program with it.
const QString &folderOf500Different()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString kept = qEnvironmentVariable("QUOREL_BENCH_FOLDER");
        return kept.isEmpty() || !QDir().mkpath(kept) ? writeFolder(dir.path(), variedFile) : writeFolder(kept, variedFile);
    }();
    return path;
}

// From the window's load to the welcome, as the game starts: the 70
// built-in puzzles read from the resources, and the puzzle folder, empty
// or (argument 500) the folder of 500 different puzzles. On the first start
// the state folder is new and every file is read; on every start after it
// the state folder is the one the last start left (the folder's index, the
// empty progress files). The goal: an ordinary start with 500 puzzles takes
// at most 1.5 times as long as with an empty folder.
void timeStarts(benchmark::State &state, bool firstStart)
{
    const bool own = state.range(0) > 0;
    if (own && folderOf500Different().isEmpty()) {
        state.SkipWithError("the folder could not be written");
        return;
    }
    const QStringList rows = standardRows();
    const QList<QByteArray> puzzles(70, puzzleBytes(rows, numberedClues(rows)));
    QTemporaryDir keptState, emptyFolder;
    std::optional<Harness> h;
    const auto prepare = [&] {
        h.emplace(puzzles);
        h->game->env().puzzlesDir = own ? folderOf500Different() : emptyFolder.path();
        if (!firstStart)
            h->game->env().stateDir = keptState.path() + QLatin1Char('/');
    };
    if (!firstStart) {
        prepare();
        h->g().Form_Load();
        h->g().Form_Activate();
    }
    for (auto _ : state) {
        // The last start's harness goes, and the next is made, untimed.
        state.PauseTiming();
        prepare();
        state.ResumeTiming();
        h->g().Form_Load();
        h->g().Form_Activate();
        if (h->g().puzcount() != (own ? 570 : 70))
            state.SkipWithError("the puzzles were not all read");
    }
}

void BM_StartWithOwnPuzzles(benchmark::State &state)
{
    timeStarts(state, false);
}
BENCHMARK(BM_StartWithOwnPuzzles)->Arg(0)->Arg(500)->Unit(benchmark::kMillisecond);

void BM_FirstStartWithOwnPuzzles(benchmark::State &state)
{
    timeStarts(state, true);
}
BENCHMARK(BM_FirstStartWithOwnPuzzles)->Arg(0)->Arg(500)->Unit(benchmark::kMillisecond);

// The status scan on every return to the menu, over 570 puzzles.
void BM_PuzStatus570(benchmark::State &state)
{
    if (folderOf500Different().isEmpty()) {
        state.SkipWithError("the folder could not be written");
        return;
    }
    const QStringList rows = standardRows();
    Harness h(QList<QByteArray>(70, puzzleBytes(rows, numberedClues(rows))));
    h.game->env().puzzlesDir = folderOf500Different();
    h.start();
    for (int n = 1; n <= h.g().puzcount(); ++n) {
        const Puzzle &p = h.g().menuPuzzle(n);
        Attempt half(p);
        for (int i = 0; i < half.squareCount(); i += 2)
            half.setLetter(i, QStringLiteral("A"));
        writeFile(h.g().progressFile(n), encodeProgress(p, half));
    }
    for (auto _ : state)
        h.g().puzstatus();
    if (h.g().puzcount() != 570 || h.g().puzstat()[570][2] == 0)
        state.SkipWithError("the scan did not read the files");
}
BENCHMARK(BM_PuzStatus570)->Unit(benchmark::kMillisecond);

} // namespace
