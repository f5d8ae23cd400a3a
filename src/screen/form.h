// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

// Colours are &H00BBGGRR values, as the game stores and compares them. Every
// text colour reaches 7 : 1 against the backgrounds it is shown on (white,
// yellow, black, blue), so that a low-vision solver can read it.
namespace Colour {
constexpr std::uint32_t Black = 0x000000;
constexpr std::uint32_t White = 0xFFFFFF;
constexpr std::uint32_t Yellow = 0x00FFFF;      // current answer, box, clue; magnified cursor
constexpr std::uint32_t PaleYellow = 0x3FFFFF;  // magnified cursor on a black square
constexpr std::uint32_t Grey = 0x505050;        // revealed letter, answered clue: dark enough for yellow
constexpr std::uint32_t Red = 0x0000A0;         // selected key of the letter chooser: dark, for white text
constexpr std::uint32_t Blue = 0xFF0000;        // heading and button boxes
constexpr std::uint32_t MidGrey = 0x7F7F7F;     // backdrop of the normal view
constexpr std::uint32_t NumberRed = 0x00008B;   // clue numbers in the squares: dark red
constexpr std::uint32_t LightBlue = 0xFFC0C0;   // menu title strip
// System colours (design values only); the shell resolves them.
constexpr std::uint32_t SysWindowText = 0x80000008;
constexpr std::uint32_t SysButtonFace = 0x8000000F;
}

enum class ControlKind {
    Label,       // text on an optional background, optional border
    Shape,       // the selection frame: an outline only
    Image,       // the stretched menu picture
    PictureBox,  // the backdrop that holds every other control
};

// One control of the main window. Geometry is in twips, font sizes in points.
// The game keeps state in these properties (captions are entered letters,
// background colours mark the current answer), so the engine reads them back.
struct Control {
    ControlKind kind = ControlKind::Label;
    QString caption;
    double left = 0, top = 0, width = 0, height = 0;
    std::uint32_t backColor = Colour::SysButtonFace;
    std::uint32_t foreColor = Colour::SysWindowText;
    QString fontName = QStringLiteral("Arial");
    double fontSize = 9.75;
    bool fontBold = false;
    bool visible = true;
    bool transparent = false;  // no background painted
    bool border = false;       // thin single border
    bool centred = false;      // text centred
    bool circled = false;      // a board square that shows a circle under its letter
    bool barLeft = false;      // a board square with a thick bar on its left edge: a word ends there
    bool barTop = false;       // a board square with a thick bar on its top edge
    int z = 0;                 // paint order: higher is in front

    bool operator==(const Control &) const = default;
};

// Text in double quotes with backslash escapes for quotes, backslashes and
// control characters, so that it stays on one line.
QString quotedText(const QString &text);

// Every painted property of a control as "name=value" words in a fixed order;
// with `before`, only the properties that differ from it.
QString describeControl(const Control &c, const Control *before = nullptr);

// The on-screen alphabet: keys 0 to 25 are the letters A to Z; the last key,
// "#", empties the square.
constexpr int EmptyingKey = 26;
QString alphabetKeyCaption(int k);

// Lays a square's clue-number label over the top half of the square.
void placeNumberOver(Control &number, const Control &square);

// A clue number's font size as a share of its square's height: its digits,
// bold, are then a third of the square high, readable with low vision.
constexpr double NumberFontShare = 0.45;
// The smallest size of the clue panel's text, in points: the smallest that
// any built-in puzzle's panel uses on the reference screen of 1024 x 768
// pixels (a platform test measures it over all of them). A longer list is
// not shrunk below it; the panel shows the entries around the current clue.
constexpr int MinClueFontSize = 15;
// The square's letter is drawn in the part of the square below this share of
// its height, clear of the number.
constexpr double LetterAreaTop = 0.4;

// The headless control set of the main window "Crosswords". Arrays hold element
// 0 (the design element) plus the elements created at start-up.
struct Form {
    Control picbox;
    Control shpsel;
    Control board;
    Control lbl2;
    Control lblTitle;
    Control lblBack;
    Control imgBack;
    std::vector<Control> D, Dn, lbl1, lbl4, lbl5, lblClue, lblIn, lblInn, lblKey, lblMenu;

    // The window's own font (Arial bold) used for all text measuring; the
    // fitting routines change its size and leave it where they put it.
    double fontSize = 9.75;

    // Design client area of the window, in twips.
    static constexpr double DesignWidth = 9615;
    static constexpr double DesignHeight = 6600;

    // The design-time window: every control at its design geometry and look,
    // arrays holding element 0 only.
    static Form design();

    // Start-up: create the array elements beyond 0 as hidden copies of element 0.
    void loadControlArrays();
    // Adds hidden copies of element 0 until the board has `squares` squares
    // (from 1), the clue panel `clueLines` lines and the answer line `boxes`
    // boxes; never removes any.
    void ensureCapacity(int squares, int clueLines, int boxes);

    void bringToFront(Control &c);
    void sendToBack(Control &c);

    // Every control in the window's control order (for scaling and painting).
    std::vector<Control *> controls();
    std::vector<const Control *> controls() const;
    // The same order with each control's name and array index (-1 outside an array).
    void forEachControl(const std::function<void(const QString &name, int index, const Control &)> &each) const;

    // A text picture of the window for diagnosis: the measuring font, then one
    // line per control ("D[14] kind=Label caption=\"A\" ...") in control order.
    QStringList dump() const;

    bool operator==(const Form &) const = default;

    int zFront = 0;
    int zBack = 0;
};
