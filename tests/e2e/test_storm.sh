#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#
# Key storm: random keys and clicks against the real program, in every mode it
# can reach (menu, clue list, letter entry, magnified views, on-screen
# alphabet, help), with every confirmation box answered at random. The game
# plays through a private PulseAudio null sink, so its audio and speech
# threads run as they do for a solver: Ctrl cuts speech, F1 turns help pages
# mid-sentence, words are typed in bursts. Passes when
#   - the program never crashes and a sanitizer build reports nothing,
#   - the speech queue drains afterwards (the log goes quiet),
#   - F12 still works: from a puzzle back to the menu, then the question
#     "Are you sure you want to leave the programme?", Return, goodbye, exit 0.
# A confirmed F12 in the menu during the storm ends the program the proper
# way; that run is checked like the last one and the game is started again.
#
#   test_storm.sh BINARY [EVENTS]        (250 events unless given)
#   STORM_SEED=n  repeats a storm; the seed is printed at the start.
#   STORM_LOGS=DIR keeps the game's logs there.
source "$(dirname "$0")/lib.sh"
STORM_SUPP="$(cd "$(dirname "$0")/../../scripts" && pwd)/lsan.supp"
events="${2:-250}"
seed="${STORM_SEED:-150}"
RANDOM=$seed
echo "storm: $events events, seed $seed"

# Sanitizer builds stop at the first report and say so in the log.
export ASAN_OPTIONS="halt_on_error=1:detect_stack_use_after_return=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
export LSAN_OPTIONS="suppressions=$STORM_SUPP:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

e2e_init "$1" 1024x768
start_null_sink
WELCOME="Welcome to Quorel Crosswords volume 3."
LEAVE_Q="Are you sure you want to leave the programme?"
GOODBYE="saywait: leaving the programme and returning to the desktop, goodbye"
SANITIZER_RE='ERROR: (Address|Leak)Sanitizer|WARNING: ThreadSanitizer|runtime error:|SUMMARY: [A-Za-z]*Sanitizer|AddressSanitizer:DEADLYSIGNAL'

storm_check_log() {
    if grep -qE "$SANITIZER_RE" "$E2E_LOG"; then
        grep -E -A30 "$SANITIZER_RE" "$E2E_LOG" | head -n 60 >&2
        e2e_fail "sanitizer report in $E2E_LOG"
    fi
}

# storm_exit_status: the game has ended; fails unless it ended cleanly after
# a confirmed F12.
storm_exit_status() {
    local status=0
    wait "$E2E_PID" 2>/dev/null || status=$?
    E2E_PID=""
    storm_check_log
    [ "$status" -eq 0 ] || e2e_fail "the game ended with status $status"
    grep -qF -- "$GOODBYE" "$E2E_LOG" || e2e_fail "the game ended without saying goodbye"
}

# The window with the input focus, or nothing.
focus() { xdotool getwindowfocus 2>/dev/null; }
# box_has_focus WINDOW: the focus is on one of the game's boxes.
box_has_focus() { [ -n "$1" ] && [ "$(xdotool getwindowname "$1" 2>/dev/null)" = "Quorel Crosswords" ]; }
# Xvfb has no window manager to give the focus back when a box closes.
refocus() {
    sleep 0.1
    kill -0 "$E2E_PID" 2>/dev/null && xdotool windowfocus --sync "$E2E_WID" 2>/dev/null
    return 0
}

# storm_quiet SECONDS LIMIT: waits until the log has not grown for SECONDS.
storm_quiet() {
    local quiet="$1" limit="$2" size last same=0
    last=$(stat -c %s "$E2E_LOG")
    for _ in $(seq 1 $((limit * 10))); do
        sleep 0.1
        size=$(stat -c %s "$E2E_LOG")
        if [ "$size" = "$last" ]; then
            same=$((same + 1))
            [ $same -ge $((quiet * 10)) ] && return 0
        else
            same=0
            last=$size
        fi
    done
    e2e_fail "the log never went quiet: the speech queue did not drain"
}

# Keys the game knows, with the common ones repeated so they come up more often.
KEYS=(
    Return Return Return Return Return Escape Escape Tab shift+Tab space
    Left Left Right Right Up Up Down Down Home End Prior Next
    BackSpace Delete Insert
    KP_Add KP_Add KP_Subtract KP_Subtract KP_Multiply KP_Divide KP_5 KP_8 KP_2
    0 1 5 9 plus minus slash
    F1 F1 F2 shift+F2 F4 F5 ctrl+F5 F9 F9 F12 shift+F1 ctrl+F1 alt+F1 F3 F10 F11
    Control_L Control_L ctrl+z
)
LETTERS=(a b c d e f g h i j k l m n o p q r s t u v w x y z)

pick_key() {
    if [ $((RANDOM % 100)) -lt 35 ]; then
        echo "${LETTERS[RANDOM % ${#LETTERS[@]}]}"
    else
        echo "${KEYS[RANDOM % ${#KEYS[@]}]}"
    fi
}

start_game() {
    e2e_start
    e2e_wait_say "$WELCOME" 30
}

start_game
keys=0 clicks=0 boxes=0 restarts=0
for ((i = 1; i <= events; i++)); do
    if ! kill -0 "$E2E_PID" 2>/dev/null; then
        storm_exit_status
        restarts=$((restarts + 1))
        start_game
    fi
    f=$(focus)
    if [ "$f" != "$E2E_WID" ] && box_has_focus "$f"; then
        # A confirmation box has the focus: answer it either way.
        if [ $((RANDOM % 2)) -eq 0 ]; then xdotool key Return; else xdotool key Escape; fi
        boxes=$((boxes + 1))
        refocus
    elif [ "$f" != "$E2E_WID" ]; then
        refocus
        i=$((i - 1))
        continue
    elif [ $((RANDOM % 100)) -lt 15 ]; then
        button=1
        [ $((RANDOM % 8)) -eq 0 ] && button=3
        xdotool mousemove $((RANDOM % 1024)) $((RANDOM % 768)) click $button
        clicks=$((clicks + 1))
    elif [ $((RANDOM % 100)) -lt 8 ]; then
        # A word typed at 20 keys a second, then written with Enter.
        for _ in 1 2 3 4 5; do
            xdotool key --clearmodifiers "${LETTERS[RANDOM % ${#LETTERS[@]}]}"
            sleep 0.05
        done
        xdotool key Return
        keys=$((keys + 6))
    else
        xdotool key --clearmodifiers "$(pick_key)"
        keys=$((keys + 1))
    fi
    # Uneven gaps of 30 to 600 ms, most of them short: some keys land in the
    # same tick (the mailbox keeps the newest), some many ticks apart.
    gap=$((30 + RANDOM % 150))
    [ $((RANDOM % 5)) -eq 0 ] && gap=$((30 + RANDOM % 571))
    sleep "$(printf '0.%03d' "$gap")"
    [ $((i % 25)) -eq 0 ] && storm_check_log
done
echo "storm: $keys keys, $clicks clicks, $boxes boxes answered, $restarts confirmed exits"
grep -qF "across" "$E2E_LOG" || grep -qF "down" "$E2E_LOG" || [ $restarts -gt 0 ] \
    || e2e_fail "the storm never reached a puzzle"

# Close a box left open, then let everything queued be spoken.
sleep 0.3
kill -0 "$E2E_PID" 2>/dev/null || { storm_exit_status; start_game; }
f=$(focus)
if [ "$f" != "$E2E_WID" ] && box_has_focus "$f"; then xdotool key Escape; refocus; fi
storm_quiet 2 60
kill -0 "$E2E_PID" 2>/dev/null || { storm_exit_status; start_game; storm_quiet 2 30; }
storm_check_log

# F12 answers: from a puzzle it returns to the menu first, then asks. A help
# page may still be playing (the log shows only where speech starts), and F12's
# answer waits behind it: Ctrl stops it first, as a solver would.
xdotool windowfocus --sync "$E2E_WID" 2>/dev/null || true
xdotool key Control_L
sleep 0.3
before=$(wc -l <"$E2E_LOG")
e2e_key_logged F12 123 0
# After a wall bump the game speaks and waits ("saywait: ") until a plain
# "say" lowers the flag again; either form is the game answering.
for _ in $(seq 1 100); do
    tail -n +$((before + 1)) "$E2E_LOG" | grep -qE "(say|saywait): ($LEAVE_Q|Returning to the crosswords menu)" && break
    sleep 0.1
done
if tail -n +$((before + 1)) "$E2E_LOG" | grep -qE "(say|saywait): Returning to the crosswords menu"; then
    storm_quiet 1 30
    before=$(wc -l <"$E2E_LOG")
    e2e_key_logged F12 123 0
fi
for _ in $(seq 1 100); do
    tail -n +$((before + 1)) "$E2E_LOG" | grep -qF "say: $LEAVE_Q" && break
    sleep 0.1
done
tail -n +$((before + 1)) "$E2E_LOG" | grep -qF "say: $LEAVE_Q" || e2e_fail "F12 did not ask before leaving"
for _ in $(seq 1 50); do
    f=$(focus)
    [ "$f" != "$E2E_WID" ] && box_has_focus "$f" && break
    sleep 0.1
done
xdotool key Return
for _ in $(seq 1 300); do
    kill -0 "$E2E_PID" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$E2E_PID" 2>/dev/null && e2e_fail "the game did not end after F12 and Return"
storm_exit_status
[ -n "${STORM_LOGS:-}" ] && mkdir -p "$STORM_LOGS" && cp "$E2E_DIR"/run*.log "$STORM_LOGS"/
e2e_pass "storm of $events events (seed $seed)"
