#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
# quorel-crosswords FILE...: a file that is no crossword is named with its
# reason on standard error, is not copied and makes the command fail; a
# crossword file is copied into the puzzle folder, and when the game runs
# already it is handed to the running game and that second copy ends at once. The crossword files
# are written by our own writer, quorel-puzzle-files, beside the binary.
source "$(dirname "$0")/lib.sh"
e2e_init "$1" 1024x768
export XDG_DATA_HOME="$E2E_DIR/data"
folder="$XDG_DATA_HOME/quorel-crosswords/puzzles"
files="$E2E_DIR/files"
writer="$(dirname "$E2E_BIN")/quorel-puzzle-files"
[ -x "$writer" ] || e2e_fail "no crossword file writer at $writer"
"$writer" "$(dirname "$0")/../../resources/text" "$files" >/dev/null || e2e_fail "the writer failed"
printf 'This is not a crossword.\n' >"$files/broken.puz"

# No game runs: the game starts with the good file copied into its folder,
# the broken one named on standard error (in the log) and not copied.
e2e_start "$files/test15.ipuz" "$files/broken.puz"
e2e_wait_say "Welcome to Quorel Crosswords"
e2e_wait_say "You also have 1 puzzle of your own"
cmp -s "$files/test15.ipuz" "$folder/test15.ipuz" || e2e_fail "test15.ipuz was not copied whole"
e2e_log | grep -qxF "$files/broken.puz: this is not a crossword file" || e2e_fail "the broken file was not named"
[ -e "$folder/broken.puz" ] && e2e_fail "the broken file was copied"

# The broken file alone while the game runs: named, not copied, nothing
# handed over, and the command fails.
timeout 10 "$E2E_BIN" "$files/broken.puz" >"$E2E_DIR/broken.out" 2>"$E2E_DIR/broken.err"
status=$?
[ "$status" -ne 0 ] && [ "$status" -ne 124 ] || e2e_fail "a broken file gave exit status $status"
grep -qxF "$files/broken.puz: this is not a crossword file" "$E2E_DIR/broken.err" \
    || e2e_fail "no reason on standard error: $(cat "$E2E_DIR/broken.err")"
[ -e "$folder/broken.puz" ] && e2e_fail "the broken file was copied"

# A good and a broken file while the game runs: the good one is copied and
# handed over, the broken one named, and the command fails for it.
started=$(date +%s%N)
timeout 10 "$E2E_BIN" "$files/test21.puz" "$files/broken.puz" 2>"$E2E_DIR/second.err"
status=$?
echo "the second copy took $(( ($(date +%s%N) - started) / 1000000 )) ms"
[ "$status" -ne 0 ] && [ "$status" -ne 124 ] || e2e_fail "good and broken files gave exit status $status"
grep -qF "broken.puz: this is not a crossword file" "$E2E_DIR/second.err" || e2e_fail "the broken file was not named"
cmp -s "$files/test21.puz" "$folder/test21.puz" || e2e_fail "test21.puz was not copied whole"
e2e_wait_log "crosswords.puzzles: handed over: test21.puz"
e2e_wait_log "crosswords.puzzles: added: test21.puz as 72"
e2e_wait_say "New puzzle added: Test puzzle, 21 by 21"
e2e_wait_say "Puzzle 72"
# The menu's cursor is on it: Enter opens the 21 x 21 puzzle.
e2e_key Return
e2e_wait_say "1 across, 5letters"
e2e_key F12
e2e_wait_say "Returning to the crosswords menu"

# The same file again: nothing copied, handed over again, success.
timeout 10 "$E2E_BIN" "$files/test21.puz" 2>"$E2E_DIR/third.err"
status=$?
[ "$status" -eq 0 ] || e2e_fail "an already copied file gave exit status $status: $(cat "$E2E_DIR/third.err")"
[ "$(ls "$folder" | wc -l)" -eq 2 ] || e2e_fail "the folder holds $(ls "$folder")"
for _ in $(seq 1 100); do
    [ "$(e2e_log | grep -cF "handed over: test21.puz")" -ge 2 ] && break
    sleep 0.05
done
[ "$(e2e_log | grep -cF "handed over: test21.puz")" -eq 2 ] || e2e_fail "the second hand-over did not arrive"
e2e_log | grep -qF "handed over: broken.puz" && e2e_fail "the broken file was handed over"

kill -0 "$E2E_PID" 2>/dev/null || e2e_fail "the running game ended"
windows=$(xdotool search --onlyvisible --name "Quorel Crosswords" | wc -l)
[ "$windows" -eq 1 ] || e2e_fail "$windows game windows"

# The game that was started with a broken file ends in failure too.
e2e_key F12
e2e_wait_say "Are you sure you want to leave the programme?"
e2e_answer_box Return
for _ in $(seq 1 300); do
    kill -0 "$E2E_PID" 2>/dev/null || break
    sleep 0.05
done
kill -0 "$E2E_PID" 2>/dev/null && e2e_fail "the game did not end"
wait "$E2E_PID"
status=$?
E2E_PID=""
[ "$status" -eq 1 ] || e2e_fail "the game started with a broken file ended with status $status"
e2e_pass "opening crossword files"
