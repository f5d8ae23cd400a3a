// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// The answer line: typing, moving between boxes, scrolling the alphabet,
// deleting, and writing the line into the grid.
#include "aids/solving.h"
#include "engine/answerline.h"
#include "engine/crosswords.h"

namespace {

bool boxShown(const Crosswords &g, int k)
{
    return k >= 1 && k <= g.session().answerboxes;
}

// The board square under box k: the k-th marked square in index order; 0 when none.
int squareUnderBox(const Crosswords &g, int k)
{
    const int idx = g.session().markedSquare(k);
    return idx <= g.table().squareCount() ? idx : 0;
}

// Puts a letter (or nothing) into the current box of the answer line.
void setBoxLetter(Crosswords &g, const QString &letter)
{
    if (g.session().letterpos < 1)
        return;
    g.attempt().slotRef(g.session().letterpos).letter = letter;
    g.screen().showSlot(g.session().letterpos);
}

} // namespace

// Where the cursor of the answer line is and what its box holds:
// ", third letter A", ", last letter blank".
QString positionPhrase(const Crosswords &g)
{
    const int pos = g.session().letterpos;
    QString phrase;
    if (!boxShown(g, pos + 1))
        phrase = QStringLiteral(", last ");
    else if (pos == 1)
        phrase = QStringLiteral(", first ");
    else if (pos == 2)
        phrase = QStringLiteral(", second ");
    else if (pos == 3)
        phrase = QStringLiteral(", third ");
    else
        phrase = QStringLiteral(", %1th ").arg(pos);
    return phrase + answerBoxWords(g, pos);
}

// What ends a rebus says: the box's letters "in one square".
static QString rebusEnded(const Crosswords &g)
{
    const QString letters = g.attempt().slot(g.session().letterpos).letter;
    return letters.isEmpty() ? QStringLiteral("blank") : spokenLetters(letters) + QStringLiteral(" in one square");
}

QString answerBoxWords(const Crosswords &g, int k)
{
    const QString letters = g.attempt().slot(k).letter;
    QString words;
    if (letters.size() > 1)
        words = QStringLiteral("square, ") + spokenLetters(letters);
    else
        words = QStringLiteral("letter ") + (letters.isEmpty() ? QStringLiteral("blank") : letters);
    if (g.squareCell(squareUnderBox(g, k)).circled)
        words += QStringLiteral(", circled");
    return words;
}

void openAnswerLine(Crosswords &g, bool refill)
{
    g.screen().frameAnswerLine();
    g.session().letterpos = 1;
    g.session().rebusletters = -1;
    if (refill)
        g.highlightgrid();
    g.screen().selectBox(1);
}

QString moveToBox(Crosswords &g, int k)
{
    g.session().letterpos = std::max(1, std::min(k, g.session().answerboxes));
    g.screen().selectBox(g.session().letterpos);
    return positionPhrase(g);
}

void frameCluePanel(Crosswords &g)
{
    g.screen().frameAround(g.form().lblClue[0]);
}

Flow Crosswords::letterEntryPhase(int key, int mods)
{
    const QChar typed = Solving::typedCharacter(key);
    const bool letterKey = !typed.isNull();
    // Insert starts a rebus: the letters typed go into the current box, all
    // of them, until any other key ends it; that key then does its own work.
    if (m_session.rebusletters < 0 && key == Key::Insert) {
        m_session.rebusletters = 0;
        m_announcer.saymsg = QStringLiteral("rebus");
        return Flow::SpeechStep;
    }
    if (m_session.rebusletters >= 0 && !letterKey) {
        const QString ended = rebusEnded(*this);
        m_session.rebusletters = -1;
        if (key == Key::Insert) {
            m_announcer.saymsg = ended;
            return Flow::SpeechStep;
        }
        const Flow flow = letterEntryPhase(key, mods);
        if (key != Key::Escape)  // the line is dropped: nothing to tell of the box
            m_announcer.saymsg = ended + QLatin1Char('\t') + m_announcer.saymsg;
        return flow;
    }

    if (letterKey) {
        const QString letter = typed;
        const AnswerSlot box = m_attempt.slot(m_session.letterpos);
        // The second and later letters of a rebus join the first.
        const bool joins = m_session.rebusletters > 0;
        const int square = squareUnderBox(*this, m_session.letterpos);
        // A square the puzzle fills in itself takes no letter.
        if (Solving::isFixed(squareCell(square))) {
            playwave(QStringLiteral("no"));
            return Flow::SpeechStep;
        }
        // Guard: a different letter over a letter that a crossing answer shares.
        const bool shared = box.mark == QLatin1String("*");
        if (!joins && square > 0 && !m_attempt.letter(square - 1).isEmpty() && !box.letter.isEmpty()
            && letter != box.letter && shared) {
            m_announcer.saysync = 0;
            if (!confirmAloud(QStringLiteral("Warning, you are about to overwrite a square that affects "
                                             "another answer. Are you sure?"),
                              QStringLiteral("Overwrite square. Are you sure?")))
                return Flow::EndTick;
            sayit(QString());
            m_announcer.voicestate = 0;
            m_announcer.saymsg.clear();
        }
        setBoxLetter(*this, joins ? box.letter + letter : letter);
        m_announcer.saysync = 0;
        sayit(letter);
        m_announcer.voicestate = 5;
        m_announcer.saymsg.clear();
        if (m_session.rebusletters >= 0)
            ++m_session.rebusletters;  // the cursor stays in the rebus box
        // The next tick moves on to the next box (the engine's own Right key).
        else if (boxShown(*this, m_session.letterpos + 1))
            postKey(Key::Right, Mod::Engine);
        return Flow::SpeechStep;
    }

    switch (key) {
    case Key::Left:
    case Key::Right:
        if (mods != Mod::Engine) {
            m_announcer.saymsg.clear();
            m_announcer.voicestate = 0;
        }
        m_announcer.saymsg += moveToBox(*this, m_session.letterpos + (key == Key::Right ? 1 : -1));
        return Flow::SpeechStep;
    case Key::Up:
    case Key::Down: {
        if (mods != Mod::Engine) {
            m_announcer.saymsg.clear();
            m_announcer.voicestate = 0;
        }
        m_session.alphacode = (m_attempt.slot(m_session.letterpos).letter + QLatin1Char(' '))[0].unicode() + (key == Key::Up ? -1 : 1);
        // Blank sits between Z and A: Down from blank is A, Up from blank is Z.
        if (m_session.alphacode == 33)
            m_session.alphacode = 65;
        if (m_session.alphacode == 31)
            m_session.alphacode = 90;
        if (m_session.alphacode > 90)
            m_session.alphacode = 64;
        if (m_session.alphacode == 64) {
            setBoxLetter(*this, QString());
            m_announcer.saymsg += QStringLiteral(", blank");
        } else {
            setBoxLetter(*this, QString(QChar(m_session.alphacode)));
            m_announcer.saymsg += QStringLiteral(", ") + QChar(m_session.alphacode);
        }
        return Flow::SpeechStep;
    }
    case Key::Backspace:
        if (m_session.letterpos < 2) {
            boundary();
        } else {
            --m_session.letterpos;
            m_screen.selectBox(m_session.letterpos);
            m_announcer.saymsg = QStringLiteral("delete ") + m_attempt.slot(m_session.letterpos).letter;
            setBoxLetter(*this, QString());
        }
        return Flow::SpeechStep;
    case Key::Delete:
        m_announcer.saymsg = QStringLiteral("delete ") + m_attempt.slot(m_session.letterpos).letter;
        setBoxLetter(*this, QString());
        return Flow::SpeechStep;
    case Key::Space:
        repeatClue(mods);
        return Flow::SpeechStep;
    case Key::Escape:
        // Everything typed on the line is dropped; the board is as it was.
        frameCluePanel(*this);
        m_session.viewmode = 1;
        updatedisplay();
        m_announcer.saymsg = QStringLiteral("cancelled\t") + m_announcer.saymsg;
        return Flow::SpeechStep;
    case Key::Enter: {
        std::vector<int> squares;
        std::vector<SquareState> line;
        for (int idx = 1; idx <= m_table.squareCount(); ++idx) {
            if (!m_session.isMarked(idx))
                continue;
            squares.push_back(idx);
            const int k = int(squares.size());
            // A square the puzzle fills in itself keeps its letter, on the line too.
            if (Solving::isFixed(squareCell(idx)))
                m_attempt.slotRef(k).letter = m_attempt.letter(idx - 1);
            line.push_back(typedSquare(idx, m_attempt.slot(k).letter));
        }
        changeSquares(placeName(squares), squares, line);
        const int k = int(squares.size());
        bool someEmpty = false;
        bool someLetter = false;
        QString letters;
        for (int i = 1; i <= k; ++i) {
            const QString box = m_attempt.slot(i).letter;
            someEmpty = someEmpty || box.isEmpty();
            someLetter = someLetter || !box.isEmpty();
            letters += box.isEmpty() ? QStringLiteral(", blank") : QStringLiteral(", ") + spokenLetters(box);
        }
        m_screen.showClueDone(m_session.curclue, !someEmpty);
        if (someLetter)
            m_announcer.saymsg = (someEmpty ? QStringLiteral("so far you have typed") : QStringLiteral("you filled this in with"))
                + letters;
        else
            m_announcer.saymsg = QStringLiteral("cancelled");
        frameCluePanel(*this);
        m_session.viewmode = 1;
        checkend();
        // A solved puzzle has posted F12: the next tick leaves it.
        if (m_keycode == QString(QChar(Key::F12)) + QLatin1Char('0'))
            return Flow::EndTick;
        return Flow::SpeechStep;
    }
    default:
        return Flow::SpeechStep;
    }
}
