#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
# Solving end to end with the real program: open puzzle 1, type its first
# answer, leave it with F12, end the program with F12 and the confirmation
# box, start again and hear puzzle 1's percentage in the menu. The progress
# file holds the letters.
source "$(dirname "$0")/lib.sh"
e2e_init "$1" 1024x768

# The first answer and the letter count come from the shipped puzzle text.
puzzle="$(dirname "$0")/../../resources/text/PUZ0101.txt"
[ -f "$puzzle" ] || e2e_fail "no shipped puzzle at $puzzle"
answer=$(e2e_first_answer "$puzzle") || exit 1
letters=$(tr -d '\r' <"$puzzle" | awk 'length($0) == 13 && n < 13 { n++; gsub(/ /, ""); total += length($0) } END { print total }')
# Percent as the menu says it: nearest whole number, halves to even.
percent=$(awk -v a="${#answer}" -v w="$letters" 'BEGIN { x = a * 100; q = int(x / w); r = x - q * w;
    if (2 * r > w || (2 * r == w && q % 2 == 1)) q++; print q }')

e2e_start
e2e_wait_say "Welcome to Quorel Crosswords volume 3."
e2e_key Return
e2e_wait_say "1 across"

e2e_type_answer "$answer"
e2e_key Return
spelt=$(echo "$answer" | sed 's/./, &/g')
e2e_wait_say "you filled this in with$spelt"

e2e_key F12
e2e_wait_say "Returning to the crosswords menu."

# F12 in the menu: the question, then the box answers Return with OK.
e2e_key F12
e2e_wait_say "Are you sure you want to leave the programme?"
e2e_answer_box Return
e2e_wait_exit 15
grep -qF "crosswords.speech: saywait: leaving the programme and returning to the desktop, goodbye" "$E2E_LOG" \
    || e2e_fail "no goodbye"

state="$XDG_STATE_HOME/quorel-crosswords"
progress="$state/quoreltamriva3-PUZ0101.tmp"
[ -f "$progress" ] || e2e_fail "no progress file"
[ "$(wc -l <"$progress")" -eq 538 ] || e2e_fail "progress file has $(wc -l <"$progress") lines"
[ "$(head -n 1 "$progress")" = $'13\r' ] || e2e_fail "progress file starts with $(head -n 1 "$progress" | od -c)"
# Only the first answer was typed: its letters are the file's entries, in order.
entries=$(tr -d '\r' <"$progress" | awk 'NR >= 2 && NR <= 508 && (NR - 2) % 3 == 0' | tr -d '\n')
[ "$entries" = "$answer" ] || e2e_fail "progress file holds '$entries', typed '$answer'"
[ "$(od -An -c "$state/quoreltamrivo3.tmp" | tr -s ' ')" = " 0 \r \n 1 \r \n 0 \r \n 2 \r \n" ] \
    || e2e_fail "resume file holds: $(od -c "$state/quoreltamrivo3.tmp")"

# A new run: puzzle 1 is as far as it was left.
e2e_start
e2e_wait_say "Welcome to Quorel Crosswords volume 3."
e2e_key Right
e2e_wait_say "Puzzle 1"
e2e_wait_say "This puzzle is $percent percent done"
e2e_key Down
e2e_wait_say "you filled this in with, $answer"

# Ended by a signal (logout) rather than F12: the letters written into the
# grid are kept all the same. The second across answer gets its first letter.
second=$(tr -d '\r' <"$puzzle" | awk -F'\t' 'NF == 3 { n++; if (n == 2) { print substr($2, 1, 1); exit } }')
number=$(tr -d '\r' <"$puzzle" | awk -F'\t' 'NF == 3 { n++; if (n == 2) { print substr($1, 2); exit } }')
e2e_key Right
e2e_wait_say "$number across"
e2e_key "${second,,}"
e2e_wait_log "crosswords.speech: say: $second"
e2e_key Return
e2e_wait_say "so far you have typed, $second"
kill -TERM "$E2E_PID"
e2e_wait_exit 10
entries=$(tr -d '\r' <"$progress" | awk 'NR >= 2 && NR <= 508 && (NR - 2) % 3 == 0' | tr -d '\n')
[ "$entries" = "$answer$second" ] || [ "$entries" = "$second$answer" ] \
    || e2e_fail "after SIGTERM the progress file holds '$entries'"
e2e_pass "solve, save, leave, return, and keep the letters on SIGTERM"
