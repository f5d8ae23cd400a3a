// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "store/attempt.h"
#include "puzzle/ansi.h"

#include <algorithm>

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QChar kRevealedMark = QLatin1Char('!');
// After the answer line, one line per square holding several letters:
// "Rebus", Tab, the square's number from 1 in row order, Tab, its letters.
const QString kRebusRecord = QStringLiteral("Rebus\t");

// Hands out the CR LF lines of a progress file one by one; past its end every
// line is empty, so a short file leaves the rest of the attempt empty. The
// lines are views into the text: most of them are skipped or a single letter,
// and the status scan reads every puzzle's file.
class LineReader {
public:
    explicit LineReader(const QByteArray &bytes) : m_text(fromAnsi(bytes)) {}
    QStringView next()
    {
        if (m_pos >= m_text.size())
            return {};
        // The next CR that a LF follows; a lone CR belongs to the line.
        const QStringView text(m_text);
        qsizetype end = text.indexOf(QLatin1Char('\r'), m_pos);
        while (end >= 0 && (end + 1 >= text.size() || text[end + 1] != QLatin1Char('\n')))
            end = text.indexOf(QLatin1Char('\r'), end + 1);
        if (end < 0)
            end = m_text.size();
        const QStringView line = QStringView(m_text).sliced(m_pos, end - m_pos);
        m_pos = end + kCrLf.size();
        return line;
    }
    bool atEnd() const { return m_pos >= m_text.size(); }

private:
    QString m_text;
    qsizetype m_pos = 0;
};

} // namespace

Attempt::Attempt(const Puzzle &puzzle)
    : m_width(puzzle.width()), m_height(puzzle.height()),
      m_letters(qsizetype(puzzle.width()) * puzzle.height()),
      m_revealed(qsizetype(puzzle.width()) * puzzle.height(), false),
      m_slots(answerSlotCount(puzzle))
{
}

void Attempt::setLetter(int i, const QString &letter)
{
    if (i >= 0 && i < m_letters.size() && m_letters[i] != letter) {
        m_letters[i] = letter;
        ++m_gridChanges;
    }
}

void Attempt::setRevealed(int i, bool revealed)
{
    if (i >= 0 && i < m_revealed.size() && m_revealed[i] != revealed) {
        m_revealed[i] = revealed;
        ++m_gridChanges;
    }
}

void Attempt::clear()
{
    std::fill(m_letters.begin(), m_letters.end(), QString());
    std::fill(m_revealed.begin(), m_revealed.end(), false);
    clearSlots();
    ++m_gridChanges;
}

AnswerSlot &Attempt::slotRef(int k)
{
    // Boxes past the end are kept as well: the answer line never writes past its slots.
    if (k > m_slots.size())
        m_slots.resize(k);
    return m_slots[std::max(k, 1) - 1];
}

void Attempt::clearSlots()
{
    std::fill(m_slots.begin(), m_slots.end(), AnswerSlot());
}

int answerSlotCount(const Puzzle &puzzle)
{
    // The longest run of letter squares along a row or down a column.
    int longest = 0;
    for (const bool across : {true, false}) {
        const int lines = across ? puzzle.height() : puzzle.width();
        const int length = across ? puzzle.width() : puzzle.height();
        for (int line = 0; line < lines; ++line) {
            int run = 0;
            for (int i = 0; i < length; ++i) {
                const bool letter = !(across ? puzzle.cell(line, i) : puzzle.cell(i, line)).block;
                run = letter ? run + 1 : 0;
                longest = std::max(longest, run);
            }
        }
    }
    return std::max(longest, int(Attempt::MinSlots));
}

QByteArray encodeProgress(const Puzzle &puzzle, const Attempt &attempt)
{
    QString out;
    out.reserve(4096);
    out += QString::number(puzzle.width()) + kCrLf;
    for (int row = 0; row < puzzle.height(); ++row) {
        for (int col = 0; col < puzzle.width(); ++col) {
            const int i = attempt.index(row, col);
            const PuzzleCell &square = puzzle.cell(row, col);
            // A rebus square shows its first letter here, as any reader of
            // these files expects one letter; the whole text follows the
            // answer line in a rebus record.
            const QString letter = attempt.letter(i);
            out += letter.left(1);
            if (attempt.revealed(i) && !letter.isEmpty())
                out += kRevealedMark;
            out += kCrLf;
            out += numberCaption(square) + kCrLf;
            out += square.solution + kCrLf;
        }
    }
    const int boxes = std::max(attempt.slotCount(), answerSlotCount(puzzle));
    for (int k = 1; k <= boxes; ++k) {
        const AnswerSlot slot = attempt.slot(k);
        out += slot.letter + kCrLf + slot.mark + kCrLf;
    }
    for (int i = 0; i < attempt.squareCount(); ++i)
        if (attempt.letter(i).size() > 1)
            out += kRebusRecord + QString::number(i + 1) + QLatin1Char('\t') + attempt.letter(i) + kCrLf;
    return toAnsi(out);
}

Attempt decodeProgress(const QByteArray &bytes, const Puzzle &puzzle)
{
    Attempt attempt(puzzle);
    if (bytes.isEmpty())
        return attempt;
    LineReader in(bytes);
    in.next();  // the stored side: the puzzle's own layout is read
    for (int row = 0; row < puzzle.height(); ++row) {
        for (int col = 0; col < puzzle.width(); ++col) {
            QStringView entry = in.next();
            in.next();  // the number: the puzzle numbers its squares itself
            in.next();  // the solution: the puzzle's own counts
            if (puzzle.cell(row, col).block)
                continue;
            const int i = attempt.index(row, col);
            // A lone "!" is a letter of a damaged file, not an empty revealed
            // square: read so, it is written back the same.
            if (entry.size() >= 2 && entry.endsWith(kRevealedMark)) {
                entry.chop(1);
                attempt.setRevealed(i, true);
            } else {
                // A typed letter is one character; a revealed rebus square may hold more.
                entry = entry.left(1);
            }
            attempt.setLetter(i, entry.toString());
        }
    }
    for (int k = 1; k <= attempt.slotCount(); ++k) {
        AnswerSlot &slot = attempt.slotRef(k);
        slot.letter = in.next().toString();
        slot.mark = in.next().toString();
    }
    // Rebus records, wherever they stand after the answer line: one counts
    // only for a square whose first letter it carries on.
    for (QStringView line = in.next(); !in.atEnd() || !line.isEmpty(); line = in.next()) {
        if (!line.startsWith(kRebusRecord))
            continue;
        const QList<QStringView> fields = line.split(QLatin1Char('\t'));
        bool ok = false;
        const int i = fields.size() == 3 ? fields[1].toInt(&ok) - 1 : -1;
        const QString letters = fields.size() == 3 ? fields[2].toString() : QString();
        if (ok && letters.size() > 1 && !attempt.letter(i).isEmpty() && letters.startsWith(attempt.letter(i)))
            attempt.setLetter(i, letters);
    }
    return attempt;
}

AttemptStatus attemptStatus(const Puzzle &puzzle, const Attempt &attempt)
{
    AttemptStatus status;
    for (int row = 0; row < puzzle.height(); ++row) {
        for (int col = 0; col < puzzle.width(); ++col) {
            const PuzzleCell &square = puzzle.cell(row, col);
            if (square.block)
                continue;
            ++status.letters;
            const QString letter = attempt.letter(attempt.index(row, col));
            if (letter.isEmpty())
                continue;
            ++status.filled;
            if (!square.solution.isEmpty() && !isRightLetter(letter, square.solution))
                ++status.mistakes;
        }
    }
    return status;
}

bool isRightLetter(const QString &entered, const QString &solution)
{
    // A rebus square is right with its whole text or with its first letter.
    return entered == solution || (solution.size() > 1 && entered == solution.left(1));
}
