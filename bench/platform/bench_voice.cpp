// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// From an utterance to its first sample. The espeak-ng voice synthesises the
// first sentence of an utterance before any of it is queued for playing, and
// the rest while that plays; so the synthesis time of the first sentence is
// the delay before the first sample. "whole" times a text in one piece.
#include "platform/espeakvoice.h"
#include "puzzle/ansi.h"

#include <QCoreApplication>
#include <QFile>
#include <benchmark/benchmark.h>

namespace {

const QString kShort = QStringLiteral("Puzzle 12");
const QString kClue = QStringLiteral("1 across, 6letters,  (anagram) Run dog; land");
const QString kWelcome = QStringLiteral(
    "Welcome to Quorel Crosswords volume 3. This programme contains 70 puzzles from The Daily "
    "Vantorel. Use the cursor keys to choose a puzzle then press the enter key. If you need help, "
    "just press function key F1, or to quit press F12. You have successfully completed 0 puzzles");

// The longest help page, read out in one utterance by F1.
QString longestHelpPage()
{
    QFile file(QStringLiteral(QUOREL_SOURCE_DIR "/resources/text/HELP2.txt"));
    return file.open(QIODevice::ReadOnly) ? fromAnsi(file.readAll()) : QString();
}
const QString kHelp = longestHelpPage();

EspeakVoice &voice()
{
    static EspeakVoice v;
    return v;
}

void run(benchmark::State &state, const QString &text)
{
    if (!voice().available()) {
        state.SkipWithError("no espeak-ng voice");
        return;
    }
    qint64 bytes = 0;
    for (auto _ : state) {
        const QByteArray pcm = voice().synthesise(text);
        bytes = pcm.size();
        benchmark::DoNotOptimize(pcm.constData());
    }
    state.counters["audio_ms"] = double(bytes) / 2 / 22.05;
}

void firstSample(benchmark::State &state, const QString &text)
{
    run(state, EspeakVoice::sentences(text).value(0));
}

void whole(benchmark::State &state, const QString &text)
{
    run(state, text);
}

BENCHMARK_CAPTURE(firstSample, short_phrase, kShort)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(firstSample, clue, kClue)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(firstSample, welcome, kWelcome)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(firstSample, help_page, kHelp)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(whole, welcome, kWelcome)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(whole, help_page, kHelp)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
