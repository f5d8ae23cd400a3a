#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
# The real program: F1 reads the introduction as one utterance, Alt+F1 steps
# the speed and the speed is still there after a restart, and a mouse click on
# a square of an open puzzle opens the on-screen alphabet for that square.
source "$(dirname "$0")/lib.sh"
e2e_init "$1" 1024x768
e2e_start
e2e_wait_say "Welcome to Quorel Crosswords volume 3."

# The introduction: its two lines are one utterance, so the log shows the
# second line right after the "say: " line of the first.
e2e_key F1
e2e_wait_say "Quorel Crosswords."
grep -A1 "crosswords.speech: say: Quorel Crosswords.\s*$" "$E2E_LOG" | grep -q "There are 4 pages of help" \
    || e2e_fail "the introduction was not spoken as one utterance"

e2e_key alt+F1
e2e_wait_say "Speed changed to fast"
settings="$XDG_CONFIG_HOME/quorel-crosswords/tamrivo3.ini"
[ "$(cat "$settings")" = "$(printf 'Voice\t0\r\nSpeed\t3\r')" ] || e2e_fail "settings file holds: $(od -c "$settings")"

# A new run starts at the stored speed: one more step is "very fast".
e2e_stop
e2e_start
e2e_wait_say "Welcome to Quorel Crosswords volume 3."
e2e_key alt+F1
e2e_wait_say "Speed changed to very fast"

# Open the first puzzle and click the square in row 3, column B. The board of
# the normal view on a 1024 x 768 screen (15 twips a pixel): 8640 twips wide at
# the right edge less 300, 800 from the top, squares of nearest(8064 / 13) = 620.
e2e_key Return
e2e_wait_say "1 across"
sq=620
left=$((15360 - 8640 - 300))
top=800
x=$(((left + 1 * sq + sq / 2) / 15))
y=$(((top + 2 * sq + sq * 3 / 4) / 15))
e2e_click "$x" "$y"
e2e_wait_say "Use the cursor keys to choose the letter"
e2e_said "say: 3B" || e2e_fail "the clicked square's co-ordinates were not spoken"

# A letter typed now goes into that square and is spoken.
e2e_key q
e2e_wait_log "crosswords.speech: say: Q"

e2e_stop
e2e_pass "help, speed, click"
