// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include <QString>

#include <vector>

// The view modes by name. The engine steps through the magnified levels by
// arithmetic (one level in is one more), so the mode stays an int.
namespace ViewMode {
constexpr int StartUp = -1, Started = 99;
constexpr int Menu = 0, ClueList = 1, LetterEntry = 2, Chooser = 3;
constexpr int FullScreen = 4, Magnified2 = 5, Magnified4 = 6, Magnified8 = 7, Magnified16 = 8;
}

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
};
