// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "engine/crosswords.h"

// Mouse clicks on the main window. The captions and the background picture
// post the key they stand for; the board, the answer line, the on-screen
// alphabet and the clue panel are acted on directly. Nothing happens while
// another screen has the keyboard.

namespace {

const QString kChooseLetter = QStringLiteral("Use the cursor keys to choose the letter");

bool isActive(const Crosswords &game)
{
    return game.curform() == QLatin1String("Crosswords");
}

// Squares, answer slots and clues belong to an open puzzle; in the menu the
// board is only a preview.
bool puzzleOpen(const Crosswords &game)
{
    return game.session().viewmode >= 1 && game.session().viewmode <= 8;
}


// The alphabet closes back to the view it was opened from: a magnified view,
// or else the clue list.
void openChooser(Crosswords &game)
{
    if (game.session().viewmode != 3)
        game.session().zoomreturn = game.session().viewmode >= 4 && game.session().viewmode <= 8 ? game.session().viewmode : 1;
    game.session().viewmode = 3;
    game.session().alphacode = -1;
}

} // namespace

void Crosswords::imgBack_Click()
{
    if (isActive(*this))
        postUserKey(Key::F9);
}

void Crosswords::lbl1_Click(int)
{
    if (isActive(*this))
        postUserKey(Key::F1);
}

void Crosswords::lbl4_Click(int)
{
    if (isActive(*this))
        postUserKey(Key::F1);
}

void Crosswords::lbl5_Click(int)
{
    if (isActive(*this))
        postUserKey(Key::F12);
}

// A square: it becomes the only yellow square and the cursor, its
// co-ordinates are spoken and the on-screen alphabet opens for it.
void Crosswords::D_Click(int k)
{
    if (!isActive(*this) || !puzzleOpen(*this))
        return;
    if (k < 1 || k >= int(m_form.D.size()) || k > m_table.gridsize * m_table.gridsize)
        return;
    // A square without a word takes no letter, even while it is the magnified cursor.
    if (m_table.isDark(k)) {
        m_screen.hideAlphabet();
        return;
    }
    // The clue panel belongs to the normal view; a magnified board keeps the
    // whole screen.
    const bool magnified = m_session.viewmode >= 4 || (m_session.viewmode == 3 && m_session.zoomreturn >= 4);
    if (!magnified)
        highlightclue(k);
    for (int i = 1; i < int(m_session.marked.size()); ++i)
        if (m_session.isMarked(i))
            m_screen.markSquare(i, false);
    m_screen.markSquare(k, true);

    m_session.currow = (k - 1) / m_table.gridsize + 1;
    m_session.curcol = (k - 1) % m_table.gridsize + 1;
    m_announcer.saymsg = QString::number(m_session.currow) + QChar(64 + m_session.curcol) + QLatin1Char('\t') + kChooseLetter;
    m_announcer.voicestate = 0;
    openChooser(*this);

    m_screen.showAlphabet(true);
    m_screen.frameAround(m_form.board);
}

void Crosswords::Dn_Click(int k)
{
    D_Click(k);
}

// Slot i of the answer line: the i-th square of the current answer becomes the
// only yellow one, and the alphabet opens for it.
void Crosswords::lblIn_Click(int i)
{
    if (!isActive(*this) || !puzzleOpen(*this))
        return;
    if (i < 1 || i > m_attempt.boxCount())
        return;
    int count = 0;
    for (int idx = 1; idx < int(m_session.marked.size()); ++idx) {
        if (m_session.isMarked(idx) && ++count != i)
            m_screen.markSquare(idx, false);
    }
    m_screen.showAlphabet();
    openChooser(*this);
    m_announcer.saymsg = QString::number(i) + QStringLiteral("letter");
    m_announcer.voicestate = 0;
}

// Key i of the on-screen alphabet goes into every marked square that takes a
// letter; "#" empties it. The engine calls this too, for the key chosen with
// the keyboard.
void Crosswords::lblKey_Click(int i)
{
    if (!isActive(*this) || i < 0 || i > EmptyingKey)
        return;
    const QString letter = i == EmptyingKey ? QString() : alphabetKeyCaption(i);
    QString old;
    std::vector<int> squares;
    std::vector<SquareState> chosen;
    for (int idx = 1; idx < int(m_session.marked.size()); ++idx) {
        if (!m_session.isMarked(idx) || m_table.isDark(idx))
            continue;
        old = m_attempt.letter(idx - 1);
        squares.push_back(idx);
        chosen.push_back(typedSquare(idx, letter));
    }
    changeSquares(placeName(squares), squares, chosen);
    m_screen.hideAlphabet();
    m_announcer.saymsg = letter;
    if (letter.isEmpty() && !old.isEmpty())
        m_announcer.saymsg = QStringLiteral("delete\t") + old;
}

// A clue line: it becomes the current clue (when the clue list is shown) and is read.
void Crosswords::lblClue_Click(int k)
{
    if (!isActive(*this) || !puzzleOpen(*this) || m_session.viewmode >= 10)
        return;
    // Element 0 is the panel itself, not a clue.
    if (k < 1 || k >= int(m_form.lblClue.size()))
        return;
    if (m_session.viewmode == 1) {
        m_session.curclue = k;
        m_screen.selectClueEntry(k);
        // A long list moves on so that the entries next to the clicked one show.
        m_screen.showClueRun(k);
    }
    m_screen.hideAlphabet();
    m_screen.frameAround(m_form.lblClue[0]);
    m_session.viewmode = 1;
    updatedisplay();
}

// The right button on a clue line switches between the across and down lists.
void Crosswords::lblClue_MouseDown(int, int button)
{
    if (!isActive(*this) || !puzzleOpen(*this) || m_session.viewmode >= 10 || button != 2)
        return;
    ++m_session.curdir;
    if (m_session.curdir > 2)
        m_session.curdir = 1;
    showclues();
    updatedisplay();
}
