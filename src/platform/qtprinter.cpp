// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "platform/qtprinter.h"

#include "base/rounding.h"

#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPen>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

constexpr double kTwipsPerInch = 1440.0;

} // namespace

QtPrinter::QtPrinter(QString documentsDir) : m_documentsDir(std::move(documentsDir))
{
    m_font.setFamily(QStringLiteral("Arial"));
    m_font.setPointSizeF(10);
}

QtPrinter::~QtPrinter()
{
    discard();
}

void QtPrinter::beginJob()
{
    // A job that stopped half way leaves its document open: it is not sent.
    discard();
    m_failed = false;
}

void QtPrinter::setDocumentName(const QString &name)
{
    if (m_failed)
        return;
    discard();
    m_name = name;
}

QPrinter *QtPrinter::device()
{
    if (m_printer)
        return m_printer.get();
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull()) {
        m_outputFile = QDir(m_documentsDir).filePath(m_name + QStringLiteral(".pdf"));
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_printer->setOutputFileName(m_outputFile);
    } else {
        m_outputFile.clear();
        m_printer->setPrinterName(printer.printerName());
    }
    m_printer->setDocName(m_name);
    m_printer->setPageOrientation(m_orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                          : QPageLayout::Portrait);
    return m_printer.get();
}

bool QtPrinter::painting()
{
    if (m_failed)
        return false;
    if (m_painter.isActive())
        return true;
    QPrinter *printer = device();
    if (!m_outputFile.isEmpty() && !QDir().mkpath(m_documentsDir)) {
        fail();
        return false;
    }
    if (!m_painter.begin(printer)) {
        fail();
        return false;
    }
    return true;
}

void QtPrinter::discard()
{
    if (m_painter.isActive()) {
        if (m_outputFile.isEmpty())
            m_printer->abort();
        m_painter.end();
        if (!m_outputFile.isEmpty())
            QFile::remove(m_outputFile);
    }
    m_printer.reset();
}

void QtPrinter::fail()
{
    m_failed = true;
    discard();
}

double QtPrinter::toDevice(double twips)
{
    return twips * device()->resolution() / kTwipsPerInch;
}

void QtPrinter::setOrientation(Orientation o)
{
    if (m_failed)
        return;
    m_orientation = o;
    // Once drawing has begun the sheet keeps its orientation.
    if (m_printer && !m_painter.isActive())
        m_printer->setPageOrientation(o == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void QtPrinter::setFontName(const QString &face)
{
    if (!m_failed)
        m_font.setFamily(face);
}

void QtPrinter::setFontSize(double points)
{
    if (!m_failed && points > 0)
        m_font.setPointSizeF(points);
}

void QtPrinter::setFontBold(bool bold)
{
    if (!m_failed)
        m_font.setBold(bold);
}

int QtPrinter::pageWidth()
{
    if (m_failed)
        return 0;
    QPrinter *printer = device();
    return nearest(printer->pageRect(QPrinter::DevicePixel).width() * kTwipsPerInch / printer->resolution());
}

int QtPrinter::pageHeight()
{
    if (m_failed)
        return 0;
    QPrinter *printer = device();
    return nearest(printer->pageRect(QPrinter::DevicePixel).height() * kTwipsPerInch / printer->resolution());
}

double QtPrinter::textWidth(const QString &text)
{
    if (m_failed)
        return 0;
    QPrinter *printer = device();
    return QFontMetricsF(m_font, printer).horizontalAdvance(text) * kTwipsPerInch / printer->resolution();
}

double QtPrinter::textHeight(const QString &)
{
    if (m_failed)
        return 0;
    QPrinter *printer = device();
    return QFontMetricsF(m_font, printer).height() * kTwipsPerInch / printer->resolution();
}

void QtPrinter::setPosition(double x, double y)
{
    m_position = QPointF(x, y);
}

void QtPrinter::printText(const QString &text)
{
    if (!painting())
        return;
    m_painter.setFont(m_font);
    m_painter.setPen(Qt::black);
    // The position is the text's top-left corner; Qt draws from the baseline.
    const double ascent = QFontMetricsF(m_font, m_printer.get()).ascent();
    m_painter.drawText(QPointF(toDevice(m_position.x()), toDevice(m_position.y()) + ascent), text);
}

void QtPrinter::setLineThickness(int pixels)
{
    if (!m_failed)
        m_lineThickness = pixels;
}

void QtPrinter::drawLine(double x1, double y1, double x2, double y2)
{
    if (!painting())
        return;
    m_painter.setPen(QPen(Qt::black, m_lineThickness));
    m_painter.drawLine(QPointF(toDevice(x1), toDevice(y1)), QPointF(toDevice(x2), toDevice(y2)));
}

void QtPrinter::drawFilledBox(double x1, double y1, double x2, double y2)
{
    if (!painting())
        return;
    const QRectF box(QPointF(toDevice(x1), toDevice(y1)), QPointF(toDevice(x2), toDevice(y2)));
    m_painter.fillRect(box.normalized(), Qt::black);
}

void QtPrinter::drawEllipse(double x1, double y1, double x2, double y2)
{
    if (!painting())
        return;
    const QRectF box(QPointF(toDevice(x1), toDevice(y1)), QPointF(toDevice(x2), toDevice(y2)));
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setPen(QPen(Qt::black, m_lineThickness));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawEllipse(box.normalized());
    m_painter.restore();
}

void QtPrinter::endDocument()
{
    // A document with nothing drawn on it is still a (blank) sheet.
    if (!painting())
        return;
    const QString destination = m_outputFile.isEmpty() ? m_printer->printerName() : m_outputFile;
    const bool toFile = !m_outputFile.isEmpty();
    if (!m_painter.end()) {
        fail();
        return;
    }
    m_printer.reset();
    m_destination = destination;
    m_lastToFile = toFile;
}
