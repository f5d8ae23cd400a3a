// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

// Files opened while the game runs reach the running game: a second copy of
// the program hands their names over a local socket and ends. The socket lives
// in the user's runtime folder and only the user may connect to it. Which copy
// is the running one is decided by the lock file, not here.
//
// The exchange: the names, UTF-8, each on a line of its own, then an empty
// line; the running game answers "ok" and a line end once it has them.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // The socket's path: "quorel-crosswords.socket" in the runtime folder.
    static QString defaultSocketPath();

    explicit SingleInstance(QString socketPath = defaultSocketPath(), QObject *parent = nullptr);
    ~SingleInstance() override;

    // The running game: listens for copies started later. A socket left by a
    // game that ended without cleaning up is taken over. False, with the
    // reason in errorString(), when listening fails.
    bool listen();
    QString errorString() const { return m_error; }

    // A copy started later: hands `fileNames` to the running game at
    // `socketPath` (a name holding a line break cannot be sent), trying for up to `timeoutMs` (a game that has just taken
    // the lock may not listen yet). True once the game has confirmed them.
    static bool handOver(const QString &socketPath, const QStringList &fileNames, int timeoutMs = 5000);

signals:
    // Names handed over by one later copy, in the order it gave them.
    void filesHandedOver(const QStringList &fileNames);

private:
    void accept();
    void receive(QLocalSocket *socket);

    QString m_socketPath;
    QString m_error;
    QLocalServer *m_server = nullptr;
    QHash<QLocalSocket *, QByteArray> m_messages;  // what each connection has sent so far
};
