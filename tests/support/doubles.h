// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

// Test doubles of the platform services. Time is driven by the test: the
// recording voice stays busy after an utterance until the test finishes it.

#include "engine/confirmbox.h"
#include "engine/services.h"
#include "print/printer.h"
#include "puzzle/resourcestore.h"
#include "screen/textmeasure.h"
#include "speech/announcer.h"
#include "speech/screenreaderwatch.h"
#include "speech/brailledisplay.h"
#include "speech/soundplayer.h"
#include "speech/voice.h"

#include <QMap>
#include <QStringList>
#include <deque>

// A number that grows with every utterance and every sound, so a trace can
// put speech and sound back in the order they happened.
long long nextEventOrder();

class RecordingVoice : public Voice {
public:
    struct Utterance {
        QString text;
        bool waited = false;
        long long order = nextEventOrder();
    };
    std::vector<Utterance> utterances;
    QStringList names{QStringLiteral("English (Great Britain)"), QStringLiteral("English (America)")};
    int selected = -1;
    int rate = 0;
    bool speaking = false;
    bool finishAtOnce = false;  // when true every utterance ends as it starts

    bool isIdle() override { return !speaking; }
    void speak(const QString &text) override;
    void speakAndWait(const QString &text) override;
    QStringList voiceNames() override { return names; }
    void selectVoice(int index) override { selected = index; }
    void setRate(int r) override { rate = r; }
    void stop() override
    {
        speaking = false;
        ++stops;
        stopOrders.push_back(nextEventOrder());
    }
    int stops = 0;
    // New voices join the list, as a speech service's do once it has listed them.
    void offer(const QStringList &more)
    {
        names += more;
        reportVoicesChanged();
    }
    // Ends the utterance being spoken and tells the game, as a real voice does.
    void finish()
    {
        speaking = false;
        reportIdle();
    }
    std::vector<long long> stopOrders;  // when each stop came, among utterances and sounds
    QStringList texts() const;
};

// A text sink that keeps what it is handed, as a braille display would show it.
class RecordingSink : public TextSink {
public:
    QStringList phrases;
    int stops = 0;
    void phrase(const QString &text) override { phrases.append(text); }
    void stop() override { ++stops; }
};

// A braille display of a chosen size that keeps what it was last told to
// show, and lets a test press its keys.
class RecordingBraille : public BrailleDisplay {
public:
    explicit RecordingBraille(int cells = 40) : cells(cells) {}
    int cells;
    QString text;    // the cells as last written
    int cursor = 0;  // cursor cell, from 1; 0 none
    int writes = 0;
    int columns() const override { return cells; }
    void show(const QString &shown, int cursorCell) override
    {
        text = shown;
        cursor = cursorCell;
        ++writes;
    }
    // The line with the cursor's cell marked: "1a s[-]--".
    QString withCursor() const
    {
        return cursor < 1 ? text : text.left(cursor - 1) + QLatin1Char('[') + text.mid(cursor - 1, 1) + QLatin1Char(']') + text.mid(cursor);
    }
    void press(BrailleKey::Kind kind, int value = 0) { reportKey({kind, value}); }
    void resize(int n)
    {
        cells = n;
        reportResize();
    }
};

class RecordingSound : public SoundPlayer {
public:
    struct Play {
        QString name;
        bool waited = false;
        QByteArray wave;
        long long order = nextEventOrder();
    };
    std::vector<Play> plays;
    void play(const QString &name, const QByteArray &wave, bool wait) override { plays.push_back({name, wait, wave}); }
    void stop() override
    {
        ++stops;
        stopOrders.push_back(nextEventOrder());
    }
    int stops = 0;
    std::vector<long long> stopOrders;  // when each stop came, among utterances and sounds
    QStringList names() const;
};

class ScriptedConfirm : public ConfirmBox {
public:
    std::deque<bool> answers;  // next answers; OK when empty
    int strayKeys = 0;         // keys other than Enter and Escape pressed before each answer
    QStringList prompts;
    bool confirm(const QString &prompt, const std::function<void()> &otherKey) override;
};

// Deterministic metrics: every character is 10 twips wide per point, a line
// is 20 twips high per point.
class FixedTextMeasure : public TextMeasure {
public:
    double textWidth(const QString &text, double pointSize) override { return text.size() * 10.0 * pointSize; }
    double textHeight(const QString &, double pointSize) override { return 20.0 * pointSize; }
};

class MemoryResources : public ResourceStore {
public:
    QMap<QString, QByteArray> items;  // key: TYPE/NAME in upper case
    void put(const QString &type, const QString &name, const QByteArray &bytes)
    {
        items[type.toUpper() + QLatin1Char('/') + name.toUpper()] = bytes;
    }
    std::optional<QByteArray> fetch(const QString &type, const QString &name) override;
};

// Records every call that sets or draws as one line of text ("size 18",
// "at 500 300", "text Puzzle 1", "end"); measurements are not recorded. Text
// is 10 twips wide per character and point, 20 twips high per point.
class RecordingPrinter : public Printer {
public:
    QStringList calls;
    int width = 11906, height = 16838;  // A4 portrait, twips
    bool failing = false;               // every job fails from its first call
    QString failAt;                     // a job fails at the first call recorded as this, e.g. "end"
    bool toFile = false;                // documents go to files: there is no printer
    double size = 10;
    Orientation orientation = Orientation::Portrait;

    void beginJob() override;
    void setDocumentName(const QString &name) override;
    void setOrientation(Orientation o) override;
    void setFontName(const QString &face) override;
    void setFontSize(double points) override;
    void setFontBold(bool bold) override;
    int pageWidth() override;
    int pageHeight() override;
    double textWidth(const QString &text) override;
    double textHeight(const QString &text) override;
    void setPosition(double x, double y) override;
    void printText(const QString &text) override;
    void setLineThickness(int pixels) override;
    void drawLine(double x1, double y1, double x2, double y2) override;
    void drawFilledBox(double x1, double y1, double x2, double y2) override;
    void drawEllipse(double x1, double y1, double x2, double y2) override;
    void endDocument() override;
    bool failed() const override { return failing || m_failed; }
    QString lastDestination() const override { return QStringLiteral("recorder"); }
    bool savedToFile() const override { return toFile; }

private:
    // Records a call of the job; false (nothing recorded) once it has failed.
    bool record(const QString &call);
    bool m_failed = false;
};

class RecordingApp : public AppControl {
public:
    int quits = 0;
    void quit() override { ++quits; }
};

// The session's screen reader as the test sets it; it tells the game only
// when told to, as the real watch tells nothing without a session bus.
class ScriptedScreenReader : public ScreenReaderWatch {
public:
    void tell(bool running) { report(running); }
};
