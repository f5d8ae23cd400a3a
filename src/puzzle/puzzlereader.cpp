// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "puzzle/puzzlereader.h"
#include "puzzle/puzzletext.h"

namespace {

// A label is the direction letter, "A" across or "D" down, and the number of
// the word's first square in decimal without leading zeros ("A1", "D14"):
// the game finds a clue by exactly this spelling and speaks it "14 down".
bool parseLabel(const QString &label, Direction *direction, int *number)
{
    if (label.size() < 2 || label.size() > 6 || label[1] == QLatin1Char('0'))
        return false;
    if (label[0] == QLatin1Char('A'))
        *direction = Direction::Across;
    else if (label[0] == QLatin1Char('D'))
        *direction = Direction::Down;
    else
        return false;
    for (qsizetype i = 1; i < label.size(); ++i)
        if (label[i] < QLatin1Char('0') || label[i] > QLatin1Char('9'))
            return false;
    *number = label.mid(1).toInt();
    return true;
}

} // namespace

std::optional<Puzzle> PuzzleTextReader::fail(const QString &why)
{
    m_error = why;
    return std::nullopt;
}

std::optional<Puzzle> PuzzleTextReader::read(const QString &text)
{
    m_error.clear();
    const PuzzleText lines = readPuzzleText(text);
    const int side = lines.gridSize;
    if (side == 0)
        return fail(QStringLiteral("the text has no grid"));
    if (side > Puzzle::MaxSide)
        return fail(QStringLiteral("the grid is %1 squares wide; at most %2 fit").arg(side).arg(Puzzle::MaxSide));
    if (lines.rows.size() < side)
        return fail(QStringLiteral("the grid has %1 rows; a grid %2 squares wide needs %2")
                        .arg(lines.rows.size()).arg(side));
    for (int r = 0; r < side; ++r)
        if (lines.rows[r].size() != side)
            return fail(QStringLiteral("grid row %1 is %2 squares long, not %3").arg(r + 1).arg(lines.rows[r].size()).arg(side));

    Puzzle puzzle(lines.rows);
    for (const auto &[rawLabel, answer, clueText] : lines.clues) {
        PuzzleClue clue;
        clue.label = rawLabel.trimmed();
        clue.answer = answer.trimmed();
        clue.text = clueText;
        clue.wordLengths = answerWordLengths(clue.answer);
        if (!parseLabel(clue.label, &clue.direction, &clue.number))
            return fail(QStringLiteral("clue %1 (%2): a label is A or D and a number, like A1 or D14")
                            .arg(clue.label, clue.answer));
        QString why;
        if (!puzzle.addClue(std::move(clue), &why))
            return fail(why);
    }
    return puzzle;
}
