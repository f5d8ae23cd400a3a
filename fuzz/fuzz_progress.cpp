// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
//
// Fuzzes the progress file of a puzzle as a player's keys reach it: the input
// is written as puzzle 1's progress file and read by the status scan of
// start-up; then the game (wired to the test doubles) opens the puzzle from
// the menu (the merge), leaves it with F12 (the save and the status scan of
// every puzzle) and walks onto it in the menu to hear its status. Opening and
// leaving again must save exactly the same file: whatever a damaged file held,
// what the game kept of it is never lost or changed by a second visit. The
// other puzzle's file is never touched.
#include "support/harness.h"

#include <QFile>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

void fail(const char *what)
{
    std::fprintf(stderr, "progress invariant broken: %s\n", what);
    std::abort();
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail("cannot write the progress file");
}

Harness &harness()
{
    static std::unique_ptr<Harness> h = [] {
        auto made = std::make_unique<Harness>();
        made->voice.finishAtOnce = true;
        made->start();
        made->drain();
        return made;
    }();
    return *h;
}

// Opens puzzle 1 from the menu and leaves it again; returns the saved file.
QByteArray visit(Harness &h)
{
    h.g().session().curpuz = 1;
    h.press(Key::Enter);
    h.drain();
    if (h.g().session().viewmode != 1)
        fail("the puzzle did not open");
    h.press(Key::F12);
    h.drain();
    if (h.g().session().viewmode != 0)
        fail("F12 did not return to the menu");
    return readAll(h.g().progressFile(1));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // QSaveFile syncs each save to disk; a memory file system keeps the runs fast.
    if (!std::getenv("TMPDIR") && QFile::exists(QStringLiteral("/dev/shm")))
        setenv("TMPDIR", "/dev/shm", 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Harness &h = harness();
    Crosswords &g = h.g();
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const QByteArray other = readAll(g.progressFile(2));
    writeAll(g.progressFile(1), input);

    // The status scan at start-up reads the file as it is.
    const auto &stat = g.puzstat()[1];
    g.puzstatus();
    if (stat[1] < 0 || stat[2] < 0 || stat[3] < 0 || stat[3] > stat[2])
        fail("status counts out of order");

    const QByteArray first = visit(h);
    if (stat[1] < 0 || stat[2] < 0 || stat[3] < 0 || stat[3] > stat[2])
        fail("status counts out of order after a save");

    // Walking onto the puzzle in the menu merges the file again and speaks its status.
    h.press(Key::Home);
    h.drain();
    if (g.session().curpuz != 1)
        fail("Home did not select puzzle 1");

    const QByteArray second = visit(h);
    if (first != second)
        fail("a second visit changed the saved progress");
    if (readAll(g.progressFile(2)) != other)
        fail("another puzzle's file changed");
    h.voice.utterances.clear();
    h.sound.plays.clear();
    return 0;
}
