// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include <QString>

// A print document as the large-print layouts draw it. Positions and sizes are
// in twips from the top-left corner of the page, font sizes in points. The
// first drawing operation opens a document; endDocument sends it.
//
// A job calls beginJob once, then draws one or more documents, naming each
// with setDocumentName before its first operation. When an operation fails
// (no device, a file that cannot be written) failed() turns true and stays
// true until the next beginJob; the operations after it do nothing and the
// measurements return 0, so the job only has to look at failed() to stop.
class Printer {
public:
    virtual ~Printer() = default;
    enum class Orientation { Portrait = 1, Landscape = 2 };
    // Starts a print job: forgets an earlier job's failure.
    virtual void beginJob() = 0;
    // The name of the next document: the print queue's job title, and the
    // file name (plus ".pdf") when there is no printer.
    virtual void setDocumentName(const QString &name) = 0;
    virtual void setOrientation(Orientation o) = 0;
    virtual void setFontName(const QString &face) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setFontBold(bool bold) = 0;
    virtual int pageWidth() = 0;
    virtual int pageHeight() = 0;
    virtual double textWidth(const QString &text) = 0;
    virtual double textHeight(const QString &text) = 0;
    virtual void setPosition(double x, double y) = 0;
    virtual void printText(const QString &text) = 0;
    virtual void setLineThickness(int pixels) = 0;
    virtual void drawLine(double x1, double y1, double x2, double y2) = 0;
    virtual void drawFilledBox(double x1, double y1, double x2, double y2) = 0;
    // The outline of the ellipse inside the box (x1, y1)-(x2, y2), in the
    // current line thickness: a circle when the box is square.
    virtual void drawEllipse(double x1, double y1, double x2, double y2) = 0;
    virtual void endDocument() = 0;
    // True once an operation of the current job has failed; the job stops.
    virtual bool failed() const = 0;
    // Where the last ended document went: a printer name or a PDF path.
    virtual QString lastDestination() const = 0;
    // True when the last ended document was saved as a file because the
    // system has no printer.
    virtual bool savedToFile() const = 0;
};
