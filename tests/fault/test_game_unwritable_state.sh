#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#
# Saving into a read-only state folder and into a full disk (a 64 KiB tmpfs
# filled up): F12 speaks "sorry, your progress could not be saved", the file
# keeps what it held, and the letters typed are not lost: the puzzle reopens
# with them, and once the folder can be written again the next F12 saves them.
# A settings change on a full disk keeps the old settings file. Mounting needs
# root; without it the test is skipped.
source "$(dirname "$0")/common.sh"
e2e_init "$1" 1024x768

MOUNTED=()
unmount_all() {
    local m
    for m in "${MOUNTED[@]}"; do umount "$m" 2>/dev/null || { sleep 0.5; umount -l "$m" 2>/dev/null; }; done
    MOUNTED=()
}
trap 'e2e_cleanup; unmount_all' EXIT

state="$XDG_STATE_HOME/quorel-crosswords"
config="$XDG_CONFIG_HOME/quorel-crosswords"
mkdir -p "$state" "$config"
if ! mount -t tmpfs -o size=64k tmpfs "$state" 2>/dev/null; then
    echo "SKIP: cannot mount a tmpfs here (needs root): full disk and read-only folder not tested"
    exit 77
fi
MOUNTED+=("$state")
mount -t tmpfs -o size=64k tmpfs "$config" || e2e_fail "cannot mount a tmpfs on the settings folder"
MOUNTED+=("$config")
printf 'Voice\t0\r\nSpeed\t2\r\n' >"$config/tamrivo3.ini"
progress="$state/quoreltamriva3-$(fault_puzzle_name 1).tmp"
first=$(fault_answer 1 1)
second=$(fault_answer 1 2)
[ -n "$first" ] && [ -n "$second" ] || e2e_fail "no answers for puzzle 1"

# entries: the letters of puzzle 1's progress file, in the order of the squares.
entries() {
    tr -d '\r' <"$progress" | awk 'NR >= 2 && NR <= 508 && (NR - 2) % 3 == 0' | tr -d '\n'
}

# unsaved_round HOW K: types the K-th answer, makes the folder unwritable in
# the way HOW names, and checks the warning, the letters and the later save.
unsaved_round() {
    local how="$1" k="$2" word before warnings heard
    word=$(fault_answer 1 "$k")
    e2e_key Down  # the other axis opens puzzle 1
    e2e_wait_say "1 across"
    if [ "$k" -eq 2 ]; then
        e2e_key Right
        e2e_wait_say "$(fault_clue_number 1 2) across"
    fi
    e2e_type_answer "$word"
    e2e_key Return
    e2e_wait_say "you filled this in with$(echo "$word" | sed 's/./, &/g')"
    # The written answer is saved at once, while the folder can still be written.
    for _ in $(seq 1 40); do
        [[ "$(entries)" == *"$word"* ]] && break
        sleep 0.05
    done
    before=$(entries)
    [[ "$before" == *"$word"* ]] || e2e_fail "($how) the written answer was not saved at once"

    case "$how" in
        full)
            # Fill every block the tmpfs has left.
            dd if=/dev/zero of="$state/filler" bs=4k 2>/dev/null
            [ "$(df --output=avail "$state" | tail -n 1 | tr -d ' ')" -eq 0 ] || e2e_fail "the tmpfs is not full"
            ;;
        readonly)
            mount -o remount,ro "$state" || e2e_fail "cannot remount the state folder read-only"
            ;;
    esac

    warnings=$(e2e_said_count "sorry, your progress could not be saved")
    e2e_key F12
    e2e_wait_said_count "sorry, your progress could not be saved" $((warnings + 1))
    [ "$(entries)" = "$before" ] || e2e_fail "($how) the file changed although it could not be written"

    # The puzzle reopens with the letters.
    heard=$(e2e_said_count "you filled this in with, $word")
    e2e_key Down  # at the clue it was left on, the one just written
    e2e_wait_said_count "you filled this in with, $word" $((heard + 1))

    # Room again: the next F12 keeps them in the file, without a warning.
    case "$how" in
        full) rm -f "$state/filler" ;;
        readonly) mount -o remount,rw "$state" || e2e_fail "cannot remount read-write" ;;
    esac
    warnings=$(e2e_said_count "sorry, your progress could not be saved")
    local returns
    returns=$(e2e_said_count "Returning to the crosswords menu.")
    e2e_key F12
    e2e_wait_said_count "Returning to the crosswords menu." $((returns + 1))
    sleep 0.3
    [ "$(e2e_said_count "sorry, your progress could not be saved")" -eq "$warnings" ] \
        || e2e_fail "($how) warned although the folder can be written again"
}

e2e_start
e2e_wait_say "Welcome to Quorel Crosswords volume 3."

# A new speed on a full disk: the speed changes, the old file stays whole.
dd if=/dev/zero of="$config/filler" bs=4k 2>/dev/null
e2e_key alt+F1
e2e_wait_say "Speed changed to fast"
printf 'Voice\t0\r\nSpeed\t2\r\n' >"$E2E_DIR/settings.old"
cmp -s "$config/tamrivo3.ini" "$E2E_DIR/settings.old" \
    || e2e_fail "the settings file on a full disk holds: $(od -c "$config/tamrivo3.ini")"
rm -f "$config/filler"

e2e_key Right
e2e_wait_say "Puzzle 1"
unsaved_round readonly 1
[ "$(entries)" = "$first" ] || e2e_fail "after the read-only folder the file holds '$(entries)', typed '$first'"
unsaved_round full 2
[ "$(entries)" = "$first$second" ] || [ "$(entries)" = "$second$first" ] \
    || e2e_fail "after the full disk the file holds '$(entries)', typed '$first' and '$second'"

# Quitting with letters a failed save kept: the game tries to save them once
# more and, while that fails, warns before the question; the user cancels,
# makes room and quits again, and the letters are in the file.
third=$(fault_answer 1 3)
# The puzzle reopens at the clue it was left on, the second.
heard=$(e2e_said_count "$(fault_clue_number 1 2) across")
e2e_key Down
e2e_wait_said_count "$(fault_clue_number 1 2) across" $((heard + 1))
e2e_key Right
e2e_wait_say "$(fault_clue_number 1 3) across"
e2e_type_answer "$third"
e2e_key Return
e2e_wait_say "you filled this in with$(echo "$third" | sed 's/./, &/g')"
mount -o remount,ro "$state" || e2e_fail "cannot remount the state folder read-only"
warnings=$(e2e_said_count "sorry, your progress could not be saved")
e2e_key F12
e2e_wait_said_count "sorry, your progress could not be saved" $((warnings + 1))
e2e_wait_say "Returning to the crosswords menu."

# quit_refused HOW: F12 in the menu warns, then asks; Escape keeps the game.
quit_refused() {
    local warnings asked cancelled
    warnings=$(e2e_said_count "sorry, your progress could not be saved")
    asked=$(e2e_said_count "Are you sure you want to leave the programme?")
    cancelled=$(e2e_said_count "cancelled")
    # The question below needs this F12 taken: sent until the game logs it.
    e2e_key_logged F12 123 0
    e2e_wait_said_count "Are you sure you want to leave the programme?" $((asked + 1))
    [ "$(e2e_said_count "sorry, your progress could not be saved")" -eq $((warnings + 1)) ] \
        || e2e_fail "($1) no warning before the question to leave"
    e2e_log | grep -E 'crosswords.speech: say: ' | tail -n 2 | head -n 1 | grep -qF "sorry, your progress could not be saved" \
        || e2e_fail "($1) the warning is not the phrase right before the question"
    e2e_answer_box Escape
    e2e_wait_said_count "cancelled" $((cancelled + 1))
}
quit_refused readonly
mount -o remount,rw "$state" || e2e_fail "cannot remount read-write"
dd if=/dev/zero of="$state/filler" bs=4k 2>/dev/null
quit_refused full
rm -f "$state/filler"
warnings=$(e2e_said_count "sorry, your progress could not be saved")
asked=$(e2e_said_count "Are you sure you want to leave the programme?")
e2e_key_logged F12 123 0
e2e_wait_said_count "Are you sure you want to leave the programme?" $((asked + 1))
e2e_answer_box Return
e2e_wait_exit 15
[ "$(e2e_said_count "sorry, your progress could not be saved")" -eq "$warnings" ] \
    || e2e_fail "warned at the last quit although the folder can be written again"
entries | grep -qF "$third" || e2e_fail "after quitting the file holds '$(entries)', typed '$third' last"
unmount_all
e2e_pass "a full disk and a read-only state folder: warned, letters kept, saved when possible, also at quit"
