// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// The spoken description of the current clue and of the magnified cursor's
// square, and spelling a text aloud.
#include "engine/crosswords.h"
#include "base/textnumber.h"
#include "engine/answerline.h"
#include "engine/braille.h"

namespace {

QString ordinal(int position)
{
    switch (position) {
    case 1: return QStringLiteral("first");
    case 2: return QStringLiteral("second");
    case 3: return QStringLiteral("third");
    default: return QStringLiteral("%1th").arg(position);
    }
}

// ", second letter, " before a square's letter; a rebus square is a square.
QString ordinalPhrase(int position, bool rebus)
{
    return QStringLiteral(", ") + ordinal(position) + (rebus ? QStringLiteral(" square, ") : QStringLiteral(" letter, "));
}

// ", second and 4th letters circled" for an answer of `length` squares;
// empty when none of them is circled.
QString circledPhrase(const QList<int> &positions, int length)
{
    if (positions.isEmpty())
        return QString();
    if (length > 1 && positions.size() == length)
        return QStringLiteral(", every letter circled");
    QString phrase;
    for (qsizetype i = 0; i < positions.size(); ++i) {
        if (i > 0)
            phrase += i + 1 == positions.size() ? QStringLiteral(" and ") : QStringLiteral(", ");
        phrase += ordinal(positions[i]);
    }
    return QStringLiteral(", ") + phrase + (positions.size() == 1 ? QStringLiteral(" letter circled") : QStringLiteral(" letters circled"));
}

// The names spoken for symbols; every other character is spoken as itself.
QString spokenSymbol(QChar ch)
{
    switch (ch.unicode()) {
    case ' ': return QStringLiteral("space");
    case '!': return QStringLiteral("exclamation mark");
    case '"': return QStringLiteral("quote");
    case 0x00A3: return QStringLiteral("pound sign");
    case '$': return QStringLiteral("dollar sign");
    case '&': return QStringLiteral("and");
    case '%': return QStringLiteral("percent sign");
    case '(': return QStringLiteral("open bracket");
    case ')': return QStringLiteral("close bracket");
    case '-': return QStringLiteral("hyphen");
    case '=': return QStringLiteral("equals");
    case '+': return QStringLiteral("plus");
    case ':': return QStringLiteral("colon");
    case ';': return QStringLiteral("semicolon");
    case '\'': return QStringLiteral("apostrophe");
    case ',': return QStringLiteral("comma");
    case '.': return QStringLiteral("fullstop");
    case '?': return QStringLiteral("question mark");
    case '/': return QStringLiteral("slash");
    case '_': return QStringLiteral("blank");
    default: return QString(ch);
    }
}

} // namespace

void Crosswords::updatedisplay()
{
    const int squares = m_table.squareCount();

    if (m_session.viewmode != 1) {
        // Magnified views and the chooser: the cursor square decides the clue;
        // nothing is said here.
        for (int idx = 1; idx <= squares; ++idx) {
            // A revealed square keeps its mark.
            if (m_attempt.revealed(idx - 1))
                continue;
            m_screen.markSquare(idx, false);
        }
        m_session.currow = std::max(m_session.currow, 1);
        m_session.curcol = std::max(m_session.curcol, 1);
        const int idx = (m_session.currow - 1) * m_table.gridsize + m_session.curcol;
        if (idx >= 1 && idx <= squares) {
            m_screen.markSquare(idx, true);
            const int across = m_table.sqclue[idx][1], down = m_table.sqclue[idx][2];
            if (const int row = across != 0 ? m_table.rowOf(1, across) : m_table.rowOf(2, down))
                m_session.curclue = row;
        }
        if (m_session.viewmode != 3)
            highlightgrid();
        return;
    }

    // The clue of the current entry of the list shown, by its number (its
    // label is "A" or "D" and the number, of any length).
    if (m_session.curclue < 1 || m_session.curclue > int(m_session.panelrows.size()))
        return;
    const QString &shown = m_table.clues[m_session.panelrows[m_session.curclue - 1]][1];
    if (shown.isEmpty())
        return;
    const int number = leadingNumber(shown.mid(1));

    // Mark the answer's squares.
    for (int idx = 1; idx <= squares; ++idx)
        m_screen.markSquare(idx, number != 0 && m_table.sqclue[idx][m_session.curdir] == number);

    const int row = m_table.rowOf(m_session.curdir, number);
    if (m_table.clues[row][2].isEmpty())
        return;
    m_session.spokenclue = row;
    bool complete = false;
    m_announcer.saymsg = clueReading(row, &complete);
    if (complete)
        playwave(QStringLiteral("ok"));
    m_session.clueread = m_announcer.saymsg;
    highlightgrid();
}

QString Crosswords::clueReading(int row, bool *complete)
{
    const QString label = m_table.clues[row][1];
    const int dir = label.startsWith(QLatin1Char('A')) ? 1 : 2;
    const int number = label.mid(1).toInt();
    const int squares = m_table.squareCount();

    // The answer's squares in reading order: what each holds (empty when
    // nothing), how many letters the answer has (a rebus square holds
    // several), and which of its squares are circled.
    QStringList entries;
    int letters = 0;
    QList<int> circled;
    for (int idx = 1; idx <= squares; ++idx) {
        if (m_table.sqclue[idx][dir] != number)
            continue;
        entries.append(m_attempt.letter(idx - 1));
        const PuzzleCell &cell = squareCell(idx);
        letters += std::max(1, int(cell.solution.size()));
        if (cell.circled)
            circled.append(int(entries.size()));
    }
    const int count = int(entries.size());
    const QString inSquares = letters != count ? QStringLiteral(" in %1 squares").arg(count) : QString();

    const QString head = QString::number(number) + (dir == 1 ? QStringLiteral(" across") : QStringLiteral(" down"));
    const QStringList words = m_table.clues[row][2].split(QLatin1Char(' '));
    QString reading;
    if (words.size() == 1 && !inSquares.isEmpty()) {
        reading = head + QStringLiteral(", %1 letters").arg(letters) + inSquares;
    } else if (words.size() == 1) {
        // The count and "letters" are written together here, as always said.
        reading = head + QStringLiteral(", ") + QString::number(count) + QStringLiteral("letters");
    } else {
        reading = head + QStringLiteral(", %1 words").arg(words.size());
        for (qsizetype w = 0; w + 1 < words.size(); ++w)
            reading += QStringLiteral(", %1 letters").arg(words[w].size());
        reading += QStringLiteral(" and %1 letters").arg(words.last().size()) + inSquares;
    }
    reading += QStringLiteral(", ");

    reading += clueTextOf(m_table.clues[row][3]);

    const int filled = count - int(entries.count(QString()));
    if (complete)
        *complete = filled == count;
    if (filled == count) {
        reading += QStringLiteral(", you filled this in with, ") + entries.join(QString());
    } else if (2 * filled <= count && filled <= 3) {
        for (int i = 1; i <= count; ++i)
            if (!entries[i - 1].isEmpty())
                reading += ordinalPhrase(i, entries[i - 1].size() > 1) + spokenLetters(entries[i - 1]);
    } else {
        reading += QStringLiteral("\tso far you have typed");
        for (const QString &entry : entries)
            reading += entry.isEmpty() ? QStringLiteral(", blank") : QStringLiteral(", ") + spokenLetters(entry);
    }
    return reading + circledPhrase(circled, count);
}

const PuzzleCell &Crosswords::squareCell(int idx) const
{
    const int n = std::max(m_table.gridsize, 1);
    if (idx < 1)
        return m_puzzle.cell(-1, -1);  // no square: outside the grid
    return m_puzzle.cell((idx - 1) / n, (idx - 1) % n);
}

QString spokenLetters(const QString &letters)
{
    if (letters.size() < 2)
        return letters;
    QString spaced;
    for (const QChar ch : letters)
        spaced += spaced.isEmpty() ? QString(ch) : QStringLiteral(" ") + ch;
    return spaced;
}

void Crosswords::spellit(QString s)
{
    qsizetype start = 0;
    if (s.startsWith(QLatin1String("(anagram)"))) {
        m_announcer.saymsg += QStringLiteral("\tanagram");
        start = 10;  // past "(anagram) "
    }
    // A label shows "&&" as one ampersand, and so it is spelled.
    const qsizetype pair = s.indexOf(QLatin1String("&&"));
    if (pair >= 0)
        s.remove(pair, 1);
    // The blank of a fill-in clue is spelled once, not three times.
    for (int i = 0; i < 3; ++i) {
        const qsizetype blank = s.indexOf(QLatin1String("___"));
        if (blank >= 0)
            s.replace(blank, 3, QStringLiteral("_"));
    }
    for (qsizetype i = start; i < s.size(); ++i)
        m_announcer.saymsg += QStringLiteral(", ") + spokenSymbol(s[i]);
}

// The magnified cursor's square: its name ("3C"), then its letter, "blank"
// or nothing, and "circled" for a circled square.
QString Crosswords::sayzoom()
{
    m_announcer.voicestate = 0;
    return zoomReading();
}

QString Crosswords::zoomReading() const
{
    const int idx = (m_session.currow - 1) * m_table.gridsize + m_session.curcol;
    QString s = QString::number(m_session.currow) + QChar(64 + m_session.curcol);
    if (idx < 1 || idx > m_table.squareCount())
        return s;
    const PuzzleCell &square = m_puzzle.cell(m_session.currow - 1, m_session.curcol - 1);
    const QString letter = m_attempt.letter(idx - 1);
    if (!letter.isEmpty())
        s += QLatin1Char('\t') + spokenLetters(letter);
    else if (m_session.isMarked(idx) && !m_table.isDark(idx))  // the marked cursor on an empty square
        s += QLatin1Char('\t') + QStringLiteral("blank");
    if (square.circled)
        s += QStringLiteral("\tcircled");
    return s;
}
