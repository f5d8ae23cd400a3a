// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// Reaching a clue in a long list: by its number typed in digits, by Home,
// End and the page keys, and by reopening a puzzle where it was left.
#include "engine/crosswords.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// The digit of a key of the main row or of the number pad; -1 for any other key.
int digitOf(int key)
{
    if (key >= Key::Zero && key <= Key::Nine)
        return key - Key::Zero;
    if (key >= Key::Pad0 && key <= Key::Pad9)
        return key - Key::Pad0;
    return -1;
}

constexpr int PageSize = 10;

} // namespace

int Crosswords::currentClueRow() const
{
    const int row = m_session.spokenclue;
    return row >= 1 && row <= m_table.clueRows() && !m_table.clues[row][1].isEmpty() ? row : 0;
}

bool Crosswords::selectClue(int dir, int number)
{
    // The clue's line in its list: lines follow the clue table, one direction each.
    const QString wanted = ClueTable::label(dir, number);
    int line = 0;
    for (int n = 1; n <= m_table.clueRows(); ++n) {
        if (!m_table.clues[n][1].startsWith(wanted[0]))
            continue;
        ++line;
        if (m_table.clues[n][1] == wanted) {
            m_session.curdir = dir;
            m_session.curclue = line;
            return true;
        }
    }
    return false;
}

void Crosswords::readCurrentClue()
{
    m_screen.selectClueEntry(m_session.curclue);
    showclues();
    updatedisplay();
}

Flow Crosswords::clueJumpKeys(int key)
{
    TypedNumber &typed = m_session.typednumber;
    const int digit = digitOf(key);
    if (digit < 0 && !typed.isEmpty()) {
        // Enter takes the number at once; any other key drops it.
        if (key == Key::Enter) {
            jumpToTypedNumber();
            return Flow::SpeechStep;
        }
        typed.clear();
    }

    if (digit >= 0) {
        typed.digits += QChar('0' + digit);
        typed.quietTicks = 0;
        m_announcer.saysync = 0;
        sayit(QString::number(digit));
        m_announcer.voicestate = 5;
        m_announcer.saymsg.clear();
        // No clue number is longer and starts the same: no need to wait.
        bool longer = false;
        for (int n = 1; n <= m_table.clueRows() && !longer; ++n) {
            const QString number = m_table.clues[n][1].mid(1);
            longer = number.size() > typed.digits.size() && number.startsWith(typed.digits);
        }
        if (!longer)
            jumpToTypedNumber();
        return Flow::SpeechStep;
    }

    const int entries = int(m_session.panelrows.size());
    int target = 0;
    switch (key) {
    case Key::Home: target = 1; break;
    case Key::End: target = entries; break;
    case Key::PageUp: target = m_session.curclue - PageSize; break;
    case Key::PageDown: target = m_session.curclue + PageSize; break;
    default: return Flow::Next;
    }
    m_announcer.saymsg.clear();
    m_announcer.voicestate = 0;
    if (entries == 0)
        return Flow::SpeechStep;
    if (target < 1 || target > entries) {
        target = std::clamp(target, 1, entries);
        boundary();
    }
    m_session.curclue = target;
    readCurrentClue();
    return Flow::SpeechStep;
}

void Crosswords::typedNumberTick()
{
    TypedNumber &typed = m_session.typednumber;
    if (m_session.viewmode != ViewMode::ClueList)
        typed.clear();
    if (!typed.isEmpty() && ++typed.quietTicks >= TypedNumber::PauseTicks)
        jumpToTypedNumber();
}

// The clue with the typed number in the current direction, else in the
// other; otherwise "There is no clue 37".
void Crosswords::jumpToTypedNumber()
{
    const int number = m_session.typednumber.digits.left(4).toInt();
    m_session.typednumber.clear();
    m_announcer.voicestate = 0;
    const int other = m_session.curdir == 1 ? 2 : 1;
    if (selectClue(m_session.curdir, number) || selectClue(other, number)) {
        readCurrentClue();
        return;
    }
    m_announcer.saymsg = QStringLiteral("There is no clue %1").arg(number);
}

QString Crosswords::cluePlacesFile() const
{
    return tempdir + QStringLiteral("clue-places");
}

void Crosswords::readCluePlaces()
{
    QFile file(cluePlacesFile());
    if (file.open(QIODevice::ReadOnly))
        m_session.clueplaces = decodeCluePlaces(file.read(1 << 20));
}

// Kept by the name of the puzzle's progress file, which follows a solver's
// puzzle when the menu renumbers it. A file that cannot be written costs only
// the place, never a letter.
void Crosswords::rememberCluePlace()
{
    const int row = currentClueRow();
    if (m_session.curpuz < 1 || row == 0)
        return;
    const QString name = QFileInfo(progressFile(m_session.curpuz)).fileName();
    if (m_session.clueplaces.value(name) == m_table.clues[row][1])
        return;
    m_session.clueplaces.insert(name, m_table.clues[row][1]);
    QSaveFile file(cluePlacesFile());
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const QByteArray bytes = encodeCluePlaces(m_session.clueplaces);
        if (file.write(bytes) == bytes.size())
            file.commit();
    }
}

void Crosswords::returnToCluePlace()
{
    const QString place = m_session.clueplaces.value(QFileInfo(progressFile(m_session.curpuz)).fileName());
    if (!place.isEmpty())
        selectClue(place.startsWith(QLatin1Char('A')) ? 1 : 2, place.mid(1).toInt());
}
