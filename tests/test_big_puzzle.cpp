// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// Solving a 21 x 21 puzzle of 150 clues by ear: reaching a clue by its
// number and by the page keys, hearing the crossings, checking and revealing
// one answer or letter, taking changes back, and reopening where it was left.
#include "aids/solving.h"
#include "solving_fixture.h"

#include <gtest/gtest.h>

namespace {

class BigPuzzle : public ::testing::Test {
protected:
    BigPuzzle() : rows(latticeRows(21, true)), h({puzzleBytes(rows, numberedClues(rows)), puzzleBytes(rows, numberedClues(rows))}) {}
    void SetUp() override { openFirstPuzzle(h); }

    // What is said once a typed number's pause is over.
    QStringList afterPause()
    {
        h.tick(TypedNumber::PauseTicks);
        h.drain();
        return h.spoken();
    }
    QString reading(const QStringList &heard) const { return heard.isEmpty() ? QString() : heard.last(); }
    // Types a word on the answer line of the current clue and writes it.
    void write(const QString &word)
    {
        for (const QChar ch : word)
            h.say(ch.unicode());
        h.say(Key::Enter);
    }
    QString letterAt(int row, int col) { return h.g().attempt().letter(row * 21 + col); }

    QStringList rows;
    Harness h;
};

TEST_F(BigPuzzle, TypedNumbersHomeEndAndPageKeysReachAClue)
{
    // 1 and 13 could still grow into 133: nothing is chosen until the third digit.
    EXPECT_EQ(h.say('1'), QStringList{"1"});
    EXPECT_EQ(h.say('3'), QStringList{"3"});
    QStringList heard = h.say('3');
    EXPECT_EQ(heard.value(0), "3");
    EXPECT_TRUE(reading(heard).startsWith("133 across, 21letters,  Clue A133")) << reading(heard).toStdString();
    EXPECT_EQ(h.g().form().D[20 * 21 + 1].backColor, Colour::Yellow);

    // 2 could be 20 or more: after a second's pause it is taken, and as no
    // across clue has it, the down clue is read.
    EXPECT_EQ(h.say('2'), QStringList{"2"});
    EXPECT_TRUE(reading(afterPause()).startsWith("2 down, "));
    EXPECT_EQ(h.g().session().curdir, 2);
    // Enter takes a number at once.
    h.say('7');
    EXPECT_TRUE(reading(h.say(Key::Enter)).startsWith("7 down, "));
    EXPECT_EQ(h.g().session().viewmode, ViewMode::ClueList);
    // 134 cannot grow and has no clue; any other key drops a number half typed.
    h.say('1');
    h.say('3');
    EXPECT_EQ(h.say('4'), (QStringList{"4", "There is no clue 134"}));
    h.say('5');
    h.say(Key::Escape);
    EXPECT_TRUE(afterPause().isEmpty());
    EXPECT_TRUE(reading(h.say(Key::Space)).startsWith("7 down, "));

    // Home and End: the first and the last clue of the list shown.
    EXPECT_TRUE(reading(h.say(Key::End)).startsWith("132 down, "));
    EXPECT_TRUE(reading(h.say(Key::Home)).startsWith("1 down, "));
    // Page keys go ten clues on or back, and stop at the ends on the wall.
    h.say(Key::PageDown);
    EXPECT_EQ(h.g().session().curclue, 11);
    h.sound.plays.clear();
    h.say(Key::PageUp);
    EXPECT_EQ(h.g().session().curclue, 1);
    EXPECT_TRUE(h.sound.names().isEmpty());
    EXPECT_TRUE(reading(h.say(Key::PageUp)).startsWith("1 down, "));
    EXPECT_EQ(h.sound.names(), QStringList{"wall"});
    h.say(Key::End);
    h.say(Key::PageUp);
    h.say(Key::PageDown);
    EXPECT_EQ(h.g().session().curclue, 77);
    EXPECT_EQ(h.sound.names(), QStringList{"wall"});
    h.say(Key::PageDown);
    EXPECT_EQ(h.sound.names(), (QStringList{"wall", "wall"}));
    EXPECT_EQ(h.g().session().curclue, 77);
}

// 1 down runs down the first column: its squares 1, 3, 4 and 5 are crossed
// by across answers, 2 and 6 by none.
TEST_F(BigPuzzle, F7ReadsTheCrossingsAndShiftF7GoesToOne)
{
    h.say(Key::Tab);
    h.say(Key::Home);  // 1 down
    write("A");        // 1 across now starts with A
    const QString row2 = QStringLiteral("%1 across").arg(h.g().puzzle().cell(2, 0).acrossWord);
    const QString row3 = QStringLiteral("%1 across").arg(h.g().puzzle().cell(3, 0).acrossWord);
    const QString row4 = QStringLiteral("%1 across").arg(h.g().puzzle().cell(4, 0).acrossWord);
    h.press(Key::F7);
    h.drain();
    EXPECT_EQ(h.spoken(), QStringList{"letter 1, 1 across, A; letter 3, " + row2 + ", blank; letter 4, " + row3
                                      + ", blank; letter 5, " + row4 + ", blank"});

    // On the answer line: the clue crossing the current box, or none.
    h.say(Key::Enter);
    h.press(Key::F7);
    h.drain();
    EXPECT_EQ(h.spoken(), QStringList{"1 across, 21letters,  Clue A1, first letter, A"});
    h.say(Key::Right);
    h.press(Key::F7);
    h.drain();
    EXPECT_EQ(h.spoken(), QStringList{"No crossing"});
    h.press(Key::F7, Mod::Shift);
    h.drain();
    EXPECT_EQ(h.spoken(), QStringList{"No crossing"});
    EXPECT_EQ(h.g().session().curdir, 2);

    // Shift+F7 on box 3: the across answer of that row, its line open on the same square.
    h.say(Key::Right);
    h.press(Key::F7, Mod::Shift);
    h.drain();
    const QStringList heard = h.spoken();
    EXPECT_TRUE(heard.value(0).startsWith(row2 + ", 21letters")) << heard.value(0).toStdString();
    EXPECT_EQ(heard.value(1), "first letter blank");
    EXPECT_EQ(h.g().session().viewmode, ViewMode::LetterEntry);
    EXPECT_EQ(h.g().session().curdir, 1);
    EXPECT_EQ(h.g().session().letterpos, 1);
    EXPECT_EQ(h.g().form().lblIn[1].backColor, Colour::Yellow);
    h.say('Q');
    h.say(Key::Enter);
    EXPECT_EQ(letterAt(2, 0), "Q");
}

TEST_F(BigPuzzle, F3ChecksAnAnswerOrABoxAndF6RevealsOneLetter)
{
    const QString first = rows[0];
    // Empty: no mistakes. Two wrong letters among right ones are named by position.
    h.press(Key::F3);
    h.drain();
    EXPECT_EQ(h.spoken(), QStringList{"No mistakes in this answer"});
    QString typed = first.left(6);
    typed[1] = QLatin1Char(first[1] == 'Z' ? 'Y' : 'Z');
    typed[4] = QLatin1Char(first[4] == 'Z' ? 'Y' : 'Z');
    write(typed);
    h.press(Key::F3);
    h.drain();
    EXPECT_EQ(h.spoken(), QStringList{"2 wrong letters: second, fifth"});

    // On the answer line, box by box.
    h.say(Key::Enter);
    for (const char *verdict : {"right", "wrong"}) {
        h.press(Key::F3);
        h.drain();
        EXPECT_EQ(h.spoken(), QStringList{verdict});
        h.say(Key::Right);
    }
    for (int i = 0; i < 6; ++i)
        h.say(Key::Right);
    h.press(Key::F3);
    h.drain();
    EXPECT_EQ(h.spoken(), QStringList{"blank"});

    // F6 on the line: that box's letter, grey in the grid.
    h.press(Key::F6);
    h.drain();
    EXPECT_EQ(h.spoken(), QStringList{QString(first[8])});
    EXPECT_EQ(letterAt(0, 8), QString(first[8]));
    EXPECT_TRUE(h.g().attempt().revealed(8));
    EXPECT_EQ(h.g().form().lblIn[9].caption, QString(first[8]));
    h.say(Key::Escape);
    // In the clue list: the first empty or wrong square, here the wrong second.
    h.press(Key::F6);
    h.drain();
    EXPECT_EQ(h.spoken(), QStringList{QString(first[1]) + ", second letter"});
    EXPECT_TRUE(h.g().attempt().revealed(1));
    h.press(Key::F3);
    h.drain();
    EXPECT_EQ(h.spoken(), QStringList{"1 wrong letter: fifth"});
}

TEST_F(BigPuzzle, F6AloneSolvesThePuzzle)
{
    // Walking on whenever the current answer has nothing left to reveal.
    for (int press = 0; press < 21 * 21 + 150 && h.g().session().viewmode != ViewMode::Menu; ++press) {
        h.press(Key::F6);
        h.drain();
        if (h.spoken().contains("Nothing to reveal"))
            h.say(Key::Down);
    }
    EXPECT_EQ(h.g().session().viewmode, ViewMode::Menu);
    EXPECT_TRUE(h.sound.names().contains("cheer"));
    EXPECT_TRUE(Solving::isFull(h.g().puzzle(), h.g().attempt()));
}

TEST_F(BigPuzzle, CtrlZTakesBackEachKindOfChangeInTurnUntilTheOpening)
{
    EXPECT_EQ(h.say(Key::Z, Mod::Ctrl), QStringList{"Nothing to undo"});
    const QString first = rows[0];
    const QString blanks20 = QString(" blank").repeated(20);
    // A written answer, then a revealed letter, then a revealed answer.
    write(first.left(1));
    h.press(Key::F6);
    h.drain();
    h.say(Key::Down);
    h.confirm.answers = {true};
    h.press(Key::F2, Mod::Shift);
    h.drain();
    h.spoken();
    const QString second = h.g().answerName(h.g().currentClueRow());
    EXPECT_EQ(letterAt(1, 2), QString(rows[1][2]));

    EXPECT_EQ(h.say(Key::Z, Mod::Ctrl), QStringList{"Undone, " + second + ", blank blank blank"});
    EXPECT_TRUE(letterAt(1, 2).isEmpty());
    EXPECT_EQ(h.say(Key::Z, Mod::Ctrl), QStringList{"Undone, 1 across, " + QString(first[0]) + blanks20});
    EXPECT_FALSE(h.g().attempt().revealed(1));
    EXPECT_EQ(h.say(Key::Z, Mod::Ctrl), QStringList{"Undone, 1 across, blank" + blanks20});
    EXPECT_EQ(h.say(Key::Z, Mod::Ctrl), QStringList{"Nothing to undo"});

    // An answer emptied by writing empty boxes, then a letter in a magnified view.
    h.say(Key::Up);
    write("QQ");
    h.say(Key::Enter);
    h.say(Key::Delete);
    h.say(Key::Right);
    h.say(Key::Delete);
    h.say(Key::Enter);
    EXPECT_TRUE(letterAt(0, 0).isEmpty());
    h.say(Key::F4);
    h.say('K');
    EXPECT_EQ(letterAt(0, 0), "K");
    EXPECT_EQ(h.say(Key::Z, Mod::Ctrl), QStringList{"Undone, 1A, blank"});
    for (int i = 0; i < 5; ++i)
        h.say(Key::F4);
    ASSERT_EQ(h.g().session().viewmode, ViewMode::ClueList);
    EXPECT_EQ(h.say(Key::Z, Mod::Ctrl), QStringList{"Undone, 1 across, Q Q" + QString(" blank").repeated(19)});
    EXPECT_EQ(letterAt(0, 1), "Q");

    // Saved at F12; reopened, nothing is left to undo and the letters stay.
    h.say(Key::F12);
    h.say(Key::Enter);
    EXPECT_EQ(h.say(Key::Z, Mod::Ctrl), QStringList{"Nothing to undo"});
    EXPECT_EQ(letterAt(0, 1), "Q");
}

TEST_F(BigPuzzle, ReopeningReturnsToTheClueLeftAlsoAfterARestart)
{
    // 70 down in three keys from the opening: Tab and two digits.
    h.say(Key::Tab);
    h.say('7');
    EXPECT_TRUE(reading(h.say('0')).startsWith("70 down, "));
    h.say(Key::F12);
    EXPECT_TRUE(reading(h.say(Key::Enter)).startsWith("70 down, "));
    EXPECT_TRUE(reading(h.say(Key::Down)).startsWith("72 down, "));
    h.say(Key::F12);

    // A new run over the same state folder opens it at the next down clue.
    const Environment env = h.g().env();
    h.game = std::make_unique<Crosswords>(Services{h.voice, h.sound, h.confirm, h.measure, h.resources, h.printer, h.app},
                                          env);
    h.start();
    h.drain();
    EXPECT_TRUE(reading(h.say(Key::Enter)).startsWith("72 down, "));
    // A puzzle never left on a clue opens at 1 across.
    h.say(Key::F12);
    h.say(Key::Right);
    EXPECT_TRUE(reading(h.say(Key::Enter)).startsWith("1 across, "));
}

} // namespace
