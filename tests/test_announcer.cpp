// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// Text sinks beside the voice: each gets every phrase the voice is handed,
// spoken or spoken-and-waited, as the game queued it, and is stopped when the
// solver silences the game.
#include "solving_fixture.h"
#include "support/logcapture.h"

#include <gtest/gtest.h>

namespace {

// The phrases of "say: " and "saywait: " log lines, in order.
QStringList handedOver(const QStringList &lines)
{
    QStringList phrases;
    for (const QString &line : lines) {
        for (const QString prefix : {QStringLiteral("crosswords.speech: say: "),
                                     QStringLiteral("crosswords.speech: saywait: ")})
            if (line.startsWith(prefix))
                phrases.append(line.mid(prefix.size()));
    }
    return phrases;
}

TEST(TextSinks, EverySinkGetsEachPhraseHandedToTheVoiceAndIsStoppedByCtrl)
{
    Harness h({smallPuzzle()});
    RecordingSink first, second;
    h.g().announcer().addSink(first);
    h.g().announcer().addSink(second);
    LogCapture log("crosswords.speech=true");
    openFirstPuzzle(h);
    h.press(Key::F1);            // a help page goes straight to the voice
    h.g().announcer().saysync = 1;  // the next phrase is spoken and waited for
    h.g().announcer().saymsg = QStringLiteral("Not ___ true\tlast");
    h.drain();

    const QStringList phrases = handedOver(LogCapture::lines());
    ASSERT_GE(phrases.size(), 4);
    EXPECT_EQ(first.phrases, phrases);
    EXPECT_EQ(second.phrases, phrases);
    // The sink reads the phrase as queued; only the voice hears the gap as "blank".
    EXPECT_EQ(first.phrases.mid(first.phrases.size() - 2), (QStringList{"Not ___ true", "last"}));
    EXPECT_EQ(h.voice.texts().mid(h.voice.texts().size() - 2), (QStringList{"Not blank true", "last"}));
    EXPECT_TRUE(h.voice.utterances[h.voice.utterances.size() - 2].waited);

    EXPECT_EQ(first.stops, 0);
    h.g().silence();
    EXPECT_EQ(first.stops, 1);
    EXPECT_EQ(second.stops, 1);
}

} // namespace
