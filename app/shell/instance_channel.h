// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// One instance per user. The first process to start takes a lock file with
// flock and listens on a local socket beside it; a later start finds the
// lock held and sends its commands over the socket instead. A crash drops
// the lock with the process, and the next first instance replaces the stale
// socket. Both live in the user's runtime folder, so one user's program
// never takes another user's commands; the server also checks the peer's
// credentials.
//
// On the socket a client sends a 4-byte little-endian length and the command
// text in UTF-8; the server answers "ACK" (or "NAK" for a text it refuses),
// closes, and only then runs the commands.
#pragma once

#include "instance_commands.h"

#include <QObject>
#include <QString>

#include <sys/types.h>

class QLocalServer;
class QLocalSocket;

namespace quillora {

inline constexpr const char* kInstanceBaseName = "Quillora-{4A88C666-738E-4c2c-8963-6597043A6C6E}";
inline constexpr qint64 kMaxCommandBytes = 1 << 20;

// $XDG_RUNTIME_DIR when it is a folder of ours, else /tmp/quillora-<uid>
// made with mode 0700 (and refused if someone else owns it or can enter it).
// Empty when no private folder can be had.
QString instanceRuntimeDirectory();

class InstanceGuard {
public:
    explicit InstanceGuard(const QString& runtimeDir = instanceRuntimeDirectory());
    ~InstanceGuard();
    InstanceGuard(const InstanceGuard&) = delete;
    InstanceGuard& operator=(const InstanceGuard&) = delete;

    // True for the first instance (and when there is no private folder, so
    // that the program still starts).
    bool isFirst() const { return first_; }
    QString socketPath() const { return socketPath_; }

private:
    int lockFd_ = -1;
    bool first_ = true;
    QString socketPath_;
};

// The first instance's half: accepts commands and hands them to the target
// from the event loop, after the answer has gone out.
class InstanceServer : public QObject {
    Q_OBJECT
public:
    InstanceServer(const QString& socketPath, CommandTarget& target, uid_t allowedUid, QObject* parent = nullptr);
    ~InstanceServer() override;
    bool listening() const;
    int refusedConnections() const { return refused_; }

private:
    void onNewConnection();
    void onReadable(QLocalSocket* socket);

    QLocalServer* server_;
    CommandTarget& target_;
    uid_t allowedUid_;
    int refused_ = 0;
};

// The later instance's half: true when the first instance acknowledged the
// text and closed the exchange within timeoutMs. Blocks the calling thread.
bool sendInstanceCommand(const QString& socketPath, const QString& text, int timeoutMs = 1000);

// What a later start sends: [Open("absolute path")] for each file, then
// [SetForeground]; or the given command text alone.
QString handOverText(const QStringList& files, const QString& command);

} // namespace quillora
