#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
# The real program at a typing pace: a whole answer typed at 20 keys a second
# is read back letter by letter, and a letter pressed while the clearing
# question is open repeats how to answer it (and does nothing else).
source "$(dirname "$0")/lib.sh"
e2e_init "$1" 1024x768
e2e_start
e2e_wait_say "Welcome to Quorel Crosswords volume 3."
e2e_key Return
e2e_wait_say "1 across"

answer=$(e2e_first_answer "$(dirname "$0")/../../resources/text/PUZ0101.txt")
xdotool type --window "$E2E_WID" --delay 50 "${answer,,}" || e2e_fail "xdotool could not type"
xdotool key --window "$E2E_WID" --delay 50 Return || e2e_fail "xdotool could not send Return"
expected="you filled this in with$(echo "$answer" | sed 's/./, &/g')"
e2e_wait_say "$expected"

# F9 asks whether to clear the puzzle; a letter typed into the box repeats how
# to answer, and Escape still cancels.
remind_line="crosswords.speech: say: Press the enter key to confirm or the escape key to cancel.$"
reminders=$(grep -c "$remind_line" "$E2E_LOG")
e2e_key F9
e2e_wait_say "Are you sure you want to clear this puzzle?"
box=$(e2e_box)
xdotool key --window "$box" x
for _ in $(seq 1 40); do
    [ "$(grep -c "$remind_line" "$E2E_LOG")" -gt "$reminders" ] && break
    sleep 0.05
done
[ "$(grep -c "$remind_line" "$E2E_LOG")" -gt "$reminders" ] \
    || e2e_fail "a letter in the box did not repeat the prompt"
xdotool key --window "$box" Escape
e2e_wait_say "cancelled"
e2e_stop
e2e_pass "an answer typed at 20 keys a second lands whole; a stray key in a box repeats the prompt"
