// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// The answer line: typing, moving, the alphabet, deleting, the overwrite
// guard, writing into the grid and dropping the line.
#include "solving_fixture.h"

#include <gtest/gtest.h>

namespace {

class LetterEntry : public ::testing::Test {
protected:
    LetterEntry() : h({smallPuzzle()}) {}
    void SetUp() override { openFirstPuzzle(h); }  // on A1 SANE
    QString box(int k) { return h.g().form().lblIn[k].caption; }
    QString square(int row, int col) { return h.g().form().D[sq(row, col)].caption; }
    // Types a word from the clue list and writes it with Enter.
    void fill(const QString &word)
    {
        for (const QChar ch : word)
            h.say(ch.unicode());
        h.say(Key::Enter);
    }
    Harness h;
};

TEST_F(LetterEntry, TypingSpeaksEachLetterAtOnceAndTheNextTickMovesOn)
{
    h.press('S');  // from the clue list: opens the line and types into box 1
    EXPECT_EQ(h.g().session().viewmode, 2);
    EXPECT_EQ(h.spoken(), QStringList{"S"});
    EXPECT_EQ(box(1), "S");
    EXPECT_EQ(h.g().keycode(), QString(QChar(Key::Right)) + QChar('7'));
    h.tick();  // the engine's Right: the voice is still busy with "S"
    EXPECT_EQ(h.g().session().letterpos, 2);
    EXPECT_EQ(h.g().announcer().saymsg, ", second letter blank");
    h.voice.finish();
    h.tick();
    EXPECT_EQ(h.spoken(), QStringList{", second letter blank"});

    EXPECT_EQ(h.say('A'), (QStringList{"A", ", third letter blank"}));
    EXPECT_EQ(h.say('N'), (QStringList{"N", ", last letter blank"}));
    // The last box: the letter is said and nothing moves.
    h.press('E');
    EXPECT_TRUE(h.g().keycode().isEmpty());
    h.drain();
    EXPECT_EQ(h.spoken(), QStringList{"E"});
    EXPECT_EQ(h.g().session().letterpos, 4);
    EXPECT_EQ(h.g().form().lblIn[4].backColor, Colour::Yellow);
    EXPECT_EQ(h.g().form().lblIn[3].backColor, Colour::White);
    // Nothing reaches the board before Enter.
    EXPECT_TRUE(square(0, 0).isEmpty());
}

TEST_F(LetterEntry, ALetterTypedBeforeTheEnginesMoveWaitsBehindItAndNothingOverwritesTheMove)
{
    h.press('S');
    h.g().Form_KeyDown('T', Mod::None);  // the engine's Right is still in the mailbox
    h.g().Form_KeyDown('A', Mod::None);  // a user key still replaces a user key not taken
    EXPECT_EQ(h.g().keycode(), QString(QChar(Key::Right)) + QChar('7'));
    EXPECT_TRUE(h.g().keyWaiting());
    h.tick();  // the engine's move first
    EXPECT_EQ(h.g().session().letterpos, 2);
    h.tick();  // then the letter, in the next box
    EXPECT_EQ(box(1), "S");
    EXPECT_EQ(box(2), "A");
    h.tick();  // and its own move
    EXPECT_EQ(h.g().session().letterpos, 3);
    EXPECT_FALSE(h.g().keyWaiting());

    // A key the engine posts while a user key waits goes ahead of it too.
    h.g().Form_KeyDown(Key::Left, Mod::None);
    h.g().postKey(Key::Right, Mod::Engine);
    h.tick();
    EXPECT_EQ(h.g().session().letterpos, 4);
    h.tick();
    EXPECT_EQ(h.g().session().letterpos, 3);
}

TEST_F(LetterEntry, AWholeAnswerTypedAtTwentyKeysASecondLandsLetterByLetter)
{
    typeAtPace(h, {'S', 'A', 'N', 'E', Key::Enter}, 50);
    EXPECT_EQ(h.spoken().mid(0, 4), (QStringList{"S", "A", "N", "E"}));
    h.drain();
    EXPECT_EQ(h.spoken(), QStringList{"you filled this in with, S, A, N, E"});
    EXPECT_EQ(square(0, 0) + square(0, 1) + square(0, 2) + square(0, 3), "SANE");

    // The same pace with the keys arriving faster than any tick: two user keys
    // in a row are one replacing the other (the newest wins), never a lost move.
    h.say(Key::Down);  // 3 across DOG
    typeAtPace(h, {'D', 'O', 'G'}, 20);
    EXPECT_EQ(box(1) + box(2) + box(3), "DOG");
}

TEST_F(LetterEntry, SpaceAfterASaveReadsTheLettersNowInTheGrid)
{
    fill("SAEN");
    h.spoken();
    h.say(Key::Enter);  // back on the line: put N and E right
    h.say(Key::Right);
    h.say(Key::Right);
    h.say('N');  // box 3 is shared with 2 down: confirmed
    h.say('E');
    h.say(Key::Enter);
    h.spoken();
    const QStringList heard = h.say(Key::Space);
    ASSERT_FALSE(heard.isEmpty());
    EXPECT_TRUE(heard.join('|').endsWith("you filled this in with, SANE")) << heard.join('|').toStdString();
    h.say(Key::Enter);  // on the answer line too: the grid's letters
    EXPECT_TRUE(h.say(Key::Space).join('|').endsWith("you filled this in with, SANE"));
}

TEST_F(LetterEntry, EnterOpensTheLineAndArrowsMoveWithoutWrapping)
{
    EXPECT_EQ(h.say(Key::Enter), QStringList{"First letter blank"});
    EXPECT_EQ(h.g().session().viewmode, 2);
    EXPECT_EQ(h.g().form().lblIn[1].backColor, Colour::Yellow);
    EXPECT_GT(h.g().form().shpsel.z, h.g().form().lblBack.z);  // frame in front of the backdrop
    EXPECT_EQ(h.say(Key::Right), QStringList{", second letter blank"});
    h.say(Key::Right);
    h.say(Key::Right);
    EXPECT_EQ(h.say(Key::Right), QStringList{", last letter blank"});  // stays on box 4
    EXPECT_EQ(h.g().session().letterpos, 4);
    for (int i = 0; i < 5; ++i)
        h.say(Key::Left);
    EXPECT_EQ(h.g().session().letterpos, 1);
    EXPECT_TRUE(h.sound.plays.empty());  // no sound at either end
}

TEST_F(LetterEntry, UpAndDownScrollTheAlphabetThroughBlank)
{
    h.say(Key::Enter);
    EXPECT_EQ(h.say(Key::Up), QStringList{", Z"});
    EXPECT_EQ(h.say(Key::Down), QStringList{", blank"});  // Down from Z
    EXPECT_EQ(h.say(Key::Down), QStringList{", A"});
    EXPECT_EQ(h.say(Key::Down), QStringList{", B"});
    h.say(Key::Up);
    EXPECT_EQ(h.say(Key::Up), QStringList{", blank"});  // Up from A
    EXPECT_TRUE(box(1).isEmpty());
    EXPECT_TRUE(square(0, 0).isEmpty());  // only the box changes
}

TEST_F(LetterEntry, BackspaceAndDeleteEmptyBoxes)
{
    h.say(Key::Enter);
    h.say(Key::Backspace);
    EXPECT_EQ(h.sound.names(), QStringList{"wall"});  // box 1: the wall
    EXPECT_EQ(h.g().session().letterpos, 1);
    h.say('S');
    h.say('A');
    EXPECT_EQ(h.say(Key::Backspace), QStringList{"delete A"});
    EXPECT_EQ(h.g().session().letterpos, 2);
    EXPECT_TRUE(box(2).isEmpty());
    EXPECT_EQ(h.g().form().lblIn[2].backColor, Colour::Yellow);
    EXPECT_EQ(h.g().form().lblIn[3].backColor, Colour::White);
    h.say(Key::Left);
    EXPECT_EQ(h.say(Key::Delete), QStringList{"delete S"});
    EXPECT_EQ(h.g().session().letterpos, 1);
    EXPECT_EQ(h.say(Key::Delete), QStringList{"delete "});
}

TEST_F(LetterEntry, EnterWritesTheLineIntoTheGridAndReadsItBack)
{
    h.say('S');
    h.say('A');
    EXPECT_EQ(h.say(Key::Enter), QStringList{"so far you have typed, S, A, blank, blank"});
    EXPECT_EQ(h.g().session().viewmode, 1);
    EXPECT_EQ(square(0, 0), "S");
    EXPECT_EQ(square(0, 1), "A");
    EXPECT_EQ(h.g().form().lblClue[1].foreColor, Colour::Black);

    h.say(Key::Enter);
    h.say(Key::Right);
    h.say(Key::Right);
    h.say('N');
    h.say('E');
    EXPECT_EQ(h.say(Key::Enter), QStringList{"you filled this in with, S, A, N, E"});
    EXPECT_EQ(h.g().form().lblClue[1].foreColor, Colour::Grey);
    EXPECT_EQ(square(0, 3), "E");
    EXPECT_FALSE(h.g().form().shpsel.z > h.g().form().lblBack.z);  // frame back behind the panel
}

TEST_F(LetterEntry, EnterWithEveryBoxEmptySaysCancelledAndEmptiesTheSquares)
{
    fill("SANE");
    h.say(Key::Enter);
    for (int k = 1; k <= 4; ++k) {
        h.g().session().letterpos = k;
        h.say(Key::Delete);
    }
    EXPECT_EQ(h.say(Key::Enter), QStringList{"cancelled"});
    for (int c = 0; c < 4; ++c)
        EXPECT_TRUE(square(0, c).isEmpty()) << c;
}

TEST_F(LetterEntry, EscapeDropsTheLineAndReadsTheClueAgain)
{
    fill("SA");
    h.spoken();
    h.say(Key::Enter);
    h.say(Key::Right);
    h.say(Key::Right);
    h.say('X');
    EXPECT_EQ(h.say(Key::Escape),
              (QStringList{"cancelled", "1 across, 4letters,  Of sound mind, first letter, S, second letter, A"}));
    EXPECT_EQ(h.g().session().viewmode, 1);
    EXPECT_TRUE(square(0, 2).isEmpty());
    EXPECT_EQ(box(3), "");  // refilled from the board
}

TEST_F(LetterEntry, TheOverwriteGuardAsksOnlyForADifferentLetterInASharedSquare)
{
    fill("SANE");
    h.spoken();
    h.say(Key::Enter);

    // Box 1 (S) is shared with 1 down: typing T asks; Cancel keeps S.
    h.confirm.answers = {false};
    h.press('T');
    EXPECT_EQ(h.spoken(), (QStringList{"Warning, you are about to overwrite a square that affects another answer. "
                                       "Are you sure? Press the enter key to confirm or the escape key to cancel.",
                                       "cancelled"}));
    EXPECT_EQ(h.confirm.prompts, QStringList{"Overwrite square. Are you sure?"});
    EXPECT_EQ(box(1), "S");
    EXPECT_TRUE(h.g().keycode().isEmpty());

    // The same letter: no question.
    h.drain();
    h.say('S');
    EXPECT_EQ(h.confirm.prompts.size(), 1);
    // Box 2 (A) crosses nothing: no question for a different letter.
    h.say('O');
    EXPECT_EQ(h.confirm.prompts.size(), 1);
    EXPECT_EQ(box(2), "O");

    // Box 3 (N) is shared with 2 down: OK types the letter.
    h.confirm.answers = {true};
    h.press('R');
    EXPECT_EQ(h.confirm.prompts.size(), 2);
    const QStringList said = h.spoken();
    ASSERT_EQ(said.size(), 3);
    EXPECT_EQ(said[1], "");   // the question is cut short
    EXPECT_EQ(said[2], "R");
    EXPECT_EQ(box(3), "R");
    EXPECT_EQ(square(0, 2), "N");  // still only on the line
}

TEST_F(LetterEntry, TheGuardLooksAtTheSquareUnderTheBoxOfADownAnswer)
{
    fill("SANE");  // S is shared with 1 down
    h.say(Key::Down, Mod::Ctrl);  // 1 down: S, O, U
    h.say(Key::Enter);
    EXPECT_EQ(box(1), "S");
    h.say(Key::Right);
    h.drain();
    h.say('X');  // box 2 of 1 down is empty on the board: no question
    EXPECT_TRUE(h.confirm.prompts.isEmpty());
    h.say(Key::Left);  // typing X moved the cursor on to box 3
    h.say(Key::Left);
    h.say('B');  // box 1: S, shared with 1 across
    EXPECT_EQ(h.confirm.prompts.size(), 1);
}

} // namespace
