// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "platform/brlapidisplay.h"

#include "base/logging.h"

#include <QSocketNotifier>
#include <utility>

#define BRLAPI_NO_SINGLE_SESSION 1
#define BRLAPI_NO_DEPRECATED 1
#include <brlapi.h>

namespace {

// One display per program: the exception handler finds it here.
BrlapiDisplay *g_display = nullptr;

QString lastError()
{
    return QString::fromLocal8Bit(brlapi_strerror(&brlapi_error));
}

// The keys the game takes; brltty keeps every other key for its own commands.
const brlapi_range_t kGameKeys[] = {
    {BRLAPI_KEY_TYPE_CMD | BRLAPI_KEY_CMD_ROUTE, BRLAPI_KEY_TYPE_CMD | BRLAPI_KEY_CMD_ROUTE | BRLAPI_KEY_CMD_ARG_MASK},
    {BRLAPI_KEY_TYPE_CMD | BRLAPI_KEY_CMD_FWINLT, BRLAPI_KEY_TYPE_CMD | BRLAPI_KEY_CMD_FWINLT | BRLAPI_KEY_FLAGS_MASK},
    {BRLAPI_KEY_TYPE_CMD | BRLAPI_KEY_CMD_FWINRT, BRLAPI_KEY_TYPE_CMD | BRLAPI_KEY_CMD_FWINRT | BRLAPI_KEY_FLAGS_MASK},
    {BRLAPI_KEY_TYPE_CMD | BRLAPI_KEY_CMD_LNUP, BRLAPI_KEY_TYPE_CMD | BRLAPI_KEY_CMD_LNUP | BRLAPI_KEY_FLAGS_MASK},
    {BRLAPI_KEY_TYPE_CMD | BRLAPI_KEY_CMD_LNDN, BRLAPI_KEY_TYPE_CMD | BRLAPI_KEY_CMD_LNDN | BRLAPI_KEY_FLAGS_MASK},
    {BRLAPI_KEY_TYPE_SYM | BRLAPI_KEY_SYM_BACKSPACE, BRLAPI_KEY_TYPE_SYM | BRLAPI_KEY_SYM_BACKSPACE},
    {BRLAPI_KEY_TYPE_SYM | BRLAPI_KEY_SYM_LINEFEED, BRLAPI_KEY_TYPE_SYM | BRLAPI_KEY_SYM_LINEFEED},
    // Typed characters: space, the letters either way, as Latin-1 or Unicode.
    {BRLAPI_KEY_TYPE_SYM | ' ', BRLAPI_KEY_TYPE_SYM | ' '},
    {BRLAPI_KEY_TYPE_SYM | 'A', BRLAPI_KEY_TYPE_SYM | 'Z'},
    {BRLAPI_KEY_TYPE_SYM | 'a', BRLAPI_KEY_TYPE_SYM | 'z'},
    {BRLAPI_KEY_TYPE_SYM | BRLAPI_KEY_SYM_UNICODE | 'A', BRLAPI_KEY_TYPE_SYM | BRLAPI_KEY_SYM_UNICODE | 'Z'},
    {BRLAPI_KEY_TYPE_SYM | BRLAPI_KEY_SYM_UNICODE | 'a', BRLAPI_KEY_TYPE_SYM | BRLAPI_KEY_SYM_UNICODE | 'z'},
};

constexpr int kRetryMilliseconds = 5000;

// A key brltty sent, as the game takes it, and its name for the log; an
// empty name for a key the game does not take. Flags (a key held with a
// modifier) are not told apart.
std::pair<BrailleKey, QString> gameKey(unsigned long long code)
{
    struct Named {
        unsigned long long code;
        BrailleKey::Kind kind;
        const char *name;
    };
    static const Named kNamed[] = {
        {BRLAPI_KEY_TYPE_CMD | BRLAPI_KEY_CMD_FWINLT, BrailleKey::Kind::PanLeft, "pan left"},
        {BRLAPI_KEY_TYPE_CMD | BRLAPI_KEY_CMD_FWINRT, BrailleKey::Kind::PanRight, "pan right"},
        {BRLAPI_KEY_TYPE_CMD | BRLAPI_KEY_CMD_LNUP, BrailleKey::Kind::LineUp, "line up"},
        {BRLAPI_KEY_TYPE_CMD | BRLAPI_KEY_CMD_LNDN, BrailleKey::Kind::LineDown, "line down"},
        {BRLAPI_KEY_TYPE_SYM | BRLAPI_KEY_SYM_BACKSPACE, BrailleKey::Kind::Backspace, "backspace"},
        {BRLAPI_KEY_TYPE_SYM | BRLAPI_KEY_SYM_LINEFEED, BrailleKey::Kind::Enter, "enter"},
    };
    const unsigned long long bare = code & (BRLAPI_KEY_TYPE_MASK | BRLAPI_KEY_CODE_MASK);
    for (const Named &named : kNamed)
        if (bare == named.code)
            return {{named.kind}, QLatin1String(named.name)};
    const unsigned long long value = code & BRLAPI_KEY_CODE_MASK;
    if ((bare & BRLAPI_KEY_TYPE_MASK) == BRLAPI_KEY_TYPE_CMD) {
        if ((value & BRLAPI_KEY_CMD_BLK_MASK) != BRLAPI_KEY_CMD_ROUTE)
            return {{BrailleKey::Kind::Route}, QString()};
        const int cell = int(value & BRLAPI_KEY_CMD_ARG_MASK);
        return {{BrailleKey::Kind::Route, cell}, QStringLiteral("route %1").arg(cell)};
    }
    const int ch = int(value & ~BRLAPI_KEY_SYM_UNICODE);
    return {{BrailleKey::Kind::Character, ch}, QStringLiteral("character ") + QChar(ch)};
}

} // namespace

BrlapiDisplay::BrlapiDisplay(QObject *parent)
    : QObject(parent), m_handleMemory(new char[brlapi_getHandleSize()])
{
    m_handle = reinterpret_cast<brlapi_handle_t *>(m_handleMemory.get());
    g_display = this;
    m_retry.setInterval(kRetryMilliseconds);
    connect(&m_retry, &QTimer::timeout, this, &BrlapiDisplay::connectToServer);
}

BrlapiDisplay::~BrlapiDisplay()
{
    if (m_connected) {
        delete m_notifier;
        brlapi__closeConnection(m_handle);
    }
    g_display = nullptr;
}

void BrlapiDisplay::start()
{
    connectToServer();
    if (!m_connected)
        m_retry.start();
}

// An error brltty reports about one of our requests. The library's own
// handler ends the program; a bad request must not.
void BrlapiDisplay::onException(brlapi_handle_t *handle, int error, unsigned int type, const void *packet, size_t size)
{
    char text[256];
    brlapi__strexception(handle, text, sizeof text, error, type, packet, size);
    qCWarning(lcBraille).noquote() << QStringLiteral("error: ") + QString::fromLocal8Bit(text);
}

void BrlapiDisplay::connectToServer()
{
    if (m_connected)
        return;
    // BRLAPI_HOST and BRLAPI_AUTH from the environment choose the server.
    const brlapi_connectionSettings_t wanted = BRLAPI_SETTINGS_INITIALIZER;
    const int fd = brlapi__openConnection(m_handle, &wanted, nullptr);
    if (fd < 0) {
        if (!m_absentLogged)
            qCDebug(lcBraille).noquote() << QStringLiteral("gone: ") + lastError();
        m_absentLogged = true;
        m_retry.start();
        return;
    }
    brlapi__setExceptionHandler(m_handle, &BrlapiDisplay::onException);
    m_connected = true;
    m_absentLogged = false;
    m_retry.stop();
    brlapi__watchParameter(
        m_handle, BRLAPI_PARAM_DISPLAY_SIZE, 0, BRLAPI_PARAMF_GLOBAL,
        [](brlapi_param_t, brlapi_param_subparam_t, brlapi_param_flags_t, void *self, const void *, size_t) {
            // The value that comes with the notice cannot be trusted (brltty
            // 6.5 sends it byte-swapped): it is read afresh after the keys.
            static_cast<BrlapiDisplay *>(self)->m_sizeChanged = true;
        },
        this, nullptr, 0);
    // Keys can be read only in tty mode: the socket is watched while the
    // game holds the display.
    m_notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    m_notifier->setEnabled(false);
    connect(m_notifier, &QSocketNotifier::activated, this, &BrlapiDisplay::readKeys);
    readDisplaySize();
    qCDebug(lcBraille).noquote() << QStringLiteral("connected: %1").arg(m_columns);
    if (m_focused)
        claim();
}

void BrlapiDisplay::disconnectFromServer(const QString &reason)
{
    if (!m_connected)
        return;
    qCDebug(lcBraille).noquote() << QStringLiteral("gone: ") + reason;
    m_absentLogged = true;
    m_notifier->setEnabled(false);
    m_notifier->deleteLater();
    m_notifier = nullptr;
    brlapi__closeConnection(m_handle);
    m_connected = false;
    m_claimed = false;
    m_retry.start();
    reportResize();
}

void BrlapiDisplay::readDisplaySize()
{
    brlapi_param_displaySize_t size{};
    if (brlapi__getParameter(m_handle, BRLAPI_PARAM_DISPLAY_SIZE, 0, BRLAPI_PARAMF_GLOBAL, &size, sizeof size) == sizeof size)
        m_columns = int(size.columns);
    else
        m_columns = 0;
}

void BrlapiDisplay::setWindow(unsigned long windowId)
{
    m_windowId = windowId;
}

void BrlapiDisplay::setFocused(bool focused)
{
    m_focused = focused;
    if (focused)
        claim();
    else
        release();
}

void BrlapiDisplay::claim()
{
    if (!m_connected || m_claimed || m_windowId == 0)
        return;
    // The size may have changed while another program held the display.
    readDisplaySize();
    if (brlapi__enterTtyMode(m_handle, int(m_windowId), nullptr) < 0) {
        disconnectFromServer(lastError());
        return;
    }
    brlapi__ignoreAllKeys(m_handle);
    brlapi__acceptKeyRanges(m_handle, kGameKeys, sizeof kGameKeys / sizeof kGameKeys[0]);
    m_claimed = true;
    m_notifier->setEnabled(true);
    reportResize();
    readKeysLater();
}

void BrlapiDisplay::release()
{
    if (!m_claimed)
        return;
    m_claimed = false;
    m_notifier->setEnabled(false);
    if (brlapi__leaveTtyMode(m_handle) < 0)
        disconnectFromServer(lastError());
}

void BrlapiDisplay::show(const QString &text, int cursor)
{
    m_text = text;
    m_cursor = cursor;
    write();
}

void BrlapiDisplay::write()
{
    if (!m_claimed || m_columns <= 0)
        return;
    // Always the whole display as a region of its own size: a region larger
    // than the display (what writeText sends after it shrank) crashes brltty.
    const QString cells = m_text.left(m_columns).leftJustified(m_columns, QLatin1Char(' '));
    const QByteArray utf8 = cells.toUtf8();
    brlapi_writeArguments_t arguments = BRLAPI_WRITEARGUMENTS_INITIALIZER;
    arguments.regionBegin = 1;
    arguments.regionSize = m_columns;
    arguments.text = utf8.constData();
    arguments.textSize = int(utf8.size());
    arguments.cursor = m_cursor >= 1 && m_cursor <= m_columns ? m_cursor : BRLAPI_CURSOR_OFF;
    arguments.charset = "UTF-8";
    qCDebug(lcBraille).noquote() << QStringLiteral("show: %1 @ %2").arg(m_text).arg(arguments.cursor);
    if (brlapi__write(m_handle, &arguments) < 0)
        disconnectFromServer(lastError());
    else
        readKeysLater();
}

// A call that waits for brltty's answer may read keys that came meanwhile
// into the library's buffer, where the socket notifier does not see them.
void BrlapiDisplay::readKeysLater()
{
    QMetaObject::invokeMethod(this, &BrlapiDisplay::readKeys, Qt::QueuedConnection);
}

// Every key waiting is read each time the socket has data; a size change
// noticed meanwhile is followed once the keys are done.
void BrlapiDisplay::readKeys()
{
    brlapi_keyCode_t code;
    int got = 0;
    while (m_connected && m_claimed && (got = brlapi__readKey(m_handle, 0, &code)) > 0)
        handleKey(code);
    if (m_connected && got < 0) {
        disconnectFromServer(lastError());
        return;
    }
    // brltty lays its clients out for a new size only when they enter tty
    // mode anew.
    if (m_claimed && std::exchange(m_sizeChanged, false)) {
        release();
        claim();
        if (m_claimed)
            qCDebug(lcBraille).noquote() << QStringLiteral("connected: %1").arg(m_columns);
    }
}

void BrlapiDisplay::handleKey(unsigned long long code)
{
    const auto [key, name] = gameKey(code);
    if (name.isEmpty()) {
        qCDebug(lcBraille).noquote() << QStringLiteral("key: unknown %1").arg(code, 0, 16);
        return;
    }
    qCDebug(lcBraille).noquote() << QStringLiteral("key: ") + name;
    reportKey(key);
}
