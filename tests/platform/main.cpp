// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// Entry point of the platform tests: fonts, audio and the window need an application object.
#include <QApplication>
#include <gtest/gtest.h>

void quorelInitResources();

int main(int argc, char **argv)
{
    // CTest also runs this program to list its tests, without the test
    // environment: never look for a display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    quorelInitResources();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
