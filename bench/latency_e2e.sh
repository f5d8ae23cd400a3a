#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
# Key-down to voice on the real program under Xvfb: walks the menu with Right
# N times at uneven intervals, takes the wall-clock time just before each key
# is sent and the time of the "say: Puzzle n" log line, and prints the median
# and 95th percentile in ms. Usage: latency_e2e.sh BINARY [N]
source "$(dirname "$0")/../tests/e2e/lib.sh"
e2e_init "$1" 1024x768
count="${2:-40}"
export QT_MESSAGE_PATTERN="%{time hh:mm:ss.zzz} %{category}: %{message}"
e2e_start
e2e_wait_say "Welcome to Quorel Crosswords volume 3."
sleep 0.5

ms_of_day() { awk -F'[:.]' '{ printf "%d\n", (($1 * 60 + $2) * 60 + $3) * 1000 + $4 }'; }
sent=()
for ((i = 1; i <= count; i++)); do
    sent+=("$(date +%H:%M:%S.%3N | ms_of_day)")
    xdotool key --window "$E2E_WID" Right
    e2e_wait_log "say: Puzzle $i" 5
    # Uneven gaps so that keys land at every point of the timer's period.
    sleep "0.$((200 + (i * 37) % 150))"
done
e2e_stop

for ((i = 1; i <= count; i++)); do
    said=$(grep -m1 "crosswords.speech: say: Puzzle $i\$" "$E2E_LOG" | cut -d' ' -f1 | ms_of_day)
    echo $((said - sent[i - 1]))
done | sort -n | awk '{ v[NR] = $1 } END {
    printf "samples %d  median %d ms  p95 %d ms  max %d ms\n", NR, v[int((NR + 1) / 2)], v[int(NR * 0.95 + 0.999)], v[NR] }'
e2e_cleanup
rm -rf "$E2E_DIR"
