// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// F5: print the open puzzle on two sheets; with a modifier held, on one.
#include "engine/crosswords.h"

void Crosswords::askprint(int shifted)
{
    if (session.viewmode == 0)
        return;
    // The tick stores F5 as the last key after this command, so a second F5
    // straight after a print is refused. A question answered with Escape
    // printed nothing: F5 then asks again.
    if (session.lastkey == Key::F5 && session.printstarted) {
        announcer.saymsg = QStringLiteral("I'm already printing the puzzle");
        return;
    }
    session.printstarted = false;
    const bool onePage = shifted != 0;
    const QString label = onePage ? QStringLiteral("(1 page)") : QStringLiteral("(2 pages)");
    const QString question = onePage ? QStringLiteral("You are about to print this puzzle on one page.")
                                     : QStringLiteral("You are about to print this puzzle on two pages.");
    announcer.saysync = 0;
    if (!confirmAloud(question, QStringLiteral("Print this puzzle ") + label + QStringLiteral(". Are you sure? ")))
        return;
    sayit(QString());
    announcer.voicestate = 0;
    announcer.saymsg.clear();
    session.printstarted = true;
    if (onePage)
        printit1();
    else
        printit();
}
