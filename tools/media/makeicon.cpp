// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
//
// Draws the program's icon for the desktop's menus and writes it twice: as a
// scalable SVG and as a 128 x 128 PNG, both from the one description below.
//
// Usage: QT_QPA_PLATFORM=offscreen makeicon OUT.svg OUT.png
//
// The icon uses the game's high-contrast palette: a 3 x 3 crossword on a black
// tile, its top row yellow (the answer being worked on) with a bold Q in the
// first square, one black square in the middle, the others white.

#include <QtCore/QFile>
#include <QtCore/QTextStream>
#include <QtGui/QFont>
#include <QtGui/QGuiApplication>
#include <QtGui/QImage>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>
#include <QtGui/QPen>

#include <cstdio>

namespace {

// Every measure is in units of the 128-unit square the icon is drawn on.
constexpr int kSize = 128;
constexpr int kCorner = 20;     // corner radius of the black tile
constexpr int kGridLeft = 16;   // the grid's top left corner
constexpr int kCell = 32;       // side of one square
constexpr int kLine = 4;        // width of the grid lines
constexpr int kLetterSize = 26; // font size of the letter, in units

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 0);

struct Square {
    int row;
    int col;
    QColor fill;
    QChar letter;
};

const Square kSquares[] = {
    {0, 0, kYellow, QLatin1Char('Q')}, {0, 1, kYellow, {}}, {0, 2, kYellow, {}},
    {1, 0, kWhite, {}},                {1, 1, kBlack, {}},  {1, 2, kWhite, {}},
    {2, 0, kWhite, {}},                {2, 1, kWhite, {}},  {2, 2, kWhite, {}},
};

QRect squareRect(const Square &s)
{
    return {kGridLeft + s.col * kCell, kGridLeft + s.row * kCell, kCell, kCell};
}

QString svgColour(const QColor &c)
{
    return c.name(QColor::HexRgb);
}

QByteArray svgText()
{
    QString out;
    QTextStream svg(&out);
    svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << kSize << "\" height=\"" << kSize
        << "\" viewBox=\"0 0 " << kSize << ' ' << kSize << "\">\n"
        << "  <rect width=\"" << kSize << "\" height=\"" << kSize << "\" rx=\"" << kCorner << "\" fill=\""
        << svgColour(kBlack) << "\"/>\n";
    for (const Square &s : kSquares) {
        const QRect r = squareRect(s);
        svg << "  <rect x=\"" << r.x() << "\" y=\"" << r.y() << "\" width=\"" << r.width() << "\" height=\""
            << r.height() << "\" fill=\"" << svgColour(s.fill) << "\" stroke=\"" << svgColour(kBlack)
            << "\" stroke-width=\"" << kLine << "\"/>\n";
        if (!s.letter.isNull())
            svg << "  <text x=\"" << r.center().x() + 1 << "\" y=\"" << r.y() + r.height() / 2 + kLetterSize * 0.36
                << "\" font-family=\"DejaVu Sans, sans-serif\" font-weight=\"bold\" font-size=\"" << kLetterSize
                << "\" text-anchor=\"middle\" fill=\"" << svgColour(kBlack) << "\">" << s.letter << "</text>\n";
    }
    svg << "</svg>\n";
    return out.toUtf8();
}

QImage pngImage()
{
    QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tile;
    tile.addRoundedRect(QRectF(0, 0, kSize, kSize), kCorner, kCorner);
    p.fillPath(tile, kBlack);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(kLetterSize);
    p.setFont(font);
    for (const Square &s : kSquares) {
        const QRect r = squareRect(s);
        p.setPen(QPen(kBlack, kLine));
        p.setBrush(s.fill);
        p.drawRect(r);
        if (!s.letter.isNull())
            p.drawText(r, Qt::AlignCenter, QString(s.letter));
    }
    return image;
}

bool writeFile(const char *path, const QByteArray &bytes)
{
    QFile file(QString::fromLocal8Bit(path));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: makeicon OUT.svg OUT.png\n");
        return 2;
    }
    if (!writeFile(argv[1], svgText())) {
        std::fprintf(stderr, "makeicon: cannot write %s\n", argv[1]);
        return 1;
    }
    if (!pngImage().save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "makeicon: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
