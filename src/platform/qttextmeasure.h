// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include "screen/textmeasure.h"

// Measures in the window's font, "Arial" bold (Liberation Sans Bold through
// fontconfig), at the screen's logical resolution.
class QtTextMeasure : public TextMeasure {
public:
    explicit QtTextMeasure(double dotsPerInch = 96.0) : m_dpi(dotsPerInch) {}
    double textWidth(const QString &text, double pointSize) override;
    double textHeight(const QString &text, double pointSize) override;

private:
    double m_dpi;
};
