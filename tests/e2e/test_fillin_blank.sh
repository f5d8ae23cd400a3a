#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
# A listener hears the gap of a fill-in clue: menu 1 is opened and its clues
# walked until one with "___" is read. The log shows the phrase as queued, and
# the game's espeak-ng voice speaks it for longer than the same clue with the
# gap left out, which is how the voice used to say it.
source "$(dirname "$0")/lib.sh"
e2e_init "$1" 1024x768
measure="$(dirname "$E2E_BIN")/quorel-voice-length"
[ -x "$measure" ] || e2e_fail "no $measure"
e2e_start
e2e_wait_say "Welcome to Quorel Crosswords volume 3." 20
e2e_key_logged Return 13 0
e2e_wait_say "1 across" 10

says() { e2e_log | grep -cE 'crosswords.speech: (say|saywait): '; }
phrase=""
for _ in $(seq 1 40); do
    before=$(says)
    e2e_key_logged Down 40 0
    for _ in $(seq 1 100); do
        [ "$(says)" -gt "$before" ] && break
        sleep 0.05
    done
    last=$(e2e_log | grep -E 'crosswords.speech: (say|saywait): ' | tail -n 1 | sed -E 's/^.*crosswords.speech: (say|saywait): //')
    case "$last" in *___*) phrase="$last"; break ;; esac
done
[ -n "$phrase" ] || e2e_fail "no clue of menu 1 with ___ was read"
e2e_stop
echo "--- the game's log from opening menu 1 to the fill-in clue:"
sed -n '/crosswords.keys: key: 13 0/,$p' "$E2E_LOG" | grep -E 'crosswords.(keys|speech)'

heard=$("$measure" "$phrase" 2>>"$E2E_DIR/measure.log") || e2e_fail "could not synthesise: $phrase"
gapless=$("$measure" "${phrase//___/}" 2>>"$E2E_DIR/measure.log") || e2e_fail "could not synthesise the gapless clue"
echo "synthesised: $heard ms as spoken, $gapless ms with the gap left out"
# "blank" takes about 300 ms at the normal speed.
[ "$heard" -ge $((gapless + 150)) ] || e2e_fail "the gap is not heard: $heard ms against $gapless ms"
e2e_pass "fill-in blank heard ($heard ms > $gapless ms)"
