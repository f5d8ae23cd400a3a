// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "engine/crosswords.h"
#include "speech/voice.h"

#include <QDir>

Crosswords::Crosswords(Services services, Environment environment)
    : m_svc(services), m_env(std::move(environment)), m_form(Form::design())
{
    m_svc.voice.setVoicesChangedHandler([this] { voicesChanged(); });
}


void Crosswords::Form_Load()
{
    m_curform = QStringLiteral("Crosswords");
    m_session.helppage = 0;
    m_table.gridsize = 7;
    m_session.viewmode = -1;
    m_screen.setscreen();

    tempdir = m_env.stateDir;
    if (!tempdir.endsWith(QLatin1Char('/')))
        tempdir.append(QLatin1Char('/'));
    QDir().mkpath(tempdir);
    readCluePlaces();

    m_form.loadControlArrays();
    loadCatalogue();
    if (!m_env.puzzlesDir.isEmpty()) {
        m_ownFolder.emplace(m_env.puzzlesDir, tempdir + QStringLiteral("puzzle-index"));
        m_ownFolder->ensureExists();
        m_unreadAtStart = rescanOwnPuzzles();
    }

    m_screen.showFrame(false);
    setnozoom();
    m_session.viewmode = 0;
    // The first screen is the same menu screen a puzzle returns to.
    m_screen.showMenuScreen();

    m_voice = 0;
    m_speed = 2;
    readSettings();
    applyVoiceSettings();
    m_session.viewmode = 99;
}

void Crosswords::Form_Activate()
{
    if (m_curform != QLatin1String("Crosswords"))
        return;
    puzstatus();
    m_announcer.saymsg = QStringLiteral("Welcome to Quorel Crosswords volume 3. ")
        + QStringLiteral("This programme contains 70 puzzles from The Daily Vantorel. ")
        + QStringLiteral("Use the cursor keys to choose a puzzle then press the enter key. ")
        + QStringLiteral("If you need help, just press function key F1, or to quit press F12. ")
        + completedSentence();
    m_welcomed = true;
    if (m_screenReader.value_or(false))
        queueScreenReaderNotice();
    if (!m_ownPuzzles.isEmpty()) {
        const int own = int(m_ownPuzzles.size());
        m_announcer.saymsg += own == 1 ? QStringLiteral("\tYou also have 1 puzzle of your own")
                           : QStringLiteral("\tYou also have %1 puzzles of your own").arg(own);
    }
    // Files that could not be read are named once per start-up.
    if (m_unreadAtStart.size() > 3) {
        m_announcer.saymsg += QStringLiteral("\t%1 puzzle files could not be read").arg(m_unreadAtStart.size());
    } else {
        for (const RejectedPuzzleFile &file : m_unreadAtStart)
            m_announcer.saymsg += QLatin1Char('\t') + unreadFileNotice(file);
    }
    m_unreadAtStart.clear();
}
