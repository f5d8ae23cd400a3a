#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
# On our own 21 x 21 .puz file, by keys to the real window: a clue reached by
# its number, its crossings heard (F7), its wrong letter named (F3), a letter
# revealed (F6), and each change taken back in turn (Ctrl+Z). The file is
# written by our own writer, quorel-puzzle-files, beside the binary.
source "$(dirname "$0")/lib.sh"
e2e_init "$1" 1280x1024
export XDG_DATA_HOME="$E2E_DIR/data"
writer="$(dirname "$E2E_BIN")/quorel-puzzle-files"
[ -x "$writer" ] || e2e_fail "no crossword file writer at $writer"
"$writer" "$(dirname "$0")/../../resources/text" "$E2E_DIR/files" >/dev/null || e2e_fail "the writer failed"

e2e_start "$E2E_DIR/files/test21.puz"
e2e_wait_say "You also have 1 puzzle of your own"
e2e_key End
e2e_wait_say "Puzzle 71"
e2e_key Return
e2e_wait_say "1 across, 5letters"

# 5 could grow into 50 and more; 58 cannot: 58 across is read at once.
e2e_key 5
e2e_key 8
e2e_wait_say "58 across, 3letters,  Hard-shelled fruit"
# Its first and third letters are crossed by 50 and 51 down.
e2e_key F7
e2e_wait_say "letter 1, 50 down, blank; letter 3, 51 down, blank"

e2e_key Return
e2e_wait_say "First letter blank"
e2e_type_answer NUX
e2e_key Return
e2e_wait_say "you filled this in with, N, U, X"
e2e_key F3
e2e_wait_say "1 wrong letter: third"
e2e_key F6
e2e_wait_say "T, third letter"

e2e_key ctrl+z
e2e_wait_say "Undone, 58 across, N U X"
e2e_key ctrl+z
e2e_wait_say "Undone, 58 across, blank blank blank"
e2e_key ctrl+z
e2e_wait_say "Nothing to undo"

e2e_stop
e2e_pass
