// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// F5: print the open puzzle on two sheets; with a modifier held, on one.
#include "engine/crosswords.h"
#include "print/printjobs.h"

namespace {

// What the solver hears of a print job.
QString printOutcome(PrintResult result)
{
    const QString printing = QStringLiteral("printing the puzzle");
    switch (result) {
    case PrintResult::Failed:
        return QStringLiteral("sorry, there was an error with the printing");
    case PrintResult::SavedToFile:
        return printing + QStringLiteral("\tNo printer was found, so the puzzle was saved in your Documents folder.");
    case PrintResult::Printed:
        break;
    }
    return printing;
}

} // namespace

void Crosswords::askprint(int shifted)
{
    if (m_session.viewmode == 0)
        return;
    // The tick stores F5 as the last key after this command, so a second F5
    // straight after a print is refused. A question answered with Escape
    // printed nothing: F5 then asks again.
    if (m_session.lastkey == Key::F5 && m_session.printstarted) {
        m_announcer.saymsg = QStringLiteral("I'm already printing the puzzle");
        return;
    }
    m_session.printstarted = false;
    const bool onePage = shifted != 0;
    const QString label = onePage ? QStringLiteral("(1 page)") : QStringLiteral("(2 pages)");
    const QString question = onePage ? QStringLiteral("You are about to print this puzzle on one page.")
                                     : QStringLiteral("You are about to print this puzzle on two pages.");
    m_announcer.saysync = 0;
    if (!confirmAloud(question, QStringLiteral("Print this puzzle ") + label + QStringLiteral(". Are you sure? ")))
        return;
    sayit(QString());
    m_announcer.voicestate = 0;
    m_announcer.saymsg.clear();
    m_session.printstarted = true;
    if (onePage)
        printit1();
    else
        printit();
}

// The grid on one sheet, the clues on another.
void Crosswords::printit()
{
    m_announcer.saymsg = printOutcome(printTwoSheets(m_svc.printer, m_svc.resources, {m_session.curpuz, m_puzzle, m_attempt, m_table}));
}

// Grid and clues on one landscape sheet.
void Crosswords::printit1()
{
    m_announcer.saymsg = printOutcome(printOneSheet(m_svc.printer, m_svc.resources, {m_session.curpuz, m_puzzle, m_attempt, m_table}));
}
