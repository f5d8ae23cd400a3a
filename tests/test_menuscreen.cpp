// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// The menu screen, at start-up and after leaving a puzzle.
#include "support/harness.h"

#include <QSize>
#include <gtest/gtest.h>

namespace {

void expectMenuScreen(Crosswords &g)
{
    const Form &f = g.form();
    EXPECT_TRUE(f.imgBack.visible);
    for (const Control *c : {&f.lbl4[0], &f.lbl4[1], &f.lbl5[0], &f.lbl5[1], &f.lblBack})
        EXPECT_TRUE(c->visible);
    EXPECT_EQ(f.lblBack.caption, "Use the cursor keys to choose a\npuzzle then press the enter key");
    EXPECT_EQ(f.lblBack.foreColor, Colour::Yellow);
    EXPECT_EQ(f.lblBack.backColor, Colour::Black);
    // The caption fits the strip's width and the part of it that is on screen.
    const double width = g.svc().measure.textWidth(f.lblBack.caption, f.lblBack.fontSize);
    const double height = g.svc().measure.textHeight(f.lblBack.caption, f.lblBack.fontSize);
    EXPECT_LE(width, f.lblBack.width);
    EXPECT_LE(height, g.env().screenHeight - f.lblBack.top + 1e-6);
    EXPECT_GT(width, f.lblBack.width * 0.3);  // and is large, not a token size
}

TEST(MenuScreen, StartUpShowsThePictureTheInstructionAndTheButtons)
{
    for (QSize pixels : {QSize(1024, 768), QSize(1920, 1080), QSize(800, 600)}) {
        Harness h;
        h.g().env().screenWidth = pixels.width() * 15.0;
        h.g().env().screenHeight = pixels.height() * 15.0;
        h.start();
        expectMenuScreen(h.g());
    }
}

TEST(MenuScreen, LeavingAPuzzleShowsTheSameScreen)
{
    Harness h;
    h.g().env().screenWidth = 1920 * 15.0;
    h.g().env().screenHeight = 1080 * 15.0;
    h.start();
    h.press(Key::Enter);  // opens puzzle 1
    EXPECT_FALSE(h.g().form().imgBack.visible);
    h.press(Key::F12);
    EXPECT_EQ(h.g().session().viewmode, 0);
    expectMenuScreen(h.g());
}

} // namespace
