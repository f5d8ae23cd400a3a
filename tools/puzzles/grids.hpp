// Random blocked grid patterns that satisfy the house rules.
#pragma once

#include "common.hpp"

namespace qp {

// Searches for a pattern (white squares '.', black ' ') with at most maxLong
// slots of 12-13 letters; returns false if the search gave up.
bool makePattern(Rng &rng, int maxLong, Grid &out);

std::string patternText(const Grid &g);  // 13 lines, '#' for black

}  // namespace qp
