// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
//
// Draws the picture stretched behind the puzzle menu and writes it as a PNG.
//
// Usage: QT_QPA_PLATFORM=offscreen makepicture OUT.png
//
// The picture uses the game's own high-contrast palette. The title sits in the top
// third as a small filled-in crossword over a blue rule; everything below is plain
// black, where the menu puts its strip of yellow text along the bottom and the two
// blue "F1 = Help" and "F12 = Quit" buttons at the lower right. The menu stretches the picture
// to 108 % of the screen height, so its bottom 57 rows are never seen.

#include <QtGui/QFont>
#include <QtGui/QFontMetricsF>
#include <QtGui/QGuiApplication>
#include <QtGui/QImage>
#include <QtGui/QPainter>
#include <QtGui/QPen>

#include <cstdio>

namespace {

constexpr int kWidth = 1009;
constexpr int kHeight = 765;

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 0);
const QColor kBlue(0, 0, 255);

// One square of a drawn grid: a letter (or none) and whether it is highlighted.
struct Cell {
    QChar letter;
    bool yellow = false;
    int number = 0;
};

void drawCell(QPainter &p, const QRectF &r, const Cell &cell, const QFont &letterFont, const QFont &numberFont)
{
    p.fillRect(r, cell.yellow ? kYellow : kWhite);
    p.setPen(QPen(kBlack, 4));
    p.drawRect(r);
    if (cell.number > 0) {
        p.setFont(numberFont);
        p.drawText(r.adjusted(6, 3, 0, 0), Qt::AlignLeft | Qt::AlignTop, QString::number(cell.number));
    }
    if (!cell.letter.isNull()) {
        p.setFont(letterFont);
        p.drawText(r.adjusted(0, r.height() * 0.08, 0, 0), Qt::AlignCenter, QString(cell.letter));
    }
}

// The title as a filled-in crossword: QUOREL across on the top row (yellow, the
// colour of the answer being worked on), CROSSWORDS across on the third row, and
// LOW running down from the L of QUOREL to the W of CROSSWORDS. Squares not used by
// any answer are black, as in a printed grid, inside a yellow frame.
void drawTitleGrid(QPainter &p)
{
    constexpr int cols = 10;
    constexpr int rows = 3;
    constexpr double cell = 88.0;
    const double left = (kWidth - cols * cell) / 2.0;
    const double top = 30.0;

    const QString rowText[rows] = {QStringLiteral("QUOREL"), QStringLiteral("     O"),
                                   QStringLiteral("CROSSWORDS")};

    QFont letterFont(QStringLiteral("DejaVu Sans"));
    letterFont.setBold(true);
    letterFont.setPixelSize(static_cast<int>(cell * 0.62));
    QFont numberFont(QStringLiteral("DejaVu Sans"));
    numberFont.setBold(true);
    numberFont.setPixelSize(static_cast<int>(cell * 0.2));

    // Frame and black squares first, then the letter squares on top.
    const QRectF whole(left, top, cols * cell, rows * cell);
    p.fillRect(whole, kBlack);
    p.setPen(QPen(kYellow, 10));
    p.drawRect(whole.adjusted(-7, -7, 7, 7));

    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const QChar ch = c < rowText[r].size() ? rowText[r].at(c) : QChar(' ');
            if (ch == QChar(' '))
                continue;
            Cell square{ch, r == 0, 0};
            if (r == 0 && c == 0)
                square.number = 1;
            if (r == 0 && c == 5)
                square.number = 2;
            if (r == 2 && c == 0)
                square.number = 3;
            drawCell(p, QRectF(left + c * cell, top + r * cell, cell, cell), square, letterFont, numberFont);
        }
    }
}

// A blue rule under the title, the colour of the game's on-screen buttons.
void drawRule(QPainter &p)
{
    p.fillRect(QRectF(53, 340, kWidth - 2 * 53, 14), kBlue);
}

QImage drawPicture()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(kBlack);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    drawTitleGrid(p);
    drawRule(p);
    p.end();
    return image;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT.png\n", argv[0]);
        return 2;
    }
    const QImage image = drawPicture();
    if (!image.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%s: %d x %d\n", argv[1], image.width(), image.height());
    return 0;
}
