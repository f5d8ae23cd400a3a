// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include <QString>

// Measures text in the window's font (Arial bold) at a point size; results in twips.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    virtual double textWidth(const QString &text, double pointSize) = 0;
    virtual double textHeight(const QString &text, double pointSize) = 0;
};
