// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "engine/confirmbox.h"
#include "engine/crosswords.h"

// Every confirmation is heard before the box appears: the question ends with
// " Press the enter key to confirm or the escape key to cancel." A refusal
// says "cancelled" and changes nothing else.
bool Crosswords::confirmAloud(const QString &question, const QString &box)
{
    sayphrase = question + QStringLiteral(" Press the enter key to confirm or the escape key to cancel.");
    sayit(sayphrase);
    if (svc.confirm.confirm(box))
        return true;
    sayphrase = QStringLiteral("cancelled");
    sayit(sayphrase);
    return false;
}
