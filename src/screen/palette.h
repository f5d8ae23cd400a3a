// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include <cstdint>

// How readable one colour is on another, by the relative luminance of sRGB
// colours. Colours are &H00BBGGRR values, as the form keeps them.
namespace Palette {

// Relative luminance, 0 for black to 1 for white.
double luminance(std::uint32_t colour);

// Contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double contrast(std::uint32_t a, std::uint32_t b);

// The ratio every text of the game reaches against its background.
constexpr double TextContrast = 7.0;

// What the system's window-text colour becomes on a background: black, or
// white where black would not read (the dark red of a selected key).
std::uint32_t windowTextOn(std::uint32_t background);

} // namespace Palette
