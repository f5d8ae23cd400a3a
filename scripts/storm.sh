#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
# Key storm against a sanitizer build of the real program under Xvfb, playing
# through a private PulseAudio null sink: 1,000 random keys and clicks unless
# told otherwise.
#   scripts/storm.sh            1,000 events
#   scripts/storm.sh --short    250 events, as in the test suite
#   scripts/storm.sh N          N events
# STORM_SEED=n repeats a storm; STORM_LOGS=DIR keeps the game's logs.
# The sanitizer build is made (or brought up to date) in build-asan/.
set -euo pipefail
cd "$(dirname "$0")/.."
events=1000
case "${1:-}" in
    --short) events=250 ;;
    "") ;;
    *[!0-9]*) echo "usage: $0 [--short | N]" >&2; exit 2 ;;
    *) events="$1" ;;
esac
scripts/setup.sh --test
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUOREL_SANITIZE=ON -DQUOREL_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j2 --target quorel-crosswords
exec bash tests/e2e/test_storm.sh build-asan/quorel-crosswords "$events"
