#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
# On a private session bus a stand-in status service says a screen reader
# runs: after the welcome the game tells how to quiet it, and logs when it
# stops. The main-row + and - zoom. Without a bus nothing is said or logged.
[ -n "${QUOREL_PRIVATE_BUS:-}" ] || QUOREL_PRIVATE_BUS=1 exec dbus-run-session -- bash "$0" "$@"
source "$(dirname "$0")/lib.sh"
e2e_init "$1" 1024x768
/usr/bin/python3 "$(dirname "$0")/fake_a11y_bus.py" true >"$E2E_DIR/fake.log" 2>&1 &
trap "e2e_cleanup; kill $!" EXIT
for _ in $(seq 1 100); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
        string:org.a11y.Bus 2>/dev/null | grep -q "boolean true" && break
    sleep 0.05
done

welcome="Welcome to Quorel Crosswords volume 3."
notice="A screen reader is running. To stop it talking over the game, press the screen reader key with S, and again when you leave."
e2e_start
e2e_wait_say "$notice"
e2e_log | grep -F -e "say: $welcome" -e "say: $notice" | head -n 1 | grep -qF "$welcome" || e2e_fail "notice before welcome"
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
    string:org.a11y.Status string:ScreenReaderEnabled variant:boolean:false >/dev/null || e2e_fail "Set refused"
e2e_wait_log "crosswords.speech: screen reader: off"
[ "$(e2e_said_count "A screen reader")" -eq 1 ] || e2e_fail "the notice was said more than once"

e2e_key_logged Return 13 0
# In, in, out, out: each key unknown to the game would leave out "2 times zoom" or "Normal view".
e2e_key equal shift+equal minus shift+minus
e2e_wait_say "Normal view"
e2e_said "2 times zoom" || e2e_fail "the main-row keys did not zoom in twice"
e2e_stop

DBUS_SESSION_BUS_ADDRESS="unix:path=$E2E_DIR/no-bus" e2e_start
e2e_wait_say "$welcome"
e2e_log | grep -qi -e "screen reader" -e "dbus" && e2e_fail "a screen reader or the bus was reported without a bus"
e2e_pass "screen reader"
