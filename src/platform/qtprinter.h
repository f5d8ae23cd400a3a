// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include "print/printer.h"

#include <QFont>
#include <QPainter>
#include <QPointF>
#include <memory>

class QPrinter;

// Prints on the default printer of the system's print service, at the
// printer's high resolution; twips become device units by that resolution.
// Each document is a print job of its own, in the orientation set before its
// first drawing. When the system has no printer, each document is written as
// a PDF file into the documents folder instead, named after the document.
class QtPrinter : public Printer {
public:
    explicit QtPrinter(QString documentsDir);
    ~QtPrinter() override;

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
    bool failed() const override { return m_failed; }
    QString lastDestination() const override { return m_destination; }
    bool savedToFile() const override { return m_lastToFile; }

private:
    // The current document's device, set up when first needed.
    QPrinter *device();
    // Opens the document for drawing; false (and failed) when it cannot be.
    bool painting();
    // Throws away a document that was begun but not ended.
    void discard();
    void fail();
    double toDevice(double twips);

    QString m_documentsDir;
    QString m_name = QStringLiteral("Quorel Crosswords");
    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    QFont m_font;
    Orientation m_orientation = Orientation::Portrait;
    int m_lineThickness = 1;
    QPointF m_position;
    QString m_outputFile;  // the PDF being written, or empty on a printer
    bool m_failed = false;
    QString m_destination;
    bool m_lastToFile = false;
};
