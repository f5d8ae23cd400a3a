#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#
# A crash loses nothing written: the game is killed with SIGSEGV right after
# Enter writes an answer into the grid (no F12, no F9), and the answer is
# there when the puzzle is opened again after a restart. So is one written in
# the magnified view, letter by letter.
source "$(dirname "$0")/common.sh"
e2e_init "$1" 1024x768
word=$(fault_answer 1 1)
[ -n "$word" ] || e2e_fail "no answer for puzzle 1"
readback="you filled this in with$(echo "$word" | sed 's/./, &/g')"

open_puzzle_1() {
    e2e_key Right
    e2e_wait_say "Puzzle 1"
    e2e_key Return
    e2e_wait_say "1 across"
}

crash() {
    kill -SEGV "$E2E_PID"
    wait "$E2E_PID" 2>/dev/null
    E2E_PID=""
}

e2e_start
e2e_wait_say "Welcome to Quorel Crosswords volume 3."
open_puzzle_1
e2e_type_answer "$word"
e2e_key Return
e2e_wait_say "$readback"
crash

e2e_start
e2e_wait_say "Welcome to Quorel Crosswords volume 3."
open_puzzle_1
e2e_wait_say "you filled this in with, $word"

# The magnified view writes each letter into the grid as it is typed: one
# over the answer's first square, where the view opens.
letter=q
for l in q z x j k; do [[ "$word" == *"${l^^}"* ]] || { letter=$l; break; }; done
e2e_key F4
e2e_wait_say "Full screen"
e2e_key "$letter"
e2e_wait_log "say: ${letter^^}"
crash

e2e_start
e2e_wait_say "Welcome to Quorel Crosswords volume 3."
progress="$XDG_STATE_HOME/quorel-crosswords/quoreltamriva3-$(fault_puzzle_name 1).tmp"
entries=$(tr -d '\r' <"$progress" | awk 'NR >= 2 && NR <= 508 && (NR - 2) % 3 == 0' | tr -d '\n')
[[ "$entries" == *"${letter^^}"* ]] || e2e_fail "the letter typed in the magnified view was lost: '$entries'"
e2e_pass "answers written before a crash are there after it"
