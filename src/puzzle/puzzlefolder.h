// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include "puzzle/puzzle.h"

#include <QHash>
#include <QList>
#include <QString>
#include <optional>

// The solver's puzzle folder: the crossword files the solver put there, listed
// in the order of their file names. The game only reads it; files arrive by
// the solver's hand or by copyIntoPuzzleFolder.

// A short name for a puzzle's content (size, blocks, solution and clue
// texts), 16 lower-case hex digits: the same puzzle gives the same name
// whatever its file's name or format, so its progress follows the puzzle.
QString puzzleFingerprint(const Puzzle &puzzle);
// The part of a progress file's name that stands for a solver's puzzle, in
// place of a built-in puzzle's resource name: "own-" + fingerprint.
QString ownProgressName(const QString &fingerprint);
// The title to speak: the file's title as plain text, trimmed, white space
// collapsed; the file name without its extension when the title is empty.
QString puzzleTitle(const Puzzle &puzzle, const QString &fileName);
// Order of file names as a person reads them: runs of digits compare by
// their value, everything else without regard to letter case, so
// "puzzle 9" comes before "puzzle 10". The same on every machine and locale.
bool naturalLess(const QString &a, const QString &b);
// True for a name ending in .puz, .ipuz or .jpz, in any letter case.
bool isPuzzleFileName(const QString &fileName);

// What the menu needs of a solver's puzzle; the puzzle itself is read from
// its file when it is wanted (PuzzleFolder::parse).
struct OwnPuzzle {
    QString fileName;     // in the folder, without the folder's path
    QString title;        // puzzleTitle
    QString fingerprint;  // puzzleFingerprint
    bool locked = false;  // a locked file whose key was not found: plays without its solution
};

struct RejectedPuzzleFile {
    QString fileName;
    QString reason;  // in the words the game says
};

class PuzzleFolder {
public:
    struct Scan {
        QList<OwnPuzzle> puzzles;  // in natural order of file names; each content once
        QList<RejectedPuzzleFile> rejected;  // in natural order of file names
        // Files whose puzzle an earlier file holds already: each with that file's name.
        QList<std::pair<QString, QString>> duplicates;
    };

    // A puzzle read from its file, or why it could not be.
    struct Parsed {
        std::optional<Puzzle> puzzle;
        QString reason;  // in the words the game says, when there is no puzzle
    };

    // `indexPath` names the file that keeps what the scans found between runs
    // of the game (outside the folder); empty for none.
    explicit PuzzleFolder(QString dir, QString indexPath = QString());
    const QString &dir() const { return m_dir; }
    // Creates the folder when it is missing; false when it cannot be made.
    bool ensureExists() const;
    // Lists the folder's crossword files. A file whose name, size and time of
    // change are those of the last scan, or of the index when this is the
    // first scan, is not read again, so scanning an unchanged folder costs
    // one directory listing. Of files with the same content the first in
    // natural order stands for all. The index is rewritten, whole, when the
    // scan found anything new or gone.
    Scan rescan();
    // Reads the puzzle of `own`. A file that no longer reads, or reads as
    // another puzzle than the scan found (changed without a new size or time),
    // gives no puzzle, and is read afresh by the next scan.
    Parsed parse(const OwnPuzzle &own);

private:
    struct Entry {
        qint64 size = -1;
        qint64 modified = 0;  // nanoseconds since 1970
        std::optional<OwnPuzzle> puzzle;
        QString reason;  // why the file was refused, when there is no puzzle
    };
    using Entries = QHash<QString, Entry>;  // by file name
    // Takes the cache from the index; leaves it empty when the index is
    // missing, damaged, of another version or of another folder.
    void readIndex();
    void writeIndex() const;

    QString m_dir;
    QString m_indexPath;
    bool m_indexRead = false;
    Entries m_cache;
    QStringList m_order;  // the cache's file names in natural order
};

struct CopyResult {
    QString error;      // why nothing was copied; empty on success
    QString fileName;   // the file's name in the folder
    QString title;      // the puzzle's title (puzzleTitle)
    bool alreadyThere = false;  // a file of the same bytes was there: nothing copied
    bool ok() const { return error.isEmpty(); }
};

// Puts a crossword file into the folder `dir` (made when missing) after
// reading it: a file that does not read is not copied. A file of the same
// bytes already there is named instead of copied again. The copy keeps the
// file's name, or becomes "name (2).ext", "name (3).ext", ... when the name
// is taken; a name without a crossword ending gets its format's. The copy is
// written whole or not at all.
CopyResult copyIntoPuzzleFolder(const QString &sourcePath, const QString &dir);
