#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
# Latency and footprint of the real program under Xvfb, from its log
# timestamps and /proc, printed as one table against the goals:
#   key-down -> utterance handed to the voice (median, p95)
#   utterance -> first synthesised sample (benchmark of the espeak-ng voice)
#   process start -> welcome handed to the voice (median of several starts)
#   idle CPU over a minute in the menu and in a puzzle
#   peak RSS while playing
# Usage: scripts/bench.sh [--audio] [KEYS]   (default 240 keys, 40 with --audio)
#   --audio  plays through a private PulseAudio null sink started for the run
#            and measures at the sink's monitor (bench/audio_latency.py): key
#            to first audible sample, the gap between two queued phrases, and
#            the floor of that measurement (xdotool plus a tone written into
#            an open stream); it checks that the voice reports idle at the end.
# BUILD_DIR (default build) is configured and built first (BENCH_NO_BUILD=1
# takes it as it is, BUILD_DIR may be absolute); IDLE_SECONDS
# (default 60) sets the idle measurements; STARTS (default 10) the starts.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
audio=0
if [ "${1:-}" = "--audio" ]; then audio=1; shift; fi
keys="${1:-$([ $audio -eq 1 ] && echo 40 || echo 240)}"
build="${BUILD_DIR:-build}"
idle_seconds="${IDLE_SECONDS:-60}"
starts="${STARTS:-10}"

if [ -z "${BENCH_NO_BUILD:-}" ]; then
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUOREL_BUILD_BENCH=ON >/dev/null
    cmake --build "$build" -j2 --target quorel-crosswords quorel_bench_voice >/dev/null
fi
case "$build" in /*) ;; *) build="$root/$build" ;; esac
bin="$build/quorel-crosswords"

# The end-to-end helpers test exit codes themselves.
set +e +o pipefail
source tests/e2e/lib.sh
e2e_init "$bin" 1024x768
# Wall-clock log times, to compare with the time a key was sent.
export QT_MESSAGE_PATTERN="%{time hh:mm:ss.zzz} %{category}: %{message}"
hz=$(getconf CLK_TCK)

if [ $audio -eq 1 ]; then
    start_null_sink || { echo "--audio needs pulseaudio and pulseaudio-utils (scripts/setup.sh --test)" >&2; exit 1; }
fi

# stats FILE: median and 95th percentile of the numbers in FILE.
stats() { sort -n "$1" | awk '{ v[NR] = $1 } END { printf "%d %d %d\n", v[int((NR + 1) / 2)], v[int(NR * 0.95 + 0.999)], NR }'; }
says() { grep -c 'crosswords.speech: say' "$E2E_LOG" || true; }
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$E2E_PID/stat"; }
# idle_cpu SECONDS: percent of one core used while nothing happens.
idle_cpu() {
    local a b
    a=$(cpu_ticks)
    sleep "$1"
    b=$(cpu_ticks)
    awk -v d=$((b - a)) -v hz="$hz" -v s="$1" 'BEGIN { printf "%.2f", 100 * d / hz / s }'
}

# Start -> welcome: the time just before the program is launched to the
# welcome's log line, over several starts.
: >"$E2E_DIR/start.txt"
e2e_time_starts "$starts" "$E2E_DIR/start.txt"
read -r start_med _ _ < <(stats "$E2E_DIR/start.txt")

# Key-down -> voice: menu steps (Right and Left in turn), at uneven intervals
# so keys land at every point of the 100 ms tick. With --audio: key-down to
# the first audible sample at the sink, instead.
e2e_start
e2e_wait_say "Welcome to Quorel Crosswords volume 3." 20
: >"$E2E_DIR/keys.txt"
if [ $audio -eq 1 ]; then
    python3 bench/audio_latency.py "$E2E_WID" "$E2E_LOG" "$keys" "$E2E_DIR/audio.txt" || e2e_fail "audio measurement failed"
    read -r _ tone_med _ < <(grep '^tone ' "$E2E_DIR/audio.txt")
    read -r _ xdo_med _ < <(grep '^xdotool ' "$E2E_DIR/audio.txt")
    read -r _ audio_med audio_p95 audio_n < <(grep '^key ' "$E2E_DIR/audio.txt")
    read -r _ inside_med inside_p95 _ < <(grep '^inside ' "$E2E_DIR/audio.txt")
    read -r _ gap_med gap_p95 gap_n < <(grep '^gap ' "$E2E_DIR/audio.txt")
fi
sleep 1
for ((i = 1; i <= (audio ? 0 : keys); i++)); do
    key=Right
    [ $((i % 2)) -eq 0 ] && key=Left
    before=$(says)
    t0=$(e2e_day_ms)
    xdotool key --window "$E2E_WID" "$key"
    for _ in $(seq 1 2000); do
        [ "$(says)" -gt "$before" ] && break
        sleep 0.005
    done
    [ "$(says)" -gt "$before" ] || e2e_fail "no utterance after key $i"
    t1=$(grep 'crosswords.speech: say' "$E2E_LOG" | sed -n "$((before + 1))p" | cut -d' ' -f1 | e2e_ms_of_day)
    echo $((t1 - t0)) >>"$E2E_DIR/keys.txt"
    sleep "0.$((150 + (i * 37) % 150))"
done
[ $audio -eq 1 ] || read -r key_med key_p95 key_n < <(stats "$E2E_DIR/keys.txt")

# Idle in the menu, then in a puzzle; then some play for the peak RSS.
sleep 2
idle_menu=$(idle_cpu "$idle_seconds")
e2e_key Return
e2e_wait_say "1 across" 10
sleep 2
idle_puzzle=$(idle_cpu "$idle_seconds")
e2e_key Down Down Return c a t Tab KP_Add Right Right KP_Subtract F1 F1 F2 Return Escape F12
sleep 2
rss_kb=$(awk '/^VmHWM/ { print $2 }' "/proc/$E2E_PID/status")

# With a real sink: the goodbye is spoken and waited for, so the program ends
# only once the voice reports idle.
idle_after=""
if [ $audio -eq 1 ]; then
    e2e_key F12
    e2e_wait_say "Are you sure you want to leave the programme?" 10
    e2e_box >/dev/null
    t0=$(e2e_day_ms)
    xdotool key Return
    e2e_wait_exit 30
    idle_after=$(( $(e2e_day_ms) - t0 ))
fi
e2e_stop

# Utterance -> first sample: the worst first sentence of the timed texts.
voice_json="$E2E_DIR/voice.json"
"$build/bench/quorel_bench_voice" --benchmark_format=json --benchmark_out="$voice_json" >/dev/null 2>&1
first=$(python3 - "$voice_json" <<'EOF'
import json, sys
runs = json.load(open(sys.argv[1]))["benchmarks"]
first = [r["real_time"] for r in runs if r["name"].startswith("firstSample/")]
whole = [r["real_time"] for r in runs if r["name"] == "whole/help_page"]
print("%.1f %.1f" % (max(first), whole[0] if whole else -1))
EOF
)
read -r first_ms whole_help_ms <<<"$first"

verdict() { awk -v v="$1" -v g="$2" 'BEGIN { print (v <= g ? "met" : "MISSED") }'; }
printf '%-44s %12s %10s %s\n' "measure" "value" "goal" "verdict"
if [ $audio -eq 1 ]; then
    printf '%-44s %12s %10s %s\n' "key-down -> heard at the sink, median ($audio_n)" "$audio_med ms" "25 ms" "$(verdict "$audio_med" 25)"
    printf '%-44s %12s %10s %s\n' "key-down -> heard at the sink, p95" "$audio_p95 ms" "40 ms" "$(verdict "$audio_p95" 40)"
    printf '%-44s %12s %10s %s\n' "  floor: xdotool + tone into an open stream" "$((xdo_med + tone_med)) ms" "" "($xdo_med + $tone_med)"
    printf '%-44s %12s %10s %s\n' "  key taken by the game -> heard, median" "$inside_med ms" "" "(p95 $inside_p95 ms)"
    printf '%-44s %12s %10s %s\n' "gap between queued phrases, median ($gap_n)" "$gap_med ms" "60 ms" "$(verdict "$gap_med" 60)"
    printf '%-44s %12s %10s %s\n' "gap between queued phrases, p95" "$gap_p95 ms" "" ""
else
    printf '%-44s %12s %10s %s\n' "key-down -> voice, median ($key_n keys)" "$key_med ms" "60 ms" "$(verdict "$key_med" 60)"
    printf '%-44s %12s %10s %s\n' "key-down -> voice, p95" "$key_p95 ms" "110 ms" "$(verdict "$key_p95" 110)"
fi
printf '%-44s %12s %10s %s\n' "utterance -> first sample (worst text)" "$first_ms ms" "30 ms" "$(verdict "$first_ms" 30)"
printf '%-44s %12s %10s %s\n' "  (help page 2 synthesised whole)" "$whole_help_ms ms" "" ""
printf '%-44s %12s %10s %s\n' "start -> welcome, median of $starts" "$start_med ms" "300 ms" "$(verdict "$start_med" 300)"
printf '%-44s %12s %10s %s\n' "idle CPU, menu (${idle_seconds} s)" "$idle_menu %" "0.5 %" "$(verdict "$idle_menu" 0.5)"
printf '%-44s %12s %10s %s\n' "idle CPU, puzzle (${idle_seconds} s)" "$idle_puzzle %" "0.5 %" "$(verdict "$idle_puzzle" 0.5)"
printf '%-44s %12s %10s %s\n' "peak RSS while playing (VmHWM)" "$((rss_kb / 1024)) MB" "60 MB" "$(verdict "$((rss_kb / 1024))" 60)"
if [ $audio -eq 1 ]; then
    printf '%-44s %12s %10s %s\n' "null sink: goodbye spoken -> program ended" "$idle_after ms" "" "(idle reported)"
fi
rm -rf "$E2E_DIR"
