// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include <QString>
#include <vector>

class Voice;

// Somewhere besides the voice that shows or keeps what the game says, such
// as a braille display. It gets each phrase as the voice is handed it, and
// `stop` when speech is cut short.
class TextSink {
public:
    virtual ~TextSink() = default;
    virtual void phrase(const QString &text) = 0;
    virtual void stop() = 0;
};

// The speech queue and its rules. Phrases wait in `saymsg`, separated by
// Tab; `speechStep` hands the next one to the voice once the voice has
// finished the previous one, speaking and waiting while `saysync` asks for it.
// Every phrase handed over also goes to each registered text sink.
class Announcer {
public:
    explicit Announcer(Voice &voice) : m_voice(voice) {}
    Announcer(const Announcer &) = delete;
    Announcer &operator=(const Announcer &) = delete;

    QString saymsg;      // speech queue, phrases separated by Tab
    QString sayphrase;   // the phrase last taken from the queue or handed to the voice
    int voicestate = 0;  // voice state as last read: 1 idle, 2 speaking, 0 unknown
    int saysync = 0;     // while >= 1 the queue speaks and waits
    // Brisk speech: every key the game takes cuts what is sounding first
    // (see `cutForKey`). Off, nothing is cut but by Ctrl and F1.
    bool brisk = false;

    // The sink is not owned; it must outlive the announcer or stay registered
    // only while it lives.
    void addSink(TextSink &sink);

    // Speaks `say` without waiting; one spoken-and-waited turn of `saysync` is used up.
    void sayit(const QString &say);
    // Speaks `say` and returns when the voice has finished it.
    void sayit2(const QString &say);
    // Speaks a help page: F1 while it still sounds cuts it (see `cutHelpPage`).
    void sayHelpPage(const QString &page);
    // Cuts the help page if one is still the last text handed over.
    void cutHelpPage();
    // Hands the next queued phrase to the voice if the voice is idle: at most one per call.
    void speechStep();
    // Cuts whatever the voice is saying or still holds, and logs the phrase cut short.
    void cutSpeech();
    // Cuts the speech and empties the queue; a phrase queued afterwards is spoken as usual.
    void silence();
    // With brisk speech on, whether a key just taken should cut the speech:
    // always, except that a typed letter lets the echo of the letter before
    // it finish, so fast typing is still heard letter by letter.
    bool cutsForKey(bool typedLetter);

private:
    void handOver(const QString &say, bool waits);

    Voice &m_voice;
    std::vector<TextSink *> m_sinks;
    QString m_sounding;           // the text last handed to the voice
    bool m_helpSounding = false;  // that text was a help page
};
