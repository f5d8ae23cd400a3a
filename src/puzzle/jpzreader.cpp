// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "puzzle/jpzreader.h"
#include "puzzle/puzzlefile.h"
#include "puzzle/zipreader.h"

#include <QBuffer>
#include <QHash>
#include <QXmlStreamReader>
#include <algorithm>

namespace {

// "3" or "1-5" as a first and last square, counted from 1; nullopt when out of the grid.
std::optional<std::pair<int, int>> span(QStringView text, int side)
{
    const qsizetype dash = text.indexOf(QLatin1Char('-'));
    bool okFirst = false, okLast = false;
    const int first = (dash < 0 ? text : text.left(dash)).trimmed().toInt(&okFirst);
    const int last = dash < 0 ? first : text.mid(dash + 1).trimmed().toInt(&okLast);
    if (!okFirst || (dash >= 0 && !okLast) || first < 1 || last < first || last > side)
        return std::nullopt;
    return std::make_pair(first, last);
}

struct Word {
    QList<CellPos> cells;
    bool valid = true;
    // Appends the squares of a range that is one row, one column or a
    // diagonal (both ranges as long); anything else, or a word too long for a
    // grid, leaves the word invalid.
    void append(const std::optional<std::pair<int, int>> &xs, const std::optional<std::pair<int, int>> &ys)
    {
        const bool diagonal = xs && ys && xs->second - xs->first == ys->second - ys->first;
        valid = valid && xs && ys && (xs->first == xs->second || ys->first == ys->second || diagonal)
            && cells.size() + (xs->second - xs->first) + (ys->second - ys->first) < 2 * Puzzle::MaxSide;
        if (valid && diagonal && xs->first != xs->second) {
            for (int k = 0; k <= xs->second - xs->first; ++k)
                cells.append({ys->first + k - 1, xs->first + k - 1});
            return;
        }
        for (int y = ys ? ys->first : 1; valid && y <= ys->second; ++y)
            for (int x = xs->first; x <= xs->second; ++x)
                cells.append({y - 1, x - 1});
    }
    // True when the squares run straight across or down, one after another.
    bool straight() const
    {
        if (!valid || cells.size() < 2)
            return false;
        const int dr = cells[1].row - cells[0].row, dc = cells[1].column - cells[0].column;
        if (dr + dc != 1 || dr * dc != 0)
            return false;
        for (qsizetype i = 1; i < cells.size(); ++i)
            if (cells[i].row - cells[i - 1].row != dr || cells[i].column - cells[i - 1].column != dc)
                return false;
        return true;
    }
};

bool isTrue(QStringView value)
{
    return value == QLatin1String("true") || value == QLatin1String("1");
}

// The kinds of puzzle a .jpz holds beside its metadata, by element name.
bool namesPuzzleKind(QStringView name)
{
    return name != QLatin1String("metadata") && name != QLatin1String("instructions")
        && name != QLatin1String("applet-settings") && name != QLatin1String("crossword");
}

} // namespace

std::optional<Puzzle> JpzReader::fail(const QString &why)
{
    m_error = why;
    return std::nullopt;
}

std::optional<Puzzle> JpzReader::read(const QByteArray &bytes)
{
    m_error.clear();
    if (bytes.size() > MaxPuzzleFileBytes)
        return fail(PuzzleFileError::fileTooLarge());
    if (!bytes.startsWith("PK\x03\x04"))
        return readXml(bytes);
    const ZipMember member = unzipOnlyMember(bytes, {QStringLiteral(".jpz"), QStringLiteral(".xml")}, MaxPuzzleFileBytes);
    if (!member.bytes)
        return fail(member.error);
    return readXml(*member.bytes);
}

std::optional<Puzzle> JpzReader::readXml(const QByteArray &xml)
{
    // Read through a device, the reader decodes the text a piece at a time
    // instead of the whole file at once into one large buffer.
    QBuffer device;
    device.setData(xml);
    device.open(QIODevice::ReadOnly);
    QXmlStreamReader reader(&device);
    reader.setEntityExpansionLimit(0);
    int width = 0, height = 0;
    QList<PuzzleCell> cells;
    QList<int> numbers;
    bool anySolution = false, missingSolution = false, inCrossword = false;
    // How deep the reader is in elements, where the puzzle element opened, and
    // the first element inside it that names a kind other than a crossword.
    int depth = 0, puzzleDepth = -1;
    QString otherKind;
    // Bars on a square's right or bottom edge are the left or top bars of its neighbour.
    QList<qsizetype> barsRight, barsBelow;
    PuzzleInfo info;
    QHash<QString, Word> words;
    QString currentWord;
    struct JpzClue {
        QString word;
        int number;
        QString format, text;
        int list;  // which clue list of the file, from 0
    };
    QList<JpzClue> clues;
    QStringList listTitles;  // each clue list's title, as written

    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::DTD && !reader.entityDeclarations().isEmpty())
            return fail(PuzzleFileError::notCrossword());
        if (token == QXmlStreamReader::EndElement) {
            --depth;
            if (reader.name() == QLatin1String("word"))
                currentWord.clear();
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        ++depth;
        const QStringView name = reader.name();
        if (name == QLatin1String("rectangular-puzzle"))
            puzzleDepth = depth;
        else if (depth == puzzleDepth + 1 && puzzleDepth > 0 && otherKind.isEmpty() && namesPuzzleKind(name))
            otherKind = name.toString();
        const QXmlStreamAttributes attributes = reader.attributes();
        auto attribute = [&](const char *key) { return attributes.value(QLatin1String(key)); };
        // Reading an element's text consumes its end as well.
        auto elementText = [&] {
            --depth;
            return PuzzleFile::plainText(reader.readElementText(QXmlStreamReader::IncludeChildElements));
        };
        if (name == QLatin1String("crossword")) {
            inCrossword = true;
        } else if (name == QLatin1String("title") && !inCrossword) {
            info.title = elementText();
        } else if (name == QLatin1String("creator")) {
            info.author = elementText();
        } else if (name == QLatin1String("copyright")) {
            info.copyright = elementText();
        } else if (name == QLatin1String("description") || name == QLatin1String("instructions")) {
            // The solving instructions are notes too, after any description.
            const QString text = elementText();
            info.notes = info.notes.isEmpty() || text.isEmpty() ? info.notes + text : info.notes + QLatin1Char(' ') + text;
        } else if (name == QLatin1String("grid") && inCrossword && cells.isEmpty()) {
            width = attribute("width").toInt();
            height = attribute("height").toInt();
            if (const QString why = PuzzleFile::checkGridSize(width, height); !why.isEmpty())
                return fail(why);
            cells.resize(qsizetype(width) * height);
            numbers.fill(0, cells.size());
        } else if (name == QLatin1String("cell") && !cells.isEmpty()) {
            const int x = attribute("x").toInt(), y = attribute("y").toInt();
            if (x < 1 || x > width || y < 1 || y > height)
                return fail(PuzzleFileError::mismatch());
            const qsizetype at = qsizetype(y - 1) * width + (x - 1);
            PuzzleCell &square = cells[at];
            const QStringView type = attribute("type");
            square.block = type == QLatin1String("block") || type == QLatin1String("void");
            square.circled = attribute("background-shape") == QLatin1String("circle");
            square.barLeft = isTrue(attribute("left-bar"));
            square.barTop = isTrue(attribute("top-bar"));
            if (isTrue(attribute("right-bar")) && x < width)
                barsRight.append(at + 1);
            if (isTrue(attribute("bottom-bar")) && y < height)
                barsBelow.append(at + width);
            square.solution = attribute("solution").toString().trimmed().toUpper();
            // A hint cell is one the puzzle fills in for the solver.
            square.given = !square.block && isTrue(attribute("hint"));
            numbers[at] = attribute("number").toInt();
            if (!square.block) {
                anySolution = anySolution || !square.solution.isEmpty();
                missingSolution = missingSolution || square.solution.isEmpty();
            }
        } else if (name == QLatin1String("word") && inCrossword) {
            currentWord = attribute("id").toString();
            Word &word = words[currentWord];
            if (attributes.hasAttribute(QLatin1String("x")))
                word.append(span(attribute("x"), width), span(attribute("y"), height));
        } else if (name == QLatin1String("cells") && !currentWord.isEmpty()) {
            words[currentWord].append(span(attribute("x"), width), span(attribute("y"), height));
        } else if (name == QLatin1String("clues") && inCrossword) {
            listTitles.append(QString());
        } else if (name == QLatin1String("title") && inCrossword && !listTitles.isEmpty()) {
            listTitles.last() = elementText();
        } else if (name == QLatin1String("clue") && inCrossword) {
            JpzClue clue{attribute("word").toString(), attribute("number").toInt(), attribute("format").toString(), {},
                         int(listTitles.size()) - 1};
            clue.text = elementText();
            clues.append(clue);
        }
    }
    if (reader.error() == QXmlStreamReader::PrematureEndOfDocumentError)
        return fail(PuzzleFileError::endsEarly());
    if (reader.hasError())
        return fail(cells.isEmpty() ? PuzzleFileError::notCrossword() : PuzzleFileError::damaged());
    if (!inCrossword && !otherKind.isEmpty())
        return fail(PuzzleFileError::otherKind(otherKind));
    if (cells.isEmpty())
        return fail(PuzzleFileError::notCrossword());
    for (qsizetype at : barsRight)
        cells[at].barLeft = true;
    for (qsizetype at : barsBelow)
        cells[at].barTop = true;

    Puzzle puzzle(width, height, cells, anySolution && !missingSolution);
    if (!PuzzleFile::numbersAgree(puzzle, numbers)) {
        // Numbered along spirals, rows or bands: say so rather than "do not match".
        const bool crooked = std::any_of(clues.begin(), clues.end(), [&](const JpzClue &clue) {
            const Word word = words.value(clue.word, Word{{}, false});
            return word.valid && word.cells.size() > 1 && !word.straight();
        });
        return fail(crooked ? PuzzleFileError::notAcrossDown() : PuzzleFileError::mismatch());
    }

    // A clue's direction and number come from its word's squares, which must
    // be exactly a word of the grid; a number the file prints must agree.
    // A word that runs some other way (a diagonal through letter squares) is
    // an extra clue, read beside the notes; the grid plays across and down.
    QList<FileClue> fileClues;
    bool otherWays = false;
    for (const JpzClue &clue : clues) {
        const Word word = words.value(clue.word, Word{{}, false});
        if (!word.valid || word.cells.size() < 2)
            return fail(PuzzleFileError::mismatch());
        if (!word.straight()) {
            otherWays = true;
            const bool onLetters = std::none_of(word.cells.begin(), word.cells.end(),
                                                [&](CellPos p) { return puzzle.cell(p).block; });
            if (onLetters)
                info.extraClues.append({listTitles.value(clue.list), clue.number, clue.text, word.cells});
            continue;
        }
        const Direction direction = word.cells[0].row == word.cells[1].row ? Direction::Across : Direction::Down;
        const int number = puzzle.cell(word.cells[0]).number;
        if (number == 0 || puzzle.wordCells(direction, number) != word.cells || (clue.number != 0 && clue.number != number))
            return fail(PuzzleFileError::mismatch());
        fileClues.append({direction, number, clue.text, clue.format});
    }
    // Words that only run other ways (spirals, bands) make another kind of puzzle.
    if (!PuzzleFile::addClues(puzzle, fileClues))
        return fail(otherWays ? PuzzleFileError::notAcrossDown() : PuzzleFileError::mismatch());
    puzzle.setInfo(info);
    return puzzle;
}
