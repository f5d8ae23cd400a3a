// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
//
// Fuzzes the reader of an .ipuz file: the JSON, its cells, solution and the three clue forms.
#include "puzzle/ipuzreader.h"
#include "puzzlefile_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return fuzzPuzzleFileReader<IpuzReader>(data, size);
}
