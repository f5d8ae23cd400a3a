// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// Progress files (one per puzzle, CR LF text in Windows-1252) and the status
// of every puzzle that the menu and the greetings speak.
#include "engine/crosswords.h"

#include <QFile>
#include <QSaveFile>
#include <QSet>
#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// No progress file of a puzzle up to 25 x 25 comes near this size.
constexpr qint64 kMaxProgressBytes = 1024 * 1024;

// True for an empty regular file: one system call, where reading it takes several.
bool isEmptyFile(const QString &path)
{
    struct stat status;
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && S_ISREG(status.st_mode) && status.st_size == 0;
}

// The names in a folder: one listing, where asking after each file costs a
// system call apiece.
QSet<QString> namesIn(const QString &dir)
{
    QSet<QString> names;
    DIR *folder = ::opendir(QFile::encodeName(dir).constData());
    if (!folder)
        return names;
    while (const dirent *entry = ::readdir(folder))
        names.insert(QFile::decodeName(entry->d_name));
    ::closedir(folder);
    return names;
}

} // namespace

void Crosswords::savefile()
{
    // Nothing is open in the menu (nor before the first tick).
    if (m_session.viewmode == 0 || m_session.viewmode == 99 || m_session.viewmode == -1 || m_session.curpuz < 1)
        return;

    m_savefailed = !writeProgress(m_session.curpuz, encodeProgress(m_puzzle, m_attempt));
    m_savedGridChanges = m_attempt.gridChanges();
}

void Crosswords::saveChangedGrid()
{
    if (m_attempt.gridChanges() == m_savedGridChanges)
        return;
    // Tell of a failing disk once, when saving stops working, not at every answer:
    // what could not be written is kept and written with the next save that works.
    const bool failedBefore = m_savefailed;
    savefile();
    m_savedGridChanges = m_attempt.gridChanges();  // also where nothing was open to save
    if (!failedBefore)
        queueSaveFailure();
}

bool Crosswords::writeProgress(int n, const QByteArray &bytes)
{
    return writeProgressFile(progressFile(n), bytes);
}

bool Crosswords::writeProgressFile(const QString &path, const QByteArray &bytes)
{
    // Written beside the old file and renamed over it: a full disk or a crash
    // never leaves half a file behind. Unbuffered, so that a full disk fails
    // the write itself: a buffered write is only flushed inside commit(),
    // which then misses the error and puts an empty file in the old one's place.
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
        && file.write(bytes) == bytes.size() && file.commit();
    // Kept until a save of this puzzle succeeds: reopening it and the status
    // scan read it in place of the file, so nothing typed is lost meanwhile.
    if (written)
        m_unsaved.remove(path);
    else
        m_unsaved[path] = bytes;
    return written;
}

bool Crosswords::saveUnsaved()
{
    bool allWritten = true;
    // writeProgress removes each puzzle it writes: walk a copy.
    const QMap<QString, QByteArray> pending = m_unsaved;
    for (auto it = pending.cbegin(); it != pending.cend(); ++it)
        allWritten = writeProgressFile(it.key(), it.value()) && allWritten;
    return allWritten;
}

void Crosswords::queueSaveFailure()
{
    if (m_savefailed)
        m_announcer.saymsg += QLatin1Char('\t') + saveFailurePhrase();
}

QString Crosswords::saveFailurePhrase()
{
    return QStringLiteral("sorry, your progress could not be saved");
}

QByteArray Crosswords::progressBytes(int n)
{
    // Opening for append creates the empty file of a puzzle never opened;
    // anything unreadable is taken as empty, never as an error. What a failed
    // save could not write stands in for the file, so the letters stay.
    const QString path = progressFile(n);
    QFile file(path);
    auto makeEmptyFile = [&file] {
        if (file.open(QIODevice::Append))
            file.close();
    };
    if (m_unsaved.contains(path)) {
        if (!file.exists())
            makeEmptyFile();
        return m_unsaved.value(path);
    }
    // The progress of a 25 x 25 puzzle is a few kilobytes: a huge file is
    // damage, and only its start is read.
    if (file.open(QIODevice::ReadOnly))
        return file.read(kMaxProgressBytes);
    makeEmptyFile();
    return QByteArray();
}

void Crosswords::puzstatus()
{
    m_puzcount = builtInCount() + int(m_ownPuzzles.size());
    m_puzstat.resize(std::max<std::size_t>(m_puzstat.size(), m_puzcount + 1));
    const QSet<QString> stored = m_ownPuzzles.isEmpty() ? QSet<QString>() : namesIn(tempdir);
    for (int i = 1; i <= m_puzcount; ++i) {
        if (i <= builtInCount() && m_puzlist[i].isEmpty())
            continue;
        // A puzzle of the solver's with nothing saved has nothing filled in:
        // neither its puzzle file nor a missing or empty progress file need
        // be read for that, nor is an empty one made.
        const QString path = progressFile(i);
        if (ownPuzzle(i) && !m_unsaved.contains(path)
            && (!stored.contains(QStringView(path).sliced(tempdir.size()).toString()) || isEmptyFile(path))) {
            m_puzstat[i] = {};
            continue;
        }
        const QByteArray progress = progressBytes(i);
        const Puzzle &shown = menuPuzzle(i);
        const AttemptStatus status = attemptStatus(shown, decodeProgress(progress, shown));
        m_puzstat[i][1] = status.letters;
        m_puzstat[i][2] = status.filled;
        m_puzstat[i][3] = status.mistakes;
    }
}

int Crosswords::completedCount() const
{
    int count = 0;
    for (int n = 1; n <= m_puzcount && n < int(m_puzstat.size()); ++n) {
        const auto &s = m_puzstat[n];
        if (s[1] >= 1 && s[1] == s[2] && s[3] <= 0)
            ++count;
    }
    return count;
}

QString Crosswords::completedSentence() const
{
    const int count = completedCount();
    return QStringLiteral("You have successfully completed %1 puzzle%2").arg(count).arg(count == 1 ? "" : "s");
}
