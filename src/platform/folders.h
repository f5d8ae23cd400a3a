// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include <QString>

// Per-user folders (XDG): progress survives a reboot, unlike /tmp.
namespace Folders {
QString state();      // $XDG_STATE_HOME/quorel-crosswords/ (with trailing '/')
QString config();     // $XDG_CONFIG_HOME/quorel-crosswords/
QString runtime();    // $XDG_RUNTIME_DIR, else the state folder
QString documents();  // $XDG_DOCUMENTS_DIR, else ~/Documents
QString puzzles();    // the solver's crossword files: $XDG_DATA_HOME/quorel-crosswords/puzzles/
}
