// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// The status scan of every puzzle (run at start-up and on every return to the
// menu) and the time from a key press to its first phrase reaching the voice.
#include "solving_fixture.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>

namespace {

// 70 standard puzzles, each with a progress file half filled in.
void BM_PuzStatus70(benchmark::State &state)
{
    const QStringList rows = standardRows();
    QList<QByteArray> puzzles;
    for (int i = 0; i < 70; ++i)
        puzzles.append(puzzleBytes(rows, numberedClues(rows)));
    Harness h(puzzles);
    h.start();
    QMap<int, QString> half;
    for (int idx = 1; idx <= 169; idx += 2) {
        const QChar ch = rows[(idx - 1) / 13][(idx - 1) % 13];
        if (ch != QLatin1Char('#'))
            half[idx] = QString(ch);
    }
    for (const QString &name : h.names)
        writeFile(progressPath(h, name), progressBytes(rows, half));
    for (auto _ : state)
        h.g().puzstatus();
    if (h.g().puzcount() != 70 || h.g().puzstat()[70][2] == 0)
        state.SkipWithError("the scan did not read the files");
}
BENCHMARK(BM_PuzStatus70)->Unit(benchmark::kMillisecond);

// Key-down to voice, as the 100 ms timer makes it: a key waits in the mailbox
// until the next tick (uniformly 0..100 ms after it was pressed), then that
// tick handles it and hands its first phrase to the (idle) voice. The wait is
// drawn from a fixed seed; the handling time is measured on a scripted run of
// walking the menu, opening a puzzle, walking clues, typing and writing
// answers, checking and leaving. Reported: median and 95th percentile in ms.
void BM_KeyToVoiceLatency(benchmark::State &state)
{
    using Clock = std::chrono::steady_clock;
    std::vector<double> latencies;
    std::mt19937 random(20260);
    std::uniform_real_distribution<double> wait(0.0, 100.0);
    for (auto _ : state) {
        Harness h;
        h.start();
        h.voice.finishAtOnce = true;
        h.drain();
        std::vector<int> script;
        for (int i = 0; i < 5; ++i)
            script.push_back(Key::Right);
        script.push_back(Key::Left);
        script.push_back(Key::Enter);
        for (int i = 0; i < 12; ++i)
            script.push_back(Key::Down);
        for (int word = 0; word < 6; ++word) {
            for (int letter = 0; letter < 5; ++letter)
                script.push_back(Key::A + (word * 5 + letter) % 26);
            script.push_back(Key::Enter);
            script.push_back(Key::Down);
            script.push_back(Key::Space);
        }
        script.push_back(Key::Tab);
        script.push_back(Key::Escape);
        for (const int key : script) {
            h.drain();
            const auto before = h.voice.utterances.size();
            h.g().Form_KeyDown(key, Mod::None);
            const auto start = Clock::now();
            h.g().Engine_Timer();
            const double handling = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            if (h.voice.utterances.size() > before)
                latencies.push_back(wait(random) + handling);
        }
    }
    std::sort(latencies.begin(), latencies.end());
    auto at = [&](double q) { return latencies.empty() ? 0.0 : latencies[size_t(q * double(latencies.size() - 1))]; };
    state.counters["median_ms"] = at(0.5);
    state.counters["p95_ms"] = at(0.95);
    state.counters["samples"] = double(latencies.size());
}
BENCHMARK(BM_KeyToVoiceLatency)->Iterations(20)->Unit(benchmark::kMillisecond);

} // namespace
