// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <libssh/libssh.h>

#include <functional>
#include <optional>
#include <unordered_map>

namespace quillsite {

// The SFTP protocol (version 3) over one SSH channel, spoken directly so that
// many requests can be in flight at once: a file goes up as a stream of
// writes whose answers are collected afterwards, instead of one round trip
// per chunk.
class SftpChannel final {
public:
    enum Type : quint8 {
        Init = 1,
        Version = 2,
        Open = 3,
        Close = 4,
        Read = 5,
        Write = 6,
        Lstat = 7,
        Fstat = 8,
        OpenDir = 11,
        ReadDir = 12,
        Remove = 13,
        MakeDir = 14,
        Stat = 17,
        Rename = 18,
        Status = 101,
        Handle = 102,
        Data = 103,
        Name = 104,
        Attrs = 105,
        Extended = 200,
        ExtendedReply = 201
    };
    enum StatusCode : quint32 {
        Ok = 0,
        EndOfFile = 1,
        NoSuchFile = 2,
        PermissionDenied = 3,
        Failure = 4,
        OpUnsupported = 8
    };
    struct Reply {
        quint8 type = 0;
        quint32 id = 0;
        QByteArray body; // the fields after the request id
    };

    // What to do with the reply to a request: nullptr when none came (the connection failed,
    // stalled or was cancelled).
    using Handler = std::function<void(const Reply *)>;

    explicit SftpChannel(ssh_session session);
    ~SftpChannel();
    SftpChannel(const SftpChannel &) = delete;
    SftpChannel &operator=(const SftpChannel &) = delete;

    // Opens the channel and starts the sftp subsystem, waiting at most `timeoutMs` for each.
    // The server's version and extensions come with the first reply, which supports() waits for.
    bool start(int timeoutMs);
    // Sends one request (at the latest when a reply is waited for) whose reply pump() hands
    // to `handler`; false when the connection failed (then the handler is never called).
    bool request(Type type, const QByteArray &fields, Handler handler);
    // Reads one reply, waiting at most `timeoutMs`, and hands it to its request's handler.
    // When none comes, every request still waiting is told so and the channel is broken.
    bool pump(int timeoutMs);
    // Sends a request and waits for its reply, handing on those of other requests meanwhile.
    std::optional<Reply> call(Type type, const QByteArray &fields, int timeoutMs);
    bool broken() const { return m_broken; }
    // Whether a file or folder was opened on the channel, or asked to be.
    bool hasOpened() const { return m_opened; }
    // Whether the server has the extension, once its version came (waited for up to `timeoutMs`).
    bool supports(const QByteArray &extension, int timeoutMs);
    // Whether the server answered the handshake with something other than its version, or
    // not at all: it does not speak SFTP there.
    bool serviceRefused() const { return m_serviceRefused; }
    // The server's own word for the last transport failure, for messages.
    QString transportError() const;

private:
    bool flush();
    bool takeVersion(const Reply &reply);
    std::optional<Reply> receive(int timeoutMs);
    void breakDown();
    bool writeAll(const QByteArray &bytes);
    bool readExactly(char *buffer, qsizetype size, int timeoutMs);

    ssh_session m_session;
    ssh_channel m_channel = nullptr;
    quint32 m_nextId = 1;
    bool m_broken = false;
    bool m_opened = false;
    bool m_versionPending = false; // the handshake is sent, its answer not yet read
    bool m_serviceRefused = false;
    QByteArray m_outgoing;                          // requests not yet sent
    std::unordered_map<quint32, Handler> m_waiting; // by request id
    QHash<QByteArray, QByteArray> m_extensions;
};

// Building and reading the fields of SFTP packets (big-endian numbers, length-prefixed strings).
QByteArray sftpU32(quint32 value);
QByteArray sftpU64(quint64 value);
QByteArray sftpString(const QByteArray &value);

class SftpReader final {
public:
    explicit SftpReader(const QByteArray &bytes)
        : m_bytes(bytes) {}
    quint32 u32();
    quint64 u64();
    QByteArray string();
    bool ok() const { return m_ok; }

private:
    bool take(qsizetype size);

    QByteArray m_bytes;
    qsizetype m_position = 0;
    bool m_ok = true;
};

// The attributes of a file as SFTP sends them; only what a publish needs is kept.
struct SftpAttributes {
    quint64 size = 0;
    quint32 permissions = 0;
    bool isFolder() const { return (permissions & 0170000) == 0040000; }
    bool isLink() const { return (permissions & 0170000) == 0120000; }
};
SftpAttributes readSftpAttributes(SftpReader &reader);

} // namespace quillsite
