// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include "engine/braille.h"
#include "engine/services.h"
#include "puzzle/cluetable.h"
#include "puzzle/puzzle.h"
#include "puzzle/puzzlefolder.h"
#include "screen/form.h"
#include "screen/gamescreen.h"
#include "session/session.h"
#include "speech/announcer.h"
#include "store/attempt.h"

#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <array>
#include <memory>
#include <vector>
#include <optional>

// Key codes of the platform's virtual keys, as the mailbox carries them.
namespace Key {
constexpr int Backspace = 8, Tab = 9, Enter = 13, Escape = 27, Space = 32;
constexpr int PageUp = 33, PageDown = 34, End = 35, Home = 36;
constexpr int Left = 37, Up = 38, Right = 39, Down = 40, Insert = 45, Delete = 46;
constexpr int Zero = 48, Nine = 57;
constexpr int A = 65, Z = 90;
constexpr int Pad0 = 96, Pad9 = 105;
constexpr int NumPlus = 107, NumMinus = 109;
// The main-row keys with + and - on them (with or without Shift).
constexpr int MainPlus = 187, MainMinus = 189;
constexpr int F1 = 112, F2 = 113, F3 = 114, F4 = 115, F5 = 116, F6 = 117, F7 = 118, F8 = 119;
constexpr int F9 = 120, F10 = 121, F11 = 122, F12 = 123;
}
// Modifier mask: Shift 1, Ctrl 2, Alt 4; 7 also marks a key the engine posted itself.
namespace Mod {
constexpr int None = 0, Shift = 1, Ctrl = 2, Alt = 4, Engine = 7;
}

// What a tick does after a phase has handled the key.
enum class Flow {
    Next,        // run the following phases
    SpeechStep,  // skip the remaining key phases, serve the speech queue
    EndTick,     // return at once; the speech queue is served next tick
};

class ScreenReaderWatch;

// The main window "Crosswords" without its widgets: it composes the puzzle,
// the solver's attempt, the session, the speech queue and the screen, and
// runs every operation of the game on them. The Qt shell paints `form()`,
// forwards key and pointer events and calls Engine_Timer every 100 ms; tests
// drive it the same way.
class Crosswords {
public:
    Crosswords(Services services, Environment environment);
    Crosswords(const Crosswords &) = delete;
    Crosswords &operator=(const Crosswords &) = delete;

    // ---- What the shell and the tests see ---------------------------------
    // The state the shell paints and speaks from, and that tests observe and
    // arrange. Each has one owner here; the operations below keep it whole.
    Services &svc() { return m_svc; }
    const Environment &env() const { return m_env; }
    Environment &env() { return m_env; }
    const Announcer &announcer() const { return m_announcer; }
    Announcer &announcer() { return m_announcer; }
    const Form &form() const { return m_form; }
    Form &form() { return m_form; }
    GameScreen &screen() { return m_screen; }
    const Session &session() const { return m_session; }
    Session &session() { return m_session; }
    const Puzzle &puzzle() const { return m_puzzle; }
    Puzzle &puzzle() { return m_puzzle; }
    const Attempt &attempt() const { return m_attempt; }
    Attempt &attempt() { return m_attempt; }
    const ClueTable &table() const { return m_table; }
    ClueTable &table() { return m_table; }
    // The keyboard owner, the key mailbox, the voice and its speed.
    const QString &curform() const { return m_curform; }
    QString &curform() { return m_curform; }
    const QString &keycode() const { return m_keycode; }
    QString &keycode() { return m_keycode; }
    int voice() const { return m_voice; }
    int &voice() { return m_voice; }
    const QString &voicename() const { return m_voicename; }
    int speed() const { return m_speed; }
    int &speed() { return m_speed; }
    // The menu: how many puzzles, each one's status, the built-in puzzles'
    // names and the solver's own.
    int puzcount() const { return m_puzcount; }
    const std::vector<std::array<int, 4>> &puzstat() const { return m_puzstat; }
    std::vector<std::array<int, 4>> &puzstat() { return m_puzstat; }
    const QStringList &puzlist() const { return m_puzlist; }
    const QList<OwnPuzzle> &ownPuzzles() const { return m_ownPuzzles; }
    // The last save failed; what failed saves kept, by progress file.
    bool savefailed() const { return m_savefailed; }
    const QMap<QString, QByteArray> &unsaved() const { return m_unsaved; }

    // ---- Events (engine/startup.cpp, engine/tick.cpp) -----------------------
    void Form_Load();
    void Form_Activate();
    void Form_KeyDown(int keyCode, int shift);
    void Engine_Timer();
    // True when a key waits in the mailbox and no tick is running: the shell
    // then runs the next tick at once instead of a period later.
    bool keyWaiting() const;
    // Ctrl on its own: the sound stops at once and the speech queue is emptied.
    void silence();
    // The window is being closed by other means than F12 (window manager,
    // logout signal): keep the open puzzle's letters.
    void Form_Unload();

    // ---- Braille (engine/braille.cpp) ---------------------------------------
    // The solver's braille display shows the game's line from now on, and its
    // keys reach the game.
    void attachBraille(BrailleDisplay &display);
    // What the display shows for the view as it now stands.
    BrailleLine brailleLine() const;
    // The clue-table row of the clue list's current entry; 0 when none.
    int panelClueRow() const;
    // The letters on the board of clue `number` in direction `dir` (1 across,
    // 2 down), a space for an empty square.
    QString boardWord(int dir, int number) const;

    // ---- Pointer input (engine/pointer.cpp) ---------------------------------
    void imgBack_Click();
    void lbl1_Click(int index);
    void lbl4_Click(int index);
    void lbl5_Click(int index);
    void D_Click(int k);
    void Dn_Click(int k);
    void lblIn_Click(int i);
    void lblKey_Click(int i);
    void lblClue_Click(int k);
    void lblClue_MouseDown(int k, int button);

    // ---- Puzzle data (engine/loadpuzzle.cpp, ownpuzzles.cpp) ----
    // Menu numbers 1.. of the built-in puzzles; the solver's follow them.
    int builtInCount() const { return std::max(0, int(m_puzlist.size()) - 2); }
    // The solver's puzzle with menu number n, or null for a built-in one.
    const OwnPuzzle *ownPuzzle(int n) const;
    // "Puzzle 12", or for a solver's puzzle "Puzzle 71, " and its title.
    QString menuName(int n) const;
    // F11 (engine/puzzleinfo.cpp): puzzle n's name, "by" its author, its
    // copyright, its notes a sentence at a time and its extra clues with their
    // letters; for a built-in puzzle its name and the footer's copyright.
    QString puzzleInfoPhrase(int n);
    void sayPuzzleInfo();
    // The open puzzle's notes, a sentence at a time, and the clues of its
    // words that run neither across nor down, while the solver has put no
    // letter into it yet; else empty.
    QString firstOpeningNotes() const;
    // Reads the solver's puzzle folder again. The puzzle under the cursor (or
    // open) keeps its place in the menu, under its new number; the rejected
    // files are returned and logged.
    QList<RejectedPuzzleFile> rescanOwnPuzzles();
    // Files another copy of the program put into the folder: each is named
    // ("New puzzle added: ", its title, then "Puzzle N").
    void ownPuzzlesHandedOver(const QStringList &fileNames);

    // ---- Screen readers (engine/screenreader.cpp) ---------------------------
    // Listens to the watch from now on: when a screen reader runs, at start
    // (after the welcome) or from later on, the solver hears how to quiet it.
    void watchScreenReader(ScreenReaderWatch &watch);
    // How to keep a screen reader from talking over the game, as one clause:
    // "press the screen reader key with S, and again when you leave".
    static QString screenReaderQuietKeys();
    std::optional<QString> fetchPuzzleText(int n);
    void loadpuzzle();
    // The puzzle of menu number n, read once and kept; an empty puzzle when
    // its text, or its file, cannot be read.
    const Puzzle &menuPuzzle(int n);
    // For a solver's puzzle whose file no longer reads as the puzzle the menu
    // lists: "A puzzle file could not be read: ", its name and why. Empty
    // when it reads, and for a built-in puzzle.
    QString unreadOwnPuzzleNotice(int n);
    static QString unreadFileNotice(const RejectedPuzzleFile &file);

    // ---- Speech (engine/speech.cpp, sound.cpp, phrases.cpp, help.cpp) ----
    void sayit(const QString &say);
    void changevoice(int back);
    void changespeed();
    void switchBriskSpeech();
    void applyVoiceSettings();
    void updatedisplay();
    void spellit(QString s);
    void playwave(const QString &name);
    void boundary();

    // ---- Screen: the named operations, done by `screen` ----
    void scaleclues() { m_screen.scaleclues(); }
    void drawboard() { m_screen.drawboard(); }
    // Fills the answer line from the marked squares and shows it.
    void highlightgrid();
    void highlightclue(int idx) { m_screen.highlightclue(idx); }
    void showclues() { m_screen.showclues(); }
    void setnozoom() { m_screen.setnozoom(); }
    void setzoom() { m_screen.setzoom(); }
    // The magnified cursor's square as it is said.
    QString sayzoom();
    // The puzzle's square under board index idx (from 1, row by row).
    const PuzzleCell &squareCell(int idx) const;
    // The same words, tab between them, without touching the speech queue.
    QString zoomReading() const;

    // ---- Engine (engine/) ----
    // A key of the engine's own: it goes ahead of any user key not yet taken.
    void postKey(int key, int mods = Mod::None);

    // ---- Persistence (engine/progress.cpp, paths.cpp, settings.cpp) ----
    QString progressFile(int n) const;
    void savefile();
    void puzstatus();
    void readSettings();
    void writeSettings();

    // ---- Solving aids (engine/answers.cpp, check.cpp, completion.cpp) ----
    void checkwork();
    void checkend();

    // ---- The grid (engine/gridchange.cpp) ----
    // The one way the solver's letters change: the squares take the states
    // given and show them, and the change joins Ctrl+Z's history under
    // `name` ("5 across", "3C"); `readBack` are the squares read out when it
    // is taken back.
    void changeSquares(const QString &name, const std::vector<int> &readBack, const std::vector<SquareState> &after);
    // Square idx holding `letter` typed, or its solution revealed.
    SquareState typedSquare(int idx, const QString &letter) const;
    SquareState revealedSquare(int idx) const;
    // "5 across" for word `number` of direction `dir` (1 across, 2 down), or
    // for clue row `row`; the squares of its answer in order.
    static QString wordName(int dir, int number);
    QString answerName(int row) const;
    std::vector<int> answerSquares(int row) const;
    // "3C": row number, then column letter.
    QString squareName(int idx) const;
    // The clue-table row of the current answer, the clue last read; 0 when none.
    int currentClueRow() const;
    // What a change of these squares is called: the square's name for one,
    // the current answer's for more.
    QString placeName(const std::vector<int> &squares) const;

private:
    Services m_svc;
    Environment m_env;
    // The speech queue; every phrase goes through it to the voice and any text sink.
    Announcer m_announcer{m_svc.voice};

    // ---- Shared state of all windows --------------------------------------
    QString m_curform;     // "Crosswords" while the main window has the keyboard
    QString m_keycode;     // mailbox: "" or Chr(key) + Chr(48 + modifier mask)
    int m_voice = 0;       // index into the installed voices
    QString m_voicename;   // the chosen voice by name, from the settings file ("" when not stored)
    int m_speed = 2;       // 0 very slow .. 4 very fast

    // ---- Main window state ------------------------------------------------
    // The view, the open puzzle, the current clue and letter, the cursor.
    Session m_session;
    int m_puzcount = 0;
    // A row per menu puzzle, from 1, as the last status scan made it:
    // (n,1) letters, (n,2) filled, (n,3) mistakes.
    std::vector<std::array<int, 4>> m_puzstat;

    // ---- Puzzle model ------------------------------------------------------
    // The open puzzle as read; the arrays below are filled from it.
    Puzzle m_puzzle;
    // The solver's letters, revealed squares and answer line for it.
    Attempt m_attempt;
    // Its clue rows and the words through each square, as the game walks them.
    ClueTable m_table;
    QStringList m_puzlist;
    // The solver's own puzzles, menu numbers after the built-in ones.
    QList<OwnPuzzle> m_ownPuzzles;

    Form m_form;
    // Writes the form from the puzzle, the attempt and the session.
    GameScreen m_screen{m_form, m_session, m_puzzle, m_table, m_attempt, m_svc.measure, m_env};

    // Solving (engine/progress.cpp): true when the last savefile could not write
    // the progress file. Whoever speaks after a save calls queueSaveFailure,
    // which appends "sorry, your progress could not be saved" as its own phrase.
    bool m_savefailed = false;
    // Fault handling (engine/progress.cpp): by progress file path, what a
    // failed save could not write. Reopening the puzzle and the status scan use
    // it in place of the file until a save of that puzzle succeeds. (By path,
    // not menu number: the solver's puzzles are renumbered when files come.)
    QMap<QString, QByteArray> m_unsaved;
    // The attempt's count of grid changes when it was last read or saved: the
    // tick saves the open puzzle after any change, so a crash loses at most
    // the answer line being typed.
    quint64 m_savedGridChanges = 0;

    // The steps the events above run; tests see their effects through the
    // events, the form, the session and the services.
    QString keywaiting;  // a user key that came while the engine's own key was in the mailbox
    QString tempdir;     // progress folder, with a trailing '/'

    void loadCatalogue();
    // A key of the user's (keyboard or click): it replaces a user key not yet
    // taken, and waits behind a key the engine posted.
    void postUserKey(int key, int mods = Mod::None);

    // Speech
    void sayit2(const QString &say);
    void speechStep();
    // Voices joined the list: a voice kept by name that was missing at
    // start-up is selected now.
    void voicesChanged();
    void sayhelp();
    // The reading of clue row `row` (its label, lengths, text and the letters
    // now on the board), as queued when the clue becomes current. `complete`
    // tells whether every square of the answer holds a letter.
    QString clueReading(int row, bool *complete = nullptr);

    // Key phases of the tick
    // Takes the key from the mailbox, runs the command or the view mode's
    // phase for it, and serves the speech queue.
    void runKeyAndSpeech();
    void zoomKeys(int key);
    Flow menuPhase(int key, int mods);
    Flow clueListPhase(int key, int mods);
    Flow letterEntryPhase(int key, int mods);
    Flow magnifiedPhase(int key, int mods);
    Flow chooserPhase(int key, int mods);
    void leave();
    void repeatClue(int mods);
    // The clue through the cursor square becomes the current clue of the
    // clue list (the other direction when none runs that way).
    void selectClueAtCursor();
    // Speaks the question, then asks with the modal box; true for OK. Any
    // other key pressed in the box cuts the speech and repeats how to answer.
    bool confirmAloud(const QString &question, const QString &box);

    // Persistence
    // The saved progress of puzzle n (or what a failed save kept of it); the
    // file is made, empty, when missing.
    QByteArray progressBytes(int n);
    int completedCount() const;
    // "You have successfully completed N puzzle(s)"
    QString completedSentence() const;
    void queueSaveFailure();
    // Saves the open puzzle when its grid changed since it was read or saved.
    void saveChangedGrid();
    static QString saveFailurePhrase();
    // Writes progress file n whole or not at all; false (and the bytes kept in
    // `unsaved`) when it cannot be written.
    bool writeProgress(int n, const QByteArray &bytes);
    bool writeProgressFile(const QString &path, const QByteArray &bytes);
    // Tries every save still pending in `unsaved` once more; false when one
    // of them fails again.
    bool saveUnsaved();

    // Solving aids
    void showanswer();
    void clearpuzzle();
    // After a reveal: a full grid is named wrong, or solved and left.
    void finishAfterReveal();
    // F3, F6, F7 and Shift+F7 on the current answer or box (engine/letteraids.cpp).
    // The row of the answer F3 and F6 act on; 0 outside the clue list and the
    // answer line, and in a puzzle that cannot be checked (which is said).
    int checkableClueRow();
    void checkAnswer();
    void revealLetter();
    void sayCrossings();
    void jumpToCrossing();
    // Ctrl+Z (engine/gridchange.cpp).
    void undoChange();
    // Puts the states into their squares and shows them; returns what the
    // squares that changed held before.
    std::vector<SquareState> applySquares(const std::vector<SquareState> &after);

    // Reaching a clue (engine/cluejump.cpp)
    // Clue (dir, number) becomes the current clue of the clue list; false
    // when the puzzle has no such clue.
    bool selectClue(int dir, int number);
    // The current clue is selected, shown and read.
    void readCurrentClue();
    // Digits, Home, End, Page Up and Page Down in the clue list.
    Flow clueJumpKeys(int key);
    // A typed number whose pause is over is taken (every tick without a key).
    void typedNumberTick();
    void jumpToTypedNumber();
    // Where each puzzle was left: kept when it is left, used when it is opened.
    void rememberCluePlace();
    void returnToCluePlace();
    QString cluePlacesFile() const;
    void readCluePlaces();
    // Said when a puzzle without its solution is opened, and for F2 and
    // Shift+F2 in it; names a locked file as such.
    QString noSolutionPhrase() const;

    // Printing (engine/askprint.cpp, print/printjobs.cpp)
    void askprint(int shifted);
    void printit();
    void printit1();

    void clearMailbox();

    QHash<int, Puzzle> m_menuPuzzles;  // menuPuzzle's store, built-in puzzles only
    std::optional<PuzzleFolder> m_ownFolder;
    // The solver's puzzles read so far (or the reason they did not read), by
    // fingerprint; the open one is kept even when its file goes.
    QHash<QString, PuzzleFolder::Parsed> m_ownParsed;
    const PuzzleFolder::Parsed &ownParsed(const OwnPuzzle &own);
    QList<RejectedPuzzleFile> m_unreadAtStart;  // said after the welcome
    bool m_welcomed = false;               // Form_Activate has queued the welcome
    std::optional<bool> m_screenReader;    // as the watch last told; unknown before it tells
    void screenReaderChanged(bool running);
    void queueScreenReaderNotice();
    QHash<QString, int> m_loggedOwn;          // file name -> menu number last logged
    QHash<QString, QString> m_loggedRejected;  // file name -> reason last logged
    bool m_inTick = false;
    std::unique_ptr<BrailleOutput> m_braille;
    // After a tick: the display follows the view and shows what was said.
    void updateBraille(bool keyTaken);
    void brailleKey(const BrailleKey &key);
    bool m_engineKey = false;     // the key in the mailbox is one the engine posted
};
