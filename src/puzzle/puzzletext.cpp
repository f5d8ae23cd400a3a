// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "puzzle/puzzletext.h"
#include "puzzle/puzzle.h"

PuzzleText readPuzzleText(const QString &text)
{
    PuzzleText out;
    int lineNumber = 0;
    for (const QString &line : text.split(QStringLiteral("\r\n"))) {
        if (line.size() <= 8)
            continue;
        ++lineNumber;
        if (lineNumber == 1)
            out.gridSize = int(line.size());
        if (lineNumber <= out.gridSize) {
            out.rows.append(line);
            continue;
        }
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() == 3)
            out.clues.append({fields[0], fields[1], fields[2]});
    }
    return out;
}

QStringList statusGridRows(const QString &text)
{
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    for (int first = 0; first < lines.size(); ++first) {
        if (lines[first].size() != 13)
            continue;
        QStringList rows;
        for (int i = first; i < first + 13 && i < lines.size(); ++i)
            rows.append(lines[i].left(13));
        return rows;
    }
    return {};
}

bool isLetterSquare(const QStringList &rows, int row, int col)
{
    return row >= 0 && row < rows.size() && col >= 0 && col < rows[row].size()
        && rows[row][col] != QLatin1Char(' ');
}

int countLetterSquares(const QStringList &rows)
{
    int letters = 0;
    for (const QString &row : rows)
        letters += int(row.size() - row.count(QLatin1Char(' ')));
    return letters;
}

int countLetterSquares(const QString &text)
{
    return countLetterSquares(statusGridRows(text));
}

QString labelTextAsRead(QString shown)
{
    return shown.replace(QLatin1String("&&"), QLatin1String("&"));
}

std::array<QString, 4> makeClueRow(const QString &label, const QString &answer, const QString &text)
{
    const QString word = answer.trimmed();
    QString shown = text;
    // A label shows "&&" as one ampersand; only the first "&" is doubled.
    if (shown.contains(QLatin1Char('&')) && !shown.contains(QStringLiteral("&&")))
        shown.insert(shown.indexOf(QLatin1Char('&')), QLatin1Char('&'));

    QString number = label.mid(1);
    if (number.size() == 1)
        number.prepend(QStringLiteral("  "));

    QStringList lengths;
    for (const int length : answerWordLengths(word))
        lengths.append(QString::number(length));

    const QString display = QStringLiteral(" ") + number + QStringLiteral(" ") + shown
        + QStringLiteral(" (") + lengths.join(QLatin1Char(',')) + QStringLiteral(")");
    return {shown.trimmed(), label.trimmed(), word, display};
}
