#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
"""Checks what the null sink heard from a freshly started game.

Usage: heard_in_order.py WINDOW_ID GAME_LOG
1. The welcome is heard whole, and a menu step pressed while it plays is
   heard only after it has ended (no overlap, no cut).
2. Menu steps pressed in silence are heard within 150 ms (median of five):
   a guard against speech starting seconds late, not a benchmark.
Exits 1 with the reason on failure.
"""
import os
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
from sinkmonitor import RATE, Monitor, log_times, press, stats  # noqa: E402

wid, log_path = sys.argv[1], sys.argv[2]
sink = Monitor()
start = sink.now_index()
welcome = sink.first_loud(start, 20)
if welcome is None:
    sys.exit("the welcome was never heard")
time.sleep(1.5)
press(wid, "Right")
deadline = time.time() + 60
while not log_times(log_path, "crosswords.speech: say: Puzzle 1") and time.time() < deadline:
    time.sleep(0.05)
said = log_times(log_path, "crosswords.speech: say: Puzzle 1")
if not said:
    sys.exit("Puzzle 1 was never handed to the voice")
# The first sound after "Puzzle 1" was handed over is its own; the welcome
# ended at the last sound before that.
step = sink.first_loud(sink.index_at(said[0] - 0.005), 5)
if step is None:
    sys.exit("Puzzle 1 was never heard")
welcome_end = sink.last_loud_before(step, welcome)
heard_s = (welcome_end - welcome) / RATE
handed_early_ms = 1000 * (sink.time_of(welcome_end) - said[0])
print("welcome heard for %.1f s; Puzzle 1 handed over %d ms after its end" % (heard_s, -handed_early_ms))
if heard_s < 12:
    sys.exit("the welcome was cut short after %.1f s" % heard_s)
if handed_early_ms > 30:
    sys.exit("Puzzle 1 was handed over %d ms before the welcome had ended" % handed_early_ms)

delays = []
for i in range(5):
    if not sink.wait_silence(0.8, 20):
        sys.exit("the sink never fell silent")
    before = sink.now_index()
    t0 = time.time()
    press(wid, "Left" if i % 2 == 0 else "Right")
    hit = sink.first_loud(before, 5)
    if hit is None:
        sys.exit("a menu step was never heard")
    delays.append(1000 * (sink.time_of(hit) - t0))
median = stats(delays)[0]
print("menu step heard after %s ms (median %d)" % (", ".join("%d" % d for d in delays), median))
if median > 150:
    sys.exit("menu steps were heard a median of %d ms after the key" % median)
