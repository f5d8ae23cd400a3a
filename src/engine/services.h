// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include "session/environment.h"

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
