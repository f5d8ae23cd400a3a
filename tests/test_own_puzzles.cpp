// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// The solver's own crossword files in the menu, after the built-in puzzles.
#include "puzzle/puzzlefile.h"
#include "solving_fixture.h"
#include "support/logcapture.h"
#include "writers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

const QString kFifteen = QStringLiteral("Test puzzle, 15 by 15");
const QString kTwentyOne = QStringLiteral("Test puzzle, 21 by 21");

class OwnPuzzles : public ::testing::Test {
protected:
    OwnPuzzles() : folder(h.dir.path() + QStringLiteral("/puzzles/"))
    {
        QDir().mkpath(folder);
        h.g().env().puzzlesDir = folder;
    }
    void put(const QString &name, const QByteArray &bytes)
    {
        QFile f(folder + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    void startInMenu()
    {
        h.start();
        h.drain();
    }

    Harness h;  // two built-in puzzles
    QString folder;
};

TEST_F(OwnPuzzles, TheyFollowTheBuiltInPuzzlesInTheOrderOfTheirNamesAndBadFilesAreNamed)
{
    LogCapture log("crosswords.puzzles=true");
    put("2026-12-10.ipuz", writeIpuz(testPuzzle(15)));
    put("2026-12-9.puz", writePuz(testPuzzle(21)));
    put("notes.jpz", "not a crossword");
    startInMenu();
    const QStringList welcome = h.spoken();
    ASSERT_EQ(welcome.size(), 4);
    EXPECT_TRUE(welcome[0].startsWith("Welcome to Quorel Crosswords volume 3. "));
    EXPECT_TRUE(welcome[0].endsWith("You have successfully completed 0 puzzles"));
    EXPECT_EQ(welcome.mid(1), (QStringList{"You also have 2 puzzles of your own",
                                           "A puzzle file could not be read: notes.jpz",
                                           "this is not a crossword file"}));
    EXPECT_TRUE(log.lines().contains("crosswords.puzzles: added: 2026-12-9.puz as 3"));
    EXPECT_TRUE(log.lines().contains("crosswords.puzzles: added: 2026-12-10.ipuz as 4"));
    EXPECT_TRUE(log.lines().contains("crosswords.puzzles: rejected: notes.jpz: this is not a crossword file"));

    // The whole list is walked: End, wrap-around, Home.
    EXPECT_EQ(h.say(Key::End), (QStringList{"Puzzle 4, " + kFifteen, "This puzzle is empty"}));
    EXPECT_EQ(h.say(Key::Right), (QStringList{"Puzzle 1", "This puzzle is empty"}));
    EXPECT_EQ(h.say(Key::Left), (QStringList{"Puzzle 4, " + kFifteen, "This puzzle is empty"}));
    EXPECT_EQ(h.say(Key::Left), (QStringList{"Puzzle 3, " + kTwentyOne, "This puzzle is empty"}));

    // Played like a built-in one; its progress is named after its content.
    h.say(Key::Enter);
    EXPECT_EQ(h.g().puzzle().width(), 21);
    for (int i = 0; i < 5; ++i)
        h.say(h.g().puzzle().clues(Direction::Across).first().answer.at(i).unicode());
    h.say(Key::Enter);
    h.say(Key::F12);
    EXPECT_TRUE(h.g().progressFile(3).contains("quoreltamriva3-own-"));
    h.say(Key::Right);
    const QString percent = h.say(Key::Left).last();
    EXPECT_EQ(percent, "This puzzle is 2 percent done");

    // Renamed, and a new file that comes before it: the letters follow the
    // puzzle to its new number, and the cursor with it.
    ASSERT_TRUE(QFile::rename(folder + "2026-12-9.puz", folder + "renamed.puz"));
    put("2026-12-1.ipuz", writeIpuz(testPuzzle(15)));  // the same content as 12-10: shown once, as 12-1
    put("2026-11-30.jpz", writeJpz(testPuzzle(21)));    // the same as the renamed file, now first
    h.say(Key::Right);
    h.say(Key::Enter);  // puzzle 4 open while the files change
    put("2026-11-29.ipuz", writeIpuz(testPuzzle(15))
                                  .replace("Test puzzle, 15 by 15", "Another")
                                  .replace("Wicked deeds", "Evil deeds"));
    h.say(Key::F12);  // back in the menu: the folder is read again
    EXPECT_EQ(h.g().session().curpuz, 5);
    EXPECT_EQ(h.say(Key::Left), (QStringList{"Puzzle 4, " + kTwentyOne, percent}));
    EXPECT_EQ(h.say(Key::Left), (QStringList{"Puzzle 3, Another", "This puzzle is empty"}));
    EXPECT_EQ(h.say(Key::End), (QStringList{"Puzzle 5, " + kFifteen, "This puzzle is empty"}));
}

TEST_F(OwnPuzzles, AFileHandedOverIsNamedWithItsNumberAndCountsInTheCompletedSentence)
{
    put("a.ipuz", writeIpuz(testPuzzle(15)));
    startInMenu();
    h.spoken();
    put("b.puz", writePuz(testPuzzle(21)));
    h.g().ownPuzzlesHandedOver({"b.puz"});
    h.drain();
    EXPECT_EQ(h.spoken(), (QStringList{"New puzzle added: " + kTwentyOne, "Puzzle 4"}));
    // The same content under another name is the puzzle it already was.
    put("c.puz", writePuz(testPuzzle(21)));
    h.g().ownPuzzlesHandedOver({"c.puz"});
    h.drain();
    EXPECT_EQ(h.spoken(), (QStringList{"Puzzle already added: " + kTwentyOne, "Puzzle 4"}));
    // Enter opens it; a solved own puzzle counts as completed.
    h.say(Key::Enter);
    EXPECT_EQ(h.g().puzzle().width(), 21);
    const Puzzle &p = h.g().puzzle();
    for (int r = 0; r < p.height(); ++r)
        for (int c = 0; c < p.width(); ++c)
            if (!p.cell(r, c).block)
                putLetter(h.g(), r * p.width() + c + 1, p.cell(r, c).solution);
    h.say(Key::F12);
    EXPECT_EQ(h.say(Key::Space), QStringList{"You have successfully completed 1 puzzle"});
}

TEST_F(OwnPuzzles, TheNextStartStillNamesTheFilesThatCouldNotBeRead)
{
    put("a.ipuz", writeIpuz(testPuzzle(15)));
    put("notes.jpz", "not a crossword");
    startInMenu();
    const QStringList firstWelcome = h.spoken();
    ASSERT_TRUE(QFileInfo::exists(h.g().env().stateDir + "puzzle-index"));

    LogCapture log("crosswords.puzzles=true");
    Harness next;
    next.g().env().puzzlesDir = folder;
    next.g().env().stateDir = h.g().env().stateDir;
    next.start();
    next.drain();
    EXPECT_EQ(next.spoken(), firstWelcome);
    EXPECT_EQ(firstWelcome.mid(1), (QStringList{"You also have 1 puzzle of your own",
                                                "A puzzle file could not be read: notes.jpz",
                                                "this is not a crossword file"}));
    EXPECT_TRUE(log.lines().contains("crosswords.puzzles: added: a.ipuz as 3"));
    EXPECT_TRUE(log.lines().contains("crosswords.puzzles: rejected: notes.jpz: this is not a crossword file"));
}

TEST_F(OwnPuzzles, AFileGoneSinceTheScanIsNamedInsteadOfOpenedButAnOpenPuzzleStaysPlayable)
{
    put("a.ipuz", writeIpuz(testPuzzle(15)));
    put("b.puz", writePuz(testPuzzle(21)));
    startInMenu();
    h.spoken();

    // a.ipuz goes while the menu lists it: named when reached and when
    // opened, and the game stays in the menu.
    ASSERT_TRUE(QFile::remove(folder + "a.ipuz"));
    const QStringList unread{"A puzzle file could not be read: a.ipuz", PuzzleFileError::cannotOpen()};
    h.say(Key::End);
    EXPECT_EQ(h.say(Key::Left), QStringList{"Puzzle 3, " + kFifteen} + unread);
    EXPECT_EQ(h.say(Key::Enter), unread);
    EXPECT_EQ(h.g().session().viewmode, 0);

    // b.puz goes while it is open: it is solved and saved all the same, and
    // listed until the game is back in the menu again.
    h.say(Key::Right);
    h.say(Key::Enter);
    ASSERT_TRUE(QFile::remove(folder + "b.puz"));
    for (int i = 0; i < 5; ++i)
        h.say(h.g().puzzle().clues(Direction::Across).first().answer.at(i).unicode());
    h.say(Key::Enter);
    h.say(Key::F12);
    EXPECT_EQ(h.g().session().curpuz, 3);
    h.say(Key::Left);
    EXPECT_EQ(h.say(Key::Right), (QStringList{"Puzzle 3, " + kTwentyOne, "This puzzle is 2 percent done"}));
    h.say(Key::Home);
    h.say(Key::Enter);
    h.say(Key::F12);
    EXPECT_EQ(h.g().puzcount(), 2);
}

TEST_F(OwnPuzzles, APuzzleWithoutItsSolutionSaysSoAndNeitherChecksNorReveals)
{
    QJsonObject ipuz = QJsonDocument::fromJson(writeIpuz(testPuzzle(15))).object();
    ipuz.remove("solution");
    put("blank.ipuz", QJsonDocument(ipuz).toJson());
    put("locked.puz", writePuz(testPuzzle(21), 1234));  // a key that will be found
    startInMenu();
    h.spoken();
    h.say(Key::End);
    EXPECT_EQ(h.say(Key::Left).first(), "Puzzle 3, " + kFifteen);
    const QStringList opened = h.say(Key::Enter);
    const QString phrase = "This puzzle came without its answers, so it cannot be checked or revealed";
    EXPECT_EQ(opened.first(), phrase);
    for (const int key : {Key::F2, Key::F3, Key::F6})
        EXPECT_EQ(h.say(key), QStringList{phrase});
    h.press(Key::F2, Mod::Shift);
    h.drain();
    EXPECT_EQ(h.spoken(), QStringList{phrase});
    EXPECT_TRUE(h.confirm.prompts.isEmpty());
    // A locked file whose key is found plays with its solution.
    h.say(Key::F12);
    h.say(Key::Right);
    h.say(Key::Enter);
    EXPECT_TRUE(h.g().puzzle().hasSolution());
    EXPECT_EQ(h.say(Key::F2), QStringList{"there are no mistakes in the crossword so far"});
    // Its circled squares (all of 1 across) are named in a magnified view.
    h.say(Key::F4);
    EXPECT_EQ(h.say(Key::Right).last(), "circled");
}

// 3 x 3 with a rebus square: BA[JAN] / O#E / GOT, the A of 1 across and the
// O of 3 across circled. 1 across BAJAN, 3 across GOT, 1 down BOG, 2 down JANET.
Puzzle rebusPuzzle()
{
    const QStringList solution{"B", "A", "JAN", "O", "", "E", "G", "O", "T"};
    QList<PuzzleCell> cells;
    for (qsizetype i = 0; i < solution.size(); ++i) {
        PuzzleCell &cell = cells.emplace_back();
        cell.block = solution[i].isEmpty();
        cell.solution = solution[i];
        cell.circled = i == 1 || i == 7;
    }
    Puzzle puzzle(3, 3, cells);
    puzzle.setInfo({"Rebus test", "Quorel Crosswords developers", "2026 Quorel Crosswords developers", {}});
    PuzzleFile::addClues(puzzle, {{Direction::Across, 1, "Of an island people", {}}, {Direction::Across, 3, "Obtained", {}},
                                  {Direction::Down, 1, "Marsh", {}}, {Direction::Down, 2, "A name", {}}});
    return puzzle;
}

// What is said along the way is in the test's trace.
TEST_F(OwnPuzzles, ARebusIsTypedWithInsertReadWholeCheckedSavedRevealedAndPrinted)
{
    put("rebus.ipuz", writeIpuz(rebusPuzzle()));
    startInMenu();
    const auto keys = [&](std::initializer_list<int> list) {
        for (const int key : list)
            h.say(key);
    };
    // 1 across: "5 letters in 3 squares", "second letter circled"; J A N in box 3.
    keys({Key::End, Key::Enter, 'B', 'A', Key::Insert, 'J', 'A', 'N', Key::Insert, Key::Left, Key::Right, Key::Enter});
    EXPECT_EQ(h.g().form().D[3].caption, "JAN");
    EXPECT_EQ(h.say(Key::F2), QStringList{"there are no mistakes in the crossword so far"});
    // An arrow ends a rebus too; 2 down and a magnified view read the box whole.
    keys({Key::Space, Key::Enter, Key::Right, Key::Insert, 'A', Key::Right, Key::Escape, Key::Tab, Key::Down, Key::Enter,
          Key::Escape, Key::F4, Key::NumMinus, Key::F12, Key::Enter});
    EXPECT_EQ(h.g().form().D[3].caption, "JAN");  // saved and read back whole
    QFile file(h.g().progressFile(3));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    EXPECT_TRUE(saved.contains("\r\nJ\r\n 2\r\nJAN\r\n") && saved.endsWith("\r\nRebus\t3\tJAN\r\n"));
    // Revealed whole (2 down), and printed in letters a third of the size.
    h.confirm.answers = {true, true};
    keys({'2'});  // reopened where it was left; 2 down by its number
    EXPECT_EQ(h.say(Key::F2, Mod::Shift).last(), "the answer is JANET, spelt , J, A, N, E, T");
    h.say(Key::F5);
    const qsizetype jan = h.printer.calls.indexOf("text JAN"), b = h.printer.calls.indexOf("text B");
    ASSERT_TRUE(jan > 1 && b > 1);
    EXPECT_NEAR(h.printer.calls[jan - 2].mid(5).toDouble() * 3, h.printer.calls[b - 2].mid(5).toDouble(), 0.01);
}

// A puzzle whose file says more than grid and clues: its notes are read on the
// first opening and with F11, a digit is typed with its key, a symbol no key
// types is given, and an ampersand is heard once.
TEST_F(OwnPuzzles, NotesAuthorAndCopyrightAreHeardAndSymbolsAreGiven)
{
    put("sums.ipuz", R"({"version": "http://ipuz.org/v2", "kind": ["http://ipuz.org/crossword#1"],
        "title": "Sums", "author": "Ann Setter", "copyright": "2026 Ann Setter",
        "notes": "<p>When this puzzle is done, add up the digits.</p> Good luck!",
        "dimensions": {"width": 3, "height": 2}, "puzzle": [[1, 2, 3], [4, "B", 0]],
        "solution": [[2, "+", "2"], ["A", "B", "C"]],
        "clues": {"Across": [[1, "A small sum"], [4, "R&B start"]],
                  "Down": [[1, "Two, then a letter"], [2, "Plus, then a letter"], [3, "Two, then C"]],
                  "Diagonal": [{"number": 1, "clue": "Two and B", "cells": [[1, 1], [2, 2]]}]}})");
    h.resources.put("TEXT", "FOOTER", "Puzzles made by us\r\nsecond line\r\n");
    startInMenu();
    h.spoken();
    const QStringList notes{"When this puzzle is done, add up the digits.", "Good luck!", "Diagonal 1, Two and B",
                            "blank B"};
    const QStringList info = QStringList{"Puzzle 3, Sums", "by Ann Setter", "2026 Ann Setter"} + notes;
    EXPECT_EQ(h.say(Key::End).first(), "Puzzle 3, Sums");
    EXPECT_EQ(h.say(Key::F11), info);
    // A built-in puzzle has its name and the footer's copyright.
    h.say(Key::Left);
    EXPECT_EQ(h.say(Key::F11), (QStringList{"Puzzle 2", "Puzzles made by us"}));

    h.say(Key::Right);
    const QStringList opened = h.say(Key::Enter);
    ASSERT_GE(opened.size(), 5);
    EXPECT_EQ(opened.mid(0, 4), notes);
    EXPECT_TRUE(opened[4].startsWith("1 across")) << opened[4].toStdString();
    // The plus sign and the letter the file gives are there from the start; the digit is typed.
    EXPECT_EQ(h.g().attempt().letter(1), "+");
    EXPECT_EQ(h.g().attempt().letter(4), "B");
    h.say(Key::Enter);
    EXPECT_EQ(h.say('2'), (QStringList{"2", ", second letter plus sign"}));
    h.say(Key::Right);
    h.say('2');
    h.say(Key::Enter);
    EXPECT_EQ(h.g().attempt().letter(0), "2");
    EXPECT_EQ(h.g().attempt().letter(2), "2");
    QStringList typed = info;
    typed.last() = "2 B";  // the diagonal's letters as they stand
    EXPECT_EQ(h.say(Key::F11), typed);
    const QStringList fourAcross = h.say(Key::Down);
    EXPECT_TRUE(fourAcross.join(' ').contains("R&B start")) << fourAcross.join(QLatin1Char('|')).toStdString();
    // A given letter stays whatever is typed over it.
    h.say(Key::Enter);
    h.say('A');
    h.say('X');
    EXPECT_EQ(h.say(Key::Enter).first(), "so far you have typed, A, B, blank");
    EXPECT_EQ(h.g().attempt().letter(4), "B");
    // With letters in it, the puzzle opens without its notes.
    h.say(Key::F12);
    EXPECT_NE(h.say(Key::Enter).first(), notes.first());
}


// A barred grid with omitted squares: its words end at the bars, the
// magnified walk says where it crosses one, and the answer line is the word's.
TEST_F(OwnPuzzles, ABarredGridPlaysItsWordsAndTheWalkSaysBar)
{
    QFile seed(QStringLiteral(QUOREL_SOURCE_DIR "/fuzz/corpus/ipuz/barred_omitted"));
    ASSERT_TRUE(seed.open(QIODevice::ReadOnly));
    put("bars.ipuz", seed.readAll());
    startInMenu();
    h.spoken();
    h.say(Key::End);
    h.say(Key::Enter);
    ASSERT_EQ(h.g().puzzle().width(), 5);
    EXPECT_EQ(h.g().puzzle().clue(Direction::Across, 1)->answer, "WO");
    EXPECT_EQ(h.g().puzzle().clue(Direction::Down, 4)->answer, "DS");
    h.say(Key::F4);
    EXPECT_EQ(h.say(Key::Right).first(), "1B");
    EXPECT_EQ(h.say(Key::Right), (QStringList{"bar", "1C", "blank"}));
    EXPECT_EQ(h.say(Key::Left), (QStringList{"bar", "1B", "blank"}));
    EXPECT_EQ(h.say(Key::Down).first(), "2B");
    // Printed, each bar is a thick line on its square's edge.
    h.confirm.answers = {true};
    h.say(Key::F5);
    EXPECT_EQ(h.printer.calls.count("thickness 40"), 2);
}

} // namespace
