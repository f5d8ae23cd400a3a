#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#
# Damaged files never stop the real program and cost nothing else. Before the
# start the state folder holds, for menu puzzles 1 to 6: 3 MB of random bytes,
# a good file cut off in the middle of a line, a good file of a completed
# puzzle, 5 MB of text lines under a grid size of eleven digits, 100 KB of NUL
# bytes, and a folder in the place of the file; the settings file is 2 MB of
# random bytes. The game starts, walks the menu, opens and leaves the damaged
# puzzles, and still answers F12; then it starts again over a settings file
# with numbers far out of range. Files the player did not open stay byte for
# byte as they were.
source "$(dirname "$0")/common.sh"
e2e_init "$1" 1024x768

state="$XDG_STATE_HOME/quorel-crosswords"
config="$XDG_CONFIG_HOME/quorel-crosswords"
mkdir -p "$state" "$config" "$E2E_DIR/before"
file() { echo "$state/quoreltamriva3-$(fault_puzzle_name "$1").tmp"; }

# A whole progress file of puzzle 3 with every letter in place.
puzzle3="$FAULT_TEXT/$(fault_puzzle_name 3).txt"
{
    printf '13\r\n'
    tr -d '\r' <"$puzzle3" | awk 'length($0) == 13 && n < 13 { n++; print }' \
        | awk '{ for (c = 1; c <= 13; c++) { ch = substr($0, c, 1); if (ch == " ") ch = "";
                   printf "%s\r\n\r\n%s\r\n", ch, ch } }'
    for _ in $(seq 1 30); do printf '\r\n'; done
} >"$(file 3)"
[ "$(wc -l <"$(file 3)")" -eq 538 ] || e2e_fail "could not build the completed progress file"

head -c 3M /dev/urandom >"$(file 1)"
head -c 700 "$(file 3)" >"$(file 2)"
{ printf '99999999999\r\n'; yes 'A' | head -n 1700000 | sed 's/$/\r/'; } >"$(file 4)"
head -c 100K /dev/zero >"$(file 5)"
mkdir "$(file 6)"
head -c 2M /dev/urandom >"$config/tamrivo3.ini"
for n in 1 2 3 4 5; do cp "$(file "$n")" "$E2E_DIR/before/$n"; done
cp "$config/tamrivo3.ini" "$E2E_DIR/before/settings"

# walk_to N: from the first puzzle to puzzle N, one key a step. Each step is
# announced as "Puzzle n" and then the puzzle's status; the next
# key would replace a status still queued, so each step waits for both.
walk_to() {
    local n heard said key=Home
    for n in $(seq 1 "$1"); do
        heard=$(e2e_said_count "Puzzle $n")
        said=$(e2e_said_count "")
        e2e_key $key
        e2e_wait_said_count "" $((said + 2))
        [ "$(e2e_said_count "Puzzle $n")" -gt "$heard" ] || e2e_fail "puzzle $n was not announced"
        key=Right
    done
}

e2e_start
# Only puzzle 3 is complete.
e2e_wait_say "You have successfully completed 1 puzzle" 20
e2e_key Right
e2e_wait_say "Puzzle 1"
walk_to 6
e2e_wait_say "This puzzle is empty"
grep -F "say: This puzzle has already been completed successfully" "$E2E_LOG" >/dev/null \
    || e2e_fail "puzzle 3 is not heard as completed"

# Open and leave the random one and the folder one.
walk_to 1
e2e_key Down
e2e_wait_say "1 across"
e2e_key F12
e2e_wait_said_count "Returning to the crosswords menu." 1
walk_to 6
e2e_key Down
e2e_wait_said_count "1 across" 2
e2e_key F12
e2e_wait_said_count "Returning to the crosswords menu." 2
e2e_wait_say "sorry, your progress could not be saved"

# Still answering: F12 in the menu asks before leaving.
e2e_key F12
e2e_wait_say "Are you sure you want to leave the programme?"
kill -0 "$E2E_PID" 2>/dev/null || e2e_fail "the game ended"
e2e_stop

for n in 2 3 4 5; do
    cmp -s "$(file "$n")" "$E2E_DIR/before/$n" || e2e_fail "puzzle $n's file changed although it was never opened"
done
cmp -s "$config/tamrivo3.ini" "$E2E_DIR/before/settings" || e2e_fail "the settings file changed"
# Leaving the random one rewrote it in the progress layout: the grid size and
# 538 lines in all (a line may hold a lone LF that the merge took over).
[ "$(head -c 4 "$(file 1)" | od -An -c | tr -s ' ')" = " 1 3 \r \n" ] || e2e_fail "puzzle 1's file does not start with its grid size"
[ "$(grep -ac $'\r$' "$(file 1)")" -eq 538 ] || e2e_fail "puzzle 1's file has $(grep -ac $'\r$' "$(file 1)") lines, not 538"
[ -d "$(file 6)" ] || e2e_fail "the folder in puzzle 6's place is gone"
for n in $(seq 7 70); do
    [ -f "$(file "$n")" ] && [ ! -s "$(file "$n")" ] || e2e_fail "puzzle $n's file is not the empty one of a puzzle never opened"
done

# Numbers far out of range, a line without a Tab, no line end: the program
# starts with a voice it has and a speed it knows, and Alt+F1 steps on from it.
printf 'Voice\t-99999999999999999999\r\nno tab here\r\nSpeed\t99999999999999999999.5' >"$config/tamrivo3.ini"
e2e_start
e2e_wait_say "You have successfully completed 1 puzzle" 20
e2e_key alt+F1
e2e_wait_say "Speed changed to "
grep -E 'crosswords.speech: say: Speed changed to (very slow|slow|normal|fast|very fast)$' "$E2E_LOG" >/dev/null \
    || e2e_fail "the speed after a damaged setting is not one of the five"
e2e_key F12
e2e_wait_say "Are you sure you want to leave the programme?"
for n in 2 3 4 5; do
    cmp -s "$(file "$n")" "$E2E_DIR/before/$n" || e2e_fail "puzzle $n's file changed in the second run"
done
e2e_pass "damaged, cut, oversized and binary files: start-up, menu and puzzles work, nothing else lost"
