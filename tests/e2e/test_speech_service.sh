#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
# The solver's speech service: a private speech-dispatcher (its own
# configuration and runtime folder, audio to a private null sink). Its voices
# join the list, speech through it is heard and the queue moves on at its end
# notifications, the choice survives a restart by name, and when the service
# stops the game falls back to its own voice and keeps speaking.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
here="$(dirname "$0")"
command -v speech-dispatcher >/dev/null || e2e_fail "speech-dispatcher is not installed (scripts/setup.sh --test)"
start_null_sink || e2e_fail "no PulseAudio null sink"

speechd_pid=""
stop_service() {
    [ -n "$speechd_pid" ] && kill "$speechd_pid" 2>/dev/null && wait "$speechd_pid" 2>/dev/null
    speechd_pid=""
}
trap 'stop_service; e2e_cleanup' EXIT
cp -r /etc/speech-dispatcher "$E2E_DIR/speechd-conf"
mkdir -p "$E2E_DIR/speechd-log"
speech-dispatcher -s -t 0 -C "$E2E_DIR/speechd-conf" -L "$E2E_DIR/speechd-log" >"$E2E_DIR/speechd.out" 2>&1 &
speechd_pid=$!
# Loading its synthesisers takes a while on a busy machine.
for _ in $(seq 1 600); do
    grep -q "waiting for clients" "$E2E_DIR/speechd-log/speech-dispatcher.log" 2>/dev/null && break
    sleep 0.1
done
grep -q "waiting for clients" "$E2E_DIR/speechd-log/speech-dispatcher.log" || e2e_fail "speech-dispatcher did not start"

e2e_start
e2e_wait_say "Welcome to Quorel Crosswords volume 3." 20
# The service's voices come after ours once it has listed them (seconds on a
# busy machine): Ctrl+F1 from the first then reaches the last.
# The first announcement waits for the welcome to end.
e2e_wait_log "crosswords.speech: voices: " 60
e2e_key ctrl+F1
for _ in $(seq 1 40); do e2e_said "Voice changed to" && break; sleep 1; done
last_voice() { grep -o 'Voice changed to .*' "$E2E_LOG" | tail -n 1 | sed 's/^Voice changed to //'; }
for tries in $(seq 1 10); do
    e2e_wait_said_count "Voice changed to" $((2 * tries - 1))
    [[ "$(last_voice)" == *"through the speech service" ]] && break
    e2e_key shift+F1
    e2e_wait_said_count "Voice changed to" $((2 * tries))
    sleep 3
    e2e_key ctrl+F1
done
service_voice=$(last_voice)
[[ "$service_voice" == *"through the speech service" ]] || e2e_fail "no voice of the speech service was offered"
grep -qF "VoiceName	$service_voice" "$XDG_CONFIG_HOME/quorel-crosswords/tamrivo3.ini" || e2e_fail "the voice's name was not kept"

# A menu step through the service is heard, and the status phrase behind it
# follows once the service reports the end of "Puzzle 2".
python3 "$here/heard_after.py" "$E2E_WID" Right 10 || e2e_fail "speech through the service was not heard"
e2e_wait_say "Puzzle 1" 5
e2e_wait_say "This puzzle is empty" 15
e2e_stop

# A restart finds the service's voice by name: the next voice after the last
# one is the first of ours again.
e2e_start
e2e_wait_say "Welcome to Quorel Crosswords volume 3." 20
# The service's voices join the list once it has listed them.
e2e_wait_log "crosswords.speech: voices: " 60
e2e_key shift+F1
e2e_wait_say "Voice changed to English (Great Britain)" 30
e2e_key ctrl+F1
e2e_wait_say "Voice changed to $service_voice" 10
sleep 2

# The service stops: our own voice takes over and the game keeps speaking.
stop_service
python3 "$here/heard_after.py" "$E2E_WID" Right 10 || e2e_fail "nothing heard after the service stopped"
e2e_wait_say "Puzzle 1" 5
e2e_key Right
e2e_wait_say "Puzzle 2" 5
e2e_pass "speech through the speech service, and without it"
