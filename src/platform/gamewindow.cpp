// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "platform/gamewindow.h"

#include "engine/crosswords.h"
#include "screen/palette.h"
#include "speech/voice.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace {

QColor toColor(std::uint32_t value)
{
    if (value == Colour::SysWindowText)
        return Qt::black;
    if (value & 0x80000000u)
        return QColor(0xF0, 0xF0, 0xF0);  // other system colours: a light face colour
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

// Fills a band of the given width just inside a rectangle's edge.
void fillBand(QPainter &p, const QRectF &r, qreal band, const QColor &colour)
{
    QPainterPath ring;
    ring.setFillRule(Qt::OddEvenFill);
    ring.addRect(r);
    ring.addRect(r.adjusted(band, band, -band, -band));
    p.fillPath(ring, colour);
}

// The line width of a square's border: a single line, a little heavier on
// the large magnified squares.
int borderWidth(const QRectF &r)
{
    return std::clamp(int(std::min(r.width(), r.height()) / 40), 1, 6);
}

// A bar on a square's left or top edge: a black line four borders thick over
// the border, so that a word's end reads at every magnification.
void drawBars(QPainter &p, const QRectF &square, const Control &c)
{
    const qreal width = 4 * borderWidth(square);
    p.save();
    if (c.barLeft)
        p.fillRect(QRectF(square.left(), square.top(), width, square.height()), Qt::black);
    if (c.barTop)
        p.fillRect(QRectF(square.left(), square.top(), square.width(), width), Qt::black);
    p.restore();
}

// A circled square's ring, just inside its border, in black or white,
// whichever reads on the square's inside; it grows with the square so that
// it stays clear at every magnification.
void drawRing(QPainter &p, const QRectF &square, std::uint32_t inside)
{
    const qreal side = std::min(square.width(), square.height());
    const qreal width = std::clamp<qreal>(side / 24, 1.0, 8.0);
    const qreal inset = borderWidth(square) + width / 2;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(toColor(Palette::windowTextOn(inside)), width));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(square.adjusted(inset, inset, -inset, -inset));
    p.restore();
}

// A label shows "&&" as "&"; a single "&" marks a mnemonic and is not shown.
QString displayText(const QString &caption)
{
    QString out;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&'))
                out.append(QLatin1Char('&')), ++i;
            continue;
        }
        out.append(caption[i]);
    }
    return out;
}

} // namespace

GameWindow::GameWindow(Crosswords &game, QWidget *parent) : QWidget(parent), m_game(game)
{
    setWindowTitle(QStringLiteral("Quorel Crosswords"));
    // All a screen reader finds here is the window: the game's own speech is
    // the interface, and the description says how to keep the two apart.
    setAccessibleName(QStringLiteral("Quorel Crosswords"));
    setAccessibleDescription(QStringLiteral("The game speaks for itself. To stop your screen reader talking over it, ")
                             + Crosswords::screenReaderQuietKeys() + QLatin1Char('.'));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_picture.load(QStringLiteral(":/IMAGE/MENU"));
    m_timer.setInterval(100);
    connect(&m_timer, &QTimer::timeout, this, &GameWindow::tick);
    // Ctrl silences the game in every window of it, a confirmation box too.
    qApp->installEventFilter(this);
    // When the voice has finished and phrases are waiting, the next one
    // follows now instead of at the next tick, up to 100 ms later.
    m_game.svc().voice.setIdleHandler([this] {
        if (!m_game.announcer().saymsg.isEmpty())
            tickSoon();
    });
}

GameWindow::~GameWindow()
{
    m_game.svc().voice.setIdleHandler(nullptr);
}

bool GameWindow::eventFilter(QObject *watched, QEvent *e)
{
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(e)->key() == Qt::Key_Control)
        m_game.silence();
    return QWidget::eventFilter(watched, e);
}

void GameWindow::start()
{
    // Without a window manager full screen keeps the default size: set it too.
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        setGeometry(screen->geometry());
        m_pixelsPerTwip = screen->logicalDotsPerInch() / 1440.0;
    }
    showFullScreen();
    m_timer.start();
}

void GameWindow::closeForQuit()
{
    m_quitting = true;
    m_timer.stop();
    close();
}

void GameWindow::tick()
{
    const QString queued = m_game.announcer().saymsg;
    m_game.Engine_Timer();
    // A key still in the mailbox (the engine's own move after a letter, or a
    // key that waited behind it) is served now, not a period later: at a
    // typing pace the next letter is already on its way.
    if (m_timer.isActive() && m_game.keyWaiting())
        QTimer::singleShot(0, this, &GameWindow::tick);
    repaintIfChanged();
    // A tick that took a phrase the voice had nothing to say for (an empty
    // one, or one said while there is no sound) leaves the voice idle with
    // phrases still waiting: the next tick follows at once, too.
    if (!m_game.announcer().saymsg.isEmpty() && m_game.announcer().saymsg != queued && m_game.svc().voice.isIdle())
        tickSoon();
}

void GameWindow::tickSoon()
{
    if (!m_timer.isActive())
        return;
    m_timer.start();
    QTimer::singleShot(0, this, &GameWindow::tick);
}

void GameWindow::repaintIfChanged()
{
    // Repaint only when a control changed: the idle game costs next to nothing.
    if (!m_painted || !(*m_painted == m_game.form()))
        update();
}

void GameWindow::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    // The welcome is given once, when the window first appears; later focus
    // changes do not repeat it.
    if (!m_activated) {
        m_activated = true;
        m_game.Form_Activate();
    }
}

void GameWindow::closeEvent(QCloseEvent *e)
{
    if (!m_quitting) {
        m_game.Form_Unload();
        m_quitting = true;
        m_timer.stop();
    }
    e->accept();
}

int GameWindow::modifierMask(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
        | (modifiers & Qt::AltModifier ? 4 : 0);
}

int GameWindow::keyCode(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return Key::A + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return Key::F1 + (qtKey - Qt::Key_F1);
    const bool keypad = modifiers & Qt::KeypadModifier;
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return keypad ? 96 + (qtKey - Qt::Key_0) : 48 + (qtKey - Qt::Key_0);
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Key::Enter;
    case Qt::Key_Escape:
        return Key::Escape;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return Key::Tab;
    case Qt::Key_Backspace:
        return Key::Backspace;
    case Qt::Key_Delete:
        return Key::Delete;
    case Qt::Key_Insert:
        return Key::Insert;
    case Qt::Key_Space:
        return Key::Space;
    case Qt::Key_PageUp:
        return Key::PageUp;
    case Qt::Key_PageDown:
        return Key::PageDown;
    case Qt::Key_End:
        return Key::End;
    case Qt::Key_Home:
        return Key::Home;
    case Qt::Key_Left:
        return Key::Left;
    case Qt::Key_Up:
        return Key::Up;
    case Qt::Key_Right:
        return Key::Right;
    case Qt::Key_Down:
        return Key::Down;
    case Qt::Key_Plus:
        return keypad ? Key::NumPlus : Key::MainPlus;
    case Qt::Key_Equal:  // the main-row + key without Shift
        return Key::MainPlus;
    case Qt::Key_Minus:
        return keypad ? Key::NumMinus : Key::MainMinus;
    case Qt::Key_Underscore:  // the main-row - key with Shift
        return Key::MainMinus;
    case Qt::Key_Asterisk:
        return keypad ? 106 : 0;
    case Qt::Key_Slash:
        return keypad ? 111 : 191;
    default:
        return 0;  // modifier keys themselves and keys the game has no code for
    }
}

bool GameWindow::event(QEvent *e)
{
    // Tab must reach the game, not move focus.
    if (e->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(e);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QWidget::event(e);
}

void GameWindow::keyPressEvent(QKeyEvent *e)
{
    const int code = keyCode(e->key(), e->modifiers());
    if (code == 0)
        return;
    m_game.Form_KeyDown(code, modifierMask(e->modifiers()));
    // Serve the key now instead of at the next tick, up to 100 ms away: that
    // wait was most of the delay before the game spoke.
    tickSoon();
}

QRectF GameWindow::rectOf(const Control &c) const
{
    return {c.left * m_pixelsPerTwip, c.top * m_pixelsPerTwip, c.width * m_pixelsPerTwip, c.height * m_pixelsPerTwip};
}

std::optional<GameWindow::Hit> GameWindow::hitTest(QPointF pos) const
{
    const Form &f = m_game.form();
    std::optional<Hit> best;
    auto consider = [&](const std::vector<Control> *array, const Control &c, int index) {
        if (c.visible && c.kind != ControlKind::Shape && rectOf(c).contains(pos) && (!best || c.z > best->control->z))
            best = Hit{array, &c, index};
    };
    for (const Control *c : f.controls()) {
        if (c == &f.picbox)
            continue;
        consider(nullptr, *c, 0);
    }
    // Find which array the winner belongs to, for the handlers that take an index.
    if (best) {
        for (const auto *array : {&f.D, &f.Dn, &f.lbl1, &f.lbl4, &f.lbl5, &f.lblClue, &f.lblIn, &f.lblKey}) {
            if (!array->empty() && best->control >= &array->front() && best->control <= &array->back()) {
                best->array = array;
                best->index = int(best->control - &array->front());
            }
        }
    }
    return best;
}

void GameWindow::mousePressEvent(QMouseEvent *e)
{
    m_pressed = hitTest(e->position());
    if (m_pressed && m_pressed->array == &m_game.form().lblClue) {
        const int button = e->button() == Qt::LeftButton ? 1 : e->button() == Qt::RightButton ? 2 : 4;
        m_game.lblClue_MouseDown(m_pressed->index, button);
    }
    repaintIfChanged();
}

void GameWindow::mouseReleaseEvent(QMouseEvent *e)
{
    // A click is a left press and release on the same control.
    const auto released = hitTest(e->position());
    if (e->button() == Qt::LeftButton && m_pressed && released && m_pressed->control == released->control)
        click(*released);
    m_pressed.reset();
    repaintIfChanged();
}

void GameWindow::click(const Hit &hit)
{
    const Form &f = m_game.form();
    if (hit.control == &f.imgBack)
        m_game.imgBack_Click();
    else if (hit.array == &f.lbl1)
        m_game.lbl1_Click(hit.index);
    else if (hit.array == &f.lbl4)
        m_game.lbl4_Click(hit.index);
    else if (hit.array == &f.lbl5)
        m_game.lbl5_Click(hit.index);
    else if (hit.array == &f.D)
        m_game.D_Click(hit.index);
    else if (hit.array == &f.Dn)
        m_game.Dn_Click(hit.index);
    else if (hit.array == &f.lblIn)
        m_game.lblIn_Click(hit.index);
    else if (hit.array == &f.lblKey)
        m_game.lblKey_Click(hit.index);
    else if (hit.array == &f.lblClue)
        m_game.lblClue_Click(hit.index);
}

void GameWindow::paintEvent(QPaintEvent *)
{
    const Form &f = m_game.form();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    // The backdrop covers the whole window, whatever size the drawing surface has.
    p.fillRect(rect(), toColor(f.picbox.backColor));

    std::vector<const Control *> order;
    for (const Control *c : f.controls())
        if (c != &f.picbox && c->visible)
            order.push_back(c);
    std::stable_sort(order.begin(), order.end(), [](const Control *a, const Control *b) { return a->z < b->z; });
    const QRectF window = rect();
    for (const Control *c : order)
        if (rectOf(*c).intersects(window))  // magnified squares off screen cost nothing
            paintControl(p, *c);
    m_painted = f;
}

void GameWindow::paintControl(QPainter &p, const Control &c)
{
    const QRectF r = rectOf(c);
    switch (c.kind) {
    case ControlKind::PictureBox:
        return;
    case ControlKind::Image:
        if (!m_picture.isNull()) {
            p.setRenderHint(QPainter::SmoothPixmapTransform, true);
            p.drawImage(r, m_picture);
        }
        return;
    case ControlKind::Shape: {
        // The selection frame lies behind the control it surrounds, so only the
        // margin around that control shows: fill most of it with a yellow band
        // edged in black, which stands out on the grey backdrop and on white.
        const qreal band = std::max<qreal>(3.0, std::round(150 * m_pixelsPerTwip));
        fillBand(p, r, band, toColor(Colour::Yellow));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::black, 2));
        p.drawRect(r.adjusted(1, 1, -1, -1));
        return;
    }
    case ControlKind::Label:
        break;
    }
    const Form &f = m_game.form();
    const bool square = !f.D.empty() && &c >= &f.D.front() && &c <= &f.D.back();
    if (square && c.backColor == Colour::PaleYellow) {
        // The magnified cursor on a black square: the square stays black inside
        // a thick yellow frame, so it cannot be taken for the all-yellow cursor
        // on a white square.
        p.fillRect(r, Qt::black);
        const qreal band = std::max<qreal>(3.0, std::round(std::min(r.width(), r.height()) / 6));
        fillBand(p, r, band, toColor(Colour::Yellow));
    } else if (!c.transparent) {
        p.fillRect(r, toColor(c.backColor));
    }
    if (c.border) {
        const int w = borderWidth(r);
        p.setPen(QPen(Qt::black, w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        const qreal half = w / 2.0;
        p.drawRect(r.adjusted(half, half, -half - (w == 1 ? 1 : 0), -half - (w == 1 ? 1 : 0)));
    }
    if (square && (c.barLeft || c.barTop))
        drawBars(p, r, c);
    // Under the letter, and under the clue number, which is a control in front.
    if (square && c.circled)
        drawRing(p, r, c.backColor == Colour::PaleYellow ? Colour::Black : c.backColor);
    const QString text = displayText(c.caption);
    if (text.trimmed().isEmpty())
        return;
    QFont font(c.fontName);
    font.setPointSizeF(std::max(1.0, c.fontSize));
    font.setBold(c.fontBold);
    p.save();
    p.setClipRect(r);
    p.setFont(font);
    // Window text is black, or white on a background where black would not read.
    const bool windowText = c.foreColor == Colour::SysWindowText && !c.transparent;
    p.setPen(toColor(windowText ? Palette::windowTextOn(c.backColor) : c.foreColor));
    if (c.centred && !text.contains(QLatin1Char('\n'))) {
        // One line in a box (a square, a key, a button): centred both ways, the
        // capitals' middle on the box's middle; a board square's letter in the
        // part below its clue number. A box partly off screen has its letter
        // centred in what shows; board squares keep their letters in place as
        // the magnified board scrolls.
        const QRectF box = square ? r.adjusted(0, r.height() * LetterAreaTop, 0, 0) : r.intersected(QRectF(rect()));
        // The letters of a rebus square, in smaller type so that all fit.
        const qreal wide = QFontMetricsF(font).horizontalAdvance(text);
        if (text.size() > 1 && wide > box.width() * 0.8) {
            font.setPointSizeF(std::max(1.0, font.pointSizeF() * box.width() * 0.8 / wide));
            p.setFont(font);
        }
        const QFontMetricsF metrics(font);
        const qreal x = box.left() + (box.width() - metrics.horizontalAdvance(text)) / 2;
        const qreal baseline = box.top() + (box.height() + metrics.capHeight()) / 2;
        p.drawText(QPointF(x, baseline), text);
    } else {
        // Clue entries and the menu caption: lines from the top, as laid out.
        const int align = (c.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop | Qt::TextWordWrap;
        p.drawText(r, align, text);
    }
    p.restore();
}
