// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// The readers of the solver's own crossword files, on files our own writers
// make: every format gives back the puzzle it was written from, and damaged
// or hostile files are refused with a reason a solver understands.
#include "puzzle/puzreader.h"
#include "puzzle/puzzlefile.h"
#include "writers.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

static std::ostream &operator<<(std::ostream &out, const QString &text)
{
    return out << text.toStdString();
}

// A failed comparison names the puzzle, not its bytes.
static void PrintTo(const Puzzle &puzzle, std::ostream *out)
{
    *out << puzzle.width() << " x " << puzzle.height() << " \"" << puzzle.info().title << "\", "
         << puzzle.clues(Direction::Across).size() << " across, " << puzzle.clues(Direction::Down).size() << " down";
}

namespace {

// A puzzle from its rows ('#' a block, '[' ... ']' the letters of one rebus
// square, '*' before a letter circles it) with "Clue N" for every word.
Puzzle smallPuzzle(const QStringList &rows)
{
    QList<PuzzleCell> cells;
    int width = 0;
    for (const QString &row : rows) {
        int squares = 0;
        for (qsizetype i = 0; i < row.size(); ++i, ++squares) {
            PuzzleCell &square = cells.emplace_back();
            square.circled = row[i] == QLatin1Char('*');
            i += square.circled ? 1 : 0;
            const qsizetype close = row[i] == QLatin1Char('[') ? row.indexOf(QLatin1Char(']'), i) : i;
            square.block = row[i] == QLatin1Char('#');
            square.solution = row[i] == QLatin1Char('[') ? row.mid(i + 1, close - i - 1) : QString(row[i]);
            i = close;
        }
        width = squares;
    }
    Puzzle puzzle(width, int(rows.size()), cells);
    QList<FileClue> clues;
    for (Direction direction : {Direction::Across, Direction::Down})
        for (int r = 0; r < puzzle.height(); ++r)
            for (int c = 0; c < puzzle.width(); ++c)
                if (const int n = puzzle.cell(r, c).number; n && puzzle.wordNumber(r, c, direction) == n)
                    clues.append({direction, n, QStringLiteral("Clue %1").arg(n), {}});
    EXPECT_TRUE(PuzzleFile::addClues(puzzle, clues));
    return puzzle;
}

Puzzle readOrFail(const QByteArray &bytes, const QString &name)
{
    const PuzzleFileResult result = readPuzzleFile(bytes, name);
    EXPECT_TRUE(result.puzzle.has_value()) << name << ": " << result.error;
    EXPECT_TRUE(result.error.isEmpty()) << name;
    return result.puzzle.value_or(Puzzle());
}

QString refusal(const QByteArray &bytes, const QString &name)
{
    const PuzzleFileResult result = readPuzzleFile(bytes, name);
    EXPECT_FALSE(result.puzzle.has_value()) << name;
    return result.error;
}

// A .puz file has no word breaks, so its answers come back as one word each.
void expectSameButWordBreaks(const Puzzle &read, const Puzzle &written, const QString &name)
{
    ASSERT_EQ(read.width(), written.width()) << name;
    ASSERT_EQ(read.height(), written.height()) << name;
    EXPECT_EQ(read.info(), written.info()) << name;
    for (int r = 0; r < read.height(); ++r)
        for (int c = 0; c < read.width(); ++c)
            ASSERT_EQ(read.cell(r, c), written.cell(r, c)) << name << " square " << r << "," << c;
    for (Direction direction : {Direction::Across, Direction::Down}) {
        const QList<PuzzleClue> &got = read.clues(direction), &want = written.clues(direction);
        ASSERT_EQ(got.size(), want.size()) << name;
        for (qsizetype i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].label, want[i].label) << name;
            EXPECT_EQ(got[i].text, want[i].text) << name << " " << want[i].label;
            EXPECT_EQ(got[i].answer, QString(want[i].answer).remove(QLatin1Char(' '))) << name << " " << want[i].label;
            EXPECT_EQ(got[i].cells, want[i].cells) << name;
        }
    }
}

void expectRoundTrips(const Puzzle &puzzle, const QString &name)
{
    expectSameButWordBreaks(readOrFail(writePuz(puzzle), name + ".puz"), puzzle, name);
    EXPECT_EQ(readOrFail(writeIpuz(puzzle), name + ".ipuz"), puzzle) << name;
    EXPECT_EQ(readOrFail(writeIpuz(puzzle, true), name + ".ipuz"), puzzle) << name << " (wrapped)";
    EXPECT_EQ(readOrFail(writeJpz(puzzle), name + ".jpz"), puzzle) << name;
    EXPECT_EQ(readOrFail(zipOne(name + ".xml", writeJpz(puzzle)), name + ".jpz"), puzzle) << name << " (zipped)";
}

QByteArray withU16(QByteArray bytes, qsizetype at, uint16_t value)
{
    qToLittleEndian<uint16_t>(value, bytes.data() + at);
    return bytes;
}

} // namespace

TEST(PuzzleFiles, EveryFormatGivesBackTheBuiltInAndTestPuzzles)
{
    QStringList errors;
    const auto shipped = shippedPuzzles(QStringLiteral(QUOREL_SOURCE_DIR "/resources/text"), &errors);
    ASSERT_GE(shipped.size(), 70) << errors.join(QLatin1Char('\n'));
    for (const auto &[name, puzzle] : shipped)
        expectRoundTrips(puzzle, name);

    for (int side : {15, 21}) {
        const Puzzle test = testPuzzle(side);
        ASSERT_EQ(test.width(), side);
        ASSERT_TRUE(test.everyWordHasClue());
        ASSERT_NE(test.clue(Direction::Across, 1), nullptr);
        EXPECT_TRUE(test.cell(test.clue(Direction::Across, 1)->cells.last()).circled);
        EXPECT_TRUE(test.info().copyright.startsWith(QStringLiteral("©")));
        expectRoundTrips(test, QStringLiteral("test%1").arg(side));
    }
    // Seven wide and four high.
    const Puzzle oblong = smallPuzzle({"CAT#DOG", "A#O##O#", "RAT#BOX", "T#E##T#"});
    ASSERT_EQ(oblong.width(), 7);
    ASSERT_EQ(oblong.height(), 4);
    expectRoundTrips(oblong, QStringLiteral("oblong"));
    // A rebus square opens 1 across and 1 down; two circled squares.
    const Puzzle rebus = smallPuzzle({"[ST]AR", "O#E", "P*AD"});
    EXPECT_EQ(rebus.clue(Direction::Across, 1)->answer, "STAR");
    EXPECT_EQ(rebus.clue(Direction::Down, 1)->answer, "STOP");
    EXPECT_TRUE(rebus.cell(2, 1).circled);
    expectRoundTrips(rebus, QStringLiteral("rebus"));
}

TEST(PuzzleFiles, PuzChecksumsAreCheckedButWrongOnesDoNotStopAConsistentFile)
{
    const Puzzle puzzle = testPuzzle(15);
    const QByteArray good = writePuz(puzzle);
    PuzReader reader;
    ASSERT_TRUE(reader.read(good));
    EXPECT_TRUE(reader.checksumsMatch());

    QByteArray badSums = good;
    badSums[0] = char(badSums[0] ^ 0x5A);                     // the overall checksum
    badSums[PuzLayout::MaskedLowAt + 2] = char(badSums[PuzLayout::MaskedLowAt + 2] ^ 1);
    const std::optional<Puzzle> read = reader.read(badSums);
    ASSERT_TRUE(read) << reader.errorString();
    EXPECT_FALSE(reader.checksumsMatch());
    expectSameButWordBreaks(*read, puzzle, QStringLiteral("bad checksums"));

    // A changed letter is caught by the checksums; a block that splits a word
    // leaves one clue too few and is refused.
    QByteArray letter = good;
    letter[PuzLayout::GridAt + 1] = letter[PuzLayout::GridAt + 1] == 'Q' ? 'R' : 'Q';
    ASSERT_TRUE(reader.read(letter));
    EXPECT_FALSE(reader.checksumsMatch());
    QByteArray block = good;
    block[PuzLayout::GridAt + 11] = PuzLayout::Block;
    EXPECT_FALSE(reader.read(block));
    EXPECT_EQ(reader.errorString(), "the grid and the clues do not match");
}

// The lock's checksum has 16 bits, so some files fit a wrong key as well as
// their own: such a file must play without a solution, never with the wrong
// one (which would call the solver's right letters mistakes).
TEST(PuzzleFiles, ALockedPuzThatTwoKeysFitPlaysWithoutASolution)
{
    const Puzzle puzzle = testPuzzle(15);
    int unlocked = 0, ambiguous = 0;
    for (int key = 1234; key < 9999 && ambiguous == 0; key += 611) {
        PuzReader reader;
        const std::optional<Puzzle> read = reader.read(writePuz(puzzle, key));
        ASSERT_TRUE(read) << reader.errorString();
        if (reader.isLocked()) {
            ++ambiguous;
            EXPECT_FALSE(read->hasSolution());
        } else {
            ++unlocked;
            EXPECT_EQ(reader.unlockKey(), key);
        }
    }
    EXPECT_GT(unlocked, 0);
    EXPECT_EQ(ambiguous, 1) << "no key of this test hit a second fitting key: choose others";
}

TEST(PuzzleFiles, LockedPuzIsUnlockedByItsKeyOrPlaysWithoutASolution)
{
    const Puzzle puzzle = testPuzzle(15);
    const QByteArray locked = writePuz(puzzle, 7294);
    EXPECT_NE(locked.mid(PuzLayout::GridAt, 225), writePuz(puzzle).mid(PuzLayout::GridAt, 225));
    PuzReader reader;
    const std::optional<Puzzle> unlocked = reader.read(locked);
    ASSERT_TRUE(unlocked) << reader.errorString();
    EXPECT_EQ(reader.unlockKey(), 7294);
    EXPECT_FALSE(reader.isLocked());
    EXPECT_TRUE(reader.checksumsMatch());
    expectSameButWordBreaks(*unlocked, puzzle, QStringLiteral("unlocked"));

    // No key gives letters with this checksum: the grid and clues load,
    // without a solution, and the reader says the file is locked.
    const QByteArray noKey = withU16(locked, PuzLayout::LockSumAt, 0x0001);
    const PuzzleFileResult result = readPuzzleFile(noKey, QStringLiteral("locked.puz"));
    ASSERT_TRUE(result.puzzle) << result.error;
    EXPECT_TRUE(result.locked);
    const Puzzle &withoutSolution = *result.puzzle;
    EXPECT_FALSE(withoutSolution.hasSolution());
    EXPECT_EQ(withoutSolution.cell(0, 2).solution, "");
    EXPECT_FALSE(withoutSolution.cell(0, 2).block);
    EXPECT_EQ(withoutSolution.clues(Direction::Down).size(), puzzle.clues(Direction::Down).size());
    EXPECT_EQ(withoutSolution.clue(Direction::Across, 1)->answer, "");
    EXPECT_EQ(withoutSolution.clue(Direction::Across, 1)->wordLengths, QList<int>{int(puzzle.wordCells(Direction::Across, 1).size())});

    // A puzzle without a solution keeps having none through the other formats.
    EXPECT_EQ(readOrFail(writeIpuz(withoutSolution), "nosolution.ipuz"), withoutSolution);
    EXPECT_EQ(readOrFail(writeJpz(withoutSolution), "nosolution.jpz"), withoutSolution);
}

TEST(PuzzleFiles, IpuzCellFormsClueFormsAndHtml)
{
    // Own block and empty values, an omitted square, a circle, the three clue
    // forms, numbers as strings, HTML in the texts.
    const QByteArray ipuz = R"(ipuz({
      "version": "http://ipuz.org/v2", "kind": ["http://ipuz.org/crossword#1"],
      "dimensions": {"width": 3, "height": 3}, "block": "X", "empty": "-",
      "title": "<b>Tiny</b> &amp; square",
      "puzzle": [[1, {"cell": 2, "style": {"shapebg": "circle"}}, 3], [4, "-", "-"], [5, "-", null]],
      "solution": [["C", "A", "B"], ["A", "R", "E"], [{"value": "T"}, "O", null]],
      "clues": {"Across": ["1 Taxi", [4, "<i>Exist</i>, plural"], {"number": "5", "clue": "Toe&nbsp;&#8212; or &lt;tip&gt;"}],
                "Down": [[1, "Automobile"], [2, "Sky &amp; air"], [3, "Honey maker"]]}
    });)";
    const Puzzle puzzle = readOrFail(ipuz, QStringLiteral("tiny.ipuz"));
    EXPECT_EQ(puzzle.info().title, "Tiny & square");
    EXPECT_TRUE(puzzle.cell(2, 2).block);
    EXPECT_TRUE(puzzle.cell(0, 1).circled);
    EXPECT_EQ(puzzle.clue(Direction::Across, 1)->text, "Taxi");
    EXPECT_EQ(puzzle.clue(Direction::Across, 4)->text, "Exist, plural");
    EXPECT_EQ(puzzle.clue(Direction::Across, 5)->text, QString::fromUtf8("Toe \u2014 or <tip>"));
    EXPECT_EQ(puzzle.clue(Direction::Across, 5)->answer, "TO");
    EXPECT_EQ(puzzle.clue(Direction::Down, 2)->text, "Sky & air");

    // A number the file prints in the wrong square, a clue for a word the grid
    // does not have, a word without a clue: all refused as a mismatch.
    QByteArray wrongNumber = ipuz;
    wrongNumber.replace("[4, \"-\", \"-\"]", "[\"-\", 4, \"-\"]");
    QByteArray noSuchWord = ipuz;
    noSuchWord.replace("[3, \"Honey maker\"]", "[6, \"Honey maker\"]");
    QByteArray missingClue = ipuz;
    missingClue.replace(", [3, \"Honey maker\"]", "");
    for (const QByteArray &bad : {wrongNumber, noSuchWord, missingClue})
        EXPECT_EQ(refusal(bad, "bad.ipuz"), "the grid and the clues do not match") << bad.constData();
    QByteArray notCrossword = ipuz;
    notCrossword.replace("crossword#1", "sudoku#1");
    EXPECT_EQ(refusal(notCrossword, "sudoku.ipuz"), "this is a sudoku, which this game cannot play");
    EXPECT_EQ(refusal(ipuz.left(ipuz.size() / 2), "half.ipuz"), "the file ends too early");
}

TEST(PuzzleFiles, JpzWithMarkupInCluesAndRangesForWords)
{
    const QByteArray jpz = R"(<?xml version="1.0" encoding="UTF-8"?>
<crossword-compiler xmlns="http://crossword.info/xml/crossword-compiler">
<rectangular-puzzle xmlns="http://crossword.info/xml/rectangular-puzzle">
<metadata><title>Two &amp; two</title><creator>Us</creator></metadata>
<crossword><grid width="2" height="2">
<cell x="1" y="1" solution="O" number="1"/><cell x="2" y="1" solution="N" number="2" background-shape="circle" hint="true"/>
<cell x="1" y="2" solution="X" number="3"/><cell x="2" y="2" solution="O"/></grid>
<word id="1" x="1-2" y="1"/><word id="2" x="1-2" y="2"/><word id="3" x="1" y="1-2"/><word id="4" x="2" y="1-2"/>
<word id="5" x="1-2" y="1-2"/>
<clues><title><b>Across</b></title><clue word="1" number="1">Not <i>off</i></clue><clue word="2" number="3">Ox's kin &amp;c.</clue></clues>
<clues><title><b>Down</b></title><clue word="3" number="1">Bovine</clue><clue word="4" number="2">Refusal</clue></clues>
<clues><title><b>Diagonal</b></title><clue word="5" number="1">Love all</clue></clues>
</crossword></rectangular-puzzle></crossword-compiler>)";
    const Puzzle puzzle = readOrFail(jpz, QStringLiteral("two.jpz"));
    EXPECT_EQ(puzzle.info().title, "Two & two");
    EXPECT_EQ(puzzle.info().author, "Us");
    EXPECT_EQ(puzzle.clue(Direction::Across, 1)->text, "Not off");
    EXPECT_EQ(puzzle.clue(Direction::Across, 3)->text, "Ox's kin &c.");
    EXPECT_EQ(puzzle.clue(Direction::Down, 2)->answer, "NO");
    EXPECT_TRUE(puzzle.cell(0, 1).circled);
    EXPECT_TRUE(puzzle.cell(0, 1).given);
    EXPECT_FALSE(puzzle.cell(0, 0).given);
    // A third list's diagonal is kept beside the notes; the grid plays across and down.
    EXPECT_EQ(puzzle.info().extraClues, (QList<ExtraClue>{{"Diagonal", 1, "Love all", {{0, 0}, {1, 1}}}}));

    QByteArray wrongNumber = jpz;
    wrongNumber.replace("word=\"4\" number=\"2\"", "word=\"4\" number=\"3\"");
    EXPECT_EQ(refusal(wrongNumber, "bad.jpz"), "the grid and the clues do not match");
    EXPECT_EQ(refusal(jpz.left(jpz.size() - 40), "cut.jpz"), "the file ends too early");
    EXPECT_EQ(refusal("<html><body>hello</body></html>", "page.jpz"), "this is not a crossword file");
}

TEST(PuzzleFiles, HostileFilesAreRefusedWithAReason)
{
    const QByteArray puz = writePuz(testPuzzle(15));
    QByteArray huge = puz;
    huge[PuzLayout::WidthAt] = char(255);
    huge[PuzLayout::HeightAt] = char(255);
    EXPECT_EQ(refusal(huge, "huge.puz"), "the grid is larger than 25 by 25 squares");
    EXPECT_EQ(refusal(withU16(puz, PuzLayout::ClueCountAt, 400), "many.puz"), "the file ends too early");
    EXPECT_EQ(refusal(withU16(puz, PuzLayout::ClueCountAt, 65535), "most.puz"), "the grid and the clues do not match");
    EXPECT_EQ(refusal(puz.left(PuzLayout::GridAt + 300), "cut.puz"), "the file ends too early");
    // The circles section claims more bytes than the file has.
    const qsizetype gext = puz.indexOf("GEXT");
    ASSERT_GT(gext, 0);
    EXPECT_EQ(refusal(withU16(puz, gext + 4, 60000), "section.puz"), "the file ends too early");

    QByteArray hugeIpuz = writeIpuz(testPuzzle(15));
    hugeIpuz.replace("\"width\":15", "\"width\":26");
    EXPECT_EQ(refusal(hugeIpuz, "wide.ipuz"), "the grid is larger than 25 by 25 squares");
    // Markup that never closes, in a text of 3 MB, is read in one pass.
    QByteArray openTags = writeIpuz(testPuzzle(15));
    openTags.replace("\"title\":\"", "\"title\":\"" + QByteArray(1500000, '<') + QByteArray(1500000, '&'));
    EXPECT_EQ(readOrFail(openTags, "tags.ipuz").info().title.size(), 3000000 + testPuzzle(15).info().title.size());
    const QByteArray nested = QByteArray(200000, '[') + QByteArray(200000, ']');
    EXPECT_FALSE(refusal(nested, "deep.ipuz").isEmpty());

    const QByteArray bomb = R"(<?xml version="1.0"?>
<!DOCTYPE lolz [<!ENTITY lol "lollollollollollollollollollol">
<!ENTITY lol2 "&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;">
<!ENTITY lol3 "&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;">]>
<crossword-compiler><rectangular-puzzle><crossword><grid width="2" height="2"/>
<clues><clue word="1">&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;</clue></clues></crossword></rectangular-puzzle></crossword-compiler>)";
    EXPECT_EQ(refusal(bomb, "bomb.jpz"), "this is not a crossword file");

    // A zip whose member says it unpacks to 3 GB, and one that says little
    // but unpacks to far more than any crossword.
    const QByteArray zipped = zipOne(QStringLiteral("p.jpz"), writeJpz(testPuzzle(15)));
    const qsizetype central = zipped.indexOf("PK\x01\x02");
    QByteArray claimsHuge = zipped;
    qToLittleEndian<uint32_t>(3000000000u, claimsHuge.data() + central + 24);
    EXPECT_EQ(refusal(claimsHuge, "claims.jpz"), "the file is too large for a crossword");
    QByteArray zeros = zipOne(QStringLiteral("p.jpz"), QByteArray(MaxPuzzleFileBytes * 2, ' '));
    qToLittleEndian<uint32_t>(1000u, zeros.data() + zeros.indexOf("PK\x01\x02") + 24);
    EXPECT_EQ(refusal(zeros, "bomb.jpz"), "the file is too large for a crossword");
    QByteArray damaged = zipped;
    damaged[60] = char(damaged[60] ^ 0xFF);
    EXPECT_FALSE(refusal(damaged, "damaged.jpz").isEmpty());
    EXPECT_EQ(refusal(zipped.left(zipped.size() / 2), "half.jpz"), "the file ends too early");
}

TEST(PuzzleFiles, FormatIsChosenByContentThenByName)
{
    const Puzzle puzzle = testPuzzle(15);
    // Content wins over a misleading name.
    EXPECT_EQ(readOrFail(writeIpuz(puzzle), "really-json.puz"), puzzle);
    EXPECT_EQ(puzzleFormat(writePuz(puzzle), "x.jpz"), PuzzleFormat::Puz);
    EXPECT_EQ(puzzleFormat("garbage", "x.IPUZ"), PuzzleFormat::Ipuz);
    EXPECT_EQ(refusal("plain words", "notes.txt"), "this is not a crossword file");
    EXPECT_EQ(refusal("", "empty.puz"), "this is not a crossword file");

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("saved.jpz"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(zipOne(QStringLiteral("saved.jpz"), writeJpz(puzzle)));
    file.close();
    const PuzzleFileResult fromDisk = readPuzzleFile(path);
    ASSERT_TRUE(fromDisk.puzzle) << fromDisk.error;
    EXPECT_EQ(*fromDisk.puzzle, puzzle);
    EXPECT_EQ(readPuzzleFile(dir.filePath(QStringLiteral("missing.puz"))).error, "the file cannot be opened");
}

namespace {

// A 4 x 3 grid of letters only, the way barred puzzles are set: a bar after
// the second square of row 1 and one above the last square of row 3.
//   W O|R D     across: 1 WO, 3 RD, 5 APIS, 6 SEPE
//   A P I S     down: 1 WAS, 2 OPE, 3 RIP, 4 DS (the bar ends it)
//   S E P E
Puzzle barredPuzzle()
{
    QList<PuzzleCell> cells;
    for (QChar letter : QStringLiteral("WORDAPISSEPE"))
        cells.append({false, QString(letter)});
    cells[2].barLeft = true;
    cells[11].barTop = true;
    return Puzzle(4, 3, cells);
}

} // namespace

TEST(BarredGrids, WordsEndAtBarsAndNumbersFollowThemInEveryFormat)
{
    Puzzle puzzle = barredPuzzle();
    const auto word = [&](Direction d, int n) { return puzzle.wordCells(d, n); };
    EXPECT_EQ(word(Direction::Across, 1), (QList<CellPos>{{0, 0}, {0, 1}}));
    EXPECT_EQ(word(Direction::Across, 3), (QList<CellPos>{{0, 2}, {0, 3}}));
    EXPECT_EQ(word(Direction::Down, 4), (QList<CellPos>{{0, 3}, {1, 3}}));
    EXPECT_EQ(puzzle.cell(1, 0).number, 5);
    EXPECT_EQ(puzzle.cell(2, 0).number, 6);
    EXPECT_EQ(puzzle.wordNumber(2, 3, Direction::Down), 0);  // below the bar, no down word
    EXPECT_EQ(puzzle.wordNumber(2, 3, Direction::Across), 6);

    QList<FileClue> clues;
    for (Direction d : {Direction::Across, Direction::Down})
        for (int n = 1; n <= 8; ++n)
            if (!word(d, n).isEmpty())
                clues.append({d, n, QStringLiteral("Clue %1").arg(n), {}});
    ASSERT_TRUE(PuzzleFile::addClues(puzzle, clues));
    EXPECT_EQ(puzzle.clue(Direction::Across, 3)->answer, "RD");
    EXPECT_EQ(readOrFail(writeIpuz(puzzle), "barred.ipuz"), puzzle);
    EXPECT_EQ(readOrFail(writeJpz(puzzle), "barred.jpz"), puzzle);

    // The bars as other tools write them: on the right and bottom edges of
    // the square before; a .jpz word as a range of cells; a void square.
    QByteArray jpz = writeJpz(puzzle);
    jpz.replace(R"(<cell x="3" y="1" solution="R" number="2" left-bar="true"/>)",
                R"(<cell x="3" y="1" solution="R" number="2"/>)");
    jpz.replace(R"(<cell x="2" y="1" solution="O")", R"(<cell x="2" y="1" right-bar="1" solution="O")");
    jpz.replace(R"(<cell x="4" y="3" solution="E" top-bar="true"/>)", R"(<cell x="4" y="3" solution="E"/>)");
    jpz.replace(R"(<cell x="4" y="2" solution="S")", R"(<cell x="4" y="2" bottom-bar="true" solution="S")");
    jpz.replace(R"(<cells x="1" y="2"/><cells x="2" y="2"/><cells x="3" y="2"/><cells x="4" y="2"/>)",
                R"(<cells x="1-4" y="2"/>)");
    EXPECT_EQ(readOrFail(jpz, "other.jpz"), puzzle) << jpz.constData();
    QByteArray ipuz = writeIpuz(puzzle);
    ipuz.replace(R"([1,2,{"cell":3,"style":{"barred":"L"}},4])", R"([1,{"cell":2,"style":{"barred":"R"}},3,4])");
    EXPECT_EQ(readOrFail(ipuz, "other.ipuz"), puzzle) << ipuz.constData();

    QByteArray voided = writeJpz(testPuzzle(15));
    voided.replace(R"(type="block")", R"(type="void")");
    EXPECT_EQ(readOrFail(voided, "void.jpz"), testPuzzle(15));
}

TEST(PuzFiles, LeadingBytesDigitsAndSymbolsInTheSolution)
{
    const Puzzle puzzle = testPuzzle(15);
    const QByteArray puz = writePuz(puzzle);
    const QByteArray saved = QByteArray("puzzle-2026-12-09.puz\r\n").leftJustified(60, ' ') + puz;
    EXPECT_EQ(puzzleFormat(saved, "saved.bin"), PuzzleFormat::Puz);
    expectSameButWordBreaks(readOrFail(saved, "saved.puz"), puzzle, "saved");
    EXPECT_EQ(refusal(QByteArray(1100, ' ') + puz, "far.puz"), "this is not a crossword file");

    const Puzzle symbols = smallPuzzle({"4+", "AB"});
    const Puzzle read = readOrFail(writePuz(symbols), "symbols.puz");
    EXPECT_EQ(read.clue(Direction::Across, 1)->answer, "4+");
    EXPECT_EQ(read.clue(Direction::Down, 2)->answer, "+B");
}

TEST(PuzzleFiles, OtherKindsOfPuzzleAreRefusedByName)
{
    QByteArray ipuz = writeIpuz(testPuzzle(15));
    ipuz.replace("http://ipuz.org/crossword#1", "http://ipuz.org/acrostic#1");
    EXPECT_EQ(refusal(ipuz, "a.ipuz"), "this is an acrostic, which this game cannot play");
    QByteArray rows = writeIpuz(testPuzzle(15));
    rows.replace("\"Across\"", "\"Rows\"");
    EXPECT_EQ(refusal(rows, "rows.ipuz"), "its words do not run across and down");

    QByteArray jpz = writeJpz(testPuzzle(15));
    jpz.replace("<crossword>", "<word-search>").replace("</crossword>", "</word-search>");
    EXPECT_EQ(refusal(jpz, "w.jpz"), "this is a word search, which this game cannot play");
    QByteArray spiral = writeJpz(testPuzzle(15));
    // The first word made to bend round a corner: no across or down word.
    const qsizetype word = spiral.indexOf("<word id=\"1\">");
    const qsizetype second = spiral.indexOf("<cells", spiral.indexOf("<cells", word) + 1);
    spiral.replace(second, spiral.indexOf("/>", second) + 2 - second, R"(<cells x="1" y="2"/>)");
    EXPECT_EQ(refusal(spiral, "spiral.jpz"), "its words do not run across and down");
    EXPECT_EQ(PuzzleFileError::otherKind("rows-garden"), "this is a rows garden, which this game cannot play");
    EXPECT_EQ(PuzzleFileError::otherKind("tri-grid"), "this is a tri grid puzzle, which this game cannot play");
}
