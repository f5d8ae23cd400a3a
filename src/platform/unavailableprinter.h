// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include "print/printer.h"

// Until the print back end exists every job fails openly, so the game says
// printing went wrong instead of pretending it printed.
class UnavailablePrinter : public Printer {
public:
    void setOrientation(Orientation) override {}
    void setFontName(const QString &) override {}
    void setFontSize(double) override {}
    void setFontBold(bool) override {}
    int pageWidth() override { return 11906; }
    int pageHeight() override { return 16838; }
    double textWidth(const QString &) override { return 0; }
    double textHeight(const QString &) override { return 0; }
    void setPosition(double, double) override {}
    void printText(const QString &) override {}
    void setLineThickness(int) override {}
    void drawLine(double, double, double, double) override {}
    void drawFilledBox(double, double, double, double) override {}
    void endDocument() override {}
    bool failed() const override { return true; }
    QString lastDestination() const override { return {}; }
};
