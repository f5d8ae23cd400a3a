// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "puzzle/puzreader.h"
#include "puzzle/ansi.h"
#include "puzzle/puzzlefile.h"

#include <QHash>
#include <QtEndian>
#include <algorithm>
#include <array>

namespace PuzLayout {

qsizetype headerStart(QByteArrayView bytes)
{
    constexpr qsizetype searched = 1024;
    const qsizetype magic = bytes.first(std::min(bytes.size(), searched)).indexOf(QByteArrayView("ACROSS&DOWN\0", 12));
    return magic >= MagicAt ? magic - MagicAt : -1;
}

uint16_t checksum(QByteArrayView bytes, uint16_t sum)
{
    for (char byte : bytes) {
        sum = (sum & 1) ? uint16_t((sum >> 1) + 0x8000) : uint16_t(sum >> 1);
        sum = uint16_t(sum + uint8_t(byte));
    }
    return sum;
}

namespace {

std::array<int, 4> keyDigits(int key)
{
    return {key / 1000 % 10, key / 100 % 10, key / 10 % 10, key % 10};
}

// Every byte shifted by -9 to 9 places through A to Z (other bytes are taken
// as the letter they fall on modulo 26), looked up: the key search shifts
// millions of letters.
char shifted(char letter, int by)
{
    static const auto table = [] {
        std::array<std::array<char, 256>, 19> shifts{};
        for (int b = -9; b <= 9; ++b)
            for (int byte = 0; byte < 256; ++byte) {
                const int index = ((char(byte) - 'A') % 26 + 26) % 26;
                shifts[b + 9][byte] = char('A' + (index + b + 26) % 26);
            }
        return shifts;
    }();
    return table[by + 9][uint8_t(letter)];
}

} // namespace

// Four rounds, one per digit: shift each letter by the digits in turn, rotate
// left by the round's digit, then interleave the second half with the first.
QByteArray lockLetters(QByteArray letters, int key)
{
    const auto digits = keyDigits(key);
    const qsizetype n = letters.size();
    QByteArray next(n, Qt::Uninitialized);
    char *from = letters.data(), *to = next.data();
    const qsizetype mid = n / 2;
    for (int round = 0; round < 4 && n > 0; ++round) {
        for (qsizetype j = 0; j < n; ++j)
            from[j] = shifted(from[j], digits[j % 4]);
        if (digits[round] < n)
            std::rotate(from, from + digits[round], from + n);
        for (qsizetype k = 0; k < mid; ++k) {
            to[2 * k] = from[mid + k];
            to[2 * k + 1] = from[k];
        }
        if (n % 2)
            to[n - 1] = from[n - 1];
        std::swap(from, to);
    }
    return from == letters.data() ? letters : next;
}

// The rounds of lockLetters undone, last first. The key search runs this
// ten thousand times, so it works on plain buffers.
QByteArray unlockLetters(QByteArray letters, int key)
{
    const auto digits = keyDigits(key);
    const qsizetype n = letters.size();
    QByteArray next(n, Qt::Uninitialized);
    char *from = letters.data(), *to = next.data();
    const qsizetype mid = n / 2;
    for (int round = 3; round >= 0 && n > 0; --round) {
        for (qsizetype k = 0; k < mid; ++k) {
            to[k] = from[2 * k + 1];
            to[mid + k] = from[2 * k];
        }
        if (n % 2)
            to[n - 1] = from[n - 1];
        std::swap(from, to);
        if (digits[round] < n)
            std::rotate(from, from + n - digits[round], from + n);
        for (qsizetype j = 0; j < n; ++j)
            from[j] = shifted(from[j], -digits[j % 4]);
    }
    return from == letters.data() ? letters : next;
}

QByteArray columnLetters(const QByteArray &grid, int width, int height)
{
    QByteArray letters;
    for (int c = 0; c < width; ++c)
        for (int r = 0; r < height; ++r)
            if (const char square = grid[r * width + c]; square != Block && square != ':')
                letters.append(square);
    return letters;
}

QByteArray withColumnLetters(QByteArray grid, int width, int height, const QByteArray &letters)
{
    qsizetype next = 0;
    for (int c = 0; c < width; ++c)
        for (int r = 0; r < height; ++r)
            if (char &square = grid[r * width + c]; square != Block && square != ':' && next < letters.size())
                square = letters[next++];
    return grid;
}

} // namespace PuzLayout

namespace {

using namespace PuzLayout;

uint16_t u16At(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<uint16_t>(bytes.constData() + at);
}

// The NUL-terminated strings after the grids, and the extra sections after them.
class Cursor {
public:
    Cursor(const QByteArray &bytes, qsizetype at) : m_bytes(bytes), m_at(at) {}
    std::optional<QByteArray> string()
    {
        const qsizetype end = m_bytes.indexOf('\0', m_at);
        if (end < 0)
            return std::nullopt;
        QByteArray text = m_bytes.mid(m_at, end - m_at);
        m_at = end + 1;
        return text;
    }
    qsizetype at() const { return m_at; }
    qsizetype left() const { return m_bytes.size() - m_at; }
    void skip(qsizetype n) { m_at += n; }

private:
    const QByteArray &m_bytes;
    qsizetype m_at;
};

// The rebus table: " 1:STAR; 2:HEART;" gives key 1 the text STAR.
QHash<int, QString> rebusTable(const QString &text)
{
    QHash<int, QString> table;
    for (const QString &entry : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype colon = entry.indexOf(QLatin1Char(':'));
        bool ok = false;
        const int key = entry.left(colon).trimmed().toInt(&ok);
        if (colon > 0 && ok)
            table.insert(key, entry.mid(colon + 1).trimmed());
    }
    return table;
}

// The overall and masked checksums over the parts the format names.
struct Sums {
    uint16_t header, solution, fill, text, overall;
};

Sums computeSums(const QByteArray &bytes, qsizetype squares, const QList<QByteArray> &strings, bool withNotes)
{
    Sums sums{};
    sums.header = checksum(QByteArrayView(bytes).sliced(WidthAt, 8));
    sums.solution = checksum(QByteArrayView(bytes).sliced(GridAt, squares));
    sums.fill = checksum(QByteArrayView(bytes).sliced(GridAt + squares, squares));
    // Title, author and copyright count with their NUL when not empty, the
    // clues without, the notes with theirs from version 1.3 on.
    auto textSum = [&](uint16_t sum) {
        const qsizetype clueCount = strings.size() - 4;
        for (int i = 0; i < 3; ++i)
            if (!strings[i].isEmpty())
                sum = checksum(QByteArrayView(strings[i].constData(), strings[i].size() + 1), sum);
        for (qsizetype i = 0; i < clueCount; ++i)
            sum = checksum(strings[3 + i], sum);
        if (withNotes && !strings.last().isEmpty())
            sum = checksum(QByteArrayView(strings.last().constData(), strings.last().size() + 1), sum);
        return sum;
    };
    sums.text = textSum(0);
    uint16_t overall = sums.header;
    overall = checksum(QByteArrayView(bytes).sliced(GridAt, squares), overall);
    overall = checksum(QByteArrayView(bytes).sliced(GridAt + squares, squares), overall);
    sums.overall = textSum(overall);
    return sums;
}

bool sumsMatch(const QByteArray &bytes, const Sums &sums)
{
    static const char low[] = "ICHE";
    static const char high[] = "ATED";
    const uint16_t parts[4] = {sums.header, sums.solution, sums.fill, sums.text};
    for (int i = 0; i < 4; ++i)
        if (uint8_t(bytes[MaskedLowAt + i]) != (uint8_t(low[i]) ^ (parts[i] & 0xFF))
            || uint8_t(bytes[MaskedHighAt + i]) != (uint8_t(high[i]) ^ (parts[i] >> 8)))
            return false;
    return u16At(bytes, 0) == sums.overall && u16At(bytes, HeaderSumAt) == sums.header;
}

// The keys the search tries. The fuzzers try only the first hundred: the
// search runs the same code for every key, and ten thousand unlockings of
// every input under the sanitizers would leave them a few inputs a second.
#ifdef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
constexpr int LastKey = 99;
#else
constexpr int LastKey = 9999;
#endif

// The key whose unlocking of `grid` gives letters with the file's checksum,
// or -1. The checksum has 16 bits, so in about one locked file in ten a wrong
// key fits as well as the right one; when more than one key fits, nothing
// tells which solution is the puzzle's, and a wrong one would mark the
// solver's right letters as mistakes: then no key is taken (-1).
int findKey(const QByteArray &grid, int width, int height, uint16_t lockSum)
{
    const QByteArray letters = columnLetters(grid, width, height);
    int found = -1;
    for (int key = 0; key <= LastKey; ++key) {
        if (checksum(unlockLetters(letters, key)) != lockSum)
            continue;
        if (found >= 0)
            return -1;
        found = key;
    }
    return found;
}

} // namespace

std::optional<Puzzle> PuzReader::fail(const QString &why)
{
    m_error = why;
    return std::nullopt;
}

std::optional<Puzzle> PuzReader::read(const QByteArray &bytes)
{
    m_error.clear();
    m_locked = false;
    m_checksumsMatch = false;
    m_key = -1;
    const qsizetype start = headerStart(bytes);
    if (start < 0)
        return fail(PuzzleFileError::notCrossword());
    if (start > 0)
        return read(bytes.mid(start));
    if (bytes.size() < GridAt)
        return fail(PuzzleFileError::endsEarly());
    const int width = uint8_t(bytes[WidthAt]);
    const int height = uint8_t(bytes[HeightAt]);
    if (const QString why = PuzzleFile::checkGridSize(width, height); !why.isEmpty())
        return fail(why);
    const qsizetype squares = qsizetype(width) * height;
    const int clueCount = u16At(bytes, ClueCountAt);
    // Each square starts at most one word of each direction.
    if (clueCount > 2 * squares)
        return fail(PuzzleFileError::mismatch());
    if (bytes.size() < GridAt + 2 * squares)
        return fail(PuzzleFileError::endsEarly());

    const bool utf8 = bytes.mid(VersionAt, 2) == "2.";
    auto decode = [utf8](const QByteArray &raw) { return utf8 ? QString::fromUtf8(raw) : fromAnsi(raw); };

    // Title, author, copyright, the clues, the notes.
    Cursor cursor(bytes, GridAt + 2 * squares);
    QList<QByteArray> strings;
    for (int i = 0; i < 3 + clueCount; ++i) {
        std::optional<QByteArray> text = cursor.string();
        if (!text)
            return fail(PuzzleFileError::endsEarly());
        strings.append(*text);
    }
    // Old files end without notes or without the notes' NUL.
    strings.append(cursor.left() > 0 ? cursor.string().value_or(QByteArray()) : QByteArray());
    const bool withNotes = bytes.mid(VersionAt, 3) >= "1.3" || utf8;

    QByteArray circles, rebusGrid;
    QHash<int, QString> rebus;
    while (cursor.left() >= 8) {
        const QByteArray name = bytes.mid(cursor.at(), 4);
        const qsizetype length = u16At(bytes, cursor.at() + 4);
        cursor.skip(8);
        if (length > cursor.left())
            return fail(PuzzleFileError::endsEarly());
        const QByteArray data = bytes.mid(cursor.at(), length);
        cursor.skip(length + (length < cursor.left() ? 1 : 0));  // the section's closing NUL
        if ((name == "GEXT" || name == "GRBS") && length != squares)
            return fail(PuzzleFileError::damaged());
        if (name == "GEXT")
            circles = data;
        else if (name == "GRBS")
            rebusGrid = data;
        else if (name == "RTBL")
            rebus = rebusTable(decode(data));
    }

    QByteArray solution = bytes.mid(GridAt, squares);
    m_checksumsMatch = sumsMatch(bytes, computeSums(bytes, squares, strings, withNotes));
    bool hasSolution = true;
    if (u16At(bytes, LockStateAt) & LockedFlag) {
        m_key = findKey(solution, width, height, u16At(bytes, LockSumAt));
        if (m_key >= 0)
            solution = withColumnLetters(solution, width, height, unlockLetters(columnLetters(solution, width, height), m_key));
        hasSolution = m_key >= 0;
        m_locked = !hasSolution;
    }

    QList<PuzzleCell> cells(squares);
    for (qsizetype i = 0; i < squares; ++i) {
        PuzzleCell &square = cells[i];
        square.block = solution[i] == Block || solution[i] == ':';
        square.solution = decode(solution.mid(i, 1));
        if (!rebusGrid.isEmpty() && uint8_t(rebusGrid[i]) > 0)
            square.solution = rebus.value(uint8_t(rebusGrid[i]) - 1, square.solution);
        square.circled = !circles.isEmpty() && (uint8_t(circles[i]) & 0x80);
    }
    Puzzle puzzle(width, height, cells, hasSolution);
    puzzle.setInfo({decode(strings[0]), decode(strings[1]), decode(strings[2]), decode(strings.last())});

    // The clues come in number order, across before down at the same square.
    QList<FileClue> clues;
    qsizetype next = 3;
    for (int r = 0; r < height; ++r)
        for (int c = 0; c < width; ++c)
            for (Direction direction : {Direction::Across, Direction::Down}) {
                const int number = puzzle.cell(r, c).number;
                if (number == 0 || puzzle.wordNumber(r, c, direction) != number)
                    continue;
                if (next >= 3 + clueCount)
                    return fail(PuzzleFileError::mismatch());
                clues.append({direction, number, decode(strings[next++]), {}});
            }
    if (next != 3 + clueCount || !PuzzleFile::addClues(puzzle, clues))
        return fail(PuzzleFileError::mismatch());
    return puzzle;
}
