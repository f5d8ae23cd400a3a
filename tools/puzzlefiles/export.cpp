// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
//
// Writes crossword files of our own puzzles:
//   quorel-puzzle-files TEXTDIR OUTDIR
// reads every built-in puzzle text in TEXTDIR (resources/text) with the
// game's reader and writes NAME.puz, NAME.ipuz and NAME.jpz into OUTDIR, and
// the same for our 15 x 15 and 21 x 21 test puzzles (test15, test21), whose
// .jpz is zipped, and test15-locked.puz locked with the key 7294. Every file is read back with the game's readers; a file
// that does not give back its puzzle is an error.
#include "puzzle/puzzlefile.h"
#include "writers.h"

#include <QDir>
#include <QFile>
#include <cstdio>

namespace {

constexpr int LockKey = 7294;

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The answers of a .puz file have no word breaks; compare them without.
bool sameIgnoringWordBreaks(const Puzzle &a, const Puzzle &b)
{
    if (a.width() != b.width() || a.height() != b.height() || a.info() != b.info())
        return false;
    for (int r = 0; r < a.height(); ++r)
        for (int c = 0; c < a.width(); ++c)
            if (!(a.cell(r, c) == b.cell(r, c)))
                return false;
    for (Direction direction : {Direction::Across, Direction::Down}) {
        const QList<PuzzleClue> &x = a.clues(direction), &y = b.clues(direction);
        if (x.size() != y.size())
            return false;
        for (qsizetype i = 0; i < x.size(); ++i)
            if (x[i].label != y[i].label || x[i].text != y[i].text
                || QString(x[i].answer).remove(QLatin1Char(' ')) != QString(y[i].answer).remove(QLatin1Char(' ')))
                return false;
    }
    return true;
}

int exportPuzzle(const QDir &out, const QString &name, const Puzzle &puzzle, bool zipped)
{
    const QByteArray jpz = writeJpz(puzzle);
    const QList<std::pair<QString, QByteArray>> files = {
        {name + QStringLiteral(".puz"), writePuz(puzzle)},
        {name + QStringLiteral(".ipuz"), writeIpuz(puzzle)},
        {name + QStringLiteral(".jpz"), zipped ? zipOne(name + QStringLiteral(".jpz"), jpz) : jpz},
    };
    int failures = 0;
    for (const auto &[fileName, bytes] : files) {
        const PuzzleFileResult back = readPuzzleFile(bytes, fileName);
        const bool same = back.puzzle && (fileName.endsWith(QLatin1String(".puz")) ? sameIgnoringWordBreaks(*back.puzzle, puzzle)
                                                                                    : *back.puzzle == puzzle);
        if (!same) {
            std::fprintf(stderr, "%s does not read back: %s\n", qPrintable(fileName),
                         qPrintable(back.error.isEmpty() ? QStringLiteral("a different puzzle") : back.error));
            ++failures;
        } else if (!writeFile(out.filePath(fileName), bytes)) {
            std::fprintf(stderr, "%s: cannot write\n", qPrintable(out.filePath(fileName)));
            ++failures;
        }
    }
    return failures;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s TEXTDIR OUTDIR\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[2]));
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "%s: cannot create\n", argv[2]);
        return 1;
    }
    QStringList errors;
    const auto shipped = shippedPuzzles(QString::fromLocal8Bit(argv[1]), &errors);
    for (const QString &error : errors)
        std::fprintf(stderr, "skipped %s\n", qPrintable(error));
    int failures = 0;
    for (const auto &[name, puzzle] : shipped)
        failures += exportPuzzle(out, name, puzzle, false);
    for (int side : {15, 21})
        failures += exportPuzzle(out, QStringLiteral("test%1").arg(side), testPuzzle(side), side == 21);
    // A locked copy, for trying the search for its key.
    if (!writeFile(out.filePath(QStringLiteral("test15-locked.puz")), writePuz(testPuzzle(15), LockKey)))
        ++failures;
    std::printf("%lld puzzles written to %s, %d failures\n", static_cast<long long>(shipped.size() + 2), argv[2], failures);
    return failures ? 1 : 0;
}
