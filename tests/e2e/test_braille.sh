#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
# The game on a braille display: brltty's Virtual driver talks to a fake
# display (fakebraille.py), the game to brltty. The display shows the menu,
# the clue and the answer line with its cursor; a routing key moves the
# cursor; a smaller display is laid out again; the game goes on speaking when
# brltty goes away, and shows again when a new brltty starts.
source "$(dirname "$0")/lib.sh"
e2e_init "$1" 1024x768
command -v brltty >/dev/null || e2e_fail "brltty is not installed (scripts/setup.sh --test)"

BRL_SOCKET="$E2E_DIR/display.sock"
BRL_CONTROL="$E2E_DIR/display.control"
BRL_SHOWN="$E2E_DIR/display.log"
python3 "$(dirname "$0")/fakebraille.py" "$BRL_SOCKET" "$BRL_CONTROL" "$BRL_SHOWN" 40 &
FAKE_PID=$!
BRLTTY_PID=""
# A host number of our own: parallel runs do not share a brltty.
BRL_HOST=$((100 + RANDOM % 800))
stop_braille() {
    [ -n "$BRLTTY_PID" ] && kill "$BRLTTY_PID" 2>/dev/null && wait "$BRLTTY_PID" 2>/dev/null
    BRLTTY_PID=""
}
trap 'stop_braille; kill "$FAKE_PID" 2>/dev/null; e2e_cleanup' EXIT
start_brltty() {
    for _ in $(seq 1 100); do [ -S "$BRL_SOCKET" ] && break; sleep 0.05; done
    brltty -n -e -f /dev/null -b vr -d "client:$BRL_SOCKET" -x no -s no \
        -A "host=:$BRL_HOST,auth=none" 2>>"$E2E_DIR/brltty.log" &
    BRLTTY_PID=$!
}
# wait_shown TEXT: waits until the display shows a line containing TEXT.
wait_shown() {
    for _ in $(seq 1 200); do
        grep -qF "Visual \"$1" "$BRL_SHOWN" && return 0
        sleep 0.05
    done
    echo "--- display:" >&2; tail -n 20 "$BRL_SHOWN" >&2
    e2e_fail "the display never showed: $1"
}
display() { echo "$1" >"$BRL_CONTROL"; }

start_brltty
export BRLAPI_HOST=":$BRL_HOST" BRLAPI_AUTH=none
e2e_start
e2e_wait_log "crosswords.braille: connected: 40"
wait_shown "Welcome to Quorel Crosswords volume 3."

e2e_key Right
wait_shown "Puzzle 1 empty"
e2e_key Return
e2e_wait_say "1 across"
wait_shown "1a ("
# Typed letters on the answer line, the cursor on the next box.
e2e_key c a
e2e_wait_log "show: 1a ca"
line=$(e2e_log | grep "crosswords.braille: show: 1a ca" | tail -n 1)
echo "$line" | grep -q " @ 6$" || e2e_fail "cursor not on box 3: $line"
wait_shown "1a ca"

# Routing key over box 1, the display's fourth cell (the Virtual driver
# counts cells from 0 as BrlAPI does): the cursor goes there and says so.
display "Route 3"
e2e_wait_log "crosswords.braille: key: route 3"
e2e_wait_say ", first letter C"
e2e_wait_log "@ 4"

# Another window takes the focus: the display's keys are brltty's again
# until the game has the focus back.
xev -name other >/dev/null 2>&1 &
OTHER_PID=$!
for _ in $(seq 1 100); do
    other=$(xdotool search --onlyvisible --name "^other$" 2>/dev/null | head -n 1)
    [ -n "$other" ] && break
    sleep 0.05
done
[ -n "$other" ] || e2e_fail "no other window"
xdotool windowfocus "$other"
sleep 1
display "Route 5"
sleep 1
e2e_log | grep -q "crosswords.braille: key: route 5" && e2e_fail "the game took a key without the focus"
e2e_focus "$E2E_WID" || e2e_fail "the game did not take the focus back"
kill "$OTHER_PID"
display "Route 5"
e2e_wait_log "crosswords.braille: key: route 5"
e2e_wait_say ", third letter blank"

# A display of 14 cells: the line is laid out again for it.
display "cells 14"
e2e_wait_log "crosswords.braille: connected: 14"
e2e_wait_log "show: 1a ca"

# brltty goes: the game goes on speaking; a new brltty shows the game again.
stop_braille
e2e_wait_log "crosswords.braille: gone: "
e2e_key Left
e2e_wait_say ", second letter A"
kill -0 "$E2E_PID" 2>/dev/null || e2e_fail "the game ended with brltty"
: >"$BRL_SHOWN"
connects=$(e2e_log | grep -c "crosswords.braille: connected:")
start_brltty
for _ in $(seq 1 400); do
    [ "$(e2e_log | grep -c "crosswords.braille: connected:")" -gt "$connects" ] && break
    sleep 0.05
done
[ "$(e2e_log | grep -c "crosswords.braille: connected:")" -gt "$connects" ] || e2e_fail "no new connection to brltty"
e2e_key Right
wait_shown "1a ca"
e2e_stop
e2e_pass "braille display"
