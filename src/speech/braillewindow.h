// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include <QString>
#include <QStringList>

class BrailleDisplay;

// The part of a line the braille display shows. A line longer than the
// display is read a window at a time with the pan keys; a message of several
// sentences is shown one sentence at a time, panning on from the end of one
// sentence to the start of the next.
class BrailleWindow {
public:
    explicit BrailleWindow(BrailleDisplay &display) : m_display(display) {}

    // Shows one line with the cursor on character `cursor` (from 0; -1 for
    // none); the window is placed so the cursor is on it.
    void showLine(const QString &line, int cursor);
    // Shows the first of the sentences.
    void showSentences(const QStringList &sentences);
    // Adds sentences behind those shown; what is on the display stays.
    void appendSentences(const QStringList &sentences);
    // Moves the window; false when there is nothing further that way.
    bool panLeft();
    bool panRight();
    // Writes the window again, laid out for the display's present size.
    void redraw();

    // The character of the shown line under display cell `cell` (from 0);
    // -1 when the cell is past the line's end.
    int characterAt(int cell) const;
    const QString &line() const { return m_sentences.isEmpty() ? m_empty : m_sentences[m_sentence]; }

    // A message split into the sentences it is shown by.
    static QStringList sentencesOf(const QString &text);

private:
    int width() const;
    void placeOnCursor();
    // Writes the window as it stands.
    void write();

    BrailleDisplay &m_display;
    QStringList m_sentences;  // a state line is a single "sentence"
    int m_sentence = 0;
    int m_cursor = -1;        // in the current sentence; -1 none
    int m_offset = 0;         // first character shown
    QString m_empty;
};
