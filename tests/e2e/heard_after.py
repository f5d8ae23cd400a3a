#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
"""Usage: heard_after.py WINDOW_ID KEY [SECONDS]
Waits for the null sink to fall silent, presses KEY in the game's window and
succeeds when the sink plays something within SECONDS (default 5)."""
import os
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
from sinkmonitor import Monitor, press  # noqa: E402

wid, key = sys.argv[1], sys.argv[2]
limit = float(sys.argv[3]) if len(sys.argv) > 3 else 5.0
sink = Monitor()
if not sink.wait_silence(0.5, 30):
    sys.exit("the sink never fell silent")
before = sink.now_index()
t0 = time.time()
press(wid, key)
hit = sink.first_loud(before, limit)
if hit is None:
    sys.exit("nothing was heard after %s" % key)
print("heard %d ms after %s" % (1000 * (sink.time_of(hit) - t0), key))
