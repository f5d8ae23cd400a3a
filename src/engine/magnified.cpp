// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "aids/solving.h"
#include "engine/crosswords.h"
#include "puzzle/puzzletext.h"

namespace {

const QString kTab = QStringLiteral("\t");

QString levelName(int mode)
{
    static const char *const names[] = {"Full screen", "2 times zoom", "4 times zoom", "8 times zoom", "16 times zoom"};
    return mode >= 4 && mode <= 8 ? QLatin1String(names[mode - 4]) : QString();
}

QString positionWords(int pos)
{
    switch (pos) {
    case 0:
        return {};  // the last square of the answer
    case 1:
        return QStringLiteral("first letter");
    case 2:
        return QStringLiteral("second letter");
    case 3:
        return QStringLiteral("third letter");
    default:
        return QString::number(pos) + QStringLiteral("th letter");
    }
}

bool isArrow(int key)
{
    return key >= Key::Left && key <= Key::Down;
}

bool isLetter(int key)
{
    return key >= Key::A && key <= Key::Z;
}

} // namespace

void Crosswords::selectClueAtCursor()
{
    if (m_session.currow < 1 || m_session.curcol < 1 || m_session.currow > m_table.gridsize || m_session.curcol > m_table.gridsize)
        return;
    const int idx = (m_session.currow - 1) * m_table.gridsize + m_session.curcol;
    int dir = m_session.curdir;
    if (m_table.sqclue[idx][dir] == 0)
        dir = dir == 1 ? 2 : 1;
    // On a black square the selection stays as it was.
    if (m_table.sqclue[idx][dir] != 0)
        selectClue(dir, m_table.sqclue[idx][dir]);
}

// F4 and numeric + go one level further in (past 16 times back to the normal
// view); numeric - goes one level out. Run for every key while a puzzle is open.
void Crosswords::zoomKeys(int key)
{
    // Back in the normal view the current clue is read: after a magnified
    // view, the clue through the cursor square; otherwise the one selected.
    auto backToNormal = [this] {
        const bool magnified = m_session.viewmode >= 4 || (m_session.viewmode == 3 && m_session.zoomreturn >= 4);
        m_session.viewmode = 1;
        setnozoom();
        drawboard();
        if (magnified)
            selectClueAtCursor();
        showclues();
        updatedisplay();
        m_announcer.saysync = 1;
        sayit(QStringLiteral("Normal view"));
    };

    if (key == Key::F4 || key == Key::NumPlus) {
        m_session.viewmode = m_session.viewmode >= 4 ? m_session.viewmode + 1 : 4;
        if (m_session.viewmode < 9) {
            setzoom();
            m_announcer.saymsg = levelName(m_session.viewmode) + kTab + sayzoom();
        } else {
            backToNormal();
        }
    } else if (key == Key::NumMinus) {
        if (m_session.viewmode < 5) {
            // The chooser's alphabet goes with it.
            if (m_session.viewmode == 3)
                m_screen.hideAlphabet();
            backToNormal();
        } else {
            --m_session.viewmode;
            setzoom();
            m_announcer.saymsg = levelName(m_session.viewmode) + kTab + sayzoom();
        }
    }
}

// Keys in the full-screen and magnified views: the arrows walk a cursor square
// by square, letters and Backspace change the square under it, Space reads the
// clues through it and Enter opens the on-screen alphabet.
Flow Crosswords::magnifiedPhase(int key, int mods)
{
    const int squares = m_table.gridsize * m_table.gridsize;
    auto cursor = [&] {
        const int idx = (m_session.currow - 1) * m_table.gridsize + m_session.curcol;
        return m_session.currow >= 1 && m_session.curcol >= 1 && idx >= 1 && idx <= squares ? idx : 0;
    };
    auto onBlack = [&] { return m_table.isDark(cursor()); };

    if (isArrow(key)) {
        if (mods != Mod::None)
            return Flow::SpeechStep;
        const CellPos from{m_session.currow - 1, m_session.curcol - 1};
        if (m_session.curcol == 0 && m_session.currow == 0) {
            // The first arrow only places the cursor on the top-left square.
            m_session.curcol = 1;
            m_session.currow = 1;
        } else {
            if (key == Key::Left)
                --m_session.curcol;
            else if (key == Key::Right)
                ++m_session.curcol;
            else if (key == Key::Up)
                --m_session.currow;
            else
                ++m_session.currow;
        }
        for (int *co : {&m_session.curcol, &m_session.currow}) {
            if (*co < 1 || *co > m_table.gridsize) {
                *co = std::clamp(*co, 1, m_table.gridsize);
                boundary();
            }
        }
        for (int i = 1; i <= squares; ++i)
            m_screen.markSquare(i, i == cursor());
        setzoom();
        // Crossing a bar is said before the square, as the edge sounds the wall.
        const bool bar = m_puzzle.barBetween(from, {m_session.currow - 1, m_session.curcol - 1});
        m_announcer.saymsg = (bar ? QStringLiteral("bar") + kTab : QString()) + sayzoom();
        return Flow::SpeechStep;
    }

    // A black square, or one the puzzle fills in itself, takes no letter.
    const bool untypeable = onBlack() || Solving::isFixed(squareCell(cursor()));
    if (const QChar typed = Solving::typedCharacter(key); !typed.isNull()) {
        if (untypeable) {
            playwave(QStringLiteral("no"));
            return Flow::SpeechStep;
        }
        const QString letter = typed;
        changeSquares(squareName(cursor()), {cursor()}, {typedSquare(cursor(), letter)});
        m_announcer.saymsg = letter;
        checkend();
        // A solved puzzle has posted F12: it is left at the next tick.
        if (m_keycode == QString(QChar(Key::F12)) + QLatin1Char('0'))
            return Flow::EndTick;
        return Flow::SpeechStep;
    }

    switch (key) {
    case Key::Backspace:
        if (untypeable) {
            playwave(QStringLiteral("no"));
        } else {
            m_announcer.saymsg = QStringLiteral("delete ") + m_attempt.letter(cursor() - 1);
            changeSquares(squareName(cursor()), {cursor()}, {typedSquare(cursor(), QString())});
        }
        return Flow::SpeechStep;

    case Key::Space: {
        if (onBlack())
            return Flow::SpeechStep;
        const int sq = cursor();
        for (int d = 1; d <= 2; ++d) {
            const int n = m_table.sqclue[sq][d];
            if (n == 0)
                continue;
            int total = 0;
            int pos = 0;
            for (int i = 1; i <= m_table.squareCount(); ++i) {
                if (m_table.sqclue[i][d] != n)
                    continue;
                ++total;
                if (i == sq)
                    pos = total;
            }
            if (pos == total)
                pos = 0;
            const int k = m_table.rowOf(d, n);

            m_announcer.saymsg += kTab + QString::number(n) + (d == 1 ? QStringLiteral(" across, ") : QStringLiteral(" down, "))
                + positionWords(pos);

            // The display line without its number in front and its lengths in
            // brackets behind. The lengths are the last bracket: a clue may
            // have brackets of its own, such as "(anagram)".
            QString text = labelTextAsRead(m_table.clues[k][3].trimmed());
            text = text.mid(text.indexOf(QLatin1Char(' ')) + 1);
            const qsizetype bracket = text.lastIndexOf(QLatin1Char('('));
            if (bracket >= 0)
                text.truncate(bracket);
            m_announcer.saymsg += kTab + text;

            const QStringList words = m_table.clues[k][2].split(QLatin1Char(' '));
            if (words.size() <= 1) {
                m_announcer.saymsg += kTab + QString::number(total) + QStringLiteral("letters");
            } else {
                m_announcer.saymsg += kTab + QString::number(words.size()) + QStringLiteral("words");
                for (qsizetype w = 0; w + 1 < words.size(); ++w)
                    m_announcer.saymsg += kTab + QString::number(words[w].size()) + QStringLiteral("letters");
                m_announcer.saymsg += kTab + QStringLiteral("and") + kTab + QString::number(words.last().size())
                    + QStringLiteral("letters");
            }
        }
        return Flow::SpeechStep;
    }

    case Key::Enter: {
        if (onBlack()) {
            playwave(QStringLiteral("no"));
            return Flow::SpeechStep;
        }
        m_announcer.saymsg = QString::number(m_session.currow) + QChar(64 + m_session.curcol) + kTab
            + QStringLiteral("Use the cursor keys to choose the letter");
        m_announcer.voicestate = 0;
        m_session.alphacode = -1;
        m_screen.showAlphabet(true);
        m_session.zoomreturn = m_session.viewmode;
        m_session.viewmode = 3;
        return Flow::EndTick;
    }

    case Key::Escape:
        m_announcer.voicestate = 0;
        m_announcer.saymsg = QStringLiteral("cancelled");
        return Flow::SpeechStep;

    default:
        return Flow::SpeechStep;
    }
}

// The on-screen alphabet: the arrows select a key (13 keys to a row), Enter or a
// letter puts it into the square, Escape closes it. Either way the view goes
// back to where the alphabet was opened.
Flow Crosswords::chooserPhase(int key, int)
{
    const int lastKey = EmptyingKey;
    if (isArrow(key)) {
        m_announcer.saymsg.clear();
        m_announcer.voicestate = 0;
        if (key == Key::Left)
            --m_session.alphacode;
        else if (key == Key::Right)
            ++m_session.alphacode;
        else if (key == Key::Up && m_session.alphacode >= 13)
            m_session.alphacode -= 13;
        else if (key == Key::Down && m_session.alphacode < 14)
            m_session.alphacode += 13;
        if (m_session.alphacode < 0) {
            m_session.alphacode = 0;
            boundary();
        }
        if (m_session.alphacode > lastKey) {
            m_session.alphacode = lastKey;
            boundary();
        }
        m_screen.selectAlphabetKey(m_session.alphacode);
        m_announcer.saymsg = m_session.alphacode == EmptyingKey ? QStringLiteral("delete")
                                                             : alphabetKeyCaption(m_session.alphacode);
        return Flow::SpeechStep;
    }

    // Back to the view the alphabet was opened from. The normal view keeps its
    // keyboard strip; a magnified view has none.
    auto close = [this] {
        if (m_session.zoomreturn >= 4)
            m_screen.showStrip(false);
        m_session.viewmode = m_session.zoomreturn;
    };

    if (key == Key::Enter) {
        if (m_session.alphacode < 0 || m_session.alphacode > lastKey)
            return Flow::SpeechStep;  // nothing selected yet
        lblKey_Click(m_session.alphacode);
        close();
    } else if (isLetter(key)) {
        lblKey_Click(key - Key::A);
        close();
    } else if (key == Key::Escape) {
        m_screen.hideAlphabet();
        m_announcer.saymsg = QStringLiteral("cancelled");
        close();
    }
    return Flow::SpeechStep;
}
