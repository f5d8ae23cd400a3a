// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "engine/crosswords.h"
#include "speech/voice.h"

#include <QDir>

Crosswords::Crosswords(Services services, Environment environment)
    : svc(services), env(std::move(environment)), puzstat(101), clues(101), sqclue(226), squarepos(226),
      form(Form::design())
{
    svc.voice.setVoicesChangedHandler([this] { voicesChanged(); });
}


void Crosswords::Form_Load()
{
    curform = QStringLiteral("Crosswords");
    helppage = 0;
    gridsize = 7;
    viewmode = -1;
    setscreen();

    tempdir = env.stateDir;
    if (!tempdir.endsWith(QLatin1Char('/')))
        tempdir.append(QLatin1Char('/'));
    QDir().mkpath(tempdir);

    form.loadControlArrays();
    loadCatalogue();

    form.shpsel.visible = false;
    setnozoom();
    viewmode = 0;
    // The first screen is the same menu screen a puzzle returns to.
    showMenuScreen();

    voice = 0;
    speed = 2;
    readSettings();
    applyVoiceSettings();
    viewmode = 99;
}

void Crosswords::Form_Activate()
{
    if (curform != QLatin1String("Crosswords"))
        return;
    puzstatus();
    saymsg = QStringLiteral("Welcome to Quorel Crosswords volume 3. ")
        + QStringLiteral("This programme contains 70 puzzles from The Daily Vantorel. ")
        + QStringLiteral("Use the cursor keys to choose a puzzle then press the enter key. ")
        + QStringLiteral("If you need help, just press function key F1, or to quit press F12. ")
        + completedSentence();
}
