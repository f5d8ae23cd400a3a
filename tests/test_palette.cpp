// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// The game's colours: every text reads at 7 : 1 on the backgrounds it is shown
// on, and the states that colour marks stay apart.
#include "screen/form.h"
#include "screen/palette.h"

#include <gtest/gtest.h>

namespace {

TEST(Palette, ContrastFollowsRelativeLuminance)
{
    EXPECT_NEAR(Palette::contrast(Colour::Black, Colour::White), 21.0, 1e-9);
    EXPECT_NEAR(Palette::contrast(Colour::White, Colour::White), 1.0, 1e-9);
    // Order does not matter; pure blue is 0.0722 of white.
    EXPECT_NEAR(Palette::contrast(Colour::White, Colour::Blue), 1.05 / (0.0722 + 0.05), 1e-3);
    EXPECT_NEAR(Palette::contrast(Colour::Blue, Colour::White), Palette::contrast(Colour::White, Colour::Blue), 1e-12);
    // The clue numbers and the heading of old read at about 2.4 : 1.
    EXPECT_NEAR(Palette::contrast(0x8080FF, Colour::White), 2.4, 0.1);
    EXPECT_NEAR(Palette::contrast(Colour::Black, Colour::Blue), 2.4, 0.1);
}

TEST(Palette, EveryTextReachesSevenToOneOnItsBackgrounds)
{
    struct Pair {
        const char *what;
        std::uint32_t text, background;
    };
    const Pair pairs[] = {
        {"entered letter on a square", Colour::Black, Colour::White},
        {"entered letter in the current answer", Colour::Black, Colour::Yellow},
        {"revealed letter on a square", Colour::Grey, Colour::White},
        {"revealed letter in the current answer", Colour::Grey, Colour::Yellow},
        {"answered clue", Colour::Grey, Colour::White},
        {"answered clue selected", Colour::Grey, Colour::Yellow},
        {"clue number", Colour::NumberRed, Colour::White},
        {"clue number in the current answer", Colour::NumberRed, Colour::Yellow},
        {"heading and buttons", Colour::White, Colour::Blue},
        {"puzzle title", Colour::White, Colour::Black},
        {"menu instruction", Colour::Yellow, Colour::Black},
        {"menu title", Colour::Black, Colour::LightBlue},
        {"key", Palette::windowTextOn(Colour::White), Colour::White},
        {"selected key", Palette::windowTextOn(Colour::Red), Colour::Red},
    };
    for (const Pair &p : pairs)
        EXPECT_GE(Palette::contrast(p.text, p.background), Palette::TextContrast) << p.what;
}

TEST(Palette, StatesShownByColourStayApart)
{
    // A revealed letter is not taken for an entered one, nor an answered clue
    // for an open one.
    EXPECT_GE(Palette::contrast(Colour::Grey, Colour::Black), 2.0);
    // The selected key, the current answer and the selected clue stand out
    // from the white around them.
    EXPECT_GE(Palette::contrast(Colour::Red, Colour::White), 3.0);
    // Window text turns white only where black would not read.
    EXPECT_EQ(Palette::windowTextOn(Colour::White), Colour::Black);
    EXPECT_EQ(Palette::windowTextOn(Colour::Yellow), Colour::Black);
    EXPECT_EQ(Palette::windowTextOn(Colour::Red), Colour::White);
    EXPECT_EQ(Palette::windowTextOn(Colour::Blue), Colour::White);
}

} // namespace
