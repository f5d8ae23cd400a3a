// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include <QLoggingCategory>

// One line per event; silent unless enabled, e.g. QT_LOGGING_RULES="crosswords.*=true".
Q_DECLARE_LOGGING_CATEGORY(lcSpeech)  // "say: " / "saywait: " + text
Q_DECLARE_LOGGING_CATEGORY(lcSound)   // "play: " / "playwait: " + clip name
Q_DECLARE_LOGGING_CATEGORY(lcKeys)    // "key: " + code + " " + mask
Q_DECLARE_LOGGING_CATEGORY(lcPrint)   // "document: " + destination
Q_DECLARE_LOGGING_CATEGORY(lcPuzzles) // the solver's puzzle folder: "added: ", "rejected: ", "handed over: "
Q_DECLARE_LOGGING_CATEGORY(lcBraille) // "show: ", "key: ", "connected: ", "gone: "
