#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
# A screen reader beside the game, on a private session bus: the accessibility
# status service (a stand-in) says one runs, so after the welcome the game
# tells how to quiet it; switched off later, that is logged. The main-row + and
# - zoom as the keypad's do. Without a session bus nothing is said or logged.
if [ -z "${QUOREL_PRIVATE_BUS:-}" ]; then
    command -v dbus-run-session >/dev/null || { echo "FAIL: dbus-run-session is not installed" >&2; exit 1; }
    QUOREL_PRIVATE_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
source "$(dirname "$0")/lib.sh"
e2e_init "$1" 1024x768

fake_pid=""
trap 'e2e_cleanup; [ -n "$fake_pid" ] && kill "$fake_pid" 2>/dev/null' EXIT
/usr/bin/python3 "$(dirname "$0")/fake_a11y_bus.py" true >"$E2E_DIR/fake.log" 2>&1 &
fake_pid=$!
for _ in $(seq 1 100); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
        string:org.a11y.Bus 2>/dev/null | grep -q "boolean true" && break
    kill -0 "$fake_pid" 2>/dev/null || e2e_fail "the stand-in status service ended: $(cat "$E2E_DIR/fake.log")"
    sleep 0.05
done

welcome="Welcome to Quorel Crosswords volume 3. This programme contains 70 puzzles from The Daily Vantorel."
notice="A screen reader is running. To stop it talking over the game, press the screen reader key with S, and again when you leave."
e2e_start
e2e_wait_log "crosswords.speech: screen reader: on"
e2e_wait_say "$notice" 20
order=$(e2e_log | grep -E 'speech: say: ' | grep -nF -e "$welcome" -e "$notice" | cut -d: -f1 | tr '\n' ' ')
[[ $order =~ ^[0-9]+\ [0-9]+\ $ ]] && (( ${order%% *} < ${order#* } )) || e2e_fail "welcome and notice not in that order: $order"

# The screen reader stops: logged, nothing said.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
    string:org.a11y.Status string:ScreenReaderEnabled variant:boolean:false >/dev/null || e2e_fail "Set refused"
e2e_wait_log "crosswords.speech: screen reader: off"
[ "$(e2e_said_count "A screen reader is running")" -eq 1 ] || e2e_fail "the notice was said more than once"

# Main-row + and - (with and without Shift) in an open puzzle.
e2e_key_logged Return 13 0
e2e_wait_say "1 across"
e2e_key_logged equal 187 0
e2e_wait_say "Full screen"
e2e_key_logged shift+equal 187 1
e2e_wait_say "2 times zoom"
e2e_key_logged minus 189 0
e2e_wait_said_count "Full screen" 2
e2e_key_logged shift+minus 189 1
e2e_wait_say "Normal view"
e2e_stop

# No session bus at all: the usual start, nothing about a screen reader.
DBUS_SESSION_BUS_ADDRESS="unix:path=$E2E_DIR/no-bus" e2e_start
e2e_wait_say "$welcome"
e2e_key Right
e2e_wait_say "Puzzle 1"
e2e_log | grep -qi -e "screen reader" -e "dbus" && e2e_fail "a screen reader or the bus was reported without a bus"
e2e_stop
e2e_pass "screen reader"
