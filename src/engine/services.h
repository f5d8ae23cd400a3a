// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include <QString>

class Voice;
class SoundPlayer;
class ConfirmBox;
class TextMeasure;
class ResourceStore;
class Printer;

// Ends the program (after the goodbye has been spoken).
class AppControl {
public:
    virtual ~AppControl() = default;
    virtual void quit() = 0;
};

// The platform as the core sees it. main.cpp wires the real services; tests
// wire doubles.
struct Services {
    Voice &voice;
    SoundPlayer &sound;
    ConfirmBox &confirm;
    TextMeasure &measure;
    ResourceStore &resources;
    Printer &printer;
    AppControl &app;
};

// Where things live on this machine.
struct Environment {
    double screenWidth = 1024 * 15.0;  // whole display, twips
    double screenHeight = 768 * 15.0;
    QString stateDir;      // progress and resume files; ends with '/'
    QString settingsFile;  // full path of "tamrivo3.ini"
    QString documentsDir;  // where print documents go when there is no printer
    QString puzzlesDir;    // the solver's own crossword files; "" for none
};
