// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include "puzzle/cluetable.h"
#include "puzzle/puzzle.h"
#include "store/attempt.h"

class Printer;
class ResourceStore;

// What a print job came to.
enum class PrintResult {
    Printed,
    SavedToFile,  // no printer: the documents went to the Documents folder
    Failed,       // the printer reported an error, or no clue size fits
};

// The open puzzle as the sheets show it: its menu number (in the caption and
// the document names), the grid with the solver's letters, and its clues.
struct PrintedPuzzle {
    int number = 0;
    const Puzzle &puzzle;
    const Attempt &attempt;
    const ClueTable &table;
};

// The grid on one portrait sheet, every clue on a second.
PrintResult printTwoSheets(Printer &printer, ResourceStore &resources, const PrintedPuzzle &printed);
// The grid and the clues side by side on one landscape sheet.
PrintResult printOneSheet(Printer &printer, ResourceStore &resources, const PrintedPuzzle &printed);
