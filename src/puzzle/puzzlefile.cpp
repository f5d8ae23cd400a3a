// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "puzzle/puzzlefile.h"
#include "puzzle/ipuzreader.h"
#include "puzzle/jpzreader.h"
#include "puzzle/puzreader.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

namespace PuzzleFileError {
QString endsEarly() { return QStringLiteral("the file ends too early"); }
QString notCrossword() { return QStringLiteral("this is not a crossword file"); }
QString mismatch() { return QStringLiteral("the grid and the clues do not match"); }
QString gridTooLarge() { return QStringLiteral("the grid is larger than 25 by 25 squares"); }
QString fileTooLarge() { return QStringLiteral("the file is too large for a crossword"); }
QString damaged() { return QStringLiteral("the file is damaged"); }
QString cannotOpen() { return QStringLiteral("the file cannot be opened"); }
QString notAcrossDown() { return QStringLiteral("its words do not run across and down"); }

QString otherKind(const QString &kind)
{
    static const QHash<QString, QString> names = {
        {"acrostic", "an acrostic"}, {"coded", "a coded puzzle"}, {"codeword", "a coded puzzle"},
        {"sudoku", "a sudoku"}, {"wordsearch", "a word search"}, {"word-search", "a word search"},
        {"fill", "a fill-in puzzle"}, {"fill-in", "a fill-in puzzle"}, {"block", "a block puzzle"},
        {"answer", "a list of answers"}, {"arrowword", "an arrow word"}, {"marching-bands", "a marching bands puzzle"},
        {"spiral", "a spiral"}, {"rows-garden", "a rows garden"}, {"jelly-roll", "a jelly roll"},
        {"labyrinth", "a labyrinth"}, {"diagramless", "a diagramless crossword"}};
    const QString key = kind.trimmed().toLower();
    QString named = names.value(key);
    if (named.isEmpty()) {
        const QString words = QString(key).replace(QLatin1Char('-'), QLatin1Char(' ')).simplified();
        if (words.isEmpty())
            return notAcrossDown();
        named = QStringLiteral("a %1 puzzle").arg(words);
    }
    return QStringLiteral("this is %1, which this game cannot play").arg(named);
}
} // namespace PuzzleFileError

namespace {

// Word lengths from an enumeration such as "2,2,5", "(4-3)" or "3 4"; empty
// when it holds anything else.
QList<int> enumerationLengths(const QString &enumeration)
{
    QList<int> lengths;
    static const QRegularExpression separators(QStringLiteral("[\\s,\\-()]+"));
    for (const QString &part : enumeration.split(separators, Qt::SkipEmptyParts)) {
        bool ok = false;
        const int n = part.toInt(&ok);
        if (!ok || n < 1 || n > Puzzle::MaxSide)
            return {};
        lengths.append(n);
    }
    return lengths;
}

QString spacedAnswer(const QString &letters, const QList<int> &lengths)
{
    QStringList words;
    qsizetype from = 0;
    for (int n : lengths) {
        words.append(letters.mid(from, n));
        from += n;
    }
    return words.join(QLatin1Char(' '));
}

// The character an HTML entity names, "amp", "#8212" or "#x2014"; 0 when
// it names none.
char32_t entityCode(QStringView name)
{
    char32_t code = 0;
    if (name.startsWith(QLatin1String("#x")) || name.startsWith(QLatin1String("#X")))
        code = name.mid(2).toUInt(nullptr, 16);
    else if (name.startsWith(QLatin1Char('#')))
        code = name.mid(1).toUInt();
    else {
        static const QHash<QString, char32_t> named = {
            {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}, {"nbsp", 0xA0},
            {"ndash", 0x2013}, {"mdash", 0x2014}, {"lsquo", 0x2018}, {"rsquo", 0x2019},
            {"ldquo", 0x201C}, {"rdquo", 0x201D}, {"hellip", 0x2026}, {"pound", 0xA3},
            {"eacute", 0xE9}, {"deg", 0xB0}, {"times", 0xD7}};
        code = named.value(name.toString(), 0);
    }
    // Surrogates and code points past Unicode are no characters.
    if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return code;
}

} // namespace

namespace PuzzleFile {

QString checkGridSize(int width, int height)
{
    if (width < 1 || height < 1)
        return PuzzleFileError::notCrossword();
    if (width > Puzzle::MaxSide || height > Puzzle::MaxSide)
        return PuzzleFileError::gridTooLarge();
    return {};
}

bool numbersAgree(const Puzzle &puzzle, const QList<int> &numbers)
{
    if (numbers.size() != qsizetype(puzzle.width()) * puzzle.height())
        return false;
    for (qsizetype i = 0; i < numbers.size(); ++i)
        if (numbers[i] != 0 && numbers[i] != puzzle.cell(int(i / puzzle.width()), int(i % puzzle.width())).number)
            return false;
    return true;
}

bool addClues(Puzzle &puzzle, const QList<FileClue> &clues)
{
    for (const FileClue &given : clues) {
        PuzzleClue clue;
        clue.direction = given.direction;
        clue.number = given.number;
        clue.label = (given.direction == Direction::Across ? QStringLiteral("A") : QStringLiteral("D"))
            + QString::number(given.number);
        clue.text = given.text;
        const QList<CellPos> cells = puzzle.wordCells(given.direction, given.number);
        if (cells.isEmpty())
            return false;
        QList<int> lengths = enumerationLengths(given.enumeration);
        int total = 0;
        for (int n : lengths)
            total += n;
        if (total != cells.size())
            lengths = {int(cells.size())};
        QString letters;
        for (const CellPos &pos : cells)
            letters += puzzle.cell(pos).solution;
        // A rebus square breaks the letter count, so its words stay unsplit.
        clue.answer = letters.size() == cells.size() ? spacedAnswer(letters, lengths) : letters;
        clue.wordLengths = puzzle.hasSolution() ? answerWordLengths(clue.answer) : lengths;
        if (!puzzle.addClue(std::move(clue), nullptr))
            return false;
    }
    return puzzle.everyWordHasClue();
}

QString plainText(const QString &html)
{
    QString text;
    text.reserve(html.size());
    bool space = false;  // white space waits until a character follows it
    auto put = [&](QStringView piece) {
        if (space && !text.isEmpty())
            text += QLatin1Char(' ');
        space = false;
        text += piece;
    };
    qsizetype close = html.indexOf(QLatin1Char('>'));  // the next '>' from i, -1 when none is left
    for (qsizetype i = 0; i < html.size(); ++i) {
        const QChar ch = html[i];
        if (close >= 0 && close < i)
            close = html.indexOf(QLatin1Char('>'), i);
        if (ch.isSpace()) {
            space = true;
        } else if (ch == QLatin1Char('<') && close > i) {
            // A tag is dropped; a line break in it stays a word break.
            const QStringView tag = QStringView(html).mid(i + 1, close - i - 1).trimmed();
            if (tag.startsWith(QLatin1String("br"), Qt::CaseInsensitive))
                space = true;
            i = close;
        } else if (ch == QLatin1Char('&')) {
            // An entity name is short: look for its ';' only nearby.
            const qsizetype semicolon = QStringView(html).mid(i, 12).indexOf(QLatin1Char(';'));
            const char32_t code = semicolon > 1 ? entityCode(QStringView(html).mid(i + 1, semicolon - 1)) : 0;
            if (code == 0xA0) {
                space = true;
                i += semicolon;
            } else if (code != 0) {
                put(QString::fromUcs4(&code, 1));
                i += semicolon;
            } else {
                put(QStringView(html).mid(i, 1));
            }
        } else {
            put(QStringView(html).mid(i, 1));
        }
    }
    return text;
}

} // namespace PuzzleFile

PuzzleFormat puzzleFormat(const QByteArray &bytes, const QString &fileName)
{
    if (bytes.startsWith("PK\x03\x04"))
        return PuzzleFormat::Jpz;
    if (PuzLayout::headerStart(bytes) >= 0)
        return PuzzleFormat::Puz;
    const QByteArray start = bytes.left(64).trimmed();
    if (start.startsWith('{') || start.startsWith("ipuz("))
        return PuzzleFormat::Ipuz;
    if (start.startsWith('<') || start.startsWith("\xEF\xBB\xBF<"))
        return PuzzleFormat::Jpz;
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("puz"))
        return PuzzleFormat::Puz;
    if (suffix == QLatin1String("ipuz"))
        return PuzzleFormat::Ipuz;
    if (suffix == QLatin1String("jpz"))
        return PuzzleFormat::Jpz;
    return PuzzleFormat::Unknown;
}

PuzzleFileResult readPuzzleFile(const QByteArray &bytes, const QString &fileName)
{
    PuzzleFileResult result;
    if (bytes.size() > MaxPuzzleFileBytes) {
        result.error = PuzzleFileError::fileTooLarge();
        return result;
    }
    switch (puzzleFormat(bytes, fileName)) {
    case PuzzleFormat::Puz: {
        PuzReader reader;
        result.puzzle = reader.read(bytes);
        result.error = reader.errorString();
        result.locked = reader.isLocked();
        break;
    }
    case PuzzleFormat::Ipuz: {
        IpuzReader reader;
        result.puzzle = reader.read(bytes);
        result.error = reader.errorString();
        break;
    }
    case PuzzleFormat::Jpz: {
        JpzReader reader;
        result.puzzle = reader.read(bytes);
        result.error = reader.errorString();
        break;
    }
    case PuzzleFormat::Unknown:
        result.error = PuzzleFileError::notCrossword();
        break;
    }
    return result;
}

PuzzleFileResult readPuzzleFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        PuzzleFileResult result;
        result.error = PuzzleFileError::cannotOpen();
        return result;
    }
    // One byte more than allowed is enough to know the file is too large.
    return readPuzzleFile(file.read(MaxPuzzleFileBytes + 1), path);
}
