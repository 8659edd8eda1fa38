// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "instance_channel.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillora {
namespace {

constexpr int kClientReadMs = 2000; // a client that stalls is dropped

bool privateFolder(const QByteArray& path)
{
    struct stat st{};
    return ::lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid() &&
           (st.st_mode & 077) == 0;
}

uid_t peerUid(QLocalSocket* socket)
{
    struct ucred cred{};
    socklen_t len = sizeof cred;
    if (::getsockopt(static_cast<int>(socket->socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &cred, &len) != 0)
        return static_cast<uid_t>(-1);
    return cred.uid;
}

} // namespace

QString instanceRuntimeDirectory()
{
    const QByteArray xdg = qgetenv("XDG_RUNTIME_DIR");
    if (!xdg.isEmpty() && privateFolder(xdg))
        return QString::fromLocal8Bit(xdg);
    const QByteArray own = "/tmp/quillora-" + QByteArray::number(::getuid());
    if (::mkdir(own.constData(), 0700) != 0 && errno != EEXIST)
        return QString();
    return privateFolder(own) ? QString::fromLocal8Bit(own) : QString();
}

InstanceGuard::InstanceGuard(const QString& runtimeDir)
{
    if (runtimeDir.isEmpty())
        return;
    const QString base = runtimeDir + u'/' + QString::fromLatin1(kInstanceBaseName);
    socketPath_ = base + QStringLiteral(".socket");
    const QByteArray lockPath = QFile::encodeName(base + QStringLiteral(".lock"));
    lockFd_ = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (lockFd_ < 0)
        return; // no lock to be had: start as the only instance we know of
    // flock is atomic between processes, and the kernel drops it when the
    // holder dies, so a crashed first instance never blocks the next start.
    first_ = ::flock(lockFd_, LOCK_EX | LOCK_NB) == 0;
}

InstanceGuard::~InstanceGuard()
{
    if (lockFd_ >= 0)
        ::close(lockFd_);
}

InstanceServer::InstanceServer(const QString& socketPath, CommandTarget& target, uid_t allowedUid, QObject* parent)
    : QObject(parent), server_(new QLocalServer(this)), target_(target), allowedUid_(allowedUid)
{
    // Only the lock holder gets here, so a socket file left is a crash's.
    QLocalServer::removeServer(socketPath);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &InstanceServer::onNewConnection);
    server_->listen(socketPath);
}

InstanceServer::~InstanceServer() = default;

bool InstanceServer::listening() const { return server_->isListening(); }

void InstanceServer::onNewConnection()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        if (peerUid(socket) != allowedUid_) {
            ++refused_;
            socket->abort();
            socket->deleteLater();
            continue;
        }
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { onReadable(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(kClientReadMs, socket, [socket] { socket->abort(); });
    }
}

void InstanceServer::onReadable(QLocalSocket* socket)
{
    if (socket->bytesAvailable() < 4)
        return;
    uchar header[4];
    socket->peek(reinterpret_cast<char*>(header), 4);
    const quint32 length = qFromLittleEndian<quint32>(header);
    if (length > kMaxCommandBytes) {
        QObject::disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
        socket->write("NAK");
        socket->disconnectFromServer();
        return;
    }
    if (socket->bytesAvailable() < 4 + qint64(length))
        return;
    QObject::disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
    socket->read(4);
    const QString text = QString::fromUtf8(socket->read(length));
    // Answer first: the client must not wait while a send to the phone runs.
    socket->write("ACK");
    socket->disconnectFromServer();
    QTimer::singleShot(0, this, [this, text] { runCommands(text, target_); });
}

bool sendInstanceCommand(const QString& socketPath, const QString& text, int timeoutMs)
{
    const QByteArray body = text.toUtf8();
    if (body.size() > kMaxCommandBytes)
        return false;
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    // The first instance may hold the lock but not listen yet: try again
    // until the time is up.
    while (true) {
        socket.connectToServer(socketPath);
        if (socket.waitForConnected(int(deadline.remainingTime())))
            break;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(static_cast<unsigned long>(std::min<qint64>(50, deadline.remainingTime())));
    }
    uchar header[4];
    qToLittleEndian<quint32>(quint32(body.size()), header);
    socket.write(reinterpret_cast<const char*>(header), 4);
    socket.write(body);
    if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
        return false;
    QByteArray answer;
    while (answer.size() < 3) {
        answer += socket.readAll();
        if (answer.size() >= 3 || !socket.waitForReadyRead(int(deadline.remainingTime())))
            break;
    }
    answer += socket.readAll();
    if (answer != "ACK")
        return false;
    return socket.state() == QLocalSocket::UnconnectedState ||
           socket.waitForDisconnected(int(deadline.remainingTime()));
}

QString handOverText(const QStringList& files, const QString& command)
{
    QString text;
    for (const QString& f : files)
        text += makeOpenCommand(QFileInfo(f).absoluteFilePath());
    text += command.isEmpty() ? setForegroundCommand() : command;
    return text;
}

} // namespace quillora
