// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include <QString>

class Voice;

// The words a voice is given for a phrase: the phrase as the game queued it,
// with the marks a voice would pass over in silence put into words. A run of
// two or more underscores (the gap of a fill-in clue) becomes "blank".
QString speakable(const QString &phrase);

enum class VoiceWait { No, Yes };

// The one way a phrase reaches a voice, whichever engine it is: logged as
// queued ("say: " or "saywait: " and the phrase unchanged), then handed over
// in its speakable form, waiting for the end when asked.
void handToVoice(Voice &voice, const QString &phrase, VoiceWait wait);
