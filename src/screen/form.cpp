// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "screen/form.h"

namespace {

Control label(double left, double top, double width, double height, const QString &caption)
{
    Control c;
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    c.caption = caption;
    return c;
}

// A text label drawn over a box: white text, no background, centred.
Control buttonText(double left, double top, double width, double height, const QString &caption)
{
    Control c = label(left, top, width, height, caption);
    c.foreColor = Colour::White;
    c.transparent = true;
    c.centred = true;
    return c;
}

Control blueBox(double left, double top, double width, double height)
{
    Control c = label(left, top, width, height, QString());
    c.backColor = Colour::Blue;
    c.border = true;
    return c;
}

void appendCopies(std::vector<Control> &array, int lastIndex)
{
    const Control first = array.front();
    while (int(array.size()) <= lastIndex) {
        Control copy = first;
        copy.visible = false;
        array.push_back(copy);
    }
}

} // namespace

Form Form::design()
{
    Form f;
    f.picbox = label(0, 0, 9495, 6495, QString());
    f.picbox.kind = ControlKind::PictureBox;

    f.shpsel = label(2760, 3480, 615, 615, QString());
    f.shpsel.kind = ControlKind::Shape;

    Control d = label(240, 2040, 4095, 375, QStringLiteral("D - display"));
    d.fontName = QStringLiteral("Verdana");
    d.fontSize = 8.25;
    d.fontBold = true;
    d.backColor = Colour::White;
    d.border = true;
    d.centred = true;
    d.visible = false;
    f.D = {d};

    Control dn = label(360, 2520, 3855, 255, QStringLiteral("Dn -superscript of clue number"));
    dn.fontName = QStringLiteral("Verdana");
    dn.fontSize = 8.25;
    dn.fontBold = true;
    dn.foreColor = Colour::NumberRed;
    dn.transparent = true;
    dn.visible = false;
    f.Dn = {dn};

    f.board = label(120, 120, 6210, 5295, QString());
    f.board.visible = false;

    f.lbl2 = label(6720, 360, 1335, 375, QStringLiteral("PUZZLE 1"));
    f.lbl2.fontSize = 12;
    f.lbl2.fontBold = true;
    f.lbl2.foreColor = Colour::White;
    f.lbl2.transparent = true;
    f.lbl2.centred = true;

    f.lblTitle = label(4320, 240, 2265, 615, QStringLiteral("Quorel Crosswords Puzzle # 1"));
    f.lblTitle.fontSize = 11.25;
    f.lblTitle.fontBold = true;
    f.lblTitle.backColor = Colour::LightBlue;
    f.lblTitle.centred = true;

    f.lbl1 = {blueBox(120, 120, 1695, 495), buttonText(120, 240, 1695, 375, QStringLiteral("ACROSS"))};
    f.lbl4 = {blueBox(7560, 4560, 1455, 495), buttonText(7560, 4680, 1455, 375, QStringLiteral("F1 = Help"))};
    f.lbl5 = {blueBox(7560, 5040, 1455, 495), buttonText(7560, 5160, 1455, 375, QStringLiteral("F12 = Quit"))};

    f.lblClue = {label(2160, 720, 1935, 495, QStringLiteral("lblClue"))};

    Control in = label(360, 4320, 735, 615, QStringLiteral("lblIn"));
    in.backColor = Colour::White;
    in.border = true;
    in.centred = true;
    f.lblIn = {in};

    Control inn = label(1560, 4320, 2415, 375, QStringLiteral("lblInn"));
    inn.fontSize = 8.25;
    inn.fontBold = true;
    inn.foreColor = Colour::NumberRed;
    inn.transparent = true;
    f.lblInn = {inn};

    Control key = label(4680, 5760, 855, 495, QStringLiteral("lblKey"));
    key.backColor = Colour::White;
    key.border = true;
    key.centred = true;
    f.lblKey = {key};

    f.lblBack = label(600, 5880, 3015, 495, QStringLiteral("lblBack"));

    Control menu = label(1080, 2160, 7575, 615, QString());
    menu.fontSize = 24;
    menu.fontBold = true;
    menu.backColor = Colour::White;
    menu.border = true;
    menu.centred = true;
    menu.visible = false;
    f.lblMenu = {menu};

    f.imgBack = label(3000, 0, 975, 735, QString());
    f.imgBack.kind = ControlKind::Image;

    // Paint order at design time follows the control order; the picture lies
    // behind everything but the backdrop.
    int z = 0;
    for (Control *c : f.controls())
        c->z = ++z;
    f.imgBack.z = 0;
    f.zFront = z;
    f.zBack = 0;
    return f;
}

void Form::loadControlArrays()
{
    appendCopies(D, 225);
    appendCopies(Dn, 225);
    appendCopies(lblIn, 16);
    appendCopies(lblInn, 16);
    appendCopies(lblClue, 100);
    appendCopies(lblKey, 26);
    // Copies are stacked in front of their element 0, in index order.
    for (auto *array : {&D, &Dn, &lblIn, &lblInn, &lblClue, &lblKey})
        for (std::size_t i = 1; i < array->size(); ++i)
            (*array)[i].z = ++zFront;
}

void Form::ensureCapacity(int squares, int clueLines, int boxes)
{
    const std::size_t before[] = {D.size(), Dn.size(), lblIn.size(), lblInn.size(), lblClue.size()};
    appendCopies(D, squares);
    appendCopies(Dn, squares);
    // One box more than used, as at start-up.
    appendCopies(lblIn, boxes + 1);
    appendCopies(lblInn, boxes + 1);
    appendCopies(lblClue, clueLines);
    int a = 0;
    for (auto *array : {&D, &Dn, &lblIn, &lblInn, &lblClue}) {
        for (std::size_t i = before[a]; i < array->size(); ++i)
            (*array)[i].z = ++zFront;
        ++a;
    }
}

void Form::bringToFront(Control &c)
{
    c.z = ++zFront;
}

void Form::sendToBack(Control &c)
{
    // The backdrop picture box holds every control and is always painted first,
    // whatever its z value.
    c.z = --zBack;
}

namespace {

// The window's control order, with names: one home for it. Works on a const
// or a mutable form.
template<typename F, typename Each>
void visitControls(F &f, Each each)
{
    auto single = [&each](const char *name, auto &c) { each(QLatin1String(name), -1, c); };
    auto array = [&each](const char *name, auto &controls) {
        for (std::size_t i = 0; i < controls.size(); ++i)
            each(QLatin1String(name), int(i), controls[i]);
    };
    single("picbox", f.picbox);
    single("shpsel", f.shpsel);
    array("D", f.D);
    array("Dn", f.Dn);
    single("board", f.board);
    single("lbl2", f.lbl2);
    single("lblTitle", f.lblTitle);
    array("lbl1", f.lbl1);
    array("lbl4", f.lbl4);
    array("lbl5", f.lbl5);
    array("lblClue", f.lblClue);
    array("lblIn", f.lblIn);
    array("lblInn", f.lblInn);
    array("lblKey", f.lblKey);
    single("lblBack", f.lblBack);
    array("lblMenu", f.lblMenu);
    single("imgBack", f.imgBack);
}

QString kindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Label: return QStringLiteral("Label");
    case ControlKind::Shape: return QStringLiteral("Shape");
    case ControlKind::Image: return QStringLiteral("Image");
    case ControlKind::PictureBox: return QStringLiteral("PictureBox");
    }
    return QString();
}

} // namespace

QString alphabetKeyCaption(int k)
{
    return k == EmptyingKey ? QStringLiteral("#") : QString(QChar(u'A' + k));
}

QString quotedText(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (const QChar ch : text) {
        if (ch == QLatin1Char('"') || ch == QLatin1Char('\\'))
            out.append(QLatin1Char('\\')).append(ch);
        else if (ch == QLatin1Char('\n'))
            out.append(QLatin1String("\\n"));
        else if (ch == QLatin1Char('\r'))
            out.append(QLatin1String("\\r"));
        else if (ch == QLatin1Char('\t'))
            out.append(QLatin1String("\\t"));
        else if (ch.unicode() < 0x20)
            out.append(QStringLiteral("\\x%1").arg(ch.unicode(), 2, 16, QLatin1Char('0')));
        else
            out.append(ch);
    }
    return out.append(QLatin1Char('"'));
}

namespace {

// Thousandths of a twip are far below a pixel; fewer digits keep rounding noise out.
QString number(double v)
{
    QString text = QString::number(v, 'f', 3);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

QString colour(std::uint32_t c)
{
    return QStringLiteral("%1").arg(c, 6, 16, QLatin1Char('0')).toUpper();
}

} // namespace

QString describeControl(const Control &c, const Control *before)
{
    QStringList words;
    auto add = [&](const char *name, auto Control::*field, const QString &text) {
        if (!before || before->*field != c.*field)
            words.append(QLatin1String(name) + QLatin1Char('=') + text);
    };
    add("kind", &Control::kind, kindName(c.kind));
    add("caption", &Control::caption, quotedText(c.caption));
    add("left", &Control::left, number(c.left));
    add("top", &Control::top, number(c.top));
    add("width", &Control::width, number(c.width));
    add("height", &Control::height, number(c.height));
    add("back", &Control::backColor, colour(c.backColor));
    add("fore", &Control::foreColor, colour(c.foreColor));
    add("font", &Control::fontName, quotedText(c.fontName));
    add("size", &Control::fontSize, number(c.fontSize));
    add("bold", &Control::fontBold, QString::number(c.fontBold));
    add("visible", &Control::visible, QString::number(c.visible));
    add("transparent", &Control::transparent, QString::number(c.transparent));
    add("border", &Control::border, QString::number(c.border));
    add("centred", &Control::centred, QString::number(c.centred));
    // Only the few squares that have a circle say so: every other control
    // reads as it always has.
    if (c.circled || (before && before->circled))
        add("circled", &Control::circled, QString::number(c.circled));
    if (c.barLeft || (before && before->barLeft))
        add("barLeft", &Control::barLeft, QString::number(c.barLeft));
    if (c.barTop || (before && before->barTop))
        add("barTop", &Control::barTop, QString::number(c.barTop));
    add("z", &Control::z, QString::number(c.z));
    return words.join(QLatin1Char(' '));
}

std::vector<Control *> Form::controls()
{
    std::vector<Control *> all;
    visitControls(*this, [&all](const QString &, int, Control &c) { all.push_back(&c); });
    return all;
}

std::vector<const Control *> Form::controls() const
{
    std::vector<const Control *> all;
    visitControls(*this, [&all](const QString &, int, const Control &c) { all.push_back(&c); });
    return all;
}

void Form::forEachControl(const std::function<void(const QString &, int, const Control &)> &each) const
{
    visitControls(*this, each);
}

QStringList Form::dump() const
{
    QStringList lines{QStringLiteral("font size=") + number(fontSize)};
    forEachControl([&lines](const QString &name, int index, const Control &c) {
        const QString id = index < 0 ? name : QStringLiteral("%1[%2]").arg(name).arg(index);
        lines.append(id + QLatin1Char(' ') + describeControl(c));
    });
    return lines;
}
