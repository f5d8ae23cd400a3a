// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// Progress files (one per puzzle, CR LF text in Windows-1252) and the status
// of every puzzle that the menu and the greetings speak.
#include "engine/crosswords.h"
#include "engine/textnumber.h"
#include "puzzle/ansi.h"
#include "puzzle/puzzletext.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// The status scan reads at most this many lines of a progress file.
constexpr int kStatusLines = 1000;

} // namespace

void Crosswords::savefile()
{
    // Nothing is open in the menu (nor before the first tick).
    if (viewmode == 0 || viewmode == 99 || viewmode == -1 || curpuz < 1)
        return;

    QString out;
    out.reserve(4096);
    out += QString::number(gridsize) + kCrLf;
    for (int row = 0; row < gridsize; ++row) {
        for (int col = 0; col < gridsize; ++col) {
            const int idx = row * gridsize + col + 1;
            const Control &square = form.D[idx];
            // A revealed letter keeps its mark so that it reloads grey.
            if (square.foreColor == Colour::Grey && !square.caption.isEmpty())
                out += square.caption + QLatin1Char('!');
            else
                out += square.caption;
            out += kCrLf;
            out += form.Dn[idx].caption + kCrLf;
            out += solution[row][col] + kCrLf;
        }
    }
    for (int i = 1; i <= 15; ++i) {
        out += form.lblIn[i].caption + kCrLf;
        out += form.lblInn[i].caption + kCrLf;
    }

    savefailed = !writeProgress(curpuz, toAnsi(out));
}

bool Crosswords::writeProgress(int n, const QByteArray &bytes)
{
    // Written beside the old file and renamed over it: a full disk or a crash
    // never leaves half a file behind. Unbuffered, so that a full disk fails
    // the write itself: a buffered write is only flushed inside commit(),
    // which then misses the error and puts an empty file in the old one's place.
    QSaveFile file(progressFile(n));
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
        && file.write(bytes) == bytes.size() && file.commit();
    // Kept until a save of this puzzle succeeds: reopening it and the status
    // scan read it in place of the file, so nothing typed is lost meanwhile.
    if (written)
        unsaved.remove(n);
    else
        unsaved[n] = bytes;
    return written;
}

bool Crosswords::saveUnsaved()
{
    bool allWritten = true;
    // writeProgress removes each puzzle it writes: walk a copy.
    const QMap<int, QByteArray> pending = unsaved;
    for (auto it = pending.cbegin(); it != pending.cend(); ++it)
        allWritten = writeProgress(it.key(), it.value()) && allWritten;
    return allWritten;
}

void Crosswords::queueSaveFailure()
{
    if (savefailed)
        saymsg += QLatin1Char('\t') + saveFailurePhrase();
}

QString Crosswords::saveFailurePhrase()
{
    return QStringLiteral("sorry, your progress could not be saved");
}

void Crosswords::puzstatus()
{
    const int last = std::min(int(puzlist.size()) - 2, int(puzstat.size()) - 1);
    for (int i = 1; i <= last; ++i) {
        if (puzlist[i].isEmpty())
            continue;
        const QStringList rows = statusGridRows(fetchPuzzleText(i).value_or(QString()));
        const int letters = countLetterSquares(rows);

        // Opening for append creates the empty file of a puzzle never opened.
        QFile file(progressFile(i));
        if (file.open(QIODevice::Append))
            file.close();
        QStringList lines;
        if (unsaved.contains(i)) {
            lines = fromAnsi(unsaved.value(i)).split(kCrLf);
        } else if (file.open(QIODevice::ReadOnly)) {
            lines = fromAnsi(file.readAll()).split(kCrLf);
            file.close();
        }
        // A file ending in CR LF has no further line after it.
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        if (lines.size() > kStatusLines)
            lines.resize(kStatusLines);
        auto line = [&](int n) { return n >= 1 && n <= lines.size() ? lines[n - 1] : QString(); };

        const int g = lines.isEmpty() ? 0 : leadingNumber(lines.first());
        int filled = 0;
        int mistakes = 0;
        // Past the lines read every entry is empty, so a huge stored size stops counting there.
        // (A stored size of 46341 or more would overflow g * g as an int.)
        const int squares = g > 0 ? int(std::min<long long>(1LL * g * g, kStatusLines / 3)) : 0;
        for (int k = 0; k < squares; ++k) {
            const QString entry = line(2 + 3 * k).left(1);
            const QString answer = line(4 + 3 * k);
            // A damaged file may fill squares the puzzle has not (black ones,
            // or a larger grid): they would make it more than 100 percent done.
            if (entry.isEmpty() || answer.isEmpty() || !isLetterSquare(rows, k / g, k % g))
                continue;
            ++filled;
            if (entry != answer)
                ++mistakes;
        }
        puzstat[i][1] = letters;
        puzstat[i][2] = filled;
        puzstat[i][3] = mistakes;
    }
    puzcount = std::max(0, int(puzlist.size()) - 2);
}

int Crosswords::completedCount() const
{
    int count = 0;
    for (int n = 1; n <= puzcount && n < int(puzstat.size()); ++n) {
        const auto &s = puzstat[n];
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
