// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// The real printer back end on a machine without a printer: every document
// becomes a PDF in the documents folder, drawn at the places the twips say,
// in Arial bold at the sizes asked for.
#include "platform/qtprinter.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class QtPrinterToPdf : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            GTEST_SKIP() << "a printer is installed; these tests are about having none";
        ASSERT_TRUE(dir.isValid());
    }
    QString docs() const { return dir.filePath("Documents/deeper"); }
    // Renders page 1 of a PDF at 72 dots per inch (one pixel per point).
    static QImage render(const QString &pdf)
    {
        if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
            return {};
        const QString stem = pdf + ".page";
        QProcess::execute("pdftoppm", {"-png", "-r", "72", "-singlefile", pdf, stem});
        return QImage(stem + ".png");
    }
    static QString text(const QString &pdf)
    {
        QProcess p;
        p.start("pdftotext", {pdf, "-"});
        p.waitForFinished(10000);
        return QString::fromUtf8(p.readAllStandardOutput());
    }
    QTemporaryDir dir;
};

TEST_F(QtPrinterToPdf, ADocumentBecomesANamedPdfInACreatedDocumentsFolder)
{
    QtPrinter printer(docs());
    printer.beginJob();
    printer.setDocumentName("Quorel Crosswords puzzle 12 sheet 1");
    printer.setOrientation(Printer::Orientation::Portrait);
    printer.setFontName("arial");
    printer.setFontSize(18);
    printer.setFontBold(true);
    const int w = printer.pageWidth();
    const int h = printer.pageHeight();
    // A4 or Letter, less small margins.
    EXPECT_GT(w, 11000);
    EXPECT_LT(w, 12300);
    EXPECT_GT(h, 15000);
    EXPECT_LT(h, 16900);
    printer.setPosition(1440, 0);
    printer.printText("Puzzle 12");
    printer.setLineThickness(10);
    printer.drawLine(0, 7200, w, 7200);
    // A box one inch square, one inch from the top-left corner of the page.
    printer.drawFilledBox(1440, 1440, 2880, 2880);
    printer.endDocument();
    EXPECT_FALSE(printer.failed());
    const QString pdf = QDir(docs()).filePath("Quorel Crosswords puzzle 12 sheet 1.pdf");
    EXPECT_TRUE(QFile::exists(pdf));
    EXPECT_TRUE(printer.savedToFile());
    EXPECT_EQ(printer.lastDestination(), pdf);
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "poppler-utils not installed";
    EXPECT_TRUE(text(pdf).contains("Puzzle 12"));

    const QImage page = render(pdf);
    ASSERT_FALSE(page.isNull());
    // The page's margin: where the page width leaves off, in points.
    const int margin = (page.width() - w / 20) / 2;
    auto dark = [&](int x, int y) { return qGray(page.pixel(x + margin, y + margin)) < 64; };
    EXPECT_TRUE(dark(108, 108));   // the middle of the box
    EXPECT_TRUE(dark(74, 74));
    EXPECT_FALSE(dark(68, 108));   // just left of it
    EXPECT_FALSE(dark(108, 148));  // just below it
    EXPECT_TRUE(dark(300, 360));   // the line, half a point thick
    EXPECT_FALSE(dark(300, 356));
}

TEST_F(QtPrinterToPdf, TextIsMeasuredInTwipsAtFractionalSizes)
{
    QtPrinter printer(docs());
    printer.beginJob();
    printer.setDocumentName("measure");
    printer.setFontName("arial");
    printer.setFontBold(true);
    printer.setFontSize(18);
    // Arial bold's "W" is 0.944 em wide: 17 points, 340 twips.
    const double w18 = printer.textWidth("W");
    EXPECT_NEAR(w18, 340, 10);
    // A line of it is about 1.15 em high.
    EXPECT_NEAR(printer.textHeight("Ay"), 414, 25);
    // Sizes are not rounded to whole points or pixels of a screen.
    printer.setFontSize(96.3333);
    EXPECT_NEAR(printer.textWidth("W") / w18, 96.3333 / 18, 0.01);
    printer.setFontSize(18);
    const double bold = printer.textWidth("Quorel Crosswords");
    printer.setFontBold(false);
    EXPECT_LT(printer.textWidth("Quorel Crosswords"), bold * 0.97);  // regular is narrower
    // Landscape swaps the sides.
    const int portraitWidth = printer.pageWidth();
    printer.setDocumentName("measure 2");
    printer.setOrientation(Printer::Orientation::Landscape);
    EXPECT_EQ(printer.pageHeight(), portraitWidth);
    // Nothing was drawn or ended: no file.
    printer.beginJob();
    EXPECT_TRUE(QDir(docs()).entryList(QDir::Files).isEmpty());
}

TEST_F(QtPrinterToPdf, AFolderThatCannotBeMadeFailsTheJobUntilTheNextOne)
{
    QFile blocker(dir.filePath("Documents"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));  // a file where the folder should be
    blocker.close();
    QtPrinter printer(docs());
    printer.beginJob();
    printer.setDocumentName("Quorel Crosswords puzzle 3 sheet 1");
    printer.setOrientation(Printer::Orientation::Portrait);
    printer.setFontSize(18);
    EXPECT_FALSE(printer.failed());
    printer.setPosition(500, 500);
    printer.printText("Puzzle 3");
    EXPECT_TRUE(printer.failed());
    EXPECT_EQ(printer.textWidth("W"), 0);  // nothing more is done
    printer.endDocument();
    EXPECT_TRUE(printer.failed());
    printer.beginJob();
    EXPECT_FALSE(printer.failed());
}

TEST_F(QtPrinterToPdf, ADocumentLeftUnfinishedIsThrownAwayByTheNextJob)
{
    QtPrinter printer(docs());
    printer.beginJob();
    printer.setDocumentName("Quorel Crosswords puzzle 5 on one sheet");
    printer.setOrientation(Printer::Orientation::Landscape);
    printer.drawFilledBox(0, 0, 1000, 1000);
    EXPECT_FALSE(printer.failed());
    printer.beginJob();  // the earlier job stopped without ending its document
    EXPECT_FALSE(QFile::exists(QDir(docs()).filePath("Quorel Crosswords puzzle 5 on one sheet.pdf")));

    printer.setDocumentName("Quorel Crosswords puzzle 5 on one sheet");
    printer.setOrientation(Printer::Orientation::Landscape);
    printer.drawFilledBox(0, 0, 1000, 1000);
    printer.endDocument();
    const QImage page = render(QDir(docs()).filePath("Quorel Crosswords puzzle 5 on one sheet.pdf"));
    if (!page.isNull())
        EXPECT_GT(page.width(), page.height());
}

} // namespace
