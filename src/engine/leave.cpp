// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// F12: from a puzzle back to the menu (saving it), or from the menu out of
// the program after a confirmation.
#include "engine/crosswords.h"
#include "puzzle/ansi.h"

#include <QSaveFile>

void Crosswords::leave()
{
    savefile();

    if (m_session.viewmode == 0) {
        // Letters a failed save kept would go with the program: write them
        // now, and when that still fails, say so before the question, so
        // that the user can make room and try again, or stay.
        if (!saveUnsaved())
            sayit(saveFailurePhrase());
        if (!confirmAloud(QStringLiteral("Are you sure you want to leave the programme?"),
                          QStringLiteral("Leave Quorel Crosswords. Are you sure?")))
            return;
        sayit(QString());
        m_announcer.voicestate = 0;
        m_announcer.saymsg.clear();
        // Written for whoever wants to know where the last run ended; the game
        // itself never reads it back.
        // Unbuffered, so that a full disk fails the write and the old file stays.
        QSaveFile resume(tempdir + QStringLiteral("quoreltamrivo3.tmp"));
        if (resume.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            const QByteArray bytes = toAnsi(QStringLiteral("%1\r\n%2\r\n%3\r\n%4\r\n").arg(m_session.viewmode).arg(m_session.curpuz).arg(m_voice).arg(m_speed));
            if (resume.write(bytes) == bytes.size())
                resume.commit();
        }
        sayit2(QStringLiteral("leaving the programme and returning to the desktop, goodbye"));
        m_svc.app.quit();
        // No further tick or handler acts.
        m_curform.clear();
        return;
    }

    rememberCluePlace();
    m_screen.showFrame(false);
    setnozoom();
    rescanOwnPuzzles();
    puzstatus();
    m_screen.hideBoard();

    m_screen.showMenuScreen();

    m_announcer.saymsg = QStringLiteral("Returning to the crosswords menu. ")
        + QStringLiteral("Use the cursor keys to choose a puzzle then press the enter key. ") + completedSentence();
    queueSaveFailure();
    m_announcer.voicestate = 0;
    clearMailbox();
    m_session.viewmode = 0;
    m_session.curclue = 0;
}

void Crosswords::Form_Unload()
{
    // The window is closing without F12: keep the open puzzle as F12 would,
    // and whatever earlier failed saves still hold.
    savefile();
    saveUnsaved();
    if (m_session.viewmode > ViewMode::Menu)
        rememberCluePlace();
    m_curform.clear();
}
