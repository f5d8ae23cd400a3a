// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "engine/crosswords.h"

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
    if (session.currow < 1 || session.curcol < 1 || session.currow > table.gridsize || session.curcol > table.gridsize)
        return;
    const int idx = (session.currow - 1) * table.gridsize + session.curcol;
    int dir = session.curdir;
    if (table.sqclue[idx][dir] == 0)
        dir = dir == 1 ? 2 : 1;
    if (table.sqclue[idx][dir] == 0)
        return;  // a black square: the selection stays as it was
    // The clue's line in its list: lines follow the clue table, one direction each.
    const QString wanted = (dir == 1 ? QStringLiteral("A") : QStringLiteral("D")) + QString::number(table.sqclue[idx][dir]);
    const QChar letter = wanted[0];
    int line = 0;
    for (int n = 1; n <= table.clueRows(); ++n) {
        if (!table.clues[n][1].startsWith(letter))
            continue;
        ++line;
        if (table.clues[n][1] == wanted) {
            session.curdir = dir;
            session.curclue = line;
            return;
        }
    }
}

// F4 and numeric + go one level further in (past 16 times back to the normal
// view); numeric - goes one level out. Run for every key while a puzzle is open.
void Crosswords::zoomKeys(int key)
{
    // Back in the normal view the current clue is read: after a magnified
    // view, the clue through the cursor square; otherwise the one selected.
    auto backToNormal = [this] {
        const bool magnified = session.viewmode >= 4 || (session.viewmode == 3 && session.zoomreturn >= 4);
        session.viewmode = 1;
        setnozoom();
        drawboard();
        if (magnified)
            selectClueAtCursor();
        showclues();
        updatedisplay();
        announcer.saysync = 1;
        sayit(QStringLiteral("Normal view"));
    };

    if (key == Key::F4 || key == Key::NumPlus) {
        session.viewmode = session.viewmode >= 4 ? session.viewmode + 1 : 4;
        if (session.viewmode < 9) {
            setzoom();
            announcer.saymsg = levelName(session.viewmode) + kTab + sayzoom();
        } else {
            backToNormal();
        }
    } else if (key == Key::NumMinus) {
        if (session.viewmode < 5) {
            // The chooser's alphabet goes with it.
            if (session.viewmode == 3)
                screen.hideAlphabet();
            backToNormal();
        } else {
            --session.viewmode;
            setzoom();
            announcer.saymsg = levelName(session.viewmode) + kTab + sayzoom();
        }
    }
}

// Keys in the full-screen and magnified views: the arrows walk a cursor square
// by square, letters and Backspace change the square under it, Space reads the
// clues through it and Enter opens the on-screen alphabet.
Flow Crosswords::magnifiedPhase(int key, int mods)
{
    const int squares = table.gridsize * table.gridsize;
    auto cursor = [&] {
        const int idx = (session.currow - 1) * table.gridsize + session.curcol;
        return session.currow >= 1 && session.curcol >= 1 && idx >= 1 && idx <= squares ? idx : 0;
    };
    auto onBlack = [&] { return table.isDark(cursor()); };

    if (isArrow(key)) {
        if (mods != Mod::None)
            return Flow::SpeechStep;
        if (session.curcol == 0 && session.currow == 0) {
            // The first arrow only places the cursor on the top-left square.
            session.curcol = 1;
            session.currow = 1;
        } else {
            if (key == Key::Left)
                --session.curcol;
            else if (key == Key::Right)
                ++session.curcol;
            else if (key == Key::Up)
                --session.currow;
            else
                ++session.currow;
        }
        for (int *co : {&session.curcol, &session.currow}) {
            if (*co < 1 || *co > table.gridsize) {
                *co = std::clamp(*co, 1, table.gridsize);
                boundary();
            }
        }
        for (int i = 1; i <= squares; ++i)
            screen.markSquare(i, i == cursor());
        setzoom();
        announcer.saymsg = sayzoom();
        return Flow::SpeechStep;
    }

    if (isLetter(key)) {
        if (onBlack()) {
            playwave(QStringLiteral("no"));
            return Flow::SpeechStep;
        }
        const QString letter = QString(QChar(key));
        attempt.setLetter(cursor() - 1, letter);
        screen.showSquare(cursor());
        announcer.saymsg = letter;
        checkend();
        // A solved puzzle has posted F12: it is left at the next tick.
        if (keycode == QString(QChar(Key::F12)) + QLatin1Char('0'))
            return Flow::EndTick;
        return Flow::SpeechStep;
    }

    switch (key) {
    case Key::Backspace:
        if (onBlack()) {
            playwave(QStringLiteral("no"));
        } else {
            announcer.saymsg = QStringLiteral("delete ") + attempt.letter(cursor() - 1);
            attempt.setLetter(cursor() - 1, QString());
            screen.showSquare(cursor());
        }
        return Flow::SpeechStep;

    case Key::Space: {
        if (onBlack())
            return Flow::SpeechStep;
        const int sq = cursor();
        for (int d = 1; d <= 2; ++d) {
            const int n = table.sqclue[sq][d];
            if (n == 0)
                continue;
            int total = 0;
            int pos = 0;
            for (int i = 1; i <= table.squareCount(); ++i) {
                if (table.sqclue[i][d] != n)
                    continue;
                ++total;
                if (i == sq)
                    pos = total;
            }
            if (pos == total)
                pos = 0;
            const QString label = (d == 1 ? QStringLiteral("A") : QStringLiteral("D")) + QString::number(n);
            int k = 0;
            for (int row = 1; row <= table.clueRows() && k == 0; ++row)
                if (table.clues[row][1] == label)
                    k = row;

            announcer.saymsg += kTab + QString::number(n) + (d == 1 ? QStringLiteral(" across, ") : QStringLiteral(" down, "))
                + positionWords(pos);

            // The display line without its number in front and its lengths in
            // brackets behind. The lengths are the last bracket: a clue may
            // have brackets of its own, such as "(anagram)".
            QString text = table.clues[k][3].trimmed();
            text = text.mid(text.indexOf(QLatin1Char(' ')) + 1);
            const qsizetype bracket = text.lastIndexOf(QLatin1Char('('));
            if (bracket >= 0)
                text.truncate(bracket);
            announcer.saymsg += kTab + text;

            const QStringList words = table.clues[k][2].split(QLatin1Char(' '));
            if (words.size() <= 1) {
                announcer.saymsg += kTab + QString::number(total) + QStringLiteral("letters");
            } else {
                announcer.saymsg += kTab + QString::number(words.size()) + QStringLiteral("words");
                for (qsizetype w = 0; w + 1 < words.size(); ++w)
                    announcer.saymsg += kTab + QString::number(words[w].size()) + QStringLiteral("letters");
                announcer.saymsg += kTab + QStringLiteral("and") + kTab + QString::number(words.last().size())
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
        announcer.saymsg = QString::number(session.currow) + QChar(64 + session.curcol) + kTab
            + QStringLiteral("Use the cursor keys to choose the letter");
        announcer.voicestate = 0;
        session.alphacode = -1;
        screen.showAlphabet(true);
        session.zoomreturn = session.viewmode;
        session.viewmode = 3;
        return Flow::EndTick;
    }

    case Key::Escape:
        announcer.voicestate = 0;
        announcer.saymsg = QStringLiteral("cancelled");
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
        announcer.saymsg.clear();
        announcer.voicestate = 0;
        if (key == Key::Left)
            --session.alphacode;
        else if (key == Key::Right)
            ++session.alphacode;
        else if (key == Key::Up && session.alphacode >= 13)
            session.alphacode -= 13;
        else if (key == Key::Down && session.alphacode < 14)
            session.alphacode += 13;
        if (session.alphacode < 0) {
            session.alphacode = 0;
            boundary();
        }
        if (session.alphacode > lastKey) {
            session.alphacode = lastKey;
            boundary();
        }
        for (Control &k : form.lblKey)
            k.backColor = Colour::White;
        form.lblKey[session.alphacode].backColor = Colour::Red;
        announcer.saymsg = session.alphacode == EmptyingKey ? QStringLiteral("delete")
                                                             : alphabetKeyCaption(session.alphacode);
        return Flow::SpeechStep;
    }

    // Back to the view the alphabet was opened from. The normal view keeps its
    // keyboard strip; a magnified view has none.
    auto close = [this] {
        if (session.zoomreturn >= 4)
            form.lblBack.visible = false;
        session.viewmode = session.zoomreturn;
    };

    if (key == Key::Enter) {
        if (session.alphacode < 0 || session.alphacode > lastKey)
            return Flow::SpeechStep;  // nothing selected yet
        lblKey_Click(session.alphacode);
        close();
    } else if (isLetter(key)) {
        lblKey_Click(key - Key::A);
        close();
    } else if (key == Key::Escape) {
        screen.hideAlphabet();
        announcer.saymsg = QStringLiteral("cancelled");
        close();
    }
    return Flow::SpeechStep;
}
