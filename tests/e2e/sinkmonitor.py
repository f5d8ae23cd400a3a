# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
"""What a PulseAudio null sink played, on the wall clock.

Records the monitor of the sink "nullsink" for as long as the process runs.
Every chunk is stamped with the time it arrived, which places each sample on
the wall clock (to within the recorder's 5 ms latency). Used by the audio
end-to-end test and by the benchmark (bench/audio_latency.py).
"""
import datetime
import math
import struct
import subprocess
import threading
import time

RATE = 22050
LOUD = 500  # a sample above this (of 32767) is audible speech
CHUNK = 220  # 5 ms of 16-bit mono


class Monitor:
    def __init__(self):
        self.samples = []  # absolute value of every sample recorded so far
        self.stamps = []  # (index past the chunk's last sample, wall time it arrived)
        self.lock = threading.Lock()
        threading.Thread(target=self._record, daemon=True).start()
        while len(self.stamps) < 20:
            time.sleep(0.01)

    def _record(self):
        rec = subprocess.Popen(["parec", "-d", "nullsink.monitor", "--raw", "--format=s16le", "--rate=%d" % RATE,
                                "--channels=1", "--latency-msec=5"], stdout=subprocess.PIPE,
                               stderr=subprocess.DEVNULL, bufsize=0)
        while True:
            data = rec.stdout.read(CHUNK * 2)
            if not data:
                return
            now = time.time()
            values = struct.unpack("<%dh" % (len(data) // 2), data[: len(data) // 2 * 2])
            with self.lock:
                self.samples.extend(abs(v) for v in values)
                self.stamps.append((len(self.samples), now))

    def now_index(self):
        with self.lock:
            return len(self.samples)

    def time_of(self, index):
        """Wall time of sample `index`: the earliest estimate from the chunks
        that arrived after it (a chunk can be read late, never early)."""
        with self.lock:
            best = None
            for end, t in reversed(self.stamps):
                if end <= index:
                    break
                est = t - (end - index) / RATE
                best = est if best is None else min(best, est)
            return best

    def index_at(self, t):
        """The first sample that can have been played at wall time t or later."""
        with self.lock:
            for end, arrived in self.stamps:
                if arrived >= t:
                    return max(0, end - CHUNK)
            return len(self.samples)

    def first_loud(self, after_index, timeout=3.0):
        deadline = time.time() + timeout
        i = after_index
        while time.time() < deadline:
            with self.lock:
                n = len(self.samples)
                while i < n and self.samples[i] <= LOUD:
                    i += 1
                if i < n:
                    return i
            time.sleep(0.002)
        return None

    def last_loud_before(self, index, floor=0):
        with self.lock:
            j = index - 1
            while j > floor and self.samples[j] <= LOUD:
                j -= 1
            return j

    def wait_silence(self, seconds, timeout=60.0):
        """Waits until the sink has been silent for `seconds`."""
        need = int(seconds * RATE)
        deadline = time.time() + timeout
        while time.time() < deadline:
            with self.lock:
                tail = self.samples[-need:]
                if len(tail) == need and max(tail) <= LOUD:
                    return True
            time.sleep(0.05)
        return False


def log_times(log_path, text):
    """Wall times of the game's log lines that contain `text` (the log written
    with QT_MESSAGE_PATTERN "%{time hh:mm:ss.zzz} %{category}: %{message}")."""
    out = []
    today = datetime.date.today()
    for line in open(log_path, errors="replace"):
        if text in line:
            clock = datetime.datetime.strptime(line.split(" ", 1)[0], "%H:%M:%S.%f").time()
            out.append(datetime.datetime.combine(today, clock).timestamp())
    return out


def press(window, key):
    subprocess.run(["xdotool", "key", "--window", window, key], check=False)


def stats(values):
    """Median and 95th percentile."""
    v = sorted(values)
    if not v:
        return -1, -1
    return v[(len(v) + 1) // 2 - 1], v[min(len(v) - 1, math.ceil(len(v) * 0.95) - 1)]
