// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include "screen/form.h"

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <optional>

class Crosswords;

// The thin shell: one full-screen window that paints the game's controls,
// forwards keys and clicks, and runs the 100 ms engine tick.
class GameWindow : public QWidget {
    Q_OBJECT
public:
    explicit GameWindow(Crosswords &game, QWidget *parent = nullptr);
    ~GameWindow() override;

    // Shows the window full screen and starts the tick.
    void start();
    // Closes without saving again: the game has already ended itself.
    void closeForQuit();

    // Key code of the game's key table for a Qt key, 0 for keys it ignores.
    static int keyCode(int qtKey, Qt::KeyboardModifiers modifiers);
    static int modifierMask(Qt::KeyboardModifiers modifiers);

protected:
    bool event(QEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    struct Hit {
        const std::vector<Control> *array = nullptr;  // null for a single control
        const Control *control = nullptr;
        int index = 0;
    };
    void tick();
    // Runs a tick as soon as the event loop is free, and restarts the 100 ms
    // period from there.
    void tickSoon();
    void repaintIfChanged();
    std::optional<Hit> hitTest(QPointF pos) const;
    void click(const Hit &hit);
    QRectF rectOf(const Control &c) const;
    void paintControl(QPainter &p, const Control &c);

    Crosswords &m_game;
    QTimer m_timer;
    QImage m_picture;
    std::optional<Form> m_painted;
    std::optional<Hit> m_pressed;
    bool m_activated = false;
    bool m_quitting = false;
    double m_pixelsPerTwip = 1.0 / 15.0;
};
