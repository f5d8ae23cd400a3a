#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
# A puzzle folder filled with crossword files other people's tools wrote
# (tests/data/wild): every ordinary crossword is listed, the same puzzle in a
# second file is named as such, the puzzles of other kinds are rejected by
# their kind, and a puzzle's solving instructions are read as its notes on
# the first opening and with F11.
source "$(dirname "$0")/lib.sh"
e2e_init "$1" 1024x768
export XDG_DATA_HOME="$E2E_DIR/data"
folder="$XDG_DATA_HOME/quorel-crosswords/puzzles"
mkdir -p "$folder"
cp "$(dirname "$0")"/../data/wild/* "$folder/"

e2e_start
e2e_wait_say "Welcome to Quorel Crosswords"
e2e_wait_log "rejected: kotwords-acrostic.jpz"
for file in html5-IKeepForgetting.jpz ipuz-example.ipuz jscrossword-Dimensionless.puz jscrossword-GirlDinner.ipuz \
    kotwords-test-barred.jpz kotwords-test-iso-8859-1.puz kotwords-test-void.jpz \
    kotwords-test-diagonal.jpz puzpy-unicode.puz pypuz-3x.ipuz; do
    e2e_log | grep -qE "crosswords.puzzles: added: $file as [0-9]+$" || e2e_fail "$file was not listed"
done
e2e_log | grep -qF "duplicate: pypuz-3x.jpz: same puzzle as: pypuz-3x.ipuz" || e2e_fail "the second 3x file was not named a duplicate"
# The same grid and clues with a diagonal list beside them is the same puzzle.
e2e_log | grep -qF "duplicate: kotwords-test.ipuz: same puzzle as: kotwords-test-diagonal.jpz" \
    || e2e_fail "the kotwords test puzzle was not named a duplicate"
while IFS='|' read -r file reason; do
    e2e_log | grep -qxE ".*crosswords.puzzles: rejected: $file: $reason" || e2e_fail "$file was not rejected with: $reason"
done <<'LIST'
html5-BirthOfTheCool_Diagramless.ipuz|this is a diagramless crossword, which this game cannot play
kotwords-acrostic.jpz|this is an acrostic, which this game cannot play
kotwords-coded.ipuz|this is a coded puzzle, which this game cannot play
kotwords-coded.jpz|this is a coded puzzle, which this game cannot play
kotwords-labyrinth.ipuz|its words do not run across and down
kotwords-marching-bands.ipuz|its words do not run across and down
kotwords-spiral.jpz|its words do not run across and down
kotwords-two-tone.ipuz|its words do not run across and down
LIST
[ "$(e2e_log | grep -c 'crosswords.puzzles: rejected: ')" -eq 8 ] || e2e_fail "other files were rejected"
e2e_said "You also have 10 puzzles of your own" || e2e_fail "the welcome did not count 10 puzzles"

# The puzzle with solving instructions: the menu's last puzzle, then back to it.
wanted=$(e2e_log | sed -n 's/.*added: html5-IKeepForgetting.jpz as \([0-9]*\)$/\1/p')
last=$(e2e_log | sed -n 's/.*crosswords.puzzles: added: .* as \([0-9]*\)$/\1/p' | sort -n | tail -n 1)
e2e_key End
e2e_wait_say "Puzzle $last"
for n in $(seq $((last - 1)) -1 "$wanted"); do
    e2e_key Left
    e2e_wait_say "Puzzle $n"
done
e2e_wait_say "Puzzle $wanted, I Keep Forgettin'"
instructions="In this puzzle the across clues are presented in order, but the down clues are alphabetized."
e2e_key Return
e2e_wait_say "$instructions"
e2e_wait_say "You must figure out which down clue goes where."
e2e_wait_say "1 across"
e2e_key F11
e2e_wait_said_count "$instructions" 2
e2e_stop
e2e_pass "crossword files from other tools"
