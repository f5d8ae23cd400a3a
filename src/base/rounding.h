// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include <cmath>

// Rounds to the nearest whole number, a half going to the even neighbour
// (2.5 -> 2, 3.5 -> 4, -2.5 -> -2), as every layout and percentage of the
// game does. Written out rather than left to the floating-point rounding mode.
inline int nearest(double value)
{
    const double down = std::floor(value);
    const double diff = value - down;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(down, 2.0) != 0.0))
        return static_cast<int>(down + 1.0);
    return static_cast<int>(down);
}
