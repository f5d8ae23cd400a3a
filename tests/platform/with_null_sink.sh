#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
# Runs a command with a private PulseAudio server (one null sink) of its own,
# in a fresh runtime folder, and ends the server afterwards:
#   with_null_sink.sh PROGRAM [ARGUMENTS…]
source "$(dirname "$0")/../e2e/lib.sh"
E2E_DIR=$(mktemp -d /tmp/quorel-sink.XXXXXX)
mkdir -p "$E2E_DIR/runtime" && chmod 700 "$E2E_DIR/runtime"
export XDG_RUNTIME_DIR="$E2E_DIR/runtime"
export HOME="$E2E_DIR"
start_null_sink
"$@"
status=$?
[ $status -ne 0 ] && [ -f "$E2E_DIR/pulse.log" ] && tail -n 20 "$E2E_DIR/pulse.log" >&2
exit $status
