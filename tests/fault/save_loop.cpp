// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
//
// Saves puzzle 1's progress over and over through the game's own savefile, so
// that a test can kill it at any moment and look at what the file holds.
//
//   quorel_save_loop STATE_DIR versions OUT_DIR   writes every version to OUT_DIR/v<k>
//   quorel_save_loop STATE_DIR loop               saves versions 0, 1, 2, ... until killed
//
// Version k has the letter 'A' + k in the first 6 (k + 1) letter squares, so
// versions differ in length as well as in content; a file cut short or left
// empty matches none of them. In loop mode STATE_DIR/saving appears once the
// first save is done.
#include "support/harness.h"

#include <QDir>
#include <QFile>
#include <cstdio>

namespace {

constexpr int kVersions = 26;

void fill(Crosswords &g, int k)
{
    int written = 0;
    for (int idx = 1; idx <= 169; ++idx) {
        const int row = (idx - 1) / 13;
        const int col = (idx - 1) % 13;
        const bool letter = !g.puzzle().cell(row, col).block;
        putLetter(g, idx, letter && written < 6 * (k + 1) ? QString(QChar('A' + k)) : QString());
        written += letter ? 1 : 0;
    }
    // The answer line is saved too; a restarted helper would otherwise bring
    // back what the killed one left there.
    g.attempt().clearSlots();
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s STATE_DIR versions OUT_DIR | STATE_DIR loop\n", argv[0]);
        return 2;
    }
    const QString state = QString::fromLocal8Bit(argv[1]);
    const QString mode = QString::fromLocal8Bit(argv[2]);

    Harness h;
    h.voice.finishAtOnce = true;
    h.g().env().stateDir = state;
    h.start();
    h.drain();
    h.press(Key::Enter);  // open puzzle 1
    h.drain();
    Crosswords &g = h.g();
    if (g.session().viewmode != 1) {
        std::fprintf(stderr, "puzzle 1 did not open\n");
        return 1;
    }
    const QString file = g.progressFile(1);

    if (mode == QLatin1String("versions") && argc >= 4) {
        const QString out = QString::fromLocal8Bit(argv[3]);
        QDir().mkpath(out);
        for (int k = 0; k < kVersions; ++k) {
            fill(g, k);
            g.savefile();
            if (g.savefailed() || !QFile::copy(file, out + QStringLiteral("/v%1").arg(k)))
                return 1;
        }
        return 0;
    }
    if (mode != QLatin1String("loop"))
        return 2;
    for (long n = 0;; ++n) {
        fill(g, int(n % kVersions));
        g.savefile();
        if (g.savefailed())
            return 1;
        if (n == 0)
            QFile(state + QStringLiteral("/saving")).open(QIODevice::WriteOnly);
    }
}
