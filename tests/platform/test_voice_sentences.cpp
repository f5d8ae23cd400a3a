// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// The voice speaks a long text sentence by sentence, so the first sentence
// sounds before the rest is synthesised: the cut must lose nothing, cut only
// after a sentence, and the voice must stay busy until the last piece is done.
#include "platform/espeakvoice.h"
#include "platform/pcmstream.h"
#include "puzzle/ansi.h"

#include <QElapsedTimer>
#include <QFile>
#include <gtest/gtest.h>

namespace {

QString helpPage(int n)
{
    QFile file(QStringLiteral(QUOREL_SOURCE_DIR "/resources/text/HELP%1.txt").arg(n));
    return file.open(QIODevice::ReadOnly) ? fromAnsi(file.readAll()) : QString();
}

} // namespace

TEST(VoiceSentences, CutsAfterEachSentenceAndLosesNothing)
{
    const QString welcome = QStringLiteral(
        "Welcome to Quorel Crosswords volume 3. This programme contains 70 puzzles. Ready? Go!  "
        "Then 3.5 and a dot at the end.");
    const QStringList pieces = EspeakVoice::sentences(welcome);
    EXPECT_EQ(pieces, (QStringList{QStringLiteral("Welcome to Quorel Crosswords volume 3. "),
                                   QStringLiteral("This programme contains 70 puzzles. "),
                                   QStringLiteral("Ready? "), QStringLiteral("Go!  "),
                                   QStringLiteral("Then 3.5 and a dot at the end.")}));

    EXPECT_EQ(EspeakVoice::sentences(QStringLiteral("1 across, 6letters,  (anagram) Run dog; land")).size(), 1);
    EXPECT_EQ(EspeakVoice::sentences(QString()), QStringList{QString()});

    for (int n = 0; n <= 4; ++n) {
        const QString page = helpPage(n);
        ASSERT_FALSE(page.isEmpty()) << "help page " << n;
        const QStringList parts = EspeakVoice::sentences(page);
        EXPECT_EQ(parts.join(QString()), page) << "help page " << n;
        for (qsizetype i = 0; i + 1 < parts.size(); ++i)
            EXPECT_TRUE(parts[i].trimmed().back() == QLatin1Char('.') || parts[i].trimmed().back() == QLatin1Char('?')
                        || parts[i].trimmed().back() == QLatin1Char('!'))
                << parts[i].toStdString();
    }
}

TEST(VoiceSentences, ALongTextKeepsTheVoiceBusyUntilItsLastSentenceHasPlayed)
{
    if (!PcmStream(22050).hasDevice())
        GTEST_SKIP() << "no audio device: nothing is synthesised or played";
    EspeakVoice voice;
    // The audio after the first sentence, in ms of 16-bit samples.
    qint64 laterBytes = 0;
    for (const char *later : {"Two. ", "Three.", "Four."})
        laterBytes += voice.synthesise(QString::fromLatin1(later)).size();
    const qint64 laterMs = laterBytes * 1000 / (2 * 22050);
    voice.speak(QStringLiteral("One. Two. Three."));
    EXPECT_FALSE(voice.isIdle());
    QElapsedTimer clock;
    clock.start();
    voice.speakAndWait(QStringLiteral("Four."));
    EXPECT_TRUE(voice.isIdle());
    // Every sentence was played, not only the first one and the last.
    EXPECT_GE(clock.elapsed(), laterMs * 9 / 10);
}

TEST(VoiceSentences, WithoutAnAudioDeviceTheVoiceIsIdleAtOnce)
{
    if (PcmStream(22050).hasDevice())
        GTEST_SKIP() << "an audio device is present";
    EspeakVoice voice;
    voice.speak(helpPage(2));
    EXPECT_TRUE(voice.isIdle());
}
