#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#
# A progress file is never left half-written: a helper saves puzzle 1 through
# the game's savefile as fast as it can and is killed with SIGKILL at random
# moments, 40 times. After every kill the file must be exactly one of the
# complete versions the helper writes, never a mix, a cut or an empty file.
set -u
helper="$1"
[ -x "$helper" ] || { echo "FAIL: no helper at $helper"; exit 1; }
dir=$(mktemp -d /tmp/quorel-fault.XXXXXX)
trap 'kill -9 $pid 2>/dev/null; rm -rf "$dir"' EXIT
pid=""
export TMPDIR="$dir" QT_LOGGING_RULES="*.debug=false"

"$helper" "$dir/reference" versions "$dir/versions" || { echo "FAIL: the helper could not write the versions"; exit 1; }
state="$dir/state"
mkdir -p "$state"
file="$state/quoreltamriva3-PUZ0101.tmp"

matches() {
    local v
    for v in "$dir"/versions/v*; do
        cmp -s "$1" "$v" && return 0
    done
    return 1
}

kills=0
for round in $(seq 1 40); do
    rm -f "$state/saving"
    "$helper" "$state" loop &
    pid=$!
    for _ in $(seq 1 200); do
        [ -e "$state/saving" ] && break
        kill -0 "$pid" 2>/dev/null || { echo "FAIL: the helper stopped saving (round $round)"; exit 1; }
        sleep 0.01
    done
    [ -e "$state/saving" ] || { echo "FAIL: the helper never saved (round $round)"; exit 1; }
    # 0 to 49 ms of saving, then the kill lands somewhere in a save.
    sleep "0.0$((RANDOM % 5))$((RANDOM % 10))"
    kill -9 "$pid"
    wait "$pid" 2>/dev/null
    pid=""
    kills=$((kills + 1))
    [ -f "$file" ] || { echo "FAIL: no progress file after kill $round"; exit 1; }
    if ! matches "$file"; then
        echo "FAIL: after kill $round the progress file is not a whole version ($(stat -c %s "$file") bytes):"
        od -c "$file" | tail -n 5
        exit 1
    fi
done
leftovers=$(find "$state" -maxdepth 1 -type f ! -name 'quoreltamriva3-*.tmp' ! -name saving | wc -l)
echo "PASS: $kills kills during saving, the file was always a whole version ($leftovers temporary files left by killed saves)"
