// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// Handing opened files to the running game over its local socket: the names
// arrive whole and in order, a socket left by a crashed game is taken over,
// a copy with nobody to hand to gives up in its time, and a peer that never
// ends its list cannot fill the game's memory.
#include "platform/singleinstance.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <future>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// Runs `handOver` on another thread, as a second copy of the program would,
// while this thread's event loop lets the running game answer.
struct HandOverResult {
    bool confirmed = false;
    QList<QStringList> received;
};

HandOverResult handOverWhileRunning(SingleInstance &running, const QString &socketPath, const QStringList &names)
{
    HandOverResult result;
    QObject::connect(&running, &SingleInstance::filesHandedOver,
                     [&result](const QStringList &fileNames) { result.received.append(fileNames); });
    std::future<bool> sent = std::async(std::launch::async, [&] { return SingleInstance::handOver(socketPath, names, 5000); });
    const QDeadlineTimer deadline(10000);
    while (sent.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready && !deadline.hasExpired())
        QEventLoop().processEvents(QEventLoop::AllEvents, 10);
    result.confirmed = sent.get();
    return result;
}

// What a game killed while listening leaves behind: a socket file that
// nobody accepts on.
void leaveDeadSocket(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray bytes = path.toLocal8Bit();
    ASSERT_LT(size_t(bytes.size()), sizeof(address.sun_path));
    std::copy(bytes.begin(), bytes.end(), address.sun_path);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
    ::close(fd);
}

} // namespace

// The game before crashed and left its socket behind.
TEST(SingleInstance, RunningGameGetsTheNamesOfALaterCopyDespiteACrashedGamesSocket)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString socketPath = dir.filePath("game.socket");
    leaveDeadSocket(socketPath);
    ASSERT_TRUE(QFileInfo::exists(socketPath));
    SingleInstance running(socketPath);
    ASSERT_TRUE(running.listen()) << running.errorString().toStdString();

    const QStringList names = {"2026-12-08.puz", "Café crossword (2).ipuz", "a b.jpz"};
    const HandOverResult result = handOverWhileRunning(running, socketPath, names);
    EXPECT_TRUE(result.confirmed);
    ASSERT_EQ(result.received.size(), 1);
    EXPECT_EQ(result.received[0], names);
}

TEST(SingleInstance, NobodyListeningIsAFailureInBoundedTime)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(SingleInstance::handOver(dir.filePath("nobody.socket"), {"x.puz"}, 300));
    leaveDeadSocket(dir.filePath("dead.socket"));
    EXPECT_FALSE(SingleInstance::handOver(dir.filePath("dead.socket"), {"x.puz"}, 300));
    EXPECT_LT(clock.elapsed(), 3000);
}

TEST(SingleInstance, APeerThatNeverEndsItsListIsCutOff)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString socketPath = dir.filePath("game.socket");
    SingleInstance running(socketPath);
    ASSERT_TRUE(running.listen());
    int lists = 0;
    QObject::connect(&running, &SingleInstance::filesHandedOver, [&lists] { ++lists; });

    QLocalSocket peer;
    peer.connectToServer(socketPath);
    ASSERT_TRUE(peer.waitForConnected(2000));
    const QByteArray line(1000, 'x');
    const QDeadlineTimer deadline(10000);
    while (peer.state() == QLocalSocket::ConnectedState && !deadline.hasExpired()) {
        peer.write(line + '\n');
        peer.flush();
        QEventLoop().processEvents(QEventLoop::AllEvents, 5);
    }
    EXPECT_NE(peer.state(), QLocalSocket::ConnectedState);
    EXPECT_EQ(lists, 0);
}
