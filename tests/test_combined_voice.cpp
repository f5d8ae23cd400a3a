// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// One voice list over our own voices and the speech service's: where speech
// goes, and what happens when the service goes away.
#include "speech/combinedvoice.h"
#include "support/doubles.h"

#include <gtest/gtest.h>

inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace {

class Combined : public ::testing::Test {
protected:
    Combined()
    {
        service.names = {"Alba (rhvoice) through the speech service", "Bea (pico) through the speech service"};
        voice.setIdleHandler([this] { ++idleReports; });
    }
    RecordingVoice own;
    RecordingVoice service;
    CombinedVoice voice{own, &service};
    int idleReports = 0;
};

TEST_F(Combined, OurVoicesComeFirstThenTheServicesAndEachIndexReachesItsOwnVoice)
{
    EXPECT_EQ(voice.voiceNames(), QStringList({"English (Great Britain)", "English (America)",
                                               "Alba (rhvoice) through the speech service",
                                               "Bea (pico) through the speech service"}));
    voice.selectVoice(3);
    EXPECT_EQ(service.selected, 1);
    voice.speak("Puzzle 2");
    EXPECT_EQ(service.texts(), QStringList{"Puzzle 2"});
    EXPECT_TRUE(own.texts().isEmpty());
    EXPECT_FALSE(voice.isIdle());

    // Back to one of ours: the service's speech is cut, ours speaks.
    voice.selectVoice(1);
    EXPECT_EQ(own.selected, 1);
    EXPECT_EQ(service.stops, 1);
    voice.speak("Puzzle 3");
    EXPECT_EQ(own.texts(), QStringList{"Puzzle 3"});

    // An index past the service's voices changes nothing.
    voice.selectVoice(9);
    EXPECT_FALSE(voice.usingService());
    EXPECT_EQ(own.selected, 1);
}

TEST_F(Combined, WithoutAServiceOnlyOurVoicesAreOffered)
{
    CombinedVoice alone(own, nullptr);
    EXPECT_EQ(alone.voiceNames(), own.names);
    alone.selectVoice(3);
    EXPECT_FALSE(alone.usingService());
}

TEST_F(Combined, TheEndOfAnUtteranceIsReportedFromTheVoiceThatSpokeIt)
{
    voice.selectVoice(2);
    voice.speak("Puzzle 2");
    own.finish();  // our idle voice has nothing to say about the service's speech
    EXPECT_EQ(idleReports, 0);
    service.finish();
    EXPECT_EQ(idleReports, 1);
    EXPECT_TRUE(voice.isIdle());
}

TEST_F(Combined, WhenTheServiceGoesOurFirstVoiceTakesOverAndSaysWhatWasCutOff)
{
    voice.setRate(4);
    voice.selectVoice(2);
    voice.speak("This puzzle is empty");
    // The service stops: it offers no voices and has nothing left to say.
    service.names.clear();
    service.speaking = false;
    EXPECT_FALSE(voice.isIdle());  // our voice is now saying the phrase
    EXPECT_FALSE(voice.usingService());
    EXPECT_EQ(own.selected, 0);
    EXPECT_EQ(own.rate, 4);
    EXPECT_EQ(own.texts(), QStringList{"This puzzle is empty"});
    EXPECT_EQ(voice.voiceNames(), own.names);
    voice.speak("Puzzle 3");
    EXPECT_EQ(own.texts(), QStringList({"This puzzle is empty", "Puzzle 3"}));
}

TEST_F(Combined, APhraseTheServiceFinishedIsNotSaidAgainWhenItGoesLater)
{
    voice.selectVoice(2);
    voice.speak("Puzzle 2");
    service.finish();
    service.names.clear();
    EXPECT_TRUE(voice.isIdle());
    EXPECT_TRUE(own.texts().isEmpty());
}

TEST_F(Combined, StopCutsBothVoices)
{
    voice.selectVoice(2);
    voice.speak("a long help page");
    voice.stop();
    EXPECT_EQ(own.stops, 1);
    EXPECT_EQ(service.stops, 1);
    EXPECT_TRUE(voice.isIdle());
    service.names.clear();
    voice.isIdle();
    EXPECT_TRUE(own.texts().isEmpty());  // stopped speech is not said again
}

} // namespace
