// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "puzzle/ipuzreader.h"
#include "puzzle/puzzlefile.h"

#include <algorithm>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace {

// A cell value as text, so "#", 0 and "0" compare alike.
QString valueText(const QJsonValue &value)
{
    if (value.isDouble())
        return QString::number(value.toDouble());
    return value.toString();
}

// A clue number given as 12 or "12"; 0 when it is neither.
int numberOf(const QJsonValue &value)
{
    if (value.isDouble())
        return value.toInt();
    bool ok = false;
    const int n = value.toString().trimmed().toInt(&ok);
    return ok ? n : 0;
}

QByteArray withoutWrapper(const QByteArray &bytes)
{
    const QByteArray text = bytes.trimmed();
    if (!text.startsWith("ipuz("))
        return text;
    QByteArray inner = text.mid(5);
    if (inner.endsWith(';'))
        inner.chop(1);
    if (inner.endsWith(')'))
        inner.chop(1);
    return inner;
}

// One clue in any of its forms: "1 text", [1, "text"] or {"number", "clue", "enumeration"}.
std::optional<FileClue> fileClue(const QJsonValue &value, Direction direction)
{
    FileClue clue;
    clue.direction = direction;
    if (value.isString()) {
        static const QRegularExpression numbered(QStringLiteral("^\\s*(\\d{1,4})\\s+(.*)$"),
                                                 QRegularExpression::DotMatchesEverythingOption);
        const QRegularExpressionMatch match = numbered.match(value.toString());
        if (!match.hasMatch())
            return std::nullopt;
        clue.number = match.captured(1).toInt();
        clue.text = match.captured(2);
    } else if (value.isArray()) {
        const QJsonArray pair = value.toArray();
        clue.number = numberOf(pair.at(0));
        clue.text = pair.at(1).toString();
    } else if (value.isObject()) {
        const QJsonObject object = value.toObject();
        clue.number = numberOf(object.value(QLatin1String("number")));
        clue.text = object.value(QLatin1String("clue")).toString();
        clue.enumeration = valueText(object.value(QLatin1String("enumeration")));
    }
    if (clue.number <= 0)
        return std::nullopt;
    clue.text = PuzzleFile::plainText(clue.text);
    return clue;
}

// The kind a kind URL names: "http://ipuz.org/acrostic#1" is "acrostic".
QString kindName(const QString &url)
{
    QString kind = url.section(QLatin1Char('#'), 0, 0);
    while (kind.endsWith(QLatin1Char('/')))
        kind.chop(1);
    return kind.section(QLatin1Char('/'), -1);
}

// The bars a cell's style draws on its edges: "barred" holds T, R, B and L.
void addBars(QList<PuzzleCell> &cells, int width, int row, int column, const QString &barred)
{
    const qsizetype at = qsizetype(row) * width + column;
    const qsizetype height = cells.size() / width;
    for (QChar edge : barred.toUpper()) {
        if (edge == QLatin1Char('L'))
            cells[at].barLeft = true;
        else if (edge == QLatin1Char('T'))
            cells[at].barTop = true;
        else if (edge == QLatin1Char('R') && column + 1 < width)
            cells[at + 1].barLeft = true;
        else if (edge == QLatin1Char('B') && row + 1 < height)
            cells[at + width].barTop = true;
    }
}

// A clue of another list with its "cells" ([column, row] from 1), or nullopt
// unless those are two or more letter squares of the grid.
std::optional<ExtraClue> extraClue(const QJsonObject &object, const Puzzle &puzzle)
{
    ExtraClue clue{{}, numberOf(object.value(QLatin1String("number"))),
                   PuzzleFile::plainText(object.value(QLatin1String("clue")).toString()), {}};
    for (const QJsonValue &cell : object.value(QLatin1String("cells")).toArray()) {
        const QJsonArray xy = cell.toArray();
        const CellPos at{numberOf(xy.at(1)) - 1, numberOf(xy.at(0)) - 1};
        if (at.row < 0 || at.column < 0 || at.row >= puzzle.height() || at.column >= puzzle.width()
            || puzzle.cell(at).block)
            return std::nullopt;
        clue.cells.append(at);
    }
    if (clue.cells.size() < 2)
        return std::nullopt;
    return clue;
}

} // namespace

std::optional<Puzzle> IpuzReader::fail(const QString &why)
{
    m_error = why;
    return std::nullopt;
}

std::optional<Puzzle> IpuzReader::read(const QByteArray &bytes)
{
    m_error.clear();
    if (bytes.size() > MaxPuzzleFileBytes)
        return fail(PuzzleFileError::fileTooLarge());
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(withoutWrapper(bytes), &parseError);
    if (parseError.error == QJsonParseError::UnterminatedObject || parseError.error == QJsonParseError::UnterminatedArray
        || parseError.error == QJsonParseError::UnterminatedString)
        return fail(PuzzleFileError::endsEarly());
    if (!document.isObject())
        return fail(PuzzleFileError::notCrossword());
    const QJsonObject root = document.object();

    bool crossword = false;
    QString otherKind;
    // A kind named beside the crossword ("diagramless", "coded") but not a
    // crossword itself ("crypticcrossword"): it explains a grid that does not fit.
    QString variant;
    for (const QJsonValue &kind : root.value(QLatin1String("kind")).toArray()) {
        crossword = crossword || kind.toString().contains(QLatin1String("crossword"), Qt::CaseInsensitive);
        if (otherKind.isEmpty() && kind.toString().contains(QLatin1String("ipuz.org/"), Qt::CaseInsensitive))
            otherKind = kindName(kind.toString());
        const QString name = kindName(kind.toString());
        if (variant.isEmpty() && !name.contains(QLatin1String("crossword"), Qt::CaseInsensitive))
            variant = name;
    }
    if (!crossword)
        return fail(otherKind.isEmpty() ? PuzzleFileError::notCrossword() : PuzzleFileError::otherKind(otherKind));

    const QJsonObject dimensions = root.value(QLatin1String("dimensions")).toObject();
    const int width = numberOf(dimensions.value(QLatin1String("width")));
    const int height = numberOf(dimensions.value(QLatin1String("height")));
    if (const QString why = PuzzleFile::checkGridSize(width, height); !why.isEmpty())
        return fail(why);

    const QString block = root.contains(QLatin1String("block")) ? valueText(root.value(QLatin1String("block"))) : QStringLiteral("#");
    const QString empty = root.contains(QLatin1String("empty")) ? valueText(root.value(QLatin1String("empty"))) : QStringLiteral("0");
    const QJsonArray grid = root.value(QLatin1String("puzzle")).toArray();
    const QJsonValue solutionValue = root.value(QLatin1String("solution"));
    const QJsonArray solutionGrid = solutionValue.toArray();
    if (grid.size() != height || (solutionValue.isArray() && solutionGrid.size() != height))
        return fail(PuzzleFileError::damaged());

    QList<PuzzleCell> cells(qsizetype(width) * height);
    QList<int> numbers;
    bool hasSolution = solutionValue.isArray();
    for (int r = 0; r < height; ++r) {
        const QJsonArray row = grid.at(r).toArray();
        const QJsonArray solutionRow = solutionGrid.at(r).toArray();
        if (row.size() != width || (hasSolution && solutionRow.size() != width))
            return fail(PuzzleFileError::damaged());
        for (int c = 0; c < width; ++c) {
            QJsonValue value = row.at(c);
            PuzzleCell &square = cells[qsizetype(r) * width + c];
            QString givenLetter;  // a letter the puzzle fills in itself
            if (value.isObject()) {
                const QJsonObject object = value.toObject();
                const QJsonObject style = object.value(QLatin1String("style")).toObject();
                square.circled = style.value(QLatin1String("shapebg")).toString() == QLatin1String("circle");
                addBars(cells, width, r, c, style.value(QLatin1String("barred")).toString());
                givenLetter = valueText(object.value(QLatin1String("value"))).trimmed();
                value = object.value(QLatin1String("cell"));
                if (value.isUndefined())
                    value = 0;
            }
            const QString text = valueText(value);
            // An omitted square (null) is no part of the grid: it plays as a block.
            square.block = value.isNull() || text == block;
            const int number = square.block || text == empty ? 0 : numberOf(value);
            // A cell holding neither a number nor a marker holds its given letter.
            if (!square.block && text != empty && number == 0 && value.isString())
                givenLetter = text.trimmed();
            square.given = !square.block && !givenLetter.isEmpty() && givenLetter != empty;
            numbers.append(number);
            if (square.block || !hasSolution)
                continue;
            QJsonValue answer = solutionRow.at(c);
            if (answer.isObject())
                answer = answer.toObject().value(QLatin1String("value"));
            square.solution = valueText(answer).trimmed().toUpper();
            if (square.solution.isEmpty() || square.solution == block)
                hasSolution = false;  // a letter square without its letter
        }
    }
    const QJsonObject lists = root.value(QLatin1String("clues")).toObject();
    auto heading = [](const QString &key) { return key.section(QLatin1Char(':'), 0, 0).trimmed().toLower(); };
    // Clues of words that run some other way (rows, bands, spirals) or a kind
    // of crossword the file names beside it explain a grid that does not fit.
    const QStringList keys = lists.keys();
    const bool otherLists = std::any_of(keys.begin(), keys.end(), [&](const QString &key) {
        return heading(key) != QLatin1String("across") && heading(key) != QLatin1String("down");
    });
    const QString misfit = !variant.isEmpty() ? PuzzleFileError::otherKind(variant)
        : otherLists                          ? PuzzleFileError::notAcrossDown()
                                              : PuzzleFileError::mismatch();

    Puzzle puzzle(width, height, cells, hasSolution);
    if (!PuzzleFile::numbersAgree(puzzle, numbers))
        return fail(misfit);
    auto text = [&](const char *key) { return PuzzleFile::plainText(root.value(QLatin1String(key)).toString()); };
    PuzzleInfo info{text("title"), text("author"), text("copyright"), text("notes"), {}};

    QList<FileClue> clues;
    for (auto it = lists.begin(); it != lists.end(); ++it) {
        if (heading(it.key()) != QLatin1String("across") && heading(it.key()) != QLatin1String("down")) {
            // A list of other words (a diagonal) whose clues name their
            // letter squares is read beside the notes.
            const QString title = it.key().section(QLatin1Char(':'), 0, 0).trimmed();
            for (const QJsonValue &value : it.value().toArray())
                if (const std::optional<ExtraClue> extra = extraClue(value.toObject(), puzzle))
                    info.extraClues.append({title, extra->number, extra->text, extra->cells});
            continue;
        }
        const Direction direction = heading(it.key()) == QLatin1String("across") ? Direction::Across : Direction::Down;
        for (const QJsonValue &value : it.value().toArray()) {
            const std::optional<FileClue> clue = fileClue(value, direction);
            if (!clue)
                return fail(PuzzleFileError::mismatch());
            clues.append(*clue);
        }
    }
    if (!PuzzleFile::addClues(puzzle, clues))
        return fail(misfit);
    puzzle.setInfo(info);
    return puzzle;
}
