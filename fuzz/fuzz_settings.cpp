// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
//
// Fuzzes the settings file: the input is the file the game reads at start-up.
// The voice and speed it yields go to the voice, are stepped by the command
// keys and written back; reading the written file must give them again.
#include "support/harness.h"

#include <QFile>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

void fail(const char *what)
{
    std::fprintf(stderr, "settings invariant broken: %s\n", what);
    std::abort();
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
    {
        QFile file(g.env().settingsFile);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
            fail("cannot write the settings file");
    }

    g.readSettings();
    g.applyVoiceSettings();
    const int voices = int(h.voice.names.size());
    if (g.voice() >= voices)
        fail("a voice past the installed ones stayed selected");

    // Shift+F1, Ctrl+F1 and Alt+F1 step the voice and the speed and write the file.
    h.press(Key::F1, Mod::Shift);
    h.drain();
    if (g.voice() < 0 || g.voice() >= voices)
        fail("the next voice is not an installed one");
    h.press(Key::F1, Mod::Ctrl);
    h.drain();
    h.press(Key::F1, Mod::Alt);
    h.drain();
    if (g.speed() < 0 || g.speed() > 4)
        fail("the next speed is not one of the five");

    const int voice = g.voice();
    const int speed = g.speed();
    g.readSettings();
    if (g.voice() != voice || g.speed() != speed)
        fail("the written settings read back differently");
    h.voice.utterances.clear();
    h.sound.plays.clear();
    return 0;
}
