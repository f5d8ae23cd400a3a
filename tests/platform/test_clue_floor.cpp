// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// The smallest clue size: every built-in puzzle, both directions, laid out in
// the real window font on the reference screen. The smallest size any of them
// uses is the floor below which no clue list is shrunk, so none of them is
// ever cut to a run of entries.
#include "engine/crosswords.h"
#include "platform/qttextmeasure.h"
#include "puzzle/resourcestore.h"
#include "support/doubles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(ClueFloor, TheSmallestSizeOfTheBuiltInPuzzlesIsTheFloorAndNoneIsCut)
{
    QTemporaryDir dir;
    RecordingVoice voice;
    RecordingSound sound;
    ScriptedConfirm confirm;
    QtTextMeasure measure{96.0};
    CompiledResources resources;
    RecordingPrinter printer;
    RecordingApp app;
    Environment env;  // 1024 x 768 pixels
    env.stateDir = dir.path() + QStringLiteral("/state/");
    env.settingsFile = dir.path() + QStringLiteral("/tamrivo3.ini");
    Crosswords g(Services{voice, sound, confirm, measure, resources, printer, app}, env);
    g.Form_Load();
    g.session().viewmode = 1;
    g.setnozoom();
    ASSERT_EQ(g.builtInCount(), 70);

    double smallest = 1000;
    QString where;
    for (int n = 1; n <= g.builtInCount(); ++n) {
        g.session().curpuz = n;
        g.loadpuzzle();
        for (int direction : {1, 2}) {
            g.session().curdir = direction;
            g.session().curclue = 1;
            g.showclues();
            const int rows = int(g.puzzle().clues(direction == 1 ? Direction::Across : Direction::Down).size());
            for (int k = 1; k <= rows; ++k)
                ASSERT_TRUE(g.form().lblClue[k].visible) << "puzzle " << n << " direction " << direction << " entry " << k;
            if (g.form().lblClue[1].fontSize < smallest) {
                smallest = g.form().lblClue[1].fontSize;
                where = QStringLiteral("puzzle %1 direction %2").arg(n).arg(direction);
            }
        }
    }
    EXPECT_EQ(smallest, MinClueFontSize) << where.toStdString();
}

} // namespace
