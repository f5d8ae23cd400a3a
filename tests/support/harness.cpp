// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "support/harness.h"

QByteArray puzzleBytes(const QStringList &rows, const QList<ClueLine> &clues)
{
    QByteArray out;
    out.append(char(0xAE)).append("KV8,28").append(char(0xAF)).append("\r\n");
    for (QString row : rows)
        out.append(row.replace(QLatin1Char('#'), QLatin1Char(' ')).toLatin1()).append("\r\n");
    out.append(QByteArray(rows.size(), '=')).append("\r\n");
    for (const ClueLine &c : clues)
        out.append((c.label + QLatin1Char('\t') + c.answer + QLatin1Char('\t') + c.text).toLatin1()).append("\r\n");
    out.append(char(0x1A));
    return out;
}

QList<ClueLine> numberedClues(const QStringList &rows)
{
    const int n = int(rows.size());
    auto white = [&](int r, int c) { return r >= 0 && c >= 0 && r < n && c < n && rows[r][c] != QLatin1Char('#'); };
    QList<ClueLine> across, down;
    int number = 0;
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            if (!white(r, c))
                continue;
            const bool startsAcross = !white(r, c - 1) && white(r, c + 1);
            const bool startsDown = !white(r - 1, c) && white(r + 1, c);
            if (!startsAcross && !startsDown)
                continue;
            ++number;
            if (startsAcross) {
                QString word;
                for (int k = c; white(r, k); ++k)
                    word.append(rows[r][k]);
                const QString label = QStringLiteral("A%1").arg(number);
                across.append({label, word, QStringLiteral("Clue ") + label});
            }
            if (startsDown) {
                QString word;
                for (int k = r; white(k, c); ++k)
                    word.append(rows[k][c]);
                const QString label = QStringLiteral("D%1").arg(number);
                down.append({label, word, QStringLiteral("Clue ") + label});
            }
        }
    }
    return across + down;
}

QStringList standardRows()
{
    // Extra black squares keep 180-degree symmetry and cut the long runs.
    const QList<QPair<int, int>> extra{{0, 4}, {0, 8}, {12, 4}, {12, 8}, {4, 0}, {8, 0}, {4, 12}, {8, 12}, {6, 6}};
    QStringList rows;
    for (int r = 0; r < 13; ++r) {
        QString row;
        for (int c = 0; c < 13; ++c) {
            const bool black = (r % 2 == 1 && c % 2 == 1) || extra.contains({r, c});
            row.append(black ? QChar('#') : QChar('A' + (r * 7 + c * 3) % 26));
        }
        rows.append(row);
    }
    return rows;
}

QByteArray catalogueBytes(const QStringList &names)
{
    QByteArray out("'PUZ0.TXT\r\n");
    for (const QString &name : names)
        out.append(name.toLatin1()).append(".TXT\r\n");
    out.append("\r\n").append('\0');
    return out;
}

QString keyName(int key, int mods)
{
    static const QMap<int, QString> names{
        {Key::Backspace, "Backspace"}, {Key::Tab, "Tab"},     {Key::Enter, "Enter"},     {Key::Escape, "Escape"},
        {Key::Space, "Space"},         {Key::PageUp, "PageUp"}, {Key::PageDown, "PageDown"}, {Key::End, "End"},
        {Key::Home, "Home"},           {Key::Left, "Left"},   {Key::Up, "Up"},           {Key::Right, "Right"},
        {Key::Down, "Down"},           {Key::Delete, "Delete"}, {Key::NumPlus, "NumPlus"}, {Key::NumMinus, "NumMinus"},
        {Key::MainPlus, "Plus"},       {Key::MainMinus, "Minus"}, {Key::Insert, "Insert"}};
    QString name = names.value(key);
    if (key >= Key::A && key <= Key::Z)
        name = QChar(key);
    else if (key >= Key::F1 && key <= Key::F12)
        name = QStringLiteral("F%1").arg(key - Key::F1 + 1);
    else if (name.isEmpty())
        name = QStringLiteral("key%1").arg(key);
    if (mods == Mod::Engine)
        return QStringLiteral("Engine+") + name;
    const QString prefix = QLatin1String(mods & Mod::Ctrl ? "Ctrl+" : "") + QLatin1String(mods & Mod::Alt ? "Alt+" : "")
                           + QLatin1String(mods & Mod::Shift ? "Shift+" : "");
    return prefix + name;
}

Harness::Harness(QList<QByteArray> puzzles)
{
    if (puzzles.isEmpty()) {
        const QByteArray standard = puzzleBytes(standardRows(), numberedClues(standardRows()));
        puzzles = {standard, standard};
    }
    for (int i = 0; i < puzzles.size(); ++i) {
        names.append(QStringLiteral("PUZ%1").arg(101 + i, 4, 10, QLatin1Char('0')));
        resources.put(QStringLiteral("TEXT"), names.last(), puzzles[i]);
    }
    resources.put(QStringLiteral("TEXT"), QStringLiteral("PUZZLES"), catalogueBytes(names));
    for (const char *clip : {"CHEER", "NO", "OK", "WALL"})
        resources.put(QStringLiteral("WAVE"), QLatin1String(clip), QByteArray("RIFF") + clip);
    for (int page = 0; page <= 4; ++page)
        resources.put(QStringLiteral("TEXT"), QStringLiteral("HELP%1").arg(page),
                      QStringLiteral("Help page %1.\r\nSecond line.").arg(page).toLatin1());

    Environment env;
    env.stateDir = dir.filePath(QStringLiteral("state")) + QLatin1Char('/');
    env.settingsFile = dir.filePath(QStringLiteral("config/tamrivo3.ini"));
    env.documentsDir = dir.filePath(QStringLiteral("Documents"));
    game = std::make_unique<Crosswords>(Services{voice, sound, confirm, measure, resources, printer, app}, env);
    if (harnessObserverFactory())
        m_observer = harnessObserverFactory()(*this);
}

std::function<std::unique_ptr<HarnessObserver>(Harness &)> &harnessObserverFactory()
{
    static std::function<std::unique_ptr<HarnessObserver>(Harness &)> factory;
    return factory;
}

void Harness::observe(const QString &what)
{
    if (m_observer)
        m_observer->step(what);
}

void Harness::start()
{
    observe(QString());
    game->Form_Load();
    game->Form_Activate();
    game->Engine_Timer();
    observe(QStringLiteral("start"));
}

void Harness::press(int key, int mods)
{
    observe(QString());
    game->Form_KeyDown(key, mods);
    game->Engine_Timer();
    observe(QStringLiteral("press ") + keyName(key, mods));
}

void Harness::tick(int n)
{
    observe(QString());
    for (int i = 0; i < n; ++i)
        game->Engine_Timer();
    observe(QStringLiteral("tick %1").arg(n));
}

void Harness::drain(int n)
{
    observe(QString());
    int ticks = 0;
    for (; ticks < n && (!game->announcer().saymsg.isEmpty() || voice.speaking); ++ticks) {
        voice.finish();
        game->Engine_Timer();
    }
    voice.finish();
    observe(QStringLiteral("drain (%1 ticks)").arg(ticks));
}

QStringList Harness::spoken()
{
    QStringList out;
    for (; m_seen < voice.utterances.size(); ++m_seen)
        out.append(voice.utterances[m_seen].text);
    return out;
}

QStringList Harness::say(int key, int mods)
{
    press(key, mods);
    drain();
    return spoken();
}

void putLetter(Crosswords &g, int idx, const QString &letter, bool revealed)
{
    g.attempt().setLetter(idx - 1, letter);
    g.attempt().setRevealed(idx - 1, revealed);
    g.screen().showSquare(idx);
}
