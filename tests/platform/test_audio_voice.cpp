// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// The real espeak-ng voice and the clip player, as far as a machine without a
// sound device can show them: synthesis runs, nothing hangs, idle is reported.
#include "platform/clipplayer.h"
#include "platform/espeakvoice.h"
#include "puzzle/resourcestore.h"

#include <QElapsedTimer>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QByteArray waveFile(int rate, int channels, int bits, const QByteArray &data)
{
    QByteArray fmt(16, '\0');
    qToLittleEndian<quint16>(1, fmt.data());
    qToLittleEndian<quint16>(quint16(channels), fmt.data() + 2);
    qToLittleEndian<quint32>(quint32(rate), fmt.data() + 4);
    qToLittleEndian<quint32>(quint32(rate * channels * bits / 8), fmt.data() + 8);
    qToLittleEndian<quint16>(quint16(channels * bits / 8), fmt.data() + 12);
    qToLittleEndian<quint16>(quint16(bits), fmt.data() + 14);
    auto chunk = [](const QByteArray &id, const QByteArray &body) {
        QByteArray size(4, '\0');
        qToLittleEndian<quint32>(quint32(body.size()), size.data());
        return id + size + body;
    };
    const QByteArray body = "WAVE" + chunk("fmt ", fmt) + chunk("LIST", "odd") + QByteArray(1, '\0') + chunk("data", data);
    QByteArray size(4, '\0');
    qToLittleEndian<quint32>(quint32(body.size()), size.data());
    return "RIFF" + size + body;
}

TEST(EspeakVoice, OffersEnglishVoicesWithReadableNamesBritishFirst)
{
    EspeakVoice voice;
    ASSERT_TRUE(voice.available());
    const QStringList names = voice.voiceNames();
    ASSERT_GE(names.size(), 2);
    EXPECT_LE(names.size(), 12);  // a short list to cycle through
    for (const QString &name : names) {
        EXPECT_FALSE(name.contains('_')) << name.toStdString();
        EXPECT_TRUE(name.startsWith("English")) << name.toStdString();
    }
    EXPECT_EQ(names.front(), "English (Great Britain)");
}

TEST(EspeakVoice, SynthesisesSpeechAndFasterRatesGiveShorterAudio)
{
    EspeakVoice voice;
    const QString phrase = QStringLiteral("Puzzle 12. This puzzle is 33 percent done");
    voice.setRate(0);
    const QByteArray normal = voice.synthesise(phrase);
    voice.setRate(4);
    const QByteArray fast = voice.synthesise(phrase);
    voice.setRate(-4);
    const QByteArray slow = voice.synthesise(phrase);
    ASSERT_GT(normal.size(), 22050);  // more than half a second of 16-bit audio
    EXPECT_LT(fast.size(), normal.size());
    EXPECT_GT(slow.size(), normal.size());
    EXPECT_TRUE(voice.synthesise(QString()).isEmpty());
}

TEST(EspeakVoice, APhraseStartsWithItsFirstSoundNotWithTheSilenceBeforeIt)
{
    EspeakVoice voice;
    const QByteArray pcm = voice.synthesise(QStringLiteral("Puzzle 2"));
    const QByteArray trimmed = EspeakVoice::withoutLeadingSilence(pcm);
    EXPECT_LT(trimmed.size(), pcm.size() - 22050 * 2 / 50);  // over 20 ms of silence dropped
    EXPECT_TRUE(pcm.endsWith(trimmed));                      // and nothing else
    ASSERT_GE(trimmed.size(), 2);
    EXPECT_TRUE(trimmed[0] != 0 || trimmed[1] != 0);
    EXPECT_TRUE(EspeakVoice::withoutLeadingSilence(QByteArray(6, '\0')).isEmpty());
    const QByteArray quiet("\0\0\x01\0", 4);  // the faintest sound is kept
    EXPECT_EQ(EspeakVoice::withoutLeadingSilence(quiet), QByteArray("\x01\0", 2));
}

TEST(EspeakVoice, RatesMapToSensibleWordsPerMinuteAndAreClamped)
{
    EXPECT_EQ(EspeakVoice::wordsPerMinute(0), 175);
    EXPECT_LT(EspeakVoice::wordsPerMinute(-4), EspeakVoice::wordsPerMinute(-2));
    EXPECT_GT(EspeakVoice::wordsPerMinute(4), EspeakVoice::wordsPerMinute(2));
    EXPECT_EQ(EspeakVoice::wordsPerMinute(-400), EspeakVoice::wordsPerMinute(-10));
    EXPECT_EQ(EspeakVoice::wordsPerMinute(400), EspeakVoice::wordsPerMinute(10));
    EXPECT_GE(EspeakVoice::wordsPerMinute(-10), 80);
    EXPECT_LE(EspeakVoice::wordsPerMinute(10), 450);
}

TEST(EspeakVoice, SpeakingAndWaitingNeverHangs)
{
    EspeakVoice voice;
    QElapsedTimer clock;
    clock.start();
    voice.speak(QStringLiteral("first"));
    voice.speak(QStringLiteral("second, queued behind the first"));
    voice.speakAndWait(QStringLiteral("and the last"));
    EXPECT_TRUE(voice.isIdle());
    EXPECT_LT(clock.elapsed(), 10000);
}

TEST(ClipPlayer, DecodesMonoSixteenBitWavesAndRejectsOthers)
{
    const QByteArray samples("\x01\x00\x02\x00\x03\x00", 6);
    const auto pcm = ClipPlayer::decode(waveFile(32000, 1, 16, samples));
    EXPECT_EQ(pcm.sampleRate, 32000);
    EXPECT_EQ(pcm.samples, samples);
    EXPECT_EQ(ClipPlayer::decode(waveFile(22050, 2, 16, samples)).sampleRate, 0);
    EXPECT_EQ(ClipPlayer::decode(waveFile(22050, 1, 8, samples)).sampleRate, 0);
    EXPECT_EQ(ClipPlayer::decode("RIFF").sampleRate, 0);
    QByteArray lying = waveFile(22050, 1, 16, samples);
    qToLittleEndian<quint32>(0x7FFFFFF0, lying.data() + lying.size() - 10);  // data size past the end
    EXPECT_EQ(ClipPlayer::decode(lying).sampleRate, 0);
}

TEST(ClipPlayer, PlaysEveryShippedClipToTheEndWithoutHanging)
{
    CompiledResources resources;
    ClipPlayer player;
    for (const char *name : {"cheer", "no", "ok", "wall"}) {
        const auto wave = resources.fetch("WAVE", name);
        ASSERT_TRUE(wave.has_value()) << name;
        EXPECT_GT(ClipPlayer::decode(*wave).samples.size(), 1000) << name;
        QElapsedTimer clock;
        clock.start();
        player.play(name, *wave, true);
        EXPECT_LT(clock.elapsed(), 5000) << name;
    }
}

} // namespace
