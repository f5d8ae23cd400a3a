#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
# Real sound through a private PulseAudio null sink: the welcome is heard
# whole before the phrase queued behind it, and a menu step is heard promptly.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
start_null_sink || e2e_fail "no PulseAudio null sink (scripts/setup.sh --test installs pulseaudio)"
export QT_MESSAGE_PATTERN="%{time hh:mm:ss.zzz} %{category}: %{message}"
e2e_start
python3 "$(dirname "$0")/heard_in_order.py" "$E2E_WID" "$E2E_LOG" || e2e_fail "what the sink heard"
e2e_pass "speech is heard in order and promptly"
