// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
//
// Fuzzes the reader of a .jpz file: the zip around it, the XML, its cells, words and clues.
#include "puzzle/jpzreader.h"
#include "puzzlefile_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return fuzzPuzzleFileReader<JpzReader>(data, size);
}
