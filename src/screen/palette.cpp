// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "screen/palette.h"

#include "screen/form.h"

#include <algorithm>
#include <cmath>

namespace Palette {

namespace {

double linear(std::uint32_t channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

double luminance(std::uint32_t colour)
{
    const double r = linear(colour & 0xFF);
    const double g = linear((colour >> 8) & 0xFF);
    const double b = linear((colour >> 16) & 0xFF);
    return 0.2126 * r + 0.7152 * g + 0.0722 * b;
}

double contrast(std::uint32_t a, std::uint32_t b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::uint32_t windowTextOn(std::uint32_t background)
{
    return contrast(Colour::Black, background) >= contrast(Colour::White, background) ? Colour::Black
                                                                                       : Colour::White;
}

} // namespace Palette
