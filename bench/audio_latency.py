#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
"""Key to first audible sample, measured on a PulseAudio null sink's monitor.

Usage: audio_latency.py WINDOW_ID GAME_LOG KEYS OUT_FILE

The game must already run on the sink "nullsink", its log written to GAME_LOG
with wall-clock times (see tests/e2e/sinkmonitor.py).

  floor   a tone written into an already open stream, to its first sample on
          the monitor, plus the time xdotool takes to send a key the game
          ignores: what the measurement itself costs.
  key     xdotool sending Right or Left in the menu, to the first audible
          sample after it.
  inside  the game taking that key from its mailbox (its "key:" log line)
          to the first audible sample: the game's own share of "key".
  gap     the silence on the monitor between the end of "Puzzle n" and the
          start of the status phrase queued behind it (with the silence the
          voice itself puts at the end and start of a phrase).
Writes "name median p95 [count]" lines (ms) to OUT_FILE.
"""
import math
import os
import struct
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from sinkmonitor import RATE, Monitor, log_times, press, stats  # noqa: E402

wid, log_path, keys, out_path = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4]
sink = Monitor()
if not sink.wait_silence(1.0, 60):
    sys.exit("the sink never fell silent")

# Floor: a tone into an open stream, and xdotool sending a key the game ignores.
player = subprocess.Popen(["pacat", "-d", "nullsink", "--raw", "--format=s16le", "--rate=%d" % RATE, "--channels=1",
                           "--latency-msec=5"], stdin=subprocess.PIPE, bufsize=0)
player.stdin.write(b"\0" * (RATE // 5 * 2))
time.sleep(0.5)
tone = b"".join(struct.pack("<h", int(8000 * math.sin(2 * math.pi * 440 * i / RATE))) for i in range(RATE // 20))
tone_ms, xdotool_ms = [], []
for _ in range(10):
    sink.wait_silence(0.2)
    start = sink.now_index()
    t0 = time.time()
    player.stdin.write(tone)
    hit = sink.first_loud(start)
    if hit is not None:
        tone_ms.append(1000 * (sink.time_of(hit) - t0))
    t0 = time.time()
    press(wid, "Shift_L")
    xdotool_ms.append(1000 * (time.time() - t0))
player.stdin.close()
player.wait()

# Keys: each one after the speech of the one before has ended.
key_ms, inside_ms, gap_ms = [], [], []
for i in range(1, keys + 1):
    if not sink.wait_silence(0.8, 20):
        sys.exit("speech never ended before key %d" % i)
    start = sink.now_index()
    t0 = time.time()
    press(wid, "Right" if i % 2 else "Left")
    hit = sink.first_loud(start)
    if hit is None:
        sys.exit("nothing heard after key %d" % i)
    key_ms.append(1000 * (sink.time_of(hit) - t0))
    taken = [t for t in log_times(log_path, "crosswords.keys: key: ") if t >= t0 - 0.001]
    if taken:
        inside_ms.append(1000 * (sink.time_of(hit) - taken[0]))
    # The status phrase: the first loud sample after it was handed to the voice.
    sink.wait_silence(0.8, 20)
    said = [t for t in log_times(log_path, "crosswords.speech: say: This puzzle") if t > t0]
    if said:
        status_start = sink.first_loud(sink.index_at(said[0] - 0.005), 0.1)
        if status_start is not None:
            gap_ms.append(1000 * (status_start - sink.last_loud_before(status_start, start)) / RATE)

with open(out_path, "w") as out:
    out.write("tone %d %d\n" % stats(tone_ms))
    out.write("xdotool %d %d\n" % stats(xdotool_ms))
    out.write("key %d %d %d\n" % (*stats(key_ms), len(key_ms)))
    out.write("inside %d %d %d\n" % (*stats(inside_ms), len(inside_ms)))
    out.write("gap %d %d %d\n" % (*stats(gap_ms), len(gap_ms)))
