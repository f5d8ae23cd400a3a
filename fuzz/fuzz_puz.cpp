// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
//
// Fuzzes the reader of a .puz file: the header, the grids, the strings, the extra sections and
// the search for the key of a locked solution.
#include "puzzle/puzreader.h"
#include "puzzlefile_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return fuzzPuzzleFileReader<PuzReader>(data, size);
}
