#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
# ThreadSanitizer run of what uses threads: the platform tests (with a private
# sound server) and the end-to-end tests that play through a PulseAudio null
# sink, the storm included, on a build in build-tsan/. Any report fails the
# test that caused it. About a quarter of an hour on two cores.
#   scripts/tsan.sh            the tests above
#   scripts/tsan.sh REGEX      only the tests whose names match
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --test
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUOREL_SANITIZE=thread -DQUOREL_BUILD_BENCH=OFF >/dev/null
cmake --build build-tsan -j2 --target quorel-crosswords quorel_platform_tests quorel-voice-length sinkwatch
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d /tmp/quorel-runtime.XXXXXX)}"
# Reports go to the test's output (the e2e tests read the game's log for them).
# Qt, libdbus and libpulse are not built with the sanitizer: their locks and
# atomics are invisible to it, so memory they touch themselves (through
# malloc, memcpy or pthread calls made inside them) is not checked; every
# access from our own code still is. The suppressions name the few races
# still reported inside those libraries, each with its reason.
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:ignore_noninstrumented_modules=1:suppressions=$PWD/scripts/tsan.supp"
tests="${1:-AudioServer|VoiceSentences|ClipPlayer|EspeakVoice|CombinedVoice|SpeechService|platform_audio_server|e2e_test_audio_sink|e2e_test_cut_speech|e2e_test_speech_service|e2e_test_storm}"
cd build-tsan && ctest --output-on-failure -R "$tests"
