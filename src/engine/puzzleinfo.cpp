// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// F11 and the notes of a puzzle: what its file says besides grid and clues.
#include "aids/solving.h"
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

} // namespace

QString Crosswords::puzzleInfoPhrase(int n)
{
    QStringList parts{menuName(n)};
    if (!ownPuzzle(n)) {
        if (const QString footer = footerLine(m_svc.resources); !footer.isEmpty())
            parts.append(footer);
        return parts.join(QLatin1Char('\t'));
    }
    const PuzzleInfo &info = menuPuzzle(n).info();
    if (!info.author.trimmed().isEmpty())
        parts.append(QStringLiteral("by ") + info.author.simplified());
    if (!info.copyright.trimmed().isEmpty())
        parts.append(info.copyright.simplified());
    if (!info.notes.trimmed().isEmpty())
        parts.append(sentences(info.notes));
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
    const QString notes = m_puzzle.info().notes.trimmed();
    if (notes.isEmpty() || Solving::hasSolverLetters(m_puzzle, m_attempt))
        return QString();
    return sentences(notes);
}
