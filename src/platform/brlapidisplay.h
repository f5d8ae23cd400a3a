// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include "speech/brailledisplay.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

class QSocketNotifier;
struct brlapi_handle_t;

// The solver's braille display through brltty's BrlAPI. The server and its
// key come from BRLAPI_HOST and BRLAPI_AUTH as for any BrlAPI client. When no
// brltty answers, the game goes on with speech and tries again every few
// seconds. While the game window has the focus it holds the display; without
// it the display goes back to whatever the solver's screen reader shows.
// Everything happens on the GUI thread: keys are read when the connection's
// socket has data.
class BrlapiDisplay : public QObject, public BrailleDisplay {
    Q_OBJECT
public:
    explicit BrlapiDisplay(QObject *parent = nullptr);
    ~BrlapiDisplay() override;

    int columns() const override { return m_claimed ? m_columns : 0; }
    void show(const QString &text, int cursor) override;

    // The game window's id, and whether it has the keyboard focus.
    void setWindow(unsigned long windowId);
    void setFocused(bool focused);
    // Connects now, and keeps trying while no brltty answers.
    void start();

private:
    void connectToServer();
    void disconnectFromServer(const QString &reason);
    void claim();
    void release();
    void readKeys();
    void readKeysLater();
    void readDisplaySize();
    void write();
    void handleKey(unsigned long long code);
    static void onException(brlapi_handle_t *handle, int error, unsigned int type, const void *packet, size_t size);

    std::unique_ptr<char[]> m_handleMemory;
    brlapi_handle_t *m_handle = nullptr;
    bool m_connected = false;
    bool m_claimed = false;      // in tty mode on the game window
    bool m_focused = false;
    bool m_sizeChanged = false;  // brltty said the display size changed
    bool m_absentLogged = false; // "gone" was logged for this absence
    unsigned long m_windowId = 0;
    int m_columns = 0;
    QString m_text;
    int m_cursor = 0;
    QSocketNotifier *m_notifier = nullptr;
    QTimer m_retry;
};
