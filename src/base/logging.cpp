// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "base/logging.h"

Q_LOGGING_CATEGORY(lcSpeech, "crosswords.speech")
Q_LOGGING_CATEGORY(lcSound, "crosswords.sound")
Q_LOGGING_CATEGORY(lcKeys, "crosswords.keys")
Q_LOGGING_CATEGORY(lcPrint, "crosswords.print")
Q_LOGGING_CATEGORY(lcPuzzles, "crosswords.puzzles")
Q_LOGGING_CATEGORY(lcBraille, "crosswords.braille")
