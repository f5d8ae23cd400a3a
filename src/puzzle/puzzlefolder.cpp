// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "puzzle/puzzlefolder.h"
#include "puzzle/puzzlefile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QDataStream>
#include <QSaveFile>
#include <QSet>
#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>

namespace {

const QStringList &puzzleExtensions()
{
    static const QStringList extensions = {QStringLiteral(".puz"), QStringLiteral(".ipuz"), QStringLiteral(".jpz")};
    return extensions;
}

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// A character without its letter case; ASCII, most of every file name, the
// quick way.
char16_t folded(QChar c)
{
    const char16_t code = c.unicode();
    if (code < 0x80)
        return code >= u'A' && code <= u'Z' ? char16_t(code + (u'a' - u'A')) : code;
    return c.toCaseFolded().unicode();
}

// Negative, zero or positive as `a` comes before, with or after `b` in
// natural order; names that differ only in letter case or leading zeros
// compare equal here.
int naturalCompare(QStringView a, QStringView b)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (isAsciiDigit(a[i]) && isAsciiDigit(b[j])) {
            qsizetype endA = i, endB = j;
            while (endA < a.size() && isAsciiDigit(a[endA]))
                ++endA;
            while (endB < b.size() && isAsciiDigit(b[endB]))
                ++endB;
            // By value: without leading zeros, the longer run is the larger
            // number, and runs of one length compare digit by digit.
            while (i < endA - 1 && a[i] == QLatin1Char('0'))
                ++i;
            while (j < endB - 1 && b[j] == QLatin1Char('0'))
                ++j;
            if (endA - i != endB - j)
                return endA - i < endB - j ? -1 : 1;
            if (const int digits = a.sliced(i, endA - i).compare(b.sliced(j, endB - j)))
                return digits;
            i = endA;
            j = endB;
            continue;
        }
        if (a[i] != b[j]) {
            const char16_t x = folded(a[i]), y = folded(b[j]);
            if (x != y)
                return x < y ? -1 : 1;
        }
        ++i;
        ++j;
    }
    return int(a.size() - i > 0) - int(b.size() - j > 0);
}

// The bytes of a regular file, at most one byte past the largest crossword
// file, so that a larger one is refused unread; nullopt when it cannot be
// read (a folder, a pipe or a device is no crossword file).
std::optional<QByteArray> crosswordFileBytes(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.read(MaxPuzzleFileBytes + 1);
}

// A crossword file's bytes and what they read as.
struct CrosswordFile {
    QByteArray bytes;
    PuzzleFileResult read;
};

CrosswordFile readCrosswordFile(const QString &path)
{
    CrosswordFile file;
    if (std::optional<QByteArray> bytes = crosswordFileBytes(path)) {
        file.bytes = std::move(*bytes);
        file.read = readPuzzleFile(file.bytes, path);
    } else {
        file.read.error = PuzzleFileError::cannotOpen();
    }
    return file;
}

QString extensionOf(PuzzleFormat format)
{
    switch (format) {
    case PuzzleFormat::Puz:
        return puzzleExtensions()[0];
    case PuzzleFormat::Ipuz:
        return puzzleExtensions()[1];
    case PuzzleFormat::Jpz:
    case PuzzleFormat::Unknown:
        break;
    }
    return puzzleExtensions()[2];
}

// `fileName`, or "name (2).ext", "name (3).ext", ... : the first that names
// nothing in `folder`, not even a dangling link.
QString freeName(const QDir &folder, const QString &fileName)
{
    const QFileInfo original(fileName);
    QString candidate = fileName;
    for (int n = 2;; ++n) {
        const QFileInfo there(folder.filePath(candidate));
        if (!there.exists() && !there.isSymLink())
            return candidate;
        candidate = QStringLiteral("%1 (%2).%3").arg(original.completeBaseName()).arg(n).arg(original.suffix());
    }
}

// A regular file of a folder as the folder lists it.
struct FolderFile {
    QString name;
    qint64 size = 0;
    qint64 modified = 0;  // nanoseconds since 1970
};

// The crossword files of a folder (regular files or links to them, named
// .puz, .ipuz or .jpz), hidden ones left out, with their sizes and times of
// change: one system call per crossword file, which is all a scan of an
// unchanged folder costs. Other files are passed over by name, unexamined.
QList<FolderFile> crosswordFiles(const QString &dir)
{
    QList<FolderFile> files;
    DIR *folder = ::opendir(QFile::encodeName(dir).constData());
    if (!folder)
        return files;
    while (const dirent *entry = ::readdir(folder)) {
        if (entry->d_name[0] == '.')
            continue;
        QString name = QFile::decodeName(entry->d_name);
        struct stat status;
        if (!isPuzzleFileName(name) || ::fstatat(::dirfd(folder), entry->d_name, &status, 0) != 0
            || !S_ISREG(status.st_mode))
            continue;
        files.append({std::move(name), qint64(status.st_size),
                      qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec});
    }
    ::closedir(folder);
    return files;
}

// The crossword file in `dir` whose bytes are `bytes`, or an empty string.
QString fileWithBytes(const QString &dir, const QByteArray &bytes)
{
    const QDir folder(dir);
    for (const FolderFile &file : crosswordFiles(dir))
        if (file.size == bytes.size() && crosswordFileBytes(folder.filePath(file.name)) == bytes)
            return file.name;
    return {};
}

QString folderNotWritable()
{
    return QStringLiteral("the puzzle folder cannot be written to");
}

QString changedMeanwhile()
{
    return QStringLiteral("the file was changed while the game was running");
}

// The index: this header, what the scan found written by QDataStream, and the
// MD5 of both (a check against damage, quick to compute). Anything else (another version, a file cut short or
// damaged) is not read, and the folder is then read as if for the first time.
const QByteArray kIndexHeader = QByteArrayLiteral("quorel-puzzle-index 1\n");
constexpr qsizetype kIndexHashBytes = 16;
constexpr auto kIndexStreamVersion = QDataStream::Qt_6_0;
// Far above the index of thousands of files: a larger file is not ours.
constexpr qint64 kMaxIndexBytes = 64 * 1024 * 1024;

QByteArray indexHash(QByteArrayView bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Md5);
}

} // namespace

void PuzzleFolder::readIndex()
{
    QFile file(m_indexPath);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxIndexBytes)
        return;
    const QByteArray bytes = file.readAll();
    const qsizetype bodyEnd = bytes.size() - kIndexHashBytes;
    if (!bytes.startsWith(kIndexHeader) || bodyEnd < kIndexHeader.size()
        || indexHash(QByteArrayView(bytes).first(bodyEnd)) != QByteArrayView(bytes).sliced(bodyEnd))
        return;
    QDataStream in(bytes.sliced(kIndexHeader.size(), bodyEnd - kIndexHeader.size()));
    in.setVersion(kIndexStreamVersion);
    QString folder;
    quint32 count = 0;
    in >> folder >> count;
    // An index of another puzzle folder says nothing of this one.
    if (folder != m_dir)
        return;
    Entries entries;
    QStringList order;
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        QString name;
        Entry entry;
        bool readable = false;
        OwnPuzzle own;
        in >> name >> entry.size >> entry.modified >> readable >> own.title >> own.fingerprint >> own.locked
            >> entry.reason;
        if (readable) {
            own.fileName = name;
            entry.puzzle = std::move(own);
        }
        entries.insert(name, std::move(entry));
        order.append(name);
    }
    if (in.status() != QDataStream::Ok || !in.atEnd() || entries.size() != order.size()
        || !std::is_sorted(order.cbegin(), order.cend(), naturalLess))
        return;
    m_cache = std::move(entries);
    m_order = std::move(order);
}

void PuzzleFolder::writeIndex() const
{
    QByteArray bytes = kIndexHeader;
    {
        QDataStream out(&bytes, QIODevice::Append);
        out.setVersion(kIndexStreamVersion);
        out << m_dir << quint32(m_order.size());
        for (const QString &name : m_order) {
            const Entry &entry = m_cache[name];
            const OwnPuzzle own = entry.puzzle.value_or(OwnPuzzle{});
            out << name << entry.size << entry.modified << entry.puzzle.has_value() << own.title << own.fingerprint
                << own.locked << entry.reason;
        }
    }
    bytes += indexHash(bytes);
    // Written whole or not at all; a failure only costs reading the folder
    // again at the next start.
    QSaveFile file(m_indexPath);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        file.commit();
}

QString puzzleFingerprint(const Puzzle &puzzle)
{
    // Each text goes in after its length, so that no two different puzzles
    // feed the hash the same bytes, whatever their texts hold.
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const auto add = [&hash](const QString &text) {
        const QByteArray bytes = text.toUtf8();
        hash.addData(QByteArray::number(bytes.size()) + ':');
        hash.addData(bytes);
    };
    add(QString::number(puzzle.width()));
    add(QString::number(puzzle.height()));
    for (int r = 0; r < puzzle.height(); ++r)
        for (int c = 0; c < puzzle.width(); ++c) {
            const PuzzleCell &cell = puzzle.cell(r, c);
            // Bars count only where there are some, so grids without keep their fingerprints.
            const QString bars = QString(cell.barLeft ? "|" : "") + (cell.barTop ? "_" : "");
            add(cell.block ? QStringLiteral("#") : QLatin1Char('=') + cell.solution + bars);
        }
    for (Direction direction : {Direction::Across, Direction::Down}) {
        add(direction == Direction::Across ? QStringLiteral("across") : QStringLiteral("down"));
        for (const PuzzleClue &clue : puzzle.clues(direction))
            add(clue.text);
    }
    return QString::fromLatin1(hash.result().toHex().left(16));
}

QString ownProgressName(const QString &fingerprint)
{
    return QStringLiteral("own-") + fingerprint;
}

QString puzzleTitle(const Puzzle &puzzle, const QString &fileName)
{
    const QString title = puzzle.info().title.simplified();
    return title.isEmpty() ? QFileInfo(fileName).completeBaseName().simplified() : title;
}

bool naturalLess(const QString &a, const QString &b)
{
    const int order = naturalCompare(a, b);
    // Names equal but for case or leading zeros still need one fixed order.
    return order != 0 ? order < 0 : a < b;
}

bool isPuzzleFileName(const QString &fileName)
{
    return std::any_of(puzzleExtensions().begin(), puzzleExtensions().end(), [&fileName](const QString &extension) {
        return fileName.size() > extension.size() && fileName.endsWith(extension, Qt::CaseInsensitive);
    });
}

PuzzleFolder::PuzzleFolder(QString dir, QString indexPath)
    : m_dir(std::move(dir)), m_indexPath(std::move(indexPath))
{
}

bool PuzzleFolder::ensureExists() const
{
    return QDir().mkpath(m_dir);
}

PuzzleFolder::Scan PuzzleFolder::rescan()
{
    if (!m_indexPath.isEmpty() && !m_indexRead) {
        readIndex();
        m_indexRead = true;
    }
    Entries seen;
    seen.reserve(m_cache.size());
    bool changed = false, sameNames = true;
    const QDir folder(m_dir);
    for (const FolderFile &file : crosswordFiles(m_dir)) {
        sameNames = sameNames && m_cache.contains(file.name);
        Entry entry = m_cache.take(file.name);
        if (entry.size != file.size || entry.modified != file.modified) {
            changed = true;
            entry = Entry{file.size, file.modified, std::nullopt, {}};
            const PuzzleFileResult read = readCrosswordFile(folder.filePath(file.name)).read;
            if (read.puzzle)
                entry.puzzle = OwnPuzzle{file.name, puzzleTitle(*read.puzzle, file.name),
                                         puzzleFingerprint(*read.puzzle), read.locked};
            else
                entry.reason = read.error;
        }
        seen.insert(file.name, std::move(entry));
    }
    // Files gone since the last scan leave the cache, and the index, with the old one.
    sameNames = sameNames && m_cache.isEmpty();
    changed = changed || !sameNames;
    m_cache = std::move(seen);
    // The same names keep their order: sorting them again is most of the
    // cost of scanning an unchanged folder.
    if (!sameNames) {
        m_order = m_cache.keys();
        std::sort(m_order.begin(), m_order.end(), naturalLess);
    }
    if (changed && !m_indexPath.isEmpty())
        writeIndex();

    Scan scan;
    QHash<QString, QString> firstWithFingerprint;
    for (const QString &name : std::as_const(m_order)) {
        const Entry &entry = m_cache[name];
        if (!entry.puzzle) {
            scan.rejected.append({name, entry.reason});
        } else if (const auto first = firstWithFingerprint.constFind(entry.puzzle->fingerprint);
                   first != firstWithFingerprint.cend()) {
            scan.duplicates.append({name, *first});
        } else {
            firstWithFingerprint.insert(entry.puzzle->fingerprint, name);
            scan.puzzles.append(*entry.puzzle);
        }
    }
    return scan;
}

PuzzleFolder::Parsed PuzzleFolder::parse(const OwnPuzzle &own)
{
    Parsed parsed;
    PuzzleFileResult read = readCrosswordFile(QDir(m_dir).filePath(own.fileName)).read;
    if (read.puzzle && puzzleFingerprint(*read.puzzle) == own.fingerprint) {
        parsed.puzzle = std::move(read.puzzle);
        return parsed;
    }
    parsed.reason = read.puzzle ? changedMeanwhile() : read.error;
    // Its size and time no longer tell what it holds.
    if (auto entry = m_cache.find(own.fileName); entry != m_cache.end())
        entry->size = -1;
    return parsed;
}

CopyResult copyIntoPuzzleFolder(const QString &sourcePath, const QString &dir)
{
    CopyResult result;
    const CrosswordFile source = readCrosswordFile(sourcePath);
    if (!source.read.puzzle) {
        result.error = source.read.error;
        return result;
    }
    const QDir folder(dir);
    if (!QDir().mkpath(dir)) {
        result.error = folderNotWritable();
        return result;
    }
    result.fileName = fileWithBytes(dir, source.bytes);
    result.alreadyThere = !result.fileName.isEmpty();
    if (!result.alreadyThere) {
        QString name = QFileInfo(sourcePath).fileName();
        // Only crossword endings are read from the folder.
        if (!isPuzzleFileName(name))
            name += extensionOf(puzzleFormat(source.bytes, name));
        result.fileName = freeName(folder, name);
        QSaveFile copy(folder.filePath(result.fileName));
        if (!copy.open(QIODevice::WriteOnly) || copy.write(source.bytes) != source.bytes.size() || !copy.commit()) {
            result.error = folderNotWritable();
            result.fileName.clear();
            return result;
        }
    }
    result.title = puzzleTitle(*source.read.puzzle, result.fileName);
    return result;
}
