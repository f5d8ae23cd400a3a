#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
# Start-up of the real program: full screen window, the welcome spoken once,
# a second copy ends at once without a window, the first keeps running.
source "$(dirname "$0")/lib.sh"
e2e_init "$1" 1024x768
e2e_start

e2e_wait_say "Welcome to Quorel Crosswords volume 3. This programme contains 70 puzzles from The Daily Vantorel. Use the cursor keys to choose a puzzle then press the enter key. If you need help, just press function key F1, or to quit press F12. You have successfully completed 0 puzzles"

geometry=$(xdotool getwindowgeometry "$E2E_WID")
echo "$geometry" | grep -q "Geometry: 1024x768" || e2e_fail "window is not full screen: $geometry"

# A second copy ends at once, silently, and makes no window of its own.
first_log="$E2E_LOG"
timeout 10 "$E2E_BIN" >"$E2E_DIR/second.log" 2>&1
status=$?
[ "$status" -eq 0 ] || e2e_fail "second copy exited with $status"
grep -q "crosswords.speech" "$E2E_DIR/second.log" && e2e_fail "second copy spoke"
kill -0 "$E2E_PID" 2>/dev/null || e2e_fail "the first copy ended"
windows=$(xdotool search --onlyvisible --name "Quorel Crosswords" | wc -l)
[ "$windows" -eq 1 ] || e2e_fail "$windows game windows"

# The welcome is one phrase, spoken once even when the window gets focus back.
# Once a key sent after the focus change has been taken, the game has handled
# that change too.
e2e_focus "$E2E_WID" || e2e_fail "the game window did not take the focus back"
e2e_key Right
e2e_wait_log "crosswords.keys: key: 39 0"
count=$(grep -c "say: Welcome to Quorel Crosswords" "$first_log")
[ "$count" -eq 1 ] || e2e_fail "welcome spoken $count times"
e2e_stop
e2e_pass "start-up"
