// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// Reads 16-bit mono PCM from standard input as it arrives (a sound server's
// monitor, through parec) and prints one line per 10 ms of audio: the wall
// clock in milliseconds since the epoch when the block arrived, and the
// block's peak. End-to-end tests compare these times with when they sent keys.
// Usage: parec ... | sinkwatch RATE
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <vector>

int main(int argc, char **argv)
{
    const int rate = argc > 1 ? std::atoi(argv[1]) : 22050;
    const std::size_t block = std::size_t(rate > 0 ? rate : 22050) / 100 * 2;
    std::vector<unsigned char> buffer(block);
    std::size_t filled = 0;
    for (;;) {
        const ssize_t got = ::read(0, buffer.data() + filled, block - filled);
        if (got <= 0)
            return 0;
        filled += std::size_t(got);
        if (filled < block)
            continue;
        int peak = 0;
        for (std::size_t i = 0; i + 1 < block; i += 2) {
            const int sample = short(buffer[i] | (buffer[i + 1] << 8));
            peak = std::max(peak, sample < 0 ? -sample : sample);
        }
        const auto now = std::chrono::duration_cast<std::chrono::milliseconds>(
                             std::chrono::system_clock::now().time_since_epoch())
                             .count();
        std::printf("%lld %d\n", static_cast<long long>(now), peak);
        std::fflush(stdout);
        filled = 0;
    }
}
