// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "speech/braillewindow.h"

#include "speech/brailledisplay.h"

#include <QRegularExpression>

int BrailleWindow::width() const
{
    return m_display.columns();
}

void BrailleWindow::showLine(const QString &line, int cursor)
{
    m_sentences = QStringList{line};
    m_sentence = 0;
    m_cursor = cursor;
    redraw();
}

void BrailleWindow::showSentences(const QStringList &sentences)
{
    m_sentences = sentences;
    m_sentence = 0;
    m_cursor = -1;
    m_offset = 0;
    write();
}

void BrailleWindow::appendSentences(const QStringList &sentences)
{
    if (m_sentences.isEmpty())
        showSentences(sentences);
    else
        m_sentences += sentences;
}

// The window starts at a multiple of the width, so panning back and forth
// always shows the same pieces of a line.
void BrailleWindow::placeOnCursor()
{
    const int w = width();
    m_offset = w > 0 && m_cursor >= 0 ? m_cursor / w * w : 0;
}

bool BrailleWindow::panLeft()
{
    const int w = width();
    if (w <= 0)
        return false;
    if (m_offset > 0) {
        m_offset = std::max(0, m_offset - w);
    } else if (m_sentence > 0) {
        --m_sentence;
        m_cursor = -1;
        // The last window of the sentence before.
        m_offset = std::max(0, int(line().size()) - 1) / w * w;
    } else {
        return false;
    }
    write();
    return true;
}

bool BrailleWindow::panRight()
{
    const int w = width();
    if (w <= 0)
        return false;
    if (m_offset + w < line().size()) {
        m_offset += w;
    } else if (m_sentence + 1 < m_sentences.size()) {
        ++m_sentence;
        m_cursor = -1;
        m_offset = 0;
    } else {
        return false;
    }
    write();
    return true;
}

void BrailleWindow::redraw()
{
    const int w = width();
    if (w <= 0)
        return;
    // A display of another size shows the piece with the cursor, or the piece
    // the old window started in.
    if (m_cursor >= 0)
        placeOnCursor();
    else
        m_offset = m_offset / w * w;
    write();
}

void BrailleWindow::write()
{
    const int w = width();
    if (w <= 0)
        return;
    const int cursorCell = m_cursor >= m_offset && m_cursor < m_offset + w ? m_cursor - m_offset + 1 : 0;
    m_display.show(line().mid(m_offset, w), cursorCell);
}

int BrailleWindow::characterAt(int cell) const
{
    const int index = m_offset + cell;
    return cell >= 0 && cell < width() && index < line().size() ? index : -1;
}

QStringList BrailleWindow::sentencesOf(const QString &text)
{
    // A sentence ends at ". ", "? " or "! "; line breaks and tabs are spaces.
    static const QRegularExpression kEnd(QStringLiteral("(?<=[.?!])\\s+"));
    static const QRegularExpression kSpace(QStringLiteral("\\s+"));
    QStringList sentences;
    for (const QString &part : text.split(kEnd, Qt::SkipEmptyParts)) {
        const QString sentence = QString(part).replace(kSpace, QStringLiteral(" ")).trimmed();
        if (!sentence.isEmpty())
            sentences.append(sentence);
    }
    return sentences;
}
