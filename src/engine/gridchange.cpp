// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// Changing the solver's letters, and Ctrl+Z taking a change back.
#include "aids/solving.h"
#include "engine/crosswords.h"

void Crosswords::changeSquares(const QString &name, const std::vector<int> &readBack, const std::vector<SquareState> &after)
{
    m_session.undo.record({name, readBack, applySquares(after)});
}

std::vector<SquareState> Crosswords::applySquares(const std::vector<SquareState> &after)
{
    std::vector<SquareState> changed;
    for (const SquareState &square : after) {
        const int i = square.idx - 1;
        // A square the puzzle fills in itself keeps its letter.
        if (i < 0 || i >= m_attempt.squareCount() || Solving::isFixed(squareCell(square.idx)))
            continue;
        const SquareState before{square.idx, m_attempt.letter(i), m_attempt.revealed(i)};
        if (before == square)
            continue;
        changed.push_back(before);
        m_attempt.setLetter(i, square.letter);
        m_attempt.setRevealed(i, square.revealed);
        m_screen.showSquare(square.idx);
    }
    return changed;
}

SquareState Crosswords::typedSquare(int idx, const QString &letter) const
{
    return {idx, letter, m_attempt.revealed(idx - 1)};
}

SquareState Crosswords::revealedSquare(int idx) const
{
    const int n = m_table.gridsize;
    return {idx, m_puzzle.cell((idx - 1) / n, (idx - 1) % n).solution, true};
}

QString Crosswords::wordName(int dir, int number)
{
    return QString::number(number) + (dir == 1 ? QStringLiteral(" across") : QStringLiteral(" down"));
}

QString Crosswords::answerName(int row) const
{
    const QString &label = m_table.clues[row][1];
    return wordName(label.startsWith(QLatin1Char('A')) ? 1 : 2, label.mid(1).toInt());
}

std::vector<int> Crosswords::answerSquares(int row) const
{
    const QString &label = m_table.clues[row][1];
    const int dir = label.startsWith(QLatin1Char('A')) ? 1 : 2;
    const int number = label.mid(1).toInt();
    std::vector<int> squares;
    for (int idx = 1; number != 0 && idx <= m_table.squareCount(); ++idx)
        if (m_table.sqclue[idx][dir] == number)
            squares.push_back(idx);
    return squares;
}

QString Crosswords::squareName(int idx) const
{
    const int n = m_table.gridsize;
    return QString::number((idx - 1) / n + 1) + QChar(65 + (idx - 1) % n);
}

// Ctrl+Z: the newest change of the grid is taken back, its squares as they
// were, and its place and letters said: "Undone, 5 across, R blank blank D".
void Crosswords::undoChange()
{
    m_announcer.voicestate = 0;
    const std::optional<GridChange> change = m_session.undo.takeLast();
    if (!change) {
        m_announcer.saymsg = QStringLiteral("Nothing to undo");
        return;
    }
    // Taking back is not itself kept for Ctrl+Z.
    applySquares(change->before);

    if (m_session.viewmode == ViewMode::ClueList || m_session.viewmode == ViewMode::LetterEntry) {
        showclues();  // an answer no longer complete turns black again
        highlightgrid();
        if (m_session.viewmode == ViewMode::LetterEntry)
            m_screen.selectBox(m_session.letterpos);
    }
    QStringList letters;
    for (const int idx : change->squares) {
        const QString letter = m_attempt.letter(idx - 1);
        letters.append(letter.isEmpty() ? QStringLiteral("blank") : letter);
    }
    m_announcer.saymsg = QStringLiteral("Undone, ") + change->name + QStringLiteral(", ") + letters.join(QLatin1Char(' '));
}

QString Crosswords::placeName(const std::vector<int> &squares) const
{
    const int row = currentClueRow();
    if (squares.size() == 1 || row == 0)
        return squares.empty() ? QString() : squareName(squares.front());
    return answerName(row);
}
