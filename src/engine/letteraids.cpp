// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// Aids on one answer or one letter: F3 checks, F6 reveals a letter, F7 reads
// the crossings and Shift+F7 goes to the crossing answer. In the clue list
// they act on the answer last read; on the answer line, on the current box.
#include "base/textnumber.h"
#include "engine/answerline.h"
#include "engine/crosswords.h"

namespace {

bool onAnswerLine(const Crosswords &g)
{
    return g.session().viewmode == ViewMode::LetterEntry;
}

bool inClueOrLine(const Crosswords &g)
{
    return g.session().viewmode == ViewMode::ClueList || onAnswerLine(g);
}

// 1 across, 2 down: the direction of clue row `row`.
int directionOf(const ClueTable &table, int row)
{
    return table.clues[row][1].startsWith(QLatin1Char('A')) ? 1 : 2;
}

} // namespace

int Crosswords::checkableClueRow()
{
    if (!inClueOrLine(*this))
        return 0;
    if (!m_puzzle.hasSolution()) {
        m_announcer.saymsg = noSolutionPhrase();
        return 0;
    }
    return currentClueRow();
}

// F3: in the clue list, the wrong letters of the answer by position ("2 wrong
// letters: second, fifth"); on the answer line, the letter in the current box.
// Empty squares are not mistakes.
void Crosswords::checkAnswer()
{
    const int row = checkableClueRow();
    if (row == 0)
        return;
    if (onAnswerLine(*this)) {
        const QString letter = m_attempt.slot(m_session.letterpos).letter;
        const int idx = m_session.markedSquare(m_session.letterpos);
        m_announcer.saymsg = letter.isEmpty() ? QStringLiteral("blank")
            : isRightLetter(letter, revealedSquare(idx).letter) ? QStringLiteral("right")
                                                                 : QStringLiteral("wrong");
        return;
    }
    const std::vector<int> squares = answerSquares(row);
    QStringList wrong;
    for (std::size_t k = 0; k < squares.size(); ++k) {
        const QString letter = m_attempt.letter(squares[k] - 1);
        if (!letter.isEmpty() && !isRightLetter(letter, revealedSquare(squares[k]).letter))
            wrong.append(ordinalWord(int(k) + 1));
    }
    if (wrong.isEmpty())
        m_announcer.saymsg = QStringLiteral("No mistakes in this answer");
    else
        m_announcer.saymsg = QStringLiteral("%1 wrong %2: %3")
                                 .arg(wrong.size())
                                 .arg(wrong.size() == 1 ? QStringLiteral("letter") : QStringLiteral("letters"))
                                 .arg(wrong.join(QStringLiteral(", ")));
}

// F6: the solution of the current box, or in the clue list of the answer's
// first empty or wrong square, goes into the grid as a revealed letter.
void Crosswords::revealLetter()
{
    const int row = checkableClueRow();
    if (row == 0)
        return;
    const std::vector<int> squares = answerSquares(row);
    int position = 0;
    if (onAnswerLine(*this)) {
        position = m_session.letterpos;
    } else {
        for (std::size_t k = 0; k < squares.size() && position == 0; ++k) {
            const QString letter = m_attempt.letter(squares[k] - 1);
            if (letter.isEmpty() || !isRightLetter(letter, revealedSquare(squares[k]).letter))
                position = int(k) + 1;
        }
        if (position == 0) {
            m_announcer.saymsg = QStringLiteral("Nothing to reveal");
            return;
        }
    }
    const int idx = onAnswerLine(*this) ? m_session.markedSquare(position) : squares[position - 1];
    if (m_table.isDark(idx))
        return;
    const SquareState square = revealedSquare(idx);
    changeSquares(answerName(row), squares, {square});
    if (onAnswerLine(*this)) {
        m_attempt.slotRef(position).letter = square.letter;
        m_screen.showSlot(position);
        m_announcer.saymsg = square.letter;
    } else {
        highlightgrid();
        m_announcer.saymsg = square.letter + QStringLiteral(", ") + ordinalWord(position) + QStringLiteral(" letter");
    }
    finishAfterReveal();
}

// F7: in the clue list, every square of the answer that another answer
// crosses ("letter 1, 1 down, S; letter 3, 2 down, blank"); on the answer
// line, the reading of the answer crossing the current box.
void Crosswords::sayCrossings()
{
    const int row = currentClueRow();
    if (!inClueOrLine(*this) || row == 0)
        return;
    const int other = directionOf(m_table, row) == 1 ? 2 : 1;
    m_announcer.voicestate = 0;
    if (onAnswerLine(*this)) {
        const int idx = m_session.markedSquare(m_session.letterpos);
        const int crossing = idx >= 1 && idx <= m_table.squareCount() ? m_table.rowOf(other, m_table.sqclue[idx][other]) : 0;
        m_announcer.saymsg = crossing != 0 && !m_table.clues[crossing][2].isEmpty() ? clueReading(crossing)
                                                                                     : QStringLiteral("No crossing");
        return;
    }
    const std::vector<int> squares = answerSquares(row);
    QStringList crossings;
    for (std::size_t k = 0; k < squares.size(); ++k) {
        const int number = m_table.sqclue[squares[k]][other];
        if (number == 0)
            continue;
        const QString letter = m_attempt.letter(squares[k] - 1);
        crossings.append(QStringLiteral("letter %1, %2, %3")
                             .arg(k + 1)
                             .arg(wordName(other, number), letter.isEmpty() ? QStringLiteral("blank") : letter));
    }
    m_announcer.saymsg = crossings.isEmpty() ? QStringLiteral("No crossings") : crossings.join(QStringLiteral("; "));
}

// Shift+F7 on the answer line: the answer crossing the current box becomes
// the current clue, is read, and its answer line opens on the same square.
// Letters typed on the line and not yet written stay out of the grid, as
// with Escape.
void Crosswords::jumpToCrossing()
{
    const int row = currentClueRow();
    if (!onAnswerLine(*this) || row == 0)
        return;
    const int other = directionOf(m_table, row) == 1 ? 2 : 1;
    const int idx = m_session.markedSquare(m_session.letterpos);
    const int number = idx >= 1 && idx <= m_table.squareCount() ? m_table.sqclue[idx][other] : 0;
    m_announcer.voicestate = 0;
    if (number == 0 || !selectClue(other, number)) {
        m_announcer.saymsg = QStringLiteral("No crossing");
        return;
    }
    frameCluePanel(*this);
    m_session.viewmode = ViewMode::ClueList;
    readCurrentClue();
    const QString reading = m_announcer.saymsg;
    openAnswerLine(*this, true);
    const std::vector<int> squares = answerSquares(currentClueRow());
    const auto at = std::find(squares.begin(), squares.end(), idx);
    m_session.letterpos = at == squares.end() ? 1 : int(at - squares.begin()) + 1;
    m_screen.selectBox(m_session.letterpos);
    m_session.viewmode = ViewMode::LetterEntry;
    m_announcer.saymsg = reading + QLatin1Char('\t') + positionPhrase(*this).mid(2);
}
