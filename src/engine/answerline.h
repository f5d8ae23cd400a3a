// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include <QString>

class Crosswords;

// Moving between the clue list and the answer line (engine/letterentry.cpp).

// Brings the answer line forward with the selection frame round its boxes and
// the cursor on box 1. The answer line is refilled from the board first when
// `refill` is set (Enter); a typed letter keeps the boxes as they are.
void openAnswerLine(Crosswords &g, bool refill);

// Puts the selection frame back round the clue panel, behind everything.
void frameCluePanel(Crosswords &g);

// What box k of the answer line holds, as said after its position: "letter
// A", "letter blank", or for a rebus "square, J A N"; then ", circled" when
// its square is circled.
QString answerBoxWords(const Crosswords &g, int k);

// A square's letters as they are said: one letter as itself, the letters of a
// rebus square one by one ("J A N"), so a listener hears each of them.
QString spokenLetters(const QString &letters);
// Puts the answer line's cursor on box k (kept within the boxes shown) and
// returns how that position is said (", second letter blank").
QString moveToBox(Crosswords &g, int k);

// Where the cursor of the answer line is and what its box holds:
// ", third letter A", ", last letter blank".
QString positionPhrase(const Crosswords &g);
