#include "grids.hpp"

namespace qp {

bool makePattern(Rng &rng, int maxLong, Grid &out) {
    // Black squares always stand at (odd row, odd column); the other squares
    // in the first half of the grid are switched in rotationally symmetric
    // pairs.
    std::vector<int> free;
    for (int idx = 0; idx <= (N * N) / 2; ++idx) {
        int r = idx / N, c = idx % N;
        if (!(r % 2 == 1 && c % 2 == 1)) free.push_back(idx);
    }
    const int minSlots = 24, maxSlots = 32;
    for (int attempt = 0; attempt < 50; ++attempt) {
        Grid g;
        for (int r = 0; r < N; ++r)
            for (int c = 0; c < N; ++c) g[r][c] = (r % 2 == 1 && c % 2 == 1) ? ' ' : '.';
        auto toggle = [&](int idx) {
            int r = idx / N, c = idx % N;
            char v = g[r][c] == ' ' ? '.' : ' ';
            g[r][c] = v;
            g[N - 1 - r][N - 1 - c] = v;
        };
        int cost = patternCost(g, maxLong, minSlots, maxSlots);
        for (int it = 0; it < 20000 && cost > 0; ++it) {
            int idx = free[rng.below(static_cast<uint32_t>(free.size()))];
            toggle(idx);
            int c2 = patternCost(g, maxLong, minSlots, maxSlots);
            if (c2 <= cost || rng.unit() < 0.02) cost = c2;
            else toggle(idx);
        }
        if (cost == 0 && checkPattern(g).empty()) {
            out = g;
            return true;
        }
    }
    return false;
}

std::string patternText(const Grid &g) {
    std::string s;
    for (int r = 0; r < N; ++r) {
        for (int c = 0; c < N; ++c) s += g[r][c] == ' ' ? '#' : g[r][c];
        s += '\n';
    }
    return s;
}

}  // namespace qp
