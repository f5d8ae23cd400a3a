// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// F11 and the notes of a puzzle: what its file says besides grid and clues.
#include "aids/solving.h"
#include "engine/answerline.h"
#include "engine/crosswords.h"
#include "puzzle/resourcestore.h"

#include <QRegularExpression>

namespace {

// A text split after each sentence, each its own utterance, so that Ctrl
// cuts long notes between sentences.
QString sentences(const QString &text)
{
    static const QRegularExpression sentenceEnd(QStringLiteral("(?<=[.!?])\\s+(?=\\S)"));
    return text.simplified().split(sentenceEnd, Qt::SkipEmptyParts).join(QLatin1Char('\t'));
}

// Each clue of a word that runs neither across nor down, then the letters
// its squares hold: "Diagonal 1, Clue text", "R blank blank D".
QStringList extraCluePhrases(const PuzzleInfo &info, const Attempt &attempt)
{
    QStringList phrases;
    for (const ExtraClue &clue : info.extraClues) {
        QStringList letters;
        for (const CellPos p : clue.cells) {
            const QString letter = attempt.letter(attempt.index(p.row, p.column));
            letters.append(letter.isEmpty() ? QStringLiteral("blank") : spokenLetters(letter));
        }
        QString heading = clue.heading.simplified();
        if (heading.isEmpty())
            heading = QStringLiteral("Extra clue");
        if (clue.number > 0)
            heading += QLatin1Char(' ') + QString::number(clue.number);
        phrases.append(heading + QStringLiteral(", ") + clue.text.simplified());
        phrases.append(letters.join(QLatin1Char(' ')));
    }
    return phrases;
}

} // namespace

QString Crosswords::puzzleInfoPhrase(int n)
{
    QStringList parts{menuName(n)};
    if (!ownPuzzle(n)) {
        if (const QString footer = footerLine(m_svc.resources); !footer.isEmpty())
            parts.append(footer);
        return parts.join(QLatin1Char('\t'));
    }
    const Puzzle &puzzle = menuPuzzle(n);
    const PuzzleInfo &info = puzzle.info();
    if (!info.author.trimmed().isEmpty())
        parts.append(QStringLiteral("by ") + info.author.simplified());
    if (!info.copyright.trimmed().isEmpty())
        parts.append(info.copyright.simplified());
    if (!info.notes.trimmed().isEmpty())
        parts.append(sentences(info.notes));
    if (!info.extraClues.isEmpty()) {
        // The open puzzle's letters as they stand; another's as last saved.
        const bool open = n == m_session.curpuz && m_session.viewmode >= ViewMode::ClueList
            && m_session.viewmode != ViewMode::Started;
        Attempt saved;
        if (!open) {
            saved = decodeProgress(progressBytes(n), puzzle);
            Solving::giveFixedSquares(puzzle, saved);
        }
        parts += extraCluePhrases(info, open ? m_attempt : saved);
    }
    return parts.join(QLatin1Char('\t'));
}

void Crosswords::sayPuzzleInfo()
{
    if (m_session.curpuz < 1 || m_session.curpuz > m_puzcount)
        return;
    m_announcer.voicestate = 0;
    m_announcer.saymsg = puzzleInfoPhrase(m_session.curpuz);
}

QString Crosswords::firstOpeningNotes() const
{
    const PuzzleInfo &info = m_puzzle.info();
    if ((info.notes.trimmed().isEmpty() && info.extraClues.isEmpty()) || Solving::hasSolverLetters(m_puzzle, m_attempt))
        return QString();
    QStringList parts = extraCluePhrases(info, m_attempt);
    if (!info.notes.trimmed().isEmpty())
        parts.prepend(sentences(info.notes));
    return parts.join(QLatin1Char('\t'));
}
