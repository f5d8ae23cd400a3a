// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>
#include <vector>

// The view modes by name. The engine steps through the magnified levels by
// arithmetic (one level in is one more), so the mode stays an int.
namespace ViewMode {
constexpr int StartUp = -1, Started = 99;
constexpr int Menu = 0, ClueList = 1, LetterEntry = 2, Chooser = 3;
constexpr int FullScreen = 4, Magnified2 = 5, Magnified4 = 6, Magnified8 = 7, Magnified16 = 8;
}

// A square of the grid as the solver left it: its letter and whether that
// letter was revealed.
struct SquareState {
    int idx = 0;  // from 1, row by row
    QString letter;
    bool revealed = false;
    friend bool operator==(const SquareState &, const SquareState &) = default;
};

// One change of the grid, kept so that Ctrl+Z can take it back.
struct GridChange {
    QString name;               // where it was made, as said: "5 across", "3C"
    std::vector<int> squares;   // the squares read out after taking it back, in order
    std::vector<SquareState> before;  // the squares it changed, as they were
};

// The changes of the grid made in the open puzzle, newest last.
class UndoHistory {
public:
    // Keeps a change; one that changed no square is not kept.
    void record(GridChange change);
    // The newest change, taken out of the history; none when it is empty.
    std::optional<GridChange> takeLast();
    bool isEmpty() const { return m_changes.empty(); }
    void clear() { m_changes.clear(); }

private:
    std::vector<GridChange> m_changes;
};

// A clue number typed digit by digit in the clue list.
struct TypedNumber {
    // Ticks of 100 ms without a digit after which the number is taken.
    static constexpr int PauseTicks = 10;
    QString digits;
    int quietTicks = 0;
    bool isEmpty() const { return digits.isEmpty(); }
    void clear()
    {
        digits.clear();
        quietTicks = 0;
    }
};

// The clue each puzzle was left on, by progress file name: "A12", "D3".
// Kept in its own small file in the state folder, one "name<TAB>label" line
// a puzzle, so the progress files keep their format.
using CluePlaces = QHash<QString, QString>;
QByteArray encodeCluePlaces(const CluePlaces &places);
// Lines that are not "name<TAB>label" with a label of A or D and a number are skipped.
CluePlaces decodeCluePlaces(const QByteArray &bytes);

// Where the solver is: the view, the open puzzle, the current clue and
// letter, the magnified cursor, and what the last keys asked for.
struct Session {
    int viewmode = ViewMode::StartUp;
    int curpuz = 0;           // menu number of the open puzzle, 0 none
    int curdir = 1;           // 1 across, 2 down
    int curclue = 0;          // row of the current clue in the clue table
    int acrossclue = 0, downclue = 0;  // the clue each direction was last on
    int spokenclue = 0;
    QString clueread;
    int letterpos = 0;        // position in the current answer, from 1
    int alphacode = 0;        // character code Up and Down step through in letter entry
    int rebusletters = -1;    // letters typed into the current box as a rebus; -1 when none is being typed
    int curcol = 0, currow = 0;  // magnified cursor square
    int menuaxis = 0;
    int zoomreturn = 0;       // the view a magnified view returns to
    int lastkey = 0;
    int helppage = 0;         // the help page F1 reads next
    bool printstarted = false;  // the last F5 started a print (a cancelled question did not)

    // The marked squares, by index from 1: the current answer's squares, or
    // the cursor square in the magnified views and after a click. The board
    // shows them yellow; letters chosen on the alphabet go into them.
    std::vector<char> marked;
    bool isMarked(int idx) const { return idx >= 1 && idx < int(marked.size()) && marked[idx]; }
    // The k-th marked square in index order (from 1); 0 when there are fewer.
    int markedSquare(int k) const
    {
        for (int idx = 1; idx < int(marked.size()); ++idx)
            if (marked[idx] && --k == 0)
                return idx;
        return 0;
    }
    int answerboxes = 0;  // boxes of the answer line on show; 0 while it is hidden
    // The clue list the panel was last filled with: the clue-table row of
    // each entry (entry k is panelrows[k - 1]).
    std::vector<int> panelrows;

    // Ctrl+Z's history: the open puzzle's grid changes since it was opened.
    UndoHistory undo;
    // The clue number being typed in the clue list.
    TypedNumber typednumber;
    // Where each puzzle was left, for reopening it there.
    CluePlaces clueplaces;
};
