// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sftpchannel.h"

#include <QDeadlineTimer>
#include <QtEndian>

#include <cerrno>
#include <utility>

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>

namespace quillsite {

namespace {

constexpr quint32 kProtocolVersion = 3;
// Larger packets than this are refused: no reply a publish asks for comes near it.
constexpr quint32 kLargestPacket = 4 * 1024 * 1024;
// Requests are gathered up to this size and sent together, in few packets and system calls,
// or sooner, when a reply is waited for.
constexpr qsizetype kBatchSize = 256 * 1024;

// Runs a libssh step that waits for the server without blocking, so that what the server sends
// meanwhile is acknowledged at once. sshd sends small packets one at a time, holding each back
// until the one before was acknowledged, and Linux delays the acknowledgement of a lone small
// packet by 40 ms on a connection that only answers: opening a channel would wait for it.
template <typename Step> bool acknowledgingAtOnce(ssh_session session, Step step, int timeoutMs) {
    const int socket = ssh_get_fd(session);
    const QDeadlineTimer deadline(timeoutMs);
    ssh_set_blocking(session, 0);
    int result = step();
    while (result == SSH_AGAIN && !deadline.hasExpired()) {
        // Sends an acknowledgement that is due, and those of the packets read from here on.
        const int on = 1;
        ::setsockopt(socket, IPPROTO_TCP, TCP_QUICKACK, &on, sizeof on);
        pollfd ready{socket, POLLIN, 0};
        if (::poll(&ready, 1, int(deadline.remainingTime())) < 0 && errno != EINTR)
            break;
        result = step();
    }
    ssh_set_blocking(session, 1);
    return result == SSH_OK;
}

} // namespace

QByteArray sftpU32(quint32 value) {
    QByteArray bytes(4, Qt::Uninitialized);
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray sftpU64(quint64 value) {
    QByteArray bytes(8, Qt::Uninitialized);
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray sftpString(const QByteArray &value) {
    return sftpU32(quint32(value.size())) + value;
}

bool SftpReader::take(qsizetype size) {
    if (!m_ok || size < 0 || m_bytes.size() - m_position < size)
        m_ok = false;
    return m_ok;
}

quint32 SftpReader::u32() {
    if (!take(4))
        return 0;
    m_position += 4;
    return qFromBigEndian<quint32>(m_bytes.constData() + m_position - 4);
}

quint64 SftpReader::u64() {
    if (!take(8))
        return 0;
    m_position += 8;
    return qFromBigEndian<quint64>(m_bytes.constData() + m_position - 8);
}

QByteArray SftpReader::string() {
    const quint32 size = u32();
    if (!take(size))
        return {};
    m_position += size;
    return m_bytes.mid(m_position - size, size);
}

SftpAttributes readSftpAttributes(SftpReader &reader) {
    enum : quint32 { Size = 1, UidGid = 2, Permissions = 4, Times = 8, ExtendedPairs = 0x80000000 };
    SftpAttributes attributes;
    const quint32 flags = reader.u32();
    if (flags & Size)
        attributes.size = reader.u64();
    if (flags & UidGid)
        reader.u64();
    if (flags & Permissions)
        attributes.permissions = reader.u32();
    if (flags & Times)
        reader.u64();
    if (flags & ExtendedPairs) {
        const quint32 count = reader.u32();
        for (quint32 i = 0; i < count && reader.ok(); ++i) {
            reader.string();
            reader.string();
        }
    }
    return attributes;
}

SftpChannel::SftpChannel(ssh_session session)
    : m_session(session) {}

SftpChannel::~SftpChannel() {
    if (m_channel) {
        ssh_channel_close(m_channel);
        ssh_channel_free(m_channel);
    }
}

bool SftpChannel::start(int timeoutMs) {
    m_channel = ssh_channel_new(m_session);
    if (!m_channel ||
        !acknowledgingAtOnce(
            m_session, [this] { return ssh_channel_open_session(m_channel); }, timeoutMs) ||
        !acknowledgingAtOnce(
            m_session, [this] { return ssh_channel_request_subsystem(m_channel, "sftp"); },
            timeoutMs))
        return false;
    // The handshake has no request id: the version takes its place. The server takes it
    // before anything after it, so the first requests go out right behind it, a round trip
    // sooner, and its answer is the first reply pump() reads.
    m_outgoing += sftpU32(5) + char(Init) + sftpU32(kProtocolVersion);
    m_versionPending = true;
    return true;
}

bool SftpChannel::takeVersion(const Reply &reply) {
    if (reply.type != Version || reply.id < kProtocolVersion)
        return false;
    SftpReader reader(reply.body);
    while (reader.ok()) {
        const QByteArray name = reader.string();
        const QByteArray data = reader.string();
        if (reader.ok())
            m_extensions.insert(name, data);
    }
    return true;
}

bool SftpChannel::supports(const QByteArray &extension, int timeoutMs) {
    while (m_versionPending && !m_broken)
        pump(timeoutMs);
    return m_extensions.contains(extension);
}

bool SftpChannel::request(Type type, const QByteArray &fields, Handler handler) {
    if (m_broken)
        return false;
    m_opened = m_opened || type == Open || type == OpenDir;
    const quint32 id = m_nextId++;
    if (m_nextId == 0)
        m_nextId = 1;
    m_outgoing += sftpU32(quint32(5 + fields.size()));
    m_outgoing += char(type);
    m_outgoing += sftpU32(id);
    m_outgoing += fields;
    if (m_outgoing.size() >= kBatchSize && !flush())
        return false;
    m_waiting.emplace(id, std::move(handler));
    return true;
}

bool SftpChannel::flush() {
    const bool written = writeAll(m_outgoing);
    m_outgoing.clear();
    if (!written)
        breakDown();
    return written;
}

bool SftpChannel::pump(int timeoutMs) {
    if (!m_outgoing.isEmpty() && !flush())
        return false;
    const std::optional<Reply> reply = m_broken ? std::nullopt : receive(timeoutMs);
    if (std::exchange(m_versionPending, false)) {
        m_serviceRefused = !reply || !takeVersion(*reply);
        if (m_serviceRefused)
            breakDown();
        return !m_serviceRefused;
    }
    const auto waiting = reply ? m_waiting.find(reply->id) : m_waiting.end();
    if (waiting == m_waiting.end()) {
        // An answer to nothing asked is as bad as none: the stream can't be trusted.
        breakDown();
        return false;
    }
    const Handler handler = std::move(waiting->second);
    m_waiting.erase(waiting);
    handler(&*reply);
    return true;
}

std::optional<SftpChannel::Reply> SftpChannel::call(Type type, const QByteArray &fields,
                                                    int timeoutMs) {
    std::optional<Reply> result;
    bool answered = false;
    if (!request(type, fields, [&](const Reply *reply) {
            answered = true;
            if (reply)
                result = *reply;
        }))
        return std::nullopt;
    while (!answered)
        pump(timeoutMs);
    return result;
}

void SftpChannel::breakDown() {
    m_broken = true;
    // Handlers may send more requests, which now fail at once; none is waited for.
    while (!m_waiting.empty()) {
        const Handler handler = std::move(m_waiting.begin()->second);
        m_waiting.erase(m_waiting.begin());
        handler(nullptr);
    }
}

std::optional<SftpChannel::Reply> SftpChannel::receive(int timeoutMs) {
    char header[5];
    if (!readExactly(header, 5, timeoutMs))
        return std::nullopt;
    const quint32 length = qFromBigEndian<quint32>(header);
    if (length < 1 || length > kLargestPacket)
        return std::nullopt;
    QByteArray rest(length - 1, Qt::Uninitialized);
    if (!readExactly(rest.data(), rest.size(), timeoutMs))
        return std::nullopt;
    Reply reply;
    reply.type = quint8(header[4]);
    SftpReader reader(rest);
    reply.id = reader.u32();
    if (!reader.ok())
        return std::nullopt;
    reply.body = rest.mid(4);
    return reply;
}

QString SftpChannel::transportError() const {
    return QString::fromUtf8(ssh_get_error(m_session));
}

bool SftpChannel::writeAll(const QByteArray &bytes) {
    return ssh_channel_write(m_channel, bytes.constData(), uint32_t(bytes.size())) ==
           int(bytes.size());
}

bool SftpChannel::readExactly(char *buffer, qsizetype size, int timeoutMs) {
    qsizetype done = 0;
    while (done < size) {
        const int count =
            ssh_channel_read_timeout(m_channel, buffer + done, uint32_t(size - done), 0, timeoutMs);
        // Nothing within the time (or the end of the stream) is a stalled or lost connection.
        if (count <= 0)
            return false;
        done += count;
    }
    return true;
}

} // namespace quillsite
