// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// The real espeak-ng voice and the clip player: synthesis runs, nothing hangs,
// idle is reported, with or without a sound server.
#include "platform/clipplayer.h"
#include "platform/espeakvoice.h"
#include "platform/pcmstream.h"
#include "puzzle/resourcestore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
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

// Against a real sound server (a private PulseAudio null sink: the suite runs
// these through tests/platform/with_null_sink.sh; elsewhere they are skipped):
// audio that comes or goes while the server still answers an earlier drain, as
// a solver's quick keys make it. The server answers every drain, superseded
// ones too (some only when its reply times out); each answer must find its own
// state.

constexpr int kRate = 22050;

QByteArray toneMs(int ms)
{
    QByteArray pcm(qsizetype(kRate) * ms / 1000 * 2, '\0');
    for (qsizetype i = 0; i + 1 < pcm.size(); i += 4)
        pcm[i + 1] = 0x10;  // a quiet square wave: not silence, so it really plays
    return pcm;
}

void runEventsFor(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
}

bool haveServer()
{
    return PcmStream(kRate).hasDevice();
}

TEST(AudioServer, DrainsSupersededByNewAudioOrAClearAreAnsweredSafely)
{
    if (!haveServer())
        GTEST_SKIP() << "no sound server: run through tests/platform/with_null_sink.sh";
    PcmStream stream(kRate);
    int finished = 0;
    stream.setFinishedHandler([&] { ++finished; });
    const QByteArray shortTone = toneMs(8);
    for (int round = 0; round < 300; ++round) {
        stream.append(shortTone);  // everything is with the server: a drain is asked
        if (round % 3 == 0)
            QThread::msleep(round % 7);  // sometimes the answer is on its way
        stream.append(shortTone);  // supersedes the drain before it is answered
        if (round % 2 == 0)
            stream.clear();  // flushes, with a drain still asked
        if (round % 10 == 0)
            QCoreApplication::processEvents();
    }
    // Superseded drains are answered late (some only when the server's reply
    // times out); the stream must still finish its last audio and stay sound.
    stream.clear();
    stream.append(toneMs(60));
    EXPECT_FALSE(stream.isIdle());
    stream.waitUntilIdle();
    EXPECT_TRUE(stream.isIdle());
    EXPECT_GE(finished, 1);
    // The superseded drains are answered when the library's reply timeout
    // (30 s) runs out: wait for those answers too.
    runEventsFor(32000);
    stream.append(shortTone);
    stream.waitUntilIdle();
    EXPECT_TRUE(stream.hasDevice());
}

TEST(AudioServer, VoiceAndClipsCutAndRestartedQuicklyStayInStep)
{
    if (!haveServer())
        GTEST_SKIP() << "no sound server: run through tests/platform/with_null_sink.sh";
    EspeakVoice voice;
    ClipPlayer clips;
    const QByteArray clip = waveFile(kRate, 1, 16, toneMs(40));
    int idleReports = 0;
    voice.setIdleHandler([&] { ++idleReports; });
    for (int round = 0; round < 60; ++round) {
        voice.speak(QStringLiteral("First letter. Second letter, blank."));
        clips.play(QStringLiteral("wall"), clip, false);
        QThread::msleep(round % 5);
        voice.stop();
        clips.stop();
        voice.speak(QStringLiteral("E"));
        if (round % 4 == 0)
            QCoreApplication::processEvents();
    }
    voice.speakAndWait(QStringLiteral("Done."));
    EXPECT_TRUE(voice.isIdle());
    clips.play(QStringLiteral("ok"), clip, true);
    EXPECT_GE(idleReports, 1);
}

} // namespace
