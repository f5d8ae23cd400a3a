// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "engine/crosswords.h"
#include "base/logging.h"

namespace {

// Clears a flag when the tick returns, however it returns.
struct TickGuard {
    explicit TickGuard(bool &flag) : m_flag(flag) { m_flag = true; }
    ~TickGuard() { m_flag = false; }
    bool &m_flag;
};

} // namespace

void Crosswords::Form_KeyDown(int keyCode, int shift)
{
    if (m_curform != QLatin1String("Crosswords"))
        return;
    postUserKey(keyCode, shift);
}

namespace {
QString mailboxKey(int key, int mods)
{
    return QString(QChar(key)) + QChar(mods + 48);
}
} // namespace

// The mailbox holds one key, the newest of the user's; but a key the engine
// posted itself (the move to the next box after a letter, the F12 of a solved
// puzzle) is never overwritten: the user's key waits behind it, so a letter
// typed before the next tick does not land in the same box.
void Crosswords::postUserKey(int key, int mods)
{
    if (m_engineKey)
        keywaiting = mailboxKey(key, mods);
    else
        m_keycode = mailboxKey(key, mods);
}

void Crosswords::postKey(int key, int mods)
{
    if (!m_engineKey && !m_keycode.isEmpty())
        keywaiting = m_keycode;
    m_keycode = mailboxKey(key, mods);
    m_engineKey = true;
}

void Crosswords::clearMailbox()
{
    m_keycode.clear();
    keywaiting.clear();
    m_engineKey = false;
}

bool Crosswords::keyWaiting() const
{
    return !m_inTick && !m_keycode.isEmpty();
}

void Crosswords::Engine_Timer()
{
    if (m_curform != QLatin1String("Crosswords"))
        return;
    // A tick that starts while another waits in a modal box or in a spoken
    // wait only serves the speech queue.
    if (m_inTick) {
        speechStep();
        return;
    }
    TickGuard guard(m_inTick);
    const bool keyTaken = m_keycode.size() == 2;
    runKeyAndSpeech();
    saveChangedGrid();
    updateBraille(keyTaken);
}

void Crosswords::runKeyAndSpeech()
{
    if (m_session.viewmode == ViewMode::Started)
        m_session.viewmode = ViewMode::Menu;

    int key = 0;
    int mods = 0;
    const bool usersKey = !m_engineKey;
    if (m_keycode.size() == 2) {
        key = m_keycode[0].unicode();
        const int digit = m_keycode[1].unicode() - 48;
        mods = digit >= 0 && digit <= 9 ? digit : 0;
        m_keycode = keywaiting;
        keywaiting.clear();
        m_engineKey = false;
        qCDebug(lcKeys).noquote() << QStringLiteral("key: %1 %2").arg(key).arg(mods);
    }
    // The main-row + and - are the keypad's zoom keys from here on: a screen
    // reader's desktop layout keeps the keypad for itself.
    if (key == Key::MainPlus)
        key = Key::NumPlus;
    else if (key == Key::MainMinus)
        key = Key::NumMinus;
    if (key == 0) {
        typedNumberTick();
        speechStep();
        return;
    }
    // Brisk speech: the solver's key silences the game before it is answered.
    const bool typedLetter = key >= Key::A && key <= Key::Z && (mods == Mod::None || mods == Mod::Shift);
    if (usersKey && m_announcer.cutsForKey(typedLetter))
        silence();

    // Command keys act the same in every mode, the menu included.
    switch (key) {
    case Key::F1:
        if (mods == Mod::None)
            sayhelp();
        else if (mods == Mod::Shift)
            changevoice(0);
        else if (mods == Mod::Ctrl)
            changevoice(1);
        else
            changespeed();
        break;
    case Key::F2:
        if (mods == Mod::None)
            checkwork();
        else
            showanswer();
        break;
    case Key::F3:
        if (mods == Mod::None)
            checkAnswer();
        break;
    case Key::F5:
        askprint(mods);
        break;
    case Key::F6:
        if (mods == Mod::None)
            revealLetter();
        break;
    case Key::F7:
        if (mods == Mod::None)
            sayCrossings();
        else if (mods == Mod::Shift)
            jumpToCrossing();
        break;
    case Key::F9:
        clearpuzzle();
        break;
    case Key::F10:
        if (mods == Mod::None)
            switchBriskSpeech();
        break;
    case Key::F11:
        if (mods == Mod::None)
            sayPuzzleInfo();
        break;
    case Key::F12:
        leave();
        speechStep();
        return;
    default:
        break;
    }
    m_session.lastkey = key;
    m_screen.hideMenuButtons();

    // Ctrl+Z takes back the last change of the open puzzle's grid, in any view.
    if (key == Key::Z && mods == Mod::Ctrl) {
        if (m_session.viewmode > ViewMode::Menu)
            undoChange();
        speechStep();
        return;
    }

    if (m_session.viewmode > ViewMode::Menu)
        zoomKeys(key);
    // A function key's message starts at the next tick.
    if (key > 110)
        return;

    Flow flow = Flow::Next;
    auto phase = [&](bool active, Flow (Crosswords::*handler)(int, int)) {
        if (flow == Flow::Next && active)
            flow = (this->*handler)(key, mods);
    };
    phase(m_session.viewmode == ViewMode::Menu, &Crosswords::menuPhase);
    phase(m_session.viewmode == ViewMode::ClueList, &Crosswords::clueListPhase);
    phase(m_session.viewmode == ViewMode::LetterEntry, &Crosswords::letterEntryPhase);
    phase(m_session.viewmode >= ViewMode::FullScreen && m_session.viewmode <= ViewMode::Magnified16, &Crosswords::magnifiedPhase);
    phase(m_session.viewmode == ViewMode::Chooser, &Crosswords::chooserPhase);
    if (flow == Flow::EndTick)
        return;
    speechStep();
}
