// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// The screen work done on every clue change: rebuilding and fitting the clue
// panel, and redrawing the board.
#include "support/harness.h"

#include <benchmark/benchmark.h>

namespace {

// The standard puzzle with clue texts long enough that some entries wrap.
QByteArray wordyPuzzle()
{
    QList<ClueLine> clues = numberedClues(standardRows());
    const QStringList texts{
        QStringLiteral("Harbour light seen from the cliff path on a stormy night"),
        QStringLiteral("Oar"),
        QStringLiteral("Old sailors spin them on a long winter evening by the stove as the wind rattles the shutters"),
        QStringLiteral("Garden tool"),
    };
    for (int i = 0; i < clues.size(); ++i)
        clues[i].text = texts[i % texts.size()];
    return puzzleBytes(standardRows(), clues);
}

// A puzzle open in the clue list of the normal view.
struct OpenPuzzle {
    Harness h{{wordyPuzzle()}};
    OpenPuzzle()
    {
        h.voice.finishAtOnce = true;
        h.start();
        h.press(Key::Enter);
        h.drain();
    }
};

void BM_ShowCluesAndScale(benchmark::State &state)
{
    OpenPuzzle p;
    Crosswords &g = p.h.g();
    g.session().curdir = int(state.range(0));
    for (auto _ : state) {
        g.showclues();
        benchmark::DoNotOptimize(g.form().lblClue[1].fontSize);
    }
}
BENCHMARK(BM_ShowCluesAndScale)->Arg(1)->Arg(2)->ArgName("direction")->Unit(benchmark::kMicrosecond);

void BM_DrawBoard(benchmark::State &state)
{
    OpenPuzzle p;
    Crosswords &g = p.h.g();
    for (auto _ : state) {
        g.drawboard();
        benchmark::DoNotOptimize(g.table().sqclue[1][1]);
    }
}
BENCHMARK(BM_DrawBoard)->Unit(benchmark::kMicrosecond);

void BM_SetZoomSixteenTimes(benchmark::State &state)
{
    OpenPuzzle p;
    Crosswords &g = p.h.g();
    g.session().viewmode = 8;
    for (auto _ : state) {
        g.setzoom();
        benchmark::DoNotOptimize(g.form().D[1].left);
    }
}
BENCHMARK(BM_SetZoomSixteenTimes)->Unit(benchmark::kMicrosecond);

} // namespace
