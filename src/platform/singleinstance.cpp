// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#include "platform/singleinstance.h"
#include "platform/folders.h"

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

namespace {

// Far more than any list of file names a file manager passes; a peer sending
// more is cut off.
constexpr qsizetype MaxMessageBytes = 1024 * 1024;

const QByteArray EndOfNames = QByteArrayLiteral("\n\n");
const QByteArray Received = QByteArrayLiteral("ok\n");

} // namespace

QString SingleInstance::defaultSocketPath()
{
    return Folders::runtime() + QStringLiteral("quorel-crosswords.socket");
}

SingleInstance::SingleInstance(QString socketPath, QObject *parent)
    : QObject(parent)
    , m_socketPath(std::move(socketPath))
{
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::listen()
{
    if (!m_server) {
        m_server = new QLocalServer(this);
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::accept);
    }
    // The caller holds the lock, so a socket file already there is a crashed
    // game's: nobody listens on it any more.
    QLocalServer::removeServer(m_socketPath);
    if (m_server->listen(m_socketPath))
        return true;
    m_error = m_server->errorString();
    return false;
}

void SingleInstance::accept()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
            m_messages.remove(socket);
            socket->deleteLater();
        });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { receive(socket); });
    }
}

void SingleInstance::receive(QLocalSocket *socket)
{
    QByteArray &message = m_messages[socket];
    message += socket->readAll();
    if (message.size() > MaxMessageBytes) {
        m_messages.remove(socket);
        socket->abort();
        return;
    }
    // An empty list is the end mark alone.
    const qsizetype end = message.startsWith('\n') ? 0 : message.indexOf(EndOfNames);
    if (end < 0)
        return;
    QStringList fileNames;
    for (const QByteArray &line : message.left(end).split('\n'))
        if (!line.isEmpty())
            fileNames.append(QString::fromUtf8(line));
    m_messages.remove(socket);
    socket->write(Received);
    socket->flush();
    if (!fileNames.isEmpty())
        emit filesHandedOver(fileNames);
}

bool SingleInstance::handOver(const QString &socketPath, const QStringList &fileNames, int timeoutMs)
{
    QByteArray message;
    for (const QString &name : fileNames)
        if (!name.isEmpty() && !name.contains(QLatin1Char('\n')))
            message += name.toUtf8() + '\n';
    message += '\n';
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(socketPath);
        if (socket.waitForConnected(int(deadline.remainingTime()))) {
            socket.write(message);
            QByteArray answer;
            while (answer.size() < Received.size() && socket.waitForReadyRead(int(deadline.remainingTime())))
                answer += socket.readAll();
            return answer.startsWith(Received);
        }
        // Not listening yet: the game has only just started.
        QThread::msleep(50);
    }
    return false;
}
