#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#
# Builds the libFuzzer targets with clang (AddressSanitizer + UndefinedBehavior-
# Sanitizer) in build-fuzz/ and runs each in turn.
#
#   scripts/fuzz.sh --short       about 20 s per target (the test command uses this)
#   scripts/fuzz.sh SECONDS       SECONDS per target
#   scripts/fuzz.sh SECONDS NAME  one target: puzzletext, progress, settings, puz, ipuz or jpz
#
# The seed corpora in fuzz/corpus/ are only read; what a run discovers goes to
# build-fuzz/corpus/, findings to build-fuzz/findings/. QUOREL_FUZZ_BUILD
# chooses another build folder. Exits non-zero when a target finds a fault.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)

SECONDS_EACH=20
if [ $# -ge 1 ]; then
    case "$1" in
        --short) SECONDS_EACH=20 ;;
        ''|*[!0-9]*) echo "usage: $0 [--short | SECONDS] [TARGET]" >&2; exit 2 ;;
        *) SECONDS_EACH="$1" ;;
    esac
fi
TARGETS=(puzzletext progress settings puz ipuz jpz)
[ $# -ge 2 ] && TARGETS=("$2")

BUILD="${QUOREL_FUZZ_BUILD:-$ROOT/build-fuzz}"
command -v clang++ >/dev/null || { echo "fuzz.sh: clang++ is not installed (scripts/setup.sh --test)" >&2; exit 1; }
if [ ! -f "$BUILD/CMakeCache.txt" ]; then
    CC=clang CXX=clang++ cmake -S "$ROOT" -B "$BUILD" -DQUOREL_FUZZ=ON -DQUOREL_BUILD_BENCH=OFF \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
if ! cmake --build "$BUILD" -j2 --target $(printf 'fuzz_%s ' "${TARGETS[@]}") >"$BUILD/build.log" 2>&1; then
    tail -n 30 "$BUILD/build.log" >&2
    echo "fuzz.sh: the fuzzers did not build (log $BUILD/build.log)" >&2
    exit 1
fi

# QSaveFile syncs every save; the progress and settings targets save on each run.
[ -z "${TMPDIR:-}" ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm
# Qt is not built with frame pointers, so the fast unwinder gives nearly every
# allocation inside Qt a new, partly random stack; AddressSanitizer keeps them
# all and slows down more with every run. One frame per allocation keeps the
# runs fast; the stack of a bad access is still reported whole.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:malloc_context_size=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"
export QT_LOGGING_RULES="*.debug=false"

status=0
summary=()
for t in "${TARGETS[@]}"; do
    work="$BUILD/corpus/$t"
    findings="$BUILD/findings/$t"
    log="$BUILD/fuzz_$t.log"
    mkdir -p "$work" "$findings"
    echo "fuzz: $t for ${SECONDS_EACH}s (log $log)"
    if "$BUILD/fuzz/fuzz_$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 \
        -artifact_prefix="$findings/" "$work" "$ROOT/fuzz/corpus/$t" >"$log" 2>&1; then
        result=ok
    else
        result=FAILED
        status=1
        echo "--- $t found a fault; input in $findings/:" >&2
        grep -E 'ERROR|runtime error|invariant|SUMMARY|Test unit written' "$log" | head -n 20 >&2 || tail -n 30 "$log" >&2
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    summary+=("$(printf '%-11s %-6s %12s runs in %ss, corpus %s files' "$t" "$result" "${runs:-?}" "$SECONDS_EACH" "$(ls "$work" | wc -l)")")
done
printf '%s\n' "${summary[@]}"
exit $status
