// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "engine/crosswords.h"
#include "speech/voice.h"

#include <QDir>

Crosswords::Crosswords(Services services, Environment environment)
    // A status row for each built-in puzzle and more; the status scan makes
    // room for the solver's own.
    : svc(services), env(std::move(environment)), puzstat(101), form(Form::design())
{
    svc.voice.setVoicesChangedHandler([this] { voicesChanged(); });
}


void Crosswords::Form_Load()
{
    curform = QStringLiteral("Crosswords");
    session.helppage = 0;
    table.gridsize = 7;
    session.viewmode = -1;
    screen.setscreen();

    tempdir = env.stateDir;
    if (!tempdir.endsWith(QLatin1Char('/')))
        tempdir.append(QLatin1Char('/'));
    QDir().mkpath(tempdir);

    form.loadControlArrays();
    loadCatalogue();
    if (!env.puzzlesDir.isEmpty()) {
        m_ownFolder.emplace(env.puzzlesDir, tempdir + QStringLiteral("puzzle-index"));
        m_ownFolder->ensureExists();
        m_unreadAtStart = rescanOwnPuzzles();
    }

    form.shpsel.visible = false;
    setnozoom();
    session.viewmode = 0;
    // The first screen is the same menu screen a puzzle returns to.
    screen.showMenuScreen();

    voice = 0;
    speed = 2;
    readSettings();
    applyVoiceSettings();
    session.viewmode = 99;
}

void Crosswords::Form_Activate()
{
    if (curform != QLatin1String("Crosswords"))
        return;
    puzstatus();
    announcer.saymsg = QStringLiteral("Welcome to Quorel Crosswords volume 3. ")
        + QStringLiteral("This programme contains 70 puzzles from The Daily Vantorel. ")
        + QStringLiteral("Use the cursor keys to choose a puzzle then press the enter key. ")
        + QStringLiteral("If you need help, just press function key F1, or to quit press F12. ")
        + completedSentence();
    if (!ownPuzzles.isEmpty()) {
        const int own = int(ownPuzzles.size());
        announcer.saymsg += own == 1 ? QStringLiteral("\tYou also have 1 puzzle of your own")
                           : QStringLiteral("\tYou also have %1 puzzles of your own").arg(own);
    }
    // Files that could not be read are named once per start-up.
    if (m_unreadAtStart.size() > 3) {
        announcer.saymsg += QStringLiteral("\t%1 puzzle files could not be read").arg(m_unreadAtStart.size());
    } else {
        for (const RejectedPuzzleFile &file : m_unreadAtStart)
            announcer.saymsg += QLatin1Char('\t') + unreadFileNotice(file);
    }
    m_unreadAtStart.clear();
}
