// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include <QString>

// Where things live on this machine.
struct Environment {
    double screenWidth = 1024 * 15.0;  // whole display, twips
    double screenHeight = 768 * 15.0;
    QString stateDir;      // progress and resume files; ends with '/'
    QString settingsFile;  // full path of "tamrivo3.ini"
    QString documentsDir;  // where print documents go when there is no printer
    QString puzzlesDir;    // the solver's own crossword files; "" for none
};
