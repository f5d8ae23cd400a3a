#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#
# Shared by the fault tests of the real binary: tests/e2e/lib.sh plus what the
# shipped data says about the puzzles.
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"

FAULT_TEXT="$(dirname "${BASH_SOURCE[0]}")/../../resources/text"

# fault_puzzle_name N: the resource name of menu puzzle N (PUZ0101, ...).
fault_puzzle_name() {
    tr -d '\r' <"$FAULT_TEXT/PUZZLES.txt" | sed -n "$(($1 + 1))p" | sed 's/\.TXT$//'
}

# fault_answer N K: the K-th answer of menu puzzle N, without spaces.
fault_answer() {
    tr -d '\r' <"$FAULT_TEXT/$(fault_puzzle_name "$1").txt" \
        | awk -F'\t' -v k="$2" 'NF == 3 && ++n == k { print $2; exit }' | tr -d ' '
}

# fault_clue_number N K: the number of the K-th clue of menu puzzle N ("14").
fault_clue_number() {
    tr -d '\r' <"$FAULT_TEXT/$(fault_puzzle_name "$1").txt" \
        | awk -F'\t' -v k="$2" 'NF == 3 && ++n == k { print substr($1, 2); exit }'
}
