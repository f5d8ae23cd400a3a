// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// The braille display: the line it shows for each view, and its keys.
#include "engine/braille.h"

#include "base/rounding.h"
#include "engine/answerline.h"
#include "engine/crosswords.h"
#include "puzzle/puzzletext.h"
#include "speech/brailledisplay.h"

void BrailleOutput::phrase(const QString &text)
{
    if (!text.trimmed().isEmpty())
        m_pending.append(text);
}

void BrailleOutput::update(const BrailleLine &state, bool keyTaken, bool speechQueued)
{
    const QStringList said = std::exchange(m_pending, {});
    if (state != m_state) {
        m_state = state;
        m_showsState = false;
        showState();
        m_skipQueued = speechQueued;
        m_newMessage = true;
        return;
    }
    if (keyTaken) {
        m_skipQueued = false;
        m_newMessage = true;
    }
    if (m_skipQueued) {
        m_skipQueued = speechQueued;
        return;
    }
    QStringList sentences;
    for (const QString &text : said)
        sentences += BrailleWindow::sentencesOf(text);
    if (sentences.isEmpty())
        return;
    if (m_newMessage || m_showsState)
        m_window.showSentences(sentences);
    else
        m_window.appendSentences(sentences);
    m_showsState = false;
    m_newMessage = false;
}

bool BrailleOutput::showState()
{
    if (m_showsState)
        return false;
    m_window.showLine(m_state.text, m_state.cursor);
    m_showsState = true;
    return true;
}

void BrailleOutput::panLeft()
{
    m_window.panLeft();
}

void BrailleOutput::panRight()
{
    if (!m_window.panRight())
        showState();
}

QString clueTextOf(const QString &displayLine)
{
    const QString line = labelTextAsRead(displayLine.trimmed());
    const qsizetype first = line.indexOf(QLatin1Char(' '));
    const qsizetype last = line.lastIndexOf(QLatin1Char(' '));
    return first >= 0 && first < last ? line.mid(first, last - first) : line;
}

namespace {

// How far a menu puzzle has got, in few cells.
QString progressWords(const std::array<int, 4> &stat)
{
    const int letters = stat[1], filled = stat[2], mistakes = stat[3];
    if (filled == 0 || letters < 1)
        return QStringLiteral("empty");
    if (mistakes < 1 && filled == letters)
        return QStringLiteral("solved");
    const QString done = QStringLiteral("%1% complete").arg(nearest(filled * 100.0 / letters));
    return mistakes < 1 ? done : done + QStringLiteral(", mistakes");
}

// "A12" -> "12a"
QString shortLabel(const QString &label)
{
    return label.mid(1) + label.left(1).toLower();
}

} // namespace

void Crosswords::attachBraille(BrailleDisplay &display)
{
    m_braille = std::make_unique<BrailleOutput>(display);
    m_announcer.addSink(*m_braille);
    display.setResizeHandler([this] { m_braille->redraw(); });
    display.setKeyHandler([this](const BrailleKey &key) { brailleKey(key); });
}

int Crosswords::panelClueRow() const
{
    const int entry = m_session.curclue;
    return entry >= 1 && entry <= int(m_session.panelrows.size()) ? m_session.panelrows[entry - 1] : 0;
}

QString Crosswords::boardWord(int dir, int number) const
{
    QString word;
    for (int idx = 1; idx <= m_table.squareCount(); ++idx) {
        if (m_table.sqclue[idx][dir] != number)
            continue;
        const QString letter = m_attempt.letter(idx - 1);
        word += letter.isEmpty() ? QChar(' ') : letter[0];
    }
    return word;
}

BrailleLine Crosswords::brailleLine() const
{
    const int mode = m_session.viewmode;
    if (mode == ViewMode::Menu || mode == ViewMode::Started) {
        const int n = m_session.curpuz;
        if (n < 1 || n >= int(m_puzstat.size()))
            return {};
        return {menuName(n) + QLatin1Char(' ') + progressWords(m_puzstat[n])};
    }
    if (mode >= ViewMode::FullScreen && mode <= ViewMode::Magnified16)
        return {zoomReading().replace(QLatin1Char('\t'), QLatin1Char(' '))};

    const int row = panelClueRow();
    if (row < 1 || row > m_table.clueRows() || m_table.clues[row][1].isEmpty())
        return {};
    const QString label = m_table.clues[row][1];
    const QString head = shortLabel(label) + QLatin1Char(' ');
    if (mode == ViewMode::LetterEntry) {
        QString boxes;
        for (int k = 1; k <= m_session.answerboxes; ++k) {
            const QString letter = m_attempt.slot(k).letter.toLower();
            boxes += letter.isEmpty() ? QStringLiteral("-") : letter;
        }
        return {head + boxes, int(head.size()) + std::max(m_session.letterpos, 1) - 1};
    }
    if (mode != ViewMode::ClueList)
        return {};
    const QString display = m_table.clues[row][3].trimmed();
    const QString lengths = display.mid(display.lastIndexOf(QLatin1Char(' ')) + 1);
    QString letters = boardWord(label.startsWith(QLatin1Char('A')) ? 1 : 2, label.mid(1).toInt()).toLower();
    letters.replace(QLatin1Char(' '), QLatin1Char('-'));
    return {head + lengths + QLatin1Char(' ') + clueTextOf(display).trimmed() + QLatin1Char(' ') + letters};
}

void Crosswords::updateBraille(bool keyTaken)
{
    if (m_braille)
        m_braille->update(brailleLine(), keyTaken, !m_announcer.saymsg.isEmpty());
}

// The display's keys act as the keyboard's do, through the mailbox; a routing
// key on a box of the answer line moves the cursor there at once, as a click
// on the box would.
void Crosswords::brailleKey(const BrailleKey &key)
{
    if (m_curform != QLatin1String("Crosswords") || !m_braille)
        return;
    const int mode = m_session.viewmode;
    switch (key.kind) {
    case BrailleKey::Kind::PanLeft:
        m_braille->panLeft();
        return;
    case BrailleKey::Kind::PanRight:
        m_braille->panRight();
        return;
    case BrailleKey::Kind::LineUp:
    case BrailleKey::Kind::LineDown: {
        const bool down = key.kind == BrailleKey::Kind::LineDown;
        // The menu walks the way its first arrow chose.
        const bool across = mode == ViewMode::Menu && (m_session.menuaxis == Key::Left || m_session.menuaxis == Key::Right);
        if (mode == ViewMode::Menu || mode == ViewMode::ClueList)
            postUserKey(across ? (down ? Key::Right : Key::Left) : (down ? Key::Down : Key::Up));
        return;
    }
    case BrailleKey::Kind::Character: {
        const QChar ch = QChar(key.value).toUpper();
        if (ch >= QLatin1Char('A') && ch <= QLatin1Char('Z'))
            postUserKey(ch.unicode());
        else if (ch == QLatin1Char(' '))
            postUserKey(Key::Space);
        return;
    }
    case BrailleKey::Kind::Backspace:
        postUserKey(Key::Backspace);
        return;
    case BrailleKey::Kind::Enter:
        postUserKey(Key::Enter);
        return;
    case BrailleKey::Kind::Route:
        break;
    }
    // A routing key over a message brings the view's line back.
    if (m_braille->showState())
        return;
    if (mode == ViewMode::ClueList) {
        postUserKey(Key::Space);
        return;
    }
    // On the answer line, not while a tick waits in a modal box.
    if (mode != ViewMode::LetterEntry || m_inTick)
        return;
    const int at = m_braille->window().characterAt(key.value);
    const int firstBox = brailleLine().cursor - std::max(m_session.letterpos, 1) + 1;
    if (at < 0)
        return;
    if (at < firstBox) {
        postUserKey(Key::Space);  // on the clue's number: the clue is read
        return;
    }
    const int box = at - firstBox + 1;
    if (box <= m_session.answerboxes) {
        m_announcer.saymsg = moveToBox(*this, box);
        m_announcer.voicestate = 0;
    }
}
