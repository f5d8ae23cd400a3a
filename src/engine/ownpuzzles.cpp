// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// The solver's own puzzles in the menu: numbered after the built-in ones, in
// the order of their file names, read again whenever the game returns to its
// menu and when another copy of the program hands files over.
#include "engine/crosswords.h"
#include "base/logging.h"
#include "puzzle/puzzlefile.h"

#include <QSet>

namespace {

int menuNumberOf(const Crosswords &g, const QString &fingerprint)
{
    for (int i = 0; i < g.ownPuzzles().size(); ++i)
        if (g.ownPuzzles()[i].fingerprint == fingerprint)
            return g.builtInCount() + i + 1;
    return 0;
}

} // namespace

const OwnPuzzle *Crosswords::ownPuzzle(int n) const
{
    const int i = n - builtInCount() - 1;
    return i >= 0 && i < m_ownPuzzles.size() ? &m_ownPuzzles[i] : nullptr;
}

const PuzzleFolder::Parsed &Crosswords::ownParsed(const OwnPuzzle &own)
{
    auto known = m_ownParsed.constFind(own.fingerprint);
    if (known == m_ownParsed.cend())
        known = m_ownParsed.insert(own.fingerprint, m_ownFolder->parse(own));
    return *known;
}

QString Crosswords::unreadOwnPuzzleNotice(int n)
{
    const OwnPuzzle *own = ownPuzzle(n);
    if (!own)
        return QString();
    const PuzzleFolder::Parsed &parsed = ownParsed(*own);
    return parsed.puzzle ? QString() : unreadFileNotice({own->fileName, parsed.reason});
}

QString Crosswords::unreadFileNotice(const RejectedPuzzleFile &file)
{
    return QStringLiteral("A puzzle file could not be read: ") + file.fileName + QLatin1Char('\t') + file.reason;
}

QString Crosswords::menuName(int n) const
{
    const OwnPuzzle *own = ownPuzzle(n);
    return QStringLiteral("Puzzle %1").arg(n) + (own ? QStringLiteral(", ") + own->title : QString());
}

QList<RejectedPuzzleFile> Crosswords::rescanOwnPuzzles()
{
    if (!m_ownFolder)
        return {};
    // The puzzle under the cursor, or open, is followed by its content: files
    // added or removed before it change its number, never which puzzle it is.
    const OwnPuzzle *current = ownPuzzle(m_session.curpuz);
    const std::optional<OwnPuzzle> kept = current ? std::optional<OwnPuzzle>(*current) : std::nullopt;

    PuzzleFolder::Scan scan = m_ownFolder->rescan();
    m_ownPuzzles = scan.puzzles;
    if (kept) {
        m_session.curpuz = menuNumberOf(*this, kept->fingerprint);
        const bool open = m_session.viewmode != 0 && m_session.viewmode != 99 && m_session.viewmode != -1;
        if (m_session.curpuz == 0 && open) {
            // Its file went while it is being solved: it stays playable (and
            // its letters are saved) until the game is back in the menu.
            m_ownPuzzles.append(*kept);
            m_session.curpuz = builtInCount() + int(m_ownPuzzles.size());
        }
    }
    // Puzzles read stay read while listed; a file that did not read is tried
    // again, as the scan has just looked at it afresh.
    if (!m_ownParsed.isEmpty()) {
        QSet<QString> listed;
        for (const OwnPuzzle &own : std::as_const(m_ownPuzzles))
            listed.insert(own.fingerprint);
        m_ownParsed.removeIf([&listed](const auto &parsed) {
            return !parsed.value().puzzle || !listed.contains(parsed.key());
        });
    }
    m_puzcount = builtInCount() + int(m_ownPuzzles.size());
    if (m_session.curpuz > m_puzcount)
        m_session.curpuz = m_puzcount;

    for (int i = 0; i < m_ownPuzzles.size(); ++i) {
        const int number = builtInCount() + i + 1;
        const QString &name = m_ownPuzzles[i].fileName;
        if (m_loggedOwn.value(name) != number)
            qCDebug(lcPuzzles).noquote() << QStringLiteral("added: %1 as %2").arg(name).arg(number);
        m_loggedOwn[name] = number;
    }
    for (const RejectedPuzzleFile &file : scan.rejected) {
        if (m_loggedRejected.value(file.fileName) != file.reason)
            qCDebug(lcPuzzles).noquote() << QStringLiteral("rejected: %1: %2").arg(file.fileName, file.reason);
        m_loggedRejected[file.fileName] = file.reason;
    }
    for (const auto &[name, first] : scan.duplicates) {
        const QString reason = QStringLiteral("same puzzle as: ") + first;
        if (m_loggedRejected.value(name) != reason)
            qCDebug(lcPuzzles).noquote() << QStringLiteral("duplicate: %1: %2").arg(name, reason);
        m_loggedRejected[name] = reason;
    }
    return scan.rejected;
}

void Crosswords::ownPuzzlesHandedOver(const QStringList &fileNames)
{
    if (!m_ownFolder)
        return;
    QSet<QString> known;
    for (const OwnPuzzle &own : m_ownPuzzles)
        known.insert(own.fingerprint);
    rescanOwnPuzzles();
    puzstatus();
    for (const QString &name : fileNames) {
        // A file whose content was there already stands under the first name it came with.
        int number = 0;
        for (int i = 0; i < m_ownPuzzles.size() && number == 0; ++i)
            if (m_ownPuzzles[i].fileName == name)
                number = builtInCount() + i + 1;
        if (number == 0) {
            const PuzzleFileResult read = readPuzzleFile(m_ownFolder->dir() + QLatin1Char('/') + name);
            if (read.puzzle)
                number = menuNumberOf(*this, puzzleFingerprint(*read.puzzle));
        }
        if (number == 0)
            continue;
        const OwnPuzzle *own = ownPuzzle(number);
        m_announcer.saymsg += (known.contains(own->fingerprint) ? QStringLiteral("\tPuzzle already added: ")
                                                     : QStringLiteral("\tNew puzzle added: "))
            + own->title + QLatin1Char('\t') + QStringLiteral("Puzzle %1").arg(number);
        // In the menu the cursor goes to it, so Enter opens it.
        if (m_session.viewmode == 0 || m_session.viewmode == 99)
            m_session.curpuz = number;
    }
}
