#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
# Installs what is missing, builds and runs every test headless: unit and
# scenario tests of the core, tests of the platform services, and end-to-end
# tests of the real binary under Xvfb. Then the same tests again on a build
# with AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/), where any
# sanitizer report fails the test that caused it. Last, a short run of each
# fuzzer (scripts/fuzz.sh --short).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --test
scripts/build.sh
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d /tmp/quorel-runtime.XXXXXX)}"
(cd build && ctest --output-on-failure -j2)

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUOREL_SANITIZE=ON -DQUOREL_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j2
(
    export ASAN_OPTIONS="halt_on_error=1:detect_stack_use_after_return=0"
    export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
    export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
    cd build-asan && ctest --output-on-failure -j2
)

# The fuzzers, about 20 seconds each (longer runs: scripts/fuzz.sh SECONDS).
scripts/fuzz.sh --short
