// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "writers.h"
#include "puzzle/ansi.h"
#include "puzzle/puzreader.h"
#include "puzzle/puzzlefile.h"
#include "puzzle/puzzlereader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QXmlStreamWriter>
#include <QtEndian>
#include <algorithm>
#include <zlib.h>

namespace {

// Clues in the order a .puz file and the numbering give them: by number,
// across before down.
QList<const PuzzleClue *> cluesInNumberOrder(const Puzzle &puzzle)
{
    QList<const PuzzleClue *> ordered;
    for (const PuzzleClue &clue : puzzle.clues(Direction::Across))
        ordered.append(&clue);
    for (const PuzzleClue &clue : puzzle.clues(Direction::Down))
        ordered.append(&clue);
    std::stable_sort(ordered.begin(), ordered.end(), [](const PuzzleClue *a, const PuzzleClue *b) {
        return a->number != b->number ? a->number < b->number : a->direction == Direction::Across && b->direction == Direction::Down;
    });
    return ordered;
}

// The readers take texts as HTML, so "<" and "&" are written as entities.
QString htmlEscaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QString enumeration(const PuzzleClue &clue)
{
    QStringList parts;
    for (int n : clue.wordLengths)
        parts.append(QString::number(n));
    return parts.join(QLatin1Char(','));
}

void putU16(QByteArray &bytes, qsizetype at, uint16_t value)
{
    qToLittleEndian<uint16_t>(value, bytes.data() + at);
}

QByteArray puzSection(const char *name, const QByteArray &data)
{
    QByteArray section(name, 4);
    section.append(8 - 4, '\0');
    putU16(section, 4, uint16_t(data.size()));
    putU16(section, 6, PuzLayout::checksum(data));
    return section + data + '\0';
}

} // namespace

QByteArray writePuz(const Puzzle &puzzle, int lockKey)
{
    using namespace PuzLayout;
    const int width = puzzle.width(), height = puzzle.height();
    const qsizetype squares = qsizetype(width) * height;
    const QList<const PuzzleClue *> clues = cluesInNumberOrder(puzzle);

    QStringList texts = {puzzle.info().title, puzzle.info().author, puzzle.info().copyright};
    for (const PuzzleClue *clue : clues)
        texts.append(clue->text);
    texts.append(puzzle.info().notes);
    bool ansi = true;
    for (int r = 0; r < height; ++r)
        for (int c = 0; c < width; ++c)
            texts.append(puzzle.cell(r, c).solution);
    for (const QString &text : texts)
        ansi = ansi && fromAnsi(toAnsi(text)) == text;
    texts.resize(texts.size() - squares);
    auto encode = [ansi](const QString &text) { return ansi ? toAnsi(text) : text.toUtf8(); };

    QByteArray solution, fill, circles(squares, '\0'), rebusGrid(squares, '\0');
    QString rebusTable;
    QStringList rebusWords;
    for (int r = 0; r < height; ++r)
        for (int c = 0; c < width; ++c) {
            const PuzzleCell &square = puzzle.cell(r, c);
            const qsizetype at = qsizetype(r) * width + c;
            const QString letter = square.solution.isEmpty() ? QStringLiteral("X") : square.solution.left(1);
            solution.append(square.block ? QByteArray(1, Block) : encode(letter).left(1));
            fill.append(square.block ? Block : EmptySquare);
            circles[at] = square.circled ? char(0x80) : '\0';
            if (square.solution.size() > 1) {
                qsizetype key = rebusWords.indexOf(square.solution);
                if (key < 0) {
                    key = rebusWords.size();
                    rebusWords.append(square.solution);
                    rebusTable += QStringLiteral("%1:%2;").arg(key, 2).arg(square.solution);
                }
                rebusGrid[at] = char(key + 1);
            }
        }

    QByteArray header(GridAt, '\0');
    header.replace(MagicAt, 12, QByteArray("ACROSS&DOWN\0", 12));
    header.replace(VersionAt, 4, QByteArray(ansi ? "1.3\0" : "2.0\0", 4));
    header[WidthAt] = char(width);
    header[HeightAt] = char(height);
    putU16(header, ClueCountAt, uint16_t(clues.size()));
    putU16(header, 0x30, 1);  // an ordinary puzzle
    if (lockKey >= 0) {
        const QByteArray letters = columnLetters(solution, width, height);
        putU16(header, LockSumAt, checksum(letters));
        putU16(header, LockStateAt, LockedFlag);
        solution = withColumnLetters(solution, width, height, lockLetters(letters, lockKey));
    }

    // The checksums: of the header fields, each grid, the texts, and all together.
    const uint16_t headerSum = checksum(QByteArrayView(header).sliced(WidthAt, 8));
    const uint16_t solutionSum = checksum(solution), fillSum = checksum(fill);
    QByteArray strings;
    auto textSum = [&](uint16_t sum) {
        for (qsizetype i = 0; i < texts.size(); ++i) {
            const QByteArray text = encode(texts[i]);
            const bool clue = i >= 3 && i < texts.size() - 1;
            if (clue)
                sum = checksum(text, sum);
            else if (!text.isEmpty())
                sum = checksum(text + '\0', sum);
        }
        return sum;
    };
    for (const QString &text : texts)
        strings += encode(text) + '\0';
    const uint16_t partSum = textSum(0);
    const uint16_t overall = textSum(checksum(fill, checksum(solution, headerSum)));
    putU16(header, 0, overall);
    putU16(header, HeaderSumAt, headerSum);
    const uint16_t parts[4] = {headerSum, solutionSum, fillSum, partSum};
    for (int i = 0; i < 4; ++i) {
        header[MaskedLowAt + i] = char(uint8_t("ICHE"[i]) ^ (parts[i] & 0xFF));
        header[MaskedHighAt + i] = char(uint8_t("ATED"[i]) ^ (parts[i] >> 8));
    }

    QByteArray file = header + solution + fill + strings;
    if (circles.count('\0') != squares)
        file += puzSection("GEXT", circles);
    if (!rebusWords.isEmpty())
        file += puzSection("GRBS", rebusGrid) + puzSection("RTBL", encode(rebusTable));
    return file;
}

QByteArray writeIpuz(const Puzzle &puzzle, bool wrapped)
{
    QJsonArray grid, solution;
    for (int r = 0; r < puzzle.height(); ++r) {
        QJsonArray row, solutionRow;
        for (int c = 0; c < puzzle.width(); ++c) {
            const PuzzleCell &square = puzzle.cell(r, c);
            QJsonValue value = square.block ? QJsonValue(QStringLiteral("#")) : QJsonValue(square.number);
            QJsonObject style;
            if (square.circled)
                style.insert(QStringLiteral("shapebg"), QStringLiteral("circle"));
            if (square.barLeft || square.barTop)
                style.insert(QStringLiteral("barred"), QString(square.barLeft ? "L" : "") + (square.barTop ? "T" : ""));
            if (!style.isEmpty())
                value = QJsonObject{{"cell", value}, {"style", style}};
            row.append(value);
            solutionRow.append(square.block ? QJsonValue(QStringLiteral("#")) : QJsonValue(square.solution));
        }
        grid.append(row);
        solution.append(solutionRow);
    }
    QJsonObject clueLists;
    for (Direction direction : {Direction::Across, Direction::Down}) {
        QJsonArray list;
        for (const PuzzleClue &clue : puzzle.clues(direction))
            list.append(QJsonObject{{"number", clue.number}, {"clue", htmlEscaped(clue.text)}, {"enumeration", enumeration(clue)}});
        clueLists.insert(direction == Direction::Across ? QStringLiteral("Across") : QStringLiteral("Down"), list);
    }
    QJsonObject root{
        {"version", "http://ipuz.org/v2"},
        {"kind", QJsonArray{"http://ipuz.org/crossword#1"}},
        {"dimensions", QJsonObject{{"width", puzzle.width()}, {"height", puzzle.height()}}},
        {"title", htmlEscaped(puzzle.info().title)},
        {"author", htmlEscaped(puzzle.info().author)},
        {"copyright", htmlEscaped(puzzle.info().copyright)},
        {"notes", htmlEscaped(puzzle.info().notes)},
        {"puzzle", grid},
        {"clues", clueLists},
    };
    if (puzzle.hasSolution())
        root.insert(QStringLiteral("solution"), solution);
    const QByteArray json = QJsonDocument(root).toJson(QJsonDocument::Compact);
    return wrapped ? "ipuz(" + json + ")" : json;
}

QByteArray writeJpz(const Puzzle &puzzle)
{
    QByteArray xml;
    QXmlStreamWriter out(&xml);
    out.writeStartDocument();
    out.writeStartElement(QStringLiteral("crossword-compiler-applet"));
    out.writeDefaultNamespace(QStringLiteral("http://crossword.info/xml/crossword-compiler"));
    out.writeStartElement(QStringLiteral("rectangular-puzzle"));
    out.writeDefaultNamespace(QStringLiteral("http://crossword.info/xml/rectangular-puzzle"));
    out.writeStartElement(QStringLiteral("metadata"));
    out.writeTextElement(QStringLiteral("title"), htmlEscaped(puzzle.info().title));
    out.writeTextElement(QStringLiteral("creator"), htmlEscaped(puzzle.info().author));
    out.writeTextElement(QStringLiteral("copyright"), htmlEscaped(puzzle.info().copyright));
    out.writeTextElement(QStringLiteral("description"), htmlEscaped(puzzle.info().notes));
    out.writeEndElement();
    out.writeStartElement(QStringLiteral("crossword"));
    out.writeStartElement(QStringLiteral("grid"));
    out.writeAttribute(QStringLiteral("width"), QString::number(puzzle.width()));
    out.writeAttribute(QStringLiteral("height"), QString::number(puzzle.height()));
    for (int r = 0; r < puzzle.height(); ++r)
        for (int c = 0; c < puzzle.width(); ++c) {
            const PuzzleCell &square = puzzle.cell(r, c);
            out.writeEmptyElement(QStringLiteral("cell"));
            out.writeAttribute(QStringLiteral("x"), QString::number(c + 1));
            out.writeAttribute(QStringLiteral("y"), QString::number(r + 1));
            if (square.block) {
                out.writeAttribute(QStringLiteral("type"), QStringLiteral("block"));
                continue;
            }
            if (puzzle.hasSolution())
                out.writeAttribute(QStringLiteral("solution"), square.solution);
            if (square.number)
                out.writeAttribute(QStringLiteral("number"), QString::number(square.number));
            if (square.circled)
                out.writeAttribute(QStringLiteral("background-shape"), QStringLiteral("circle"));
            if (square.barLeft)
                out.writeAttribute(QStringLiteral("left-bar"), QStringLiteral("true"));
            if (square.barTop)
                out.writeAttribute(QStringLiteral("top-bar"), QStringLiteral("true"));
        }
    out.writeEndElement();
    int id = 0;
    QList<int> ids[2];
    for (Direction direction : {Direction::Across, Direction::Down})
        for (const PuzzleClue &clue : puzzle.clues(direction)) {
            ids[int(direction)].append(++id);
            out.writeStartElement(QStringLiteral("word"));
            out.writeAttribute(QStringLiteral("id"), QString::number(id));
            for (const CellPos &pos : clue.cells) {
                out.writeEmptyElement(QStringLiteral("cells"));
                out.writeAttribute(QStringLiteral("x"), QString::number(pos.column + 1));
                out.writeAttribute(QStringLiteral("y"), QString::number(pos.row + 1));
            }
            out.writeEndElement();
        }
    for (Direction direction : {Direction::Across, Direction::Down}) {
        out.writeStartElement(QStringLiteral("clues"));
        out.writeStartElement(QStringLiteral("title"));
        out.writeTextElement(QStringLiteral("b"), direction == Direction::Across ? QStringLiteral("Across") : QStringLiteral("Down"));
        out.writeEndElement();
        const QList<PuzzleClue> &clues = puzzle.clues(direction);
        for (qsizetype i = 0; i < clues.size(); ++i) {
            out.writeStartElement(QStringLiteral("clue"));
            out.writeAttribute(QStringLiteral("word"), QString::number(ids[int(direction)][i]));
            out.writeAttribute(QStringLiteral("number"), QString::number(clues[i].number));
            out.writeAttribute(QStringLiteral("format"), enumeration(clues[i]));
            out.writeCharacters(htmlEscaped(clues[i].text));
            out.writeEndElement();
        }
        out.writeEndElement();
    }
    out.writeEndDocument();
    return xml;
}

QByteArray zipOne(const QString &name, const QByteArray &data)
{
    QByteArray packed(qsizetype(compressBound(uLong(data.size()))), '\0');
    z_stream stream{};
    deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef *>(packed.data());
    stream.avail_out = uInt(packed.size());
    deflate(&stream, Z_FINISH);
    packed.truncate(qsizetype(stream.total_out));
    deflateEnd(&stream);

    const QByteArray fileName = name.toUtf8();
    const uint32_t crc = uint32_t(crc32(0, reinterpret_cast<const Bytef *>(data.constData()), uInt(data.size())));
    auto record = [&](uint32_t signature, qsizetype size, qsizetype methodAt) {
        QByteArray bytes(size, '\0');
        qToLittleEndian<uint32_t>(signature, bytes.data());
        qToLittleEndian<uint16_t>(20, bytes.data() + methodAt - 4);  // version needed
        qToLittleEndian<uint16_t>(8, bytes.data() + methodAt);       // deflate
        qToLittleEndian<uint32_t>(crc, bytes.data() + methodAt + 6);
        qToLittleEndian<uint32_t>(uint32_t(packed.size()), bytes.data() + methodAt + 10);
        qToLittleEndian<uint32_t>(uint32_t(data.size()), bytes.data() + methodAt + 14);
        qToLittleEndian<uint16_t>(uint16_t(fileName.size()), bytes.data() + methodAt + 18);
        return bytes;
    };
    const QByteArray local = record(0x04034b50, 30, 8) + fileName;
    QByteArray central = record(0x02014b50, 46, 10);
    qToLittleEndian<uint16_t>(20, central.data() + 4);  // made by
    central += fileName;
    QByteArray end(22, '\0');
    qToLittleEndian<uint32_t>(0x06054b50, end.data());
    qToLittleEndian<uint16_t>(1, end.data() + 8);
    qToLittleEndian<uint16_t>(1, end.data() + 10);
    qToLittleEndian<uint32_t>(uint32_t(central.size()), end.data() + 12);
    qToLittleEndian<uint32_t>(uint32_t(local.size() + packed.size()), end.data() + 16);
    return local + packed + central + end;
}

namespace {

// Grid rows ('#' a block) and clue texts by label of our own test puzzles;
// words and clues are ours.
struct OwnPuzzle {
    QStringList rows;
    QList<std::pair<QString, QString>> clues;
};

const OwnPuzzle &ownPuzzle(int side)
{
    static const OwnPuzzle fifteen{{
        "EVILS#EFFECTIVE",
        "S#L#U#N#O#O#D#G",
        "CULPRIT#RANGING",
        "A###F#I#U###O##",
        "PIE#ATTEMPT#MET",
        "E#R#C#L###E###H",
        "STATEMENT#LITRE",
        "########E#L#H#A",
        "ESSENTIAL#SWEPT",
        "M#C#O#N#E###R#R",
        "POINT#ELSEWHERE",
        "T#E#I#R#C#I#F##",
        "ION#CAT#OPTIONS",
        "E#C#E#I#P#T#R#A",
        "SHE#SCARE#YIELD",
    }, {
        {"A1", "Wicked deeds"},
        {"A4", "Producing the wanted result"},
        {"A9", "One to blame"},
        {"A10", "Roaming widely"},
        {"A11", "Pastry dish with a filling"},
        {"A13", "Have a go at"},
        {"A15", "Came across"},
        {"A17", "Something said formally"},
        {"A19", "Metric measure of liquid"},
        {"A21", "Absolutely needed"},
        {"A25", "Cleaned with a brush"},
        {"A26", "Sharp end"},
        {"A27", "In another place"},
        {"A29", "Charged particle"},
        {"A30", "Pet that purrs"},
        {"A31", "Choices on offer"},
        {"A33", "That woman"},
        {"A34", "Give a fright"},
        {"A35", "Give way"},
        {"D1", "Breaks free"},
        {"D2", "Under the weather"},
        {"D3", "Top layer"},
        {"D4", "Give a right to"},
        {"D5", "Place for public debate"},
        {"D6", "Swindle"},
        {"D7", "Turn of phrase"},
        {"D8", "Hen's product"},
        {"D12", "Long period of history"},
        {"D14", "Informs"},
        {"D16", "Place for plays"},
        {"D18", "Stargazer's instrument"},
        {"D20", "For that reason"},
        {"D21", "Clears out"},
        {"D22", "Study of the natural world"},
        {"D23", "Spots"},
        {"D24", "Reluctance to move"},
        {"D28", "Cleverly funny"},
        {"D32", "Unhappy"},
    }};
    static const OwnPuzzle twentyOne{{
        "FINER#WIDTH#ELSEWHERE",
        "I#U#E#I#O#A#X#U#E#M#X",
        "RAMPANT#NOSTALGIA#BAT",
        "E#E#S#N#A###C#G#T#A#E",
        "WAR#SHE#TWENTIETH#RUN",
        "O#I#U#S#E#I###S#E#R#D",
        "RECORDS#DOGMA#THREATS",
        "K#A#E#E###H#N#E###S##",
        "SALES#SHORTENED#TASTE",
        "########W###O###E###X",
        "ENLIGHTEN#PAYED#CREEP",
        "L#E#R#O###A#E#E#H#L#R",
        "EXTRA#PLAIN#DEFENSIVE",
        "G#T#C###L#I###I#I#T#S",
        "ABIDE#POLICEMAN#CLIPS",
        "N#N###A#O###U#E#A#S#E",
        "TAG#SIR#CUBIC#DELETES",
        "####I#T#A#A#K########",
        "NIL#GENETIC#INGENIOUS",
        "U#O#H#E#E#K#N#I#O#U#A",
        "NUT#THRUSTS#GENERATED",
    }, {
        {"A1", "Of better quality"},
        {"A4", "Measure from side to side"},
        {"A7", "Not here"},
        {"A12", "Spreading unchecked"},
        {"A13", "Longing for the past"},
        {"A14", "Cricket implement"},
        {"A15", "Armed conflict"},
        {"A16", "A female"},
        {"A17", "Coming after the nineteenth"},
        {"A19", "Move at speed on foot"},
        {"A20", "Writes down for later"},
        {"A21", "Firm belief"},
        {"A23", "Warnings of harm"},
        {"A24", "Shop discounts"},
        {"A25", "Cut down"},
        {"A27", "Sample a little"},
        {"A29", "Inform or educate"},
        {"A33", "Let out, as a rope"},
        {"A35", "Move stealthily"},
        {"A37", "Additional"},
        {"A38", "Simple; flat land"},
        {"A40", "Guarding against attack"},
        {"A41", "Tolerate"},
        {"A42", "Officer on the beat"},
        {"A44", "Short film extracts"},
        {"A45", "Label"},
        {"A46", "Knight's title"},
        {"A47", "Shaped like a dice"},
        {"A49", "Removes from a file"},
        {"A50", "Nothing, in a score"},
        {"A52", "Inherited"},
        {"A53", "Very clever"},
        {"A58", "Hard-shelled fruit"},
        {"A59", "Pushes suddenly"},
        {"A60", "Produced"},
        {"D1", "Bonfire night display"},
        {"D2", "Expressed in numbers"},
        {"D3", "Puts at ease"},
        {"D4", "Those who saw it happen"},
        {"D5", "Gave to charity"},
        {"D6", "Owns"},
        {"D7", "Precise"},
        {"D8", "Put forward"},
        {"D9", "Rain or shine"},
        {"D10", "Make awkward"},
        {"D11", "Stretches out"},
        {"D18", "Two fours"},
        {"D22", "Cross"},
        {"D26", "Possess"},
        {"D27", "Specialised, as jargon"},
        {"D28", "Puts into words"},
        {"D29", "Graceful and stylish"},
        {"D30", "Allowing"},
        {"D31", "Elegance of movement"},
        {"D32", "Highest point"},
        {"D33", "Sudden fear"},
        {"D34", "Clearly outlined"},
        {"D36", "Favouring a select few"},
        {"D39", "Shares out"},
        {"D42", "Companion"},
        {"D43", "Messing (about)"},
        {"D46", "Vision"},
        {"D48", "Supports"},
        {"D50", "Convent dweller"},
        {"D51", "Large amount"},
        {"D54", "Juniper spirit"},
        {"D55", "And not"},
        {"D56", "Not at home"},
        {"D57", "Downcast"},
    }};
    return side == 15 ? fifteen : twentyOne;
}

} // namespace

Puzzle testPuzzle(int side)
{
    const OwnPuzzle &own = ownPuzzle(side);
    QList<PuzzleCell> squares;
    for (const QString &row : own.rows)
        for (QChar letter : row) {
            PuzzleCell &square = squares.emplace_back();
            square.block = letter == QLatin1Char('#');
            square.solution = QString(letter);
        }
    Puzzle puzzle(side, side, squares);
    // The squares of 1 across are circled.
    QList<PuzzleCell> circled;
    const QList<CellPos> ring = puzzle.wordCells(Direction::Across, 1);
    for (int r = 0; r < side; ++r)
        for (int c = 0; c < side; ++c) {
            circled.append(puzzle.cell(r, c));
            circled.last().circled = ring.contains(CellPos{r, c});
        }
    puzzle = Puzzle(side, side, circled);
    puzzle.setInfo({QStringLiteral("Test puzzle, %1 by %1").arg(side), QStringLiteral("Quorel Crosswords developers"),
                    QStringLiteral("© 2026 Quorel Crosswords developers"),
                    QStringLiteral("Our own puzzle for testing the <file> readers & writers.")});
    QList<FileClue> clues;
    for (const auto &[label, text] : own.clues)
        clues.append({label.startsWith(QLatin1Char('A')) ? Direction::Across : Direction::Down, label.mid(1).toInt(), text, {}});
    PuzzleFile::addClues(puzzle, clues);
    return puzzle;
}

QList<std::pair<QString, Puzzle>> shippedPuzzles(const QString &textDir, QStringList *errors)
{
    QList<std::pair<QString, Puzzle>> puzzles;
    PuzzleTextReader reader;
    for (const QFileInfo &info : QDir(textDir).entryInfoList({QStringLiteral("PUZ0*.txt")}, QDir::Files, QDir::Name)) {
        QFile file(info.filePath());
        std::optional<Puzzle> puzzle;
        if (file.open(QIODevice::ReadOnly))
            puzzle = reader.read(fromAnsi(file.readAll()));
        if (puzzle)
            puzzles.append({info.completeBaseName(), *puzzle});
        else if (errors)
            errors->append(info.fileName() + QStringLiteral(": ") + reader.errorString());
    }
    return puzzles;
}

namespace {

// Word lengths of 3 to 8 letters filling a line of `side` squares, drawn from
// `seed`; no line is left with 1 or 2 squares over.
QList<int> wordLengths(int side, uint32_t seed)
{
    QList<int> lengths;
    for (int left = side; left > 0;) {
        seed = seed * 1103515245u + 12345u;
        const uint32_t draw = seed >> 16;
        int length = left;
        if (left > 8 || (left >= 6 && draw % 3 == 0))
            length = 3 + int(draw % uint32_t(std::min(8, left - 3) - 2));
        lengths.append(length);
        left -= length;
    }
    return lengths;
}

} // namespace

Puzzle barredTestPuzzle(int side)
{
    // Letters in about the proportions of English text.
    static const QString letters = QStringLiteral("EEEEETTTTAAAOOOIIINNNSSSHHRRRDDLLCUMWFGYPBVK");
    QList<PuzzleCell> squares(qsizetype(side) * side);
    uint32_t seed = uint32_t(side);
    for (PuzzleCell &square : squares) {
        seed = seed * 1103515245u + 12345u;
        square.block = false;
        square.solution = letters[int((seed >> 16) % uint32_t(letters.size()))];
    }
    // A bar before the first square of each word but a line's first.
    for (int line = 0; line < side; ++line) {
        int at = 0;
        for (int length : wordLengths(side, uint32_t(line * 7919 + side))) {
            if (at > 0)
                squares[qsizetype(line) * side + at].barLeft = true;
            at += length;
        }
        at = 0;
        for (int length : wordLengths(side, uint32_t(line * 104729 + side * 31))) {
            if (at > 0)
                squares[qsizetype(at) * side + line].barTop = true;
            at += length;
        }
    }
    Puzzle puzzle(side, side, squares);
    puzzle.setInfo({QStringLiteral("Barred test puzzle, %1 by %1").arg(side), QStringLiteral("Quorel Crosswords developers"),
                    QStringLiteral("© 2026 Quorel Crosswords developers"), QString()});
    QList<FileClue> clues;
    for (Direction direction : {Direction::Across, Direction::Down})
        for (int number = 1; number <= side * side; ++number)
            if (!puzzle.wordCells(direction, number).isEmpty())
                clues.append({direction, number,
                              QStringLiteral("Test clue for %1 %2").arg(number).arg(direction == Direction::Across ? "across" : "down"), {}});
    PuzzleFile::addClues(puzzle, clues);
    return puzzle;
}
