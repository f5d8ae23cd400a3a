// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// The solver's puzzle folder, on files our own writers make: the order of
// the menu, the titles, the fingerprint that names a puzzle's progress,
// scanning without ever changing the folder, and copying a file in.
#include "puzzle/puzzlefile.h"
#include "puzzle/puzzlefolder.h"
#include "writers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

static std::ostream &operator<<(std::ostream &out, const QString &text)
{
    return out << text.toStdString();
}

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path;
    ASSERT_EQ(file.write(bytes), bytes.size()) << path;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

Puzzle readBack(const QByteArray &bytes, const QString &name)
{
    const PuzzleFileResult result = readPuzzleFile(bytes, name);
    EXPECT_TRUE(result.puzzle) << name << ": " << result.error;
    return result.puzzle.value_or(Puzzle());
}

// Every file of a folder with its size, time of change and bytes.
QMap<QString, QString> listing(const QString &dir)
{
    QMap<QString, QString> files;
    for (const QFileInfo &info : QDir(dir).entryInfoList(QDir::Files | QDir::Hidden | QDir::System))
        files.insert(info.fileName(), QStringLiteral("%1 %2 %3")
                                          .arg(info.size())
                                          .arg(info.lastModified().toMSecsSinceEpoch())
                                          .arg(QString::fromLatin1(fileBytes(info.filePath()).toHex())));
    return files;
}

void setModified(const QString &path, const QDateTime &time)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite)) << path;
    ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime)) << path;
}

QStringList fileNames(const QList<OwnPuzzle> &puzzles)
{
    QStringList names;
    for (const OwnPuzzle &own : puzzles)
        names.append(own.fileName);
    return names;
}

// A puzzle like `puzzle` whose first across clue reads `text`.
Puzzle withFirstClue(const Puzzle &puzzle, const QString &text)
{
    Puzzle changed(puzzle.width(), puzzle.height(), [&puzzle] {
        QList<PuzzleCell> squares;
        for (int r = 0; r < puzzle.height(); ++r)
            for (int c = 0; c < puzzle.width(); ++c)
                squares.append(puzzle.cell(r, c));
        return squares;
    }());
    changed.setInfo(puzzle.info());
    QList<FileClue> clues;
    for (Direction direction : {Direction::Across, Direction::Down})
        for (const PuzzleClue &clue : puzzle.clues(direction))
            clues.append({direction, clue.number, clues.isEmpty() ? text : clue.text, {}});
    EXPECT_TRUE(PuzzleFile::addClues(changed, clues));
    return changed;
}

} // namespace

TEST(PuzzleFolder, NaturalOrderTitlesAndCrosswordEndings)
{
    QStringList names = {"puzzle 10.puz", "Puzzle 9.ipuz", "2026-12-10.jpz", "2026-12-8.puz", "b.puz",
                         "A.puz",         "x007.puz",      "x7.puz",         "x08.puz",       "puzzle 9.puz"};
    std::sort(names.begin(), names.end(), naturalLess);
    EXPECT_EQ(names, QStringList({"2026-12-8.puz", "2026-12-10.jpz", "A.puz", "b.puz", "Puzzle 9.ipuz", "puzzle 9.puz",
                                  "puzzle 10.puz", "x007.puz", "x7.puz", "x08.puz"}));
    // Numbers longer than any integer type still compare by value.
    EXPECT_TRUE(naturalLess("n99999999999999999999999", "n100000000000000000000000"));
    EXPECT_FALSE(naturalLess("same", "same"));
    EXPECT_FALSE(naturalLess("abcd", "abc"));

    Puzzle puzzle = testPuzzle(15);
    puzzle.setInfo({QStringLiteral("  The \t Monday\n puzzle "), {}, {}, {}});
    EXPECT_EQ(puzzleTitle(puzzle, "whatever.puz"), "The Monday puzzle");
    puzzle.setInfo({QStringLiteral(" \n "), {}, {}, {}});
    EXPECT_EQ(puzzleTitle(puzzle, "/some/folder/my.own puzzle.ipuz"), "my.own puzzle");

    EXPECT_TRUE(isPuzzleFileName("a.PUZ"));
    EXPECT_TRUE(isPuzzleFileName("a.b.IpUz"));
    EXPECT_TRUE(isPuzzleFileName("a.jpz"));
    EXPECT_FALSE(isPuzzleFileName("a.puz.part"));
    EXPECT_FALSE(isPuzzleFileName("a.xml"));
}

TEST(PuzzleFolder, FingerprintFollowsTheContentNotTheFileOrItsFormat)
{
    const Puzzle puzzle = testPuzzle(15);
    const QString fingerprint = puzzleFingerprint(puzzle);
    EXPECT_TRUE(QRegularExpression("^[0-9a-f]{16}$").match(fingerprint).hasMatch()) << fingerprint;
    EXPECT_EQ(puzzleFingerprint(readBack(writePuz(puzzle), "a.puz")), fingerprint);
    EXPECT_EQ(puzzleFingerprint(readBack(writeIpuz(puzzle), "renamed.ipuz")), fingerprint);
    EXPECT_EQ(puzzleFingerprint(readBack(zipOne("x.jpz", writeJpz(puzzle)), "other name.jpz")), fingerprint);
    EXPECT_EQ(ownProgressName(fingerprint), "own-" + fingerprint);

    // The title is not content: a new title keeps the progress.
    Puzzle retitled = puzzle;
    retitled.setInfo({QStringLiteral("Another title"), {}, {}, {}});
    EXPECT_EQ(puzzleFingerprint(retitled), fingerprint);

    EXPECT_NE(puzzleFingerprint(withFirstClue(puzzle, "A clue of another puzzle")), fingerprint);
    EXPECT_NE(puzzleFingerprint(testPuzzle(21)), fingerprint);

    // A bar makes another grid of the same letters.
    QList<PuzzleCell> cells;
    for (int r = 0; r < puzzle.height(); ++r)
        for (int c = 0; c < puzzle.width(); ++c)
            cells.append(puzzle.cell(r, c));
    const Puzzle plain(15, 15, cells);
    const auto letter = std::find_if(cells.begin() + 1, cells.end(), [](const PuzzleCell &cell) { return !cell.block; });
    letter->barLeft = true;
    EXPECT_NE(puzzleFingerprint(Puzzle(15, 15, cells)), puzzleFingerprint(plain));
}

class PuzzleFolderScan : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(tmp.isValid()); }
    QString path(const QString &name) const { return tmp.filePath(name); }

    QTemporaryDir tmp;
};

TEST_F(PuzzleFolderScan, FollowsTheFolderAndNeverChangesIt)
{
    const Puzzle fifteen = testPuzzle(15), twentyOne = testPuzzle(21);
    writeFile(path("puzzle 10.ipuz"), writeIpuz(fifteen));
    writeFile(path("puzzle 9.PUZ"), writePuz(twentyOne));
    // The same content as "puzzle 10": the first in natural order stands for both.
    writeFile(path("puzzle 11.jpz"), writeJpz(fifteen));
    writeFile(path("broken.ipuz"), "{\"not\": \"a crossword\"}");
    writeFile(path("notes.txt"), writeIpuz(twentyOne));
    ASSERT_TRUE(QDir(tmp.path()).mkdir("folder.puz"));

    PuzzleFolder folder(tmp.path());
    const QMap<QString, QString> before = listing(tmp.path());
    PuzzleFolder::Scan scan = folder.rescan();
    EXPECT_EQ(listing(tmp.path()), before);
    EXPECT_EQ(fileNames(scan.puzzles), QStringList({"puzzle 9.PUZ", "puzzle 10.ipuz"}));
    ASSERT_EQ(scan.rejected.size(), 1);
    EXPECT_EQ(scan.rejected[0].fileName, "broken.ipuz");
    EXPECT_EQ(scan.rejected[0].reason, PuzzleFileError::notCrossword());
    EXPECT_EQ(scan.duplicates, (QList<std::pair<QString, QString>>{{"puzzle 11.jpz", "puzzle 10.ipuz"}}));
    ASSERT_EQ(scan.puzzles.size(), 2);
    EXPECT_EQ(scan.puzzles[1].title, fifteen.info().title);
    EXPECT_EQ(folder.parse(scan.puzzles[1]).puzzle, fifteen);
    EXPECT_EQ(scan.puzzles[1].fingerprint, puzzleFingerprint(fifteen));
    EXPECT_FALSE(scan.puzzles[1].locked);

    // A new file appears, a removed one goes, a damaged one is mended.
    const QString changed = path("2026-12-8.ipuz");
    const QDateTime time = QDateTime::currentDateTime().addSecs(-3600);
    writeFile(changed, writeIpuz(withFirstClue(fifteen, "New today")));
    setModified(changed, time);
    ASSERT_TRUE(QFile::remove(path("puzzle 9.PUZ")));
    writeFile(path("broken.ipuz"), writeIpuz(twentyOne, true));
    scan = folder.rescan();
    EXPECT_EQ(fileNames(scan.puzzles), QStringList({"2026-12-8.ipuz", "broken.ipuz", "puzzle 10.ipuz"}));
    EXPECT_TRUE(scan.rejected.isEmpty());

    // A changed file is read again; one whose size and time are as before is
    // taken from the last scan without reading, and refused when it then
    // reads as another puzzle, until the next scan reads it afresh.
    const auto firstClue = [&folder](const OwnPuzzle &own) {
        const PuzzleFolder::Parsed parsed = folder.parse(own);
        return parsed.puzzle ? parsed.puzzle->clues(Direction::Across)[0].text : parsed.reason;
    };
    writeFile(changed, writeIpuz(withFirstClue(fifteen, "Not today")));
    setModified(changed, time);
    scan = folder.rescan();
    EXPECT_EQ(scan.puzzles[0].fingerprint, puzzleFingerprint(withFirstClue(fifteen, "New today")));
    EXPECT_EQ(firstClue(scan.puzzles[0]), "the file was changed while the game was running");
    EXPECT_EQ(firstClue(folder.rescan().puzzles[0]), "Not today");
    writeFile(changed, writeIpuz(withFirstClue(fifteen, "Changed, and a little longer")));
    EXPECT_EQ(firstClue(folder.rescan().puzzles[0]), "Changed, and a little longer");
    // A file gone since the scan is refused as one that cannot be opened.
    scan = folder.rescan();
    ASSERT_TRUE(QFile::remove(changed));
    EXPECT_EQ(firstClue(scan.puzzles[0]), PuzzleFileError::cannotOpen());

    // A folder that is not there is an empty one.
    EXPECT_TRUE(PuzzleFolder(path("missing")).rescan().puzzles.isEmpty());
    PuzzleFolder made(path("missing/puzzles"));
    EXPECT_TRUE(made.ensureExists());
    EXPECT_TRUE(QFileInfo(path("missing/puzzles")).isDir());
}

TEST_F(PuzzleFolderScan, TheIndexStandsForTheFilesAtTheNextRunUntilTheyChange)
{
    const QString dir = path("puzzles"), index = path("puzzle-index");
    ASSERT_TRUE(QDir().mkpath(dir));
    const QDateTime time = QDateTime::currentDateTime().addSecs(-3600);
    const auto put = [&](const QString &name, const QByteArray &bytes) {
        writeFile(dir + "/" + name, bytes);
        setModified(dir + "/" + name, time);
    };
    const Puzzle newToday = withFirstClue(testPuzzle(15), "New today");
    const Puzzle notToday = withFirstClue(testPuzzle(15), "Not today");
    put("a.ipuz", writeIpuz(newToday));
    put("b.puz", writePuz(testPuzzle(21)));
    put("broken.ipuz", "{\"not\": \"a crossword\"}");
    const PuzzleFolder::Scan first = PuzzleFolder(dir, index).rescan();
    ASSERT_TRUE(QFileInfo::exists(index));

    // The next run: a.ipuz holds another puzzle of the same size and time,
    // which only reading it would show. Nothing changed, nothing is written.
    put("a.ipuz", writeIpuz(notToday));
    setModified(index, time);
    PuzzleFolder next(dir, index);
    const PuzzleFolder::Scan warm = next.rescan();
    ASSERT_EQ(fileNames(warm.puzzles), QStringList({"a.ipuz", "b.puz"}));
    EXPECT_EQ(warm.puzzles[0].fingerprint, puzzleFingerprint(newToday));
    EXPECT_EQ(warm.puzzles[1].title, first.puzzles[1].title);
    EXPECT_EQ(warm.puzzles[1].fingerprint, first.puzzles[1].fingerprint);
    ASSERT_EQ(warm.rejected.size(), 1);
    EXPECT_EQ(warm.rejected[0].fileName, "broken.ipuz");
    EXPECT_EQ(warm.rejected[0].reason, PuzzleFileError::notCrossword());
    EXPECT_EQ(QFileInfo(index).lastModified().toSecsSinceEpoch(), time.toSecsSinceEpoch());
    EXPECT_EQ(next.parse(warm.puzzles[1]).puzzle, testPuzzle(21));

    // A file of a new size is read again; a file gone leaves the index.
    const Puzzle longer = withFirstClue(testPuzzle(21), "A clue longer than it was");
    put("b.puz", writePuz(longer));
    ASSERT_TRUE(QFile::remove(dir + "/broken.ipuz"));
    const PuzzleFolder::Scan changed = PuzzleFolder(dir, index).rescan();
    EXPECT_EQ(changed.puzzles[1].fingerprint, puzzleFingerprint(longer));
    EXPECT_TRUE(changed.rejected.isEmpty());
    const QByteArray good = fileBytes(index);
    EXPECT_FALSE(good.contains("broken.ipuz"));

    // An index that is damaged, of another version or of another folder is
    // ignored, and every file read: a.ipuz shows what it now holds.
    QByteArray flipped = good, otherVersion = good;
    flipped[good.size() / 2] = char(flipped[good.size() / 2] ^ 0x20);
    otherVersion.replace("index 1\n", "index 2\n");
    const QString elsewhere = path("elsewhere");
    ASSERT_TRUE(QDir().mkpath(elsewhere));
    writeFile(elsewhere + "/a.ipuz", writeIpuz(newToday));
    setModified(elsewhere + "/a.ipuz", time);
    PuzzleFolder(elsewhere, path("elsewhere-index")).rescan();
    const QByteArray foreign = fileBytes(path("elsewhere-index"));
    for (const QByteArray &bad : {good.left(good.size() / 2), flipped, otherVersion, foreign, QByteArray("\xff\x00")}) {
        ASSERT_NE(bad, good);
        writeFile(index, bad);
        EXPECT_EQ(PuzzleFolder(dir, index).rescan().puzzles[0].fingerprint, puzzleFingerprint(notToday))
            << bad.toHex().toStdString();
    }
}

TEST_F(PuzzleFolderScan, CopyingInKeepsOneOfEachFileAndNamesClashesApart)
{
    const QString folder = path("puzzles");
    const QByteArray fifteen = writePuz(testPuzzle(15)), twentyOne = writePuz(testPuzzle(21));
    writeFile(path("daily.puz"), fifteen);

    CopyResult copy = copyIntoPuzzleFolder(path("daily.puz"), folder);
    EXPECT_TRUE(copy.ok()) << copy.error;
    EXPECT_FALSE(copy.alreadyThere);
    EXPECT_EQ(copy.fileName, "daily.puz");
    EXPECT_EQ(copy.title, testPuzzle(15).info().title);
    EXPECT_EQ(fileBytes(folder + "/daily.puz"), fifteen);

    // The same bytes again, under any name: nothing copied, the file there named.
    writeFile(path("renamed.puz"), fifteen);
    copy = copyIntoPuzzleFolder(path("renamed.puz"), folder);
    EXPECT_TRUE(copy.ok());
    EXPECT_TRUE(copy.alreadyThere);
    EXPECT_EQ(copy.fileName, "daily.puz");

    // Another puzzle under a name taken twice over.
    writeFile(folder + "/daily (2).puz", "taken by a file of the solver's");
    ASSERT_TRUE(QDir(tmp.path()).mkdir("elsewhere"));
    writeFile(path("elsewhere/daily.puz"), twentyOne);
    copy = copyIntoPuzzleFolder(path("elsewhere/daily.puz"), folder);
    EXPECT_TRUE(copy.ok()) << copy.error;
    EXPECT_EQ(copy.fileName, "daily (3).puz");
    EXPECT_EQ(fileBytes(folder + "/daily (3).puz"), twentyOne);
    EXPECT_EQ(fileBytes(folder + "/daily (2).puz"), "taken by a file of the solver's");

    // A crossword without a crossword ending gets its format's, or the folder would not show it.
    writeFile(path("download"), writeIpuz(testPuzzle(21), true));
    copy = copyIntoPuzzleFolder(path("download"), folder);
    EXPECT_EQ(copy.fileName, "download.ipuz");
    EXPECT_EQ(copy.title, testPuzzle(21).info().title);

    const QMap<QString, QString> before = listing(folder);
    writeFile(path("bad.puz"), fifteen.left(60));
    copy = copyIntoPuzzleFolder(path("bad.puz"), folder);
    EXPECT_FALSE(copy.ok());
    EXPECT_EQ(copy.error, PuzzleFileError::endsEarly());
    EXPECT_TRUE(copy.fileName.isEmpty());
    EXPECT_EQ(copyIntoPuzzleFolder(tmp.path(), folder).error, PuzzleFileError::cannotOpen());
    EXPECT_EQ(copyIntoPuzzleFolder(path("no such file.puz"), folder).error, PuzzleFileError::cannotOpen());
    EXPECT_EQ(listing(folder), before);

    // A folder that cannot be made: a file stands where it would go.
    copy = copyIntoPuzzleFolder(path("daily.puz"), path("daily.puz") + "/puzzles");
    EXPECT_FALSE(copy.ok());
    EXPECT_EQ(copy.error, "the puzzle folder cannot be written to");
    EXPECT_EQ(fileBytes(path("daily.puz")), fifteen);
}
