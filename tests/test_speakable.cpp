// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// What the voice is given: the gap of a fill-in clue is said as "blank",
// while the log keeps the phrase as it was queued.
#include "solving_fixture.h"
#include "speech/speakable.h"
#include "support/logcapture.h"

#include <gtest/gtest.h>

inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace {

TEST(Speakable, EveryGapOfTwoOrMoreUnderscoresIsSaidAsBlank)
{
    EXPECT_EQ(speakable("Not ___ true"), "Not blank true");
    EXPECT_EQ(speakable("To ___ is human"), "To blank is human");
    EXPECT_EQ(speakable("A ___-stop flight"), "A blank-stop flight");
    EXPECT_EQ(speakable("___ and ___"), "blank and blank");
    EXPECT_EQ(speakable("a __ b ____ c"), "a blank b blank c");
    EXPECT_EQ(speakable("(___)"), "(blank)");
}

TEST(Speakable, BlankStaysAWordOfItsOwnAfterALetterAndKeepsAnEndingAfterIt)
{
    EXPECT_EQ(speakable("Sun___ and moon"), "Sun blank and moon");
    EXPECT_EQ(speakable("Page 4___"), "Page 4 blank");
    EXPECT_EQ(speakable("Connect the ___s"), "Connect the blanks");
}

TEST(Speakable, PhrasesWithoutAGapPassUnchanged)
{
    for (const QString phrase : {QString(), QStringLiteral("3 across, 4letters,  Cyclones"),
                                 QStringLiteral("a single _ underscore"), QStringLiteral(", blank, space, b"),
                                 QString::fromUtf8("Café £5\tnext")})
        EXPECT_EQ(speakable(phrase), phrase);
}

TEST(Speakable, ASymbolStandingAloneOrAPictographIsNamedNotPassedOver)
{
    EXPECT_EQ(speakable(", second letter +"), ", second letter plus sign");
    EXPECT_EQ(speakable("+, 4"), "plus sign, 4");
    EXPECT_EQ(speakable("2+2 is four"), "2+2 is four");
    EXPECT_EQ(speakable(QString::fromUtf8("Card suit \u2665 or club")), "Card suit heart or club");
    EXPECT_EQ(speakable(QString::fromUtf8("Happy \U0001F389 time")), "Happy symbol time");
}

TEST(SpeakingAGap, TheVoiceHearsBlankWhileTheLogShowsThePhraseAsQueued)
{
    Harness h;
    h.start();
    h.drain();
    h.spoken();
    LogCapture log("crosswords.speech=true");
    h.g().announcer().saymsg = QStringLiteral("Not ___ true\tTo ___ is human");
    h.drain();
    h.g().announcer().saysync = 1;
    h.g().announcer().saymsg = QStringLiteral("Goodbye, ___ friend");
    h.drain();
    EXPECT_EQ(LogCapture::lines(), (QStringList{"crosswords.speech: say: Not ___ true",
                                                "crosswords.speech: say: To ___ is human",
                                                "crosswords.speech: saywait: Goodbye, ___ friend"}));
    EXPECT_EQ(h.spoken(), (QStringList{"Not blank true", "To blank is human", "Goodbye, blank friend"}));
    EXPECT_TRUE(h.voice.utterances.back().waited);
}

TEST(SpeakingAGap, ReadingAFillInClueSaysBlankAndSpellingItStillNamesTheUnderscore)
{
    Harness h({smallPuzzle()});
    openFirstPuzzle(h);
    h.say(Key::Tab);
    h.say(Key::Down);
    EXPECT_EQ(h.say(Key::Down), QStringList{"3 down, 3letters,  Connect the blanks"});
    EXPECT_EQ(h.g().session().clueread, "3 down, 3letters,  Connect the ___s");
    EXPECT_EQ(h.say(Key::Space, Mod::Shift).join(QString()).count(QStringLiteral("blank")), 1);
}

} // namespace
