#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#
# No audio device, no voices, no printer: espeak-ng finds no data (its data
# path is an empty folder), the sound server and the print server cannot be
# reached. The game still starts, logs every phrase it would speak, lets the
# player solve, change voice and speed, print (to a PDF file in the documents
# folder), leave a puzzle and end with F12 and the confirmation box.
source "$(dirname "$0")/common.sh"
e2e_init "$1" 1024x768

mkdir -p "$E2E_DIR/no-voices"
export ESPEAK_DATA_PATH="$E2E_DIR/no-voices"
export PULSE_SERVER="unix:$E2E_DIR/no-sound-server"
export CUPS_SERVER="$E2E_DIR/no-print-server"
answer=$(fault_answer 1 1)

e2e_start
e2e_wait_say "Welcome to Quorel Crosswords volume 3." 20
e2e_key shift+F1 ctrl+F1 alt+F1
e2e_wait_say "Speed changed to fast"
e2e_key Right
e2e_wait_say "Puzzle 1"
e2e_key Down
e2e_wait_say "1 across"
e2e_type_answer "$answer"
e2e_key Return
e2e_wait_say "you filled this in with$(echo "$answer" | sed 's/./, &/g')"
e2e_key F2
e2e_key F5
e2e_wait_say "You are about to print this puzzle on two pages."
e2e_answer_box Return
e2e_wait_say "No printer was found, so the puzzle was saved in your Documents folder." 20
ls "$XDG_DOCUMENTS_DIR"/*.pdf >/dev/null 2>&1 || e2e_fail "no PDF in the documents folder"
# The question below needs this F12 taken: sent until the game logs it.
e2e_key_logged F12 123 0
e2e_wait_say "Returning to the crosswords menu."
e2e_key F12
e2e_wait_say "Are you sure you want to leave the programme?"
e2e_answer_box Return
e2e_wait_exit 15
grep -qF "crosswords.speech: saywait: leaving the programme and returning to the desktop, goodbye" "$E2E_LOG" \
    || e2e_fail "no goodbye"
e2e_pass "no audio device, no voices, no printer: the game runs and logs what it says"
