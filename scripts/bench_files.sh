#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
# The solver's own crossword files against their goals:
#   reading a 21 x 21 barred .jpz, plain and zipped: 2 ms at most
#   an ordinary start-up with 500 own puzzles: at most 1.5 times a start-up
#   with an empty puzzle folder, measured twice:
#   - the game's own start-up (window load to welcome: resources, settings,
#     the folder's scan, the menu's progress scan) in build/bench/quorel_bench,
#     with test doubles for the voice and the screen;
#   - the real program under Xvfb, process start to the welcome's log line,
#     STARTS (default 10) starts with each folder, taken in turn.
# and, for comparison, the first start-up after the 500 files arrived, when
# every file is read. Benchmark figures are medians of REPS runs (default 5),
# judged by the CPU time of the process, as on a shared machine the
# wall-clock time also counts the time other work held the processor. Exits
# 1 when a goal is missed or a benchmark failed.
# BUILD_DIR (default build) is configured and built first (BENCH_NO_BUILD=1
# takes it as it is).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD_DIR:-build}"
reps="${REPS:-5}"
starts="${STARTS:-10}"

if [ -z "${BENCH_NO_BUILD:-}" ]; then
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUOREL_BUILD_BENCH=ON >/dev/null
    cmake --build "$build" -j2 --target quorel_bench quorel-crosswords >/dev/null
fi
case "$build" in /*) ;; *) build="$PWD/$build" ;; esac

# The benchmark leaves its folder of 500 puzzles for the real program.
work=$(mktemp -d /tmp/quorel-files.XXXXXX)
json="$work/bench.json"
QUOREL_BENCH_FOLDER="$work/puzzles" "$build/bench/quorel_bench" --benchmark_filter='BarredJpz21|StartWithOwnPuzzles' \
    --benchmark_repetitions="$reps" --benchmark_format=json --benchmark_out="$json" >/dev/null 2>&1 || true

# The real program, started with each folder in turn. Each folder has its
# own state folder (the folder's index, progress files), kept from start to
# start as on the solver's machine; the first start of each is not counted.
set +e +o pipefail
source tests/e2e/lib.sh
e2e_init "$build/quorel-crosswords" 1024x768
export QT_MESSAGE_PATTERN="%{time hh:mm:ss.zzz} %{category}: %{message}"
start_with() {  # start_with none|own COUNT FILE
    export XDG_DATA_HOME="$work/data-$1" XDG_STATE_HOME="$work/state-$1"
    e2e_time_starts "$2" "$3"
}
mkdir -p "$work/data-none/quorel-crosswords/puzzles" "$work/data-own/quorel-crosswords"
cp -r "$work/puzzles" "$work/data-own/quorel-crosswords/puzzles"
: >"$work/real-none.txt"
: >"$work/real-own.txt"
: >"$work/real-first.txt"
start_with none 1 /dev/null
start_with own 1 "$work/real-first.txt"
for ((i = 1; i <= starts; i++)); do
    start_with none 1 "$work/real-none.txt"
    start_with own 1 "$work/real-own.txt"
done

python3 - "$json" "$work" <<'EOF'
import json, statistics, sys
runs = json.load(open(sys.argv[1]))["benchmarks"]
failed = sorted({r["run_name"] for r in runs if r.get("error_occurred")})
to_ms = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}
def median(name, key):
    values = [r[key] * to_ms[r["time_unit"]] for r in runs
              if r.get("run_name") == name and r.get("run_type") == "iteration" and not r.get("error_occurred")]
    return statistics.median(values) if values else float("nan")
def real(kind):
    return [int(line) for line in open("%s/real-%s.txt" % (sys.argv[2], kind)) if line.strip()]
def row(measure, cpu, wall, goal, met):
    print("%-46s %10s %10s %17s %s" % (measure, cpu, wall, goal, "" if met is None else ("met" if met else "MISSED")))
missed = bool(failed)
row("measure", "cpu", "wall", "goal", None)
for name, measure in (("BM_ReadBarredJpz21", "read a 21 x 21 barred .jpz"),
                      ("BM_ReadZippedBarredJpz21", "read a 21 x 21 barred .jpz, zipped")):
    cpu, wall = median(name, "cpu_time"), median(name, "real_time")
    row(measure, "%.2f ms" % cpu, "%.2f ms" % wall, "2 ms", cpu <= 2)
    missed |= not cpu <= 2
for kind, measure in (("StartWithOwnPuzzles", "game start-up"), ("FirstStartWithOwnPuzzles", "first game start-up")):
    none = [median("BM_%s/0" % kind, key) for key in ("cpu_time", "real_time")]
    own = [median("BM_%s/500" % kind, key) for key in ("cpu_time", "real_time")]
    row("%s, empty puzzle folder" % measure, "%.2f ms" % none[0], "%.2f ms" % none[1], "", None)
    row("%s, 500 own puzzles" % measure, "%.2f ms" % own[0], "%.2f ms" % own[1], "", None)
    ratio = [o / n for o, n in zip(own, none)]
    ordinary = kind == "StartWithOwnPuzzles"
    row("  500 own puzzles / empty folder", "%.2f x" % ratio[0], "%.2f x" % ratio[1],
        "1.5 x" if ordinary else "(every file read)", ratio[0] <= 1.5 if ordinary else None)
    missed |= ordinary and not ratio[0] <= 1.5
none, own, first = real("none"), real("own"), real("first")
if none and own and first:
    row("program start -> welcome, empty folder", "", "%d ms" % statistics.median(none), "", None)
    row("program start -> welcome, 500 own puzzles", "", "%d ms" % statistics.median(own), "", None)
    ratio = statistics.median(own) / statistics.median(none)
    row("  500 own puzzles / empty folder (%d each)" % len(own), "", "%.2f x" % ratio, "1.5 x", ratio <= 1.5)
    missed |= not ratio <= 1.5
    row("  first start with the 500", "", "%d ms" % first[0], "(every file read)", None)
else:
    print("FAILED: the real program's starts were not all timed")
    missed = True
for name in failed:
    print("FAILED: %s (see quorel_bench --benchmark_filter=%s)" % (name, name))
sys.exit(1 if missed else 0)
EOF
status=$?
e2e_cleanup
rm -rf "$work" "$E2E_DIR"
exit $status
