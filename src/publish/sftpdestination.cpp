// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sftpdestination.h"

#include "publish/sshhosttrust.h"
#include "publish/sshlogin.h"
#include "publish/uploadname.h"

#include <QCoreApplication>
#include <QDir>

#include <sys/socket.h>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(SftpDestination)
};

enum OpenFlag : quint32 { ForReading = 1, ForWriting = 2, Create = 8, Truncate = 0x10 };
constexpr quint32 kPermissionsGiven = 4;
// A status the server never sends: no reply came (lost connection, stall or cancel).
constexpr quint32 kNoReply = 0xffffffff;
// Requests in flight per file: enough to keep a long link busy, few enough to bound memory.
constexpr int kInFlight = 64;
constexpr qsizetype kMostEntries = 1000000;

QByteArray parentOf(const QByteArray &path) {
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray() : slash == 0 ? QByteArray("/") : path.left(slash);
}

QByteArray withPermissions(quint32 permissions) {
    return sftpU32(kPermissionsGiven) + sftpU32(permissions);
}

} // namespace

SftpDestination::SftpDestination(const DestinationAddress &address,
                                 const ConnectionOptions &options)
    : m_address(address)
    , m_options(options) {}

SftpDestination::~SftpDestination() {
    m_channel.reset();
    if (m_session) {
        ssh_disconnect(m_session);
        ssh_free(m_session);
    }
}

QString SftpDestination::account() const {
    QString text = m_address.host;
    if (m_address.port > 0 && m_address.port != 22)
        text += u':' + QString::number(m_address.port);
    return m_address.user.isEmpty() ? text : m_address.user + u'@' + text;
}

QByteArray SftpDestination::remotePath(const QString &path) const {
    QString root = m_address.path;
    // "sftp://host/~/site" is a folder in the user's home, as OpenSSH's tools read it.
    if (root.startsWith(u"/~/"_s) || root == u"/~"_s)
        root = root.mid(3);
    while (root.size() > 1 && root.endsWith(u'/'))
        root.chop(1);
    if (root.isEmpty())
        root = u"."_s;
    if (path.isEmpty())
        return root.toUtf8();
    return (root == u"/"_s ? QString(root + path) : QString(root + u'/' + path)).toUtf8();
}

PublishError SftpDestination::reconnectIfLost() {
    if (!m_lost)
        return {};
    // A retry after a lost connection gets a new one, as the old one can't carry it.
    m_channel.reset();
    ssh_disconnect(m_session);
    ssh_free(m_session);
    m_session = nullptr;
    m_socket = -1;
    m_madeFolders.clear();
    m_lost = false;
    return open();
}

PublishError SftpDestination::open() {
    if (PublishError error = connect(); error.failed())
        return error;
    if (PublishError error = checkHostKey(m_session, account(), m_options.acceptHostKey);
        error.failed())
        return error;
    if (PublishError error = logIn(m_session, account(), m_options); error.failed())
        return error;
    // From here on the limit is that of a stalled transfer.
    const long stall = m_options.stallTimeoutSeconds;
    ssh_options_set(m_session, SSH_OPTIONS_TIMEOUT, &stall);
    m_channel = std::make_unique<SftpChannel>(m_session);
    if (!m_channel->start()) {
        return {PublishError::Kind::Connect,
                Texts::tr("%1 did not start its SFTP service: %2")
                    .arg(account(), m_channel->transportError()),
                {}};
    }
    learnWriteSize();
    return {};
}

PublishError SftpDestination::connect() {
    m_session = ssh_new();
    const QByteArray host = m_address.host.toUtf8();
    const QByteArray user = m_address.user.toUtf8();
    const QString knownHosts = m_options.knownHostsFile.isEmpty()
                                   ? QDir::homePath() + u"/.ssh/known_hosts"_s
                                   : m_options.knownHostsFile;
    const QByteArray knownHostsPath = QFile::encodeName(knownHosts);
    const unsigned int port = m_address.port > 0 ? unsigned(m_address.port) : 22;
    const long timeout = m_options.connectTimeoutSeconds;
    const int no = 0;
    // The options are given here, whole: the user's ssh_config is not read behind our back.
    ssh_options_set(m_session, SSH_OPTIONS_PROCESS_CONFIG, &no);
    ssh_options_set(m_session, SSH_OPTIONS_HOST, host.constData());
    ssh_options_set(m_session, SSH_OPTIONS_PORT, &port);
    if (!user.isEmpty())
        ssh_options_set(m_session, SSH_OPTIONS_USER, user.constData());
    ssh_options_set(m_session, SSH_OPTIONS_TIMEOUT, &timeout);
    ssh_options_set(m_session, SSH_OPTIONS_KNOWNHOSTS, knownHostsPath.constData());
    // Requests go out at once: Nagle's algorithm would hold a small one back until the
    // server acknowledged the last, a delayed acknowledgement away.
    const int yes = 1;
    ssh_options_set(m_session, SSH_OPTIONS_NODELAY, &yes);
    if (ssh_connect(m_session) != SSH_OK) {
        return {PublishError::Kind::Connect,
                Texts::tr("Could not connect to %1: %2")
                    .arg(account(), QString::fromUtf8(ssh_get_error(m_session))),
                {}};
    }
    m_socket = ssh_get_fd(m_session);
    if (m_cancelled)
        cancel();
    return {};
}

void SftpDestination::learnWriteSize() {
    // Every server takes 32 KiB; OpenSSH tells how much more it takes.
    if (!m_channel->supports("limits@openssh.com"))
        return;
    const std::optional<SftpChannel::Reply> reply =
        call(SftpChannel::Extended, sftpString("limits@openssh.com"));
    if (!reply || reply->type != SftpChannel::ExtendedReply)
        return;
    SftpReader reader(reply->body);
    reader.u64();
    reader.u64();
    const quint64 largestWrite = reader.u64();
    if (reader.ok())
        m_writeSize = quint32(std::clamp<quint64>(largestWrite, 32 * 1024, 255 * 1024));
}

std::optional<SftpChannel::Reply> SftpDestination::call(SftpChannel::Type type,
                                                        const QByteArray &fields) {
    const quint32 id = m_channel->send(type, fields);
    if (id == 0)
        return std::nullopt;
    std::optional<SftpChannel::Reply> reply = m_channel->receive(stallMs());
    if (!reply || reply->id != id)
        return std::nullopt;
    return reply;
}

SftpDestination::Status SftpDestination::statusCall(SftpChannel::Type type,
                                                    const QByteArray &fields) {
    const std::optional<SftpChannel::Reply> reply = call(type, fields);
    if (!reply)
        return {kNoReply, {}};
    if (reply->type != SftpChannel::Status)
        return {SftpChannel::Failure, Texts::tr("an answer the program does not understand")};
    SftpReader reader(reply->body);
    Status status;
    status.code = reader.u32();
    status.message = QString::fromUtf8(reader.string());
    return status;
}

std::optional<QByteArray> SftpDestination::openHandle(SftpChannel::Type type,
                                                      const QByteArray &fields) {
    const std::optional<SftpChannel::Reply> reply = call(type, fields);
    if (reply && reply->type == SftpChannel::Handle) {
        SftpReader reader(reply->body);
        const QByteArray handle = reader.string();
        if (reader.ok())
            return handle;
    }
    m_lastStatus = {kNoReply, {}};
    if (reply && reply->type == SftpChannel::Status) {
        SftpReader reader(reply->body);
        m_lastStatus.code = reader.u32();
        m_lastStatus.message = QString::fromUtf8(reader.string());
    }
    return std::nullopt;
}

PublishError SftpDestination::statusError(const Status &status, const QString &path) {
    using Kind = PublishError::Kind;
    if (status.code == kNoReply && m_cancelled)
        return {Kind::Failed, Texts::tr("Publishing was stopped."), {}};
    switch (status.code) {
    case kNoReply:
        m_lost = true;
        return {Kind::Transient,
                Texts::tr("The connection to %1 was lost, or it stalled for %2 seconds, "
                          "while sending %3.")
                    .arg(account())
                    .arg(m_options.stallTimeoutSeconds)
                    .arg(path),
                {}};
    case SftpChannel::NoSuchFile:
        return {Kind::NotFound, Texts::tr("%1 is not on %2.").arg(path, account()), {}};
    case SftpChannel::PermissionDenied:
        return {Kind::Failed,
                Texts::tr("%1 does not allow you to write %2 (permission denied).")
                    .arg(account(), path),
                {}};
    default:
        return {Kind::Failed,
                Texts::tr("%1 could not write %2: %3").arg(account(), path, status.message),
                {}};
    }
}

PublishError SftpDestination::put(const QString &path, const QString &localFile) {
    if (PublishError error = reconnectIfLost(); error.failed())
        return error;
    QFile file(localFile);
    if (!file.open(QIODevice::ReadOnly)) {
        return {PublishError::Kind::Failed,
                Texts::tr("Could not read %1: %2").arg(localFile, file.errorString()),
                {}};
    }
    const QByteArray target = remotePath(path);
    const QByteArray temporary = temporaryUploadName(target);
    const QByteArray openFields =
        sftpString(temporary) + sftpU32(ForWriting | Create | Truncate) + withPermissions(0644);
    std::optional<QByteArray> handle = openHandle(SftpChannel::Open, openFields);
    if (!handle && m_lastStatus.code == SftpChannel::NoSuchFile) {
        if (PublishError error = makeFolders(parentOf(target)); error.failed())
            return error;
        handle = openHandle(SftpChannel::Open, openFields);
    }
    if (!handle) {
        if (m_lastStatus.code == SftpChannel::Failure && spaceRunsShort(parentOf(target), 1))
            return {PublishError::Kind::NoSpace,
                    Texts::tr("%1 has no space left for %2.").arg(account(), path),
                    {}};
        return statusError(m_lastStatus, path);
    }
    if (PublishError error = sendFile(file, *handle, path); error.failed()) {
        if (error.kind == PublishError::Kind::Transient ||
            (error.kind == PublishError::Kind::Failed && m_cancelled))
            return error;
        // The half-written copy goes; the target was never touched.
        statusCall(SftpChannel::Remove, sftpString(temporary));
        if (spaceRunsShort(parentOf(target), file.size()))
            return {PublishError::Kind::NoSpace,
                    Texts::tr("%1 has no space left for %2.").arg(account(), path),
                    {}};
        return error;
    }
    return moveIntoPlace(temporary, target, path);
}

PublishError SftpDestination::sendFile(QFile &file, const QByteArray &handle, const QString &path) {
    Status first{SftpChannel::Ok, {}};
    int inFlight = 0;
    const auto collectOne = [&] {
        const std::optional<SftpChannel::Reply> reply = m_channel->receive(stallMs());
        if (!reply)
            return false;
        SftpReader reader(reply->body);
        const quint32 code =
            reply->type == SftpChannel::Status ? reader.u32() : quint32(SftpChannel::Failure);
        if (code != SftpChannel::Ok && first.code == SftpChannel::Ok)
            first = {code, QString::fromUtf8(reader.string())};
        --inFlight;
        return true;
    };
    const QByteArray handleField = sftpString(handle);
    for (quint64 offset = 0; !file.atEnd() && !m_cancelled;) {
        const QByteArray chunk = file.read(m_writeSize);
        if (chunk.isEmpty()) {
            first = {SftpChannel::Failure, file.errorString()};
            break;
        }
        if (!m_channel->send(SftpChannel::Write, handleField + sftpU64(offset) + sftpString(chunk)))
            return statusError({kNoReply, {}}, path);
        offset += quint64(chunk.size());
        if (++inFlight >= kInFlight && !collectOne())
            return statusError({kNoReply, {}}, path);
    }
    if (!m_channel->send(SftpChannel::Close, handleField))
        return statusError({kNoReply, {}}, path);
    ++inFlight;
    while (inFlight > 0) {
        if (!collectOne())
            return statusError({kNoReply, {}}, path);
    }
    if (m_cancelled)
        return statusError({kNoReply, {}}, path);
    return first.code == SftpChannel::Ok ? PublishError{} : statusError(first, path);
}

PublishError SftpDestination::moveIntoPlace(const QByteArray &from, const QByteArray &to,
                                            const QString &path) {
    // OpenSSH's extension replaces the target in one step, as rename(2) does.
    if (m_channel->supports("posix-rename@openssh.com")) {
        const Status status =
            statusCall(SftpChannel::Extended,
                       sftpString("posix-rename@openssh.com") + sftpString(from) + sftpString(to));
        return status.code == SftpChannel::Ok ? PublishError{} : statusError(status, path);
    }
    // Plain SFTP renames only onto a free name: the old file has to go first.
    Status status = statusCall(SftpChannel::Rename, sftpString(from) + sftpString(to));
    if (status.code != SftpChannel::Ok && status.code != kNoReply) {
        statusCall(SftpChannel::Remove, sftpString(to));
        status = statusCall(SftpChannel::Rename, sftpString(from) + sftpString(to));
    }
    return status.code == SftpChannel::Ok ? PublishError{} : statusError(status, path);
}

PublishError SftpDestination::makeFolders(const QByteArray &folder) {
    if (folder.isEmpty() || folder == "/" || folder == "." || m_madeFolders.contains(folder))
        return {};
    const QByteArray fields = sftpString(folder) + withPermissions(0755);
    Status status = statusCall(SftpChannel::MakeDir, fields);
    if (status.code == SftpChannel::NoSuchFile) {
        if (PublishError error = makeFolders(parentOf(folder)); error.failed())
            return error;
        status = statusCall(SftpChannel::MakeDir, fields);
    }
    if (status.code != SftpChannel::Ok && status.code != kNoReply) {
        // Most servers say only "failure" when the folder is there already.
        const std::optional<SftpChannel::Reply> reply = call(SftpChannel::Stat, sftpString(folder));
        SftpReader reader(reply ? reply->body : QByteArray());
        if (reply && reply->type == SftpChannel::Attrs && readSftpAttributes(reader).isFolder())
            status.code = SftpChannel::Ok;
    }
    if (status.code != SftpChannel::Ok)
        return statusError(status, QString::fromUtf8(folder));
    m_madeFolders.insert(folder);
    return {};
}

bool SftpDestination::spaceRunsShort(const QByteArray &folder, qint64 needed) {
    if (!m_channel->supports("statvfs@openssh.com"))
        return false;
    const std::optional<SftpChannel::Reply> reply =
        call(SftpChannel::Extended, sftpString("statvfs@openssh.com") + sftpString(folder));
    if (!reply || reply->type != SftpChannel::ExtendedReply)
        return false;
    SftpReader reader(reply->body);
    reader.u64();
    const quint64 fragmentSize = reader.u64();
    reader.u64();
    reader.u64();
    const quint64 available = reader.u64();
    return reader.ok() && available * fragmentSize < quint64(std::max<qint64>(needed, 1));
}

PublishError SftpDestination::readFile(const QString &path, qint64 limit, QByteArray *bytes) {
    if (PublishError error = reconnectIfLost(); error.failed())
        return error;
    const std::optional<QByteArray> handle = openHandle(
        SftpChannel::Open, sftpString(remotePath(path)) + sftpU32(ForReading) + sftpU32(0));
    if (!handle)
        return statusError(m_lastStatus, path);
    const PublishError error = readOpenFile(*handle, path, limit, bytes);
    statusCall(SftpChannel::Close, sftpString(*handle));
    return error;
}

PublishError SftpDestination::readOpenFile(const QByteArray &handle, const QString &path,
                                           qint64 limit, QByteArray *bytes) {
    const std::optional<SftpChannel::Reply> stat = call(SftpChannel::Fstat, sftpString(handle));
    if (!stat || stat->type != SftpChannel::Attrs)
        return statusError({kNoReply, {}}, path);
    SftpReader statReader(stat->body);
    const quint64 size = readSftpAttributes(statReader).size;
    if (size > quint64(limit)) {
        return {PublishError::Kind::Failed,
                Texts::tr("%1 on %2 is larger than %3 bytes; it was not read.")
                    .arg(path, account())
                    .arg(limit),
                {}};
    }
    // All reads at once, answered in order; a file that shrank meanwhile ends early.
    QList<quint32> ids;
    for (quint64 offset = 0; offset < size; offset += m_writeSize) {
        const quint32 id = m_channel->send(SftpChannel::Read, sftpString(handle) + sftpU64(offset) +
                                                                  sftpU32(m_writeSize));
        if (id == 0)
            return statusError({kNoReply, {}}, path);
        ids.append(id);
    }
    bytes->clear();
    bool ended = false;
    for (quint32 id : ids) {
        const std::optional<SftpChannel::Reply> reply = m_channel->receive(stallMs());
        if (!reply || reply->id != id)
            return statusError({kNoReply, {}}, path);
        SftpReader reader(reply->body);
        if (reply->type == SftpChannel::Data && !ended)
            bytes->append(reader.string());
        else
            ended = true;
    }
    return {};
}

PublishError SftpDestination::list(QList<RemoteEntry> *entries) {
    if (PublishError error = reconnectIfLost(); error.failed())
        return error;
    entries->clear();
    QStringList pending{QString()};
    while (!pending.isEmpty()) {
        const QString prefix = pending.takeFirst();
        if (PublishError error = listFolder(remotePath(prefix), prefix, entries, &pending);
            error.failed())
            return error;
    }
    return {};
}

PublishError SftpDestination::listFolder(const QByteArray &folder, const QString &prefix,
                                         QList<RemoteEntry> *entries, QStringList *pending) {
    const QString shown = prefix.isEmpty() ? QString::fromUtf8(folder) : prefix;
    const std::optional<QByteArray> handle = openHandle(SftpChannel::OpenDir, sftpString(folder));
    // A published folder that does not exist yet holds nothing.
    if (!handle && prefix.isEmpty() && m_lastStatus.code == SftpChannel::NoSuchFile)
        return {};
    if (!handle)
        return statusError(m_lastStatus, shown);
    PublishError error;
    for (bool more = true; more && !error.failed();) {
        const std::optional<SftpChannel::Reply> reply =
            call(SftpChannel::ReadDir, sftpString(*handle));
        if (!reply) {
            error = statusError({kNoReply, {}}, shown);
            break;
        }
        more = reply->type == SftpChannel::Name;
        SftpReader reader(reply->body);
        const quint32 count = more ? reader.u32() : 0;
        for (quint32 i = 0; i < count && reader.ok(); ++i) {
            const QString name = QString::fromUtf8(reader.string());
            reader.string();
            const SftpAttributes attributes = readSftpAttributes(reader);
            if (!reader.ok() || name == u"."_s || name == u".."_s)
                continue;
            const QString path = prefix.isEmpty() ? name : prefix + u'/' + name;
            entries->append(
                {path, qint64(attributes.size), attributes.isFolder(), attributes.isLink()});
            if (attributes.isFolder())
                pending->append(path);
        }
        if (entries->size() > kMostEntries) {
            error = {PublishError::Kind::Failed,
                     Texts::tr("%1 holds more than %2 files; they were not all listed.")
                         .arg(account())
                         .arg(kMostEntries),
                     {}};
        }
    }
    statusCall(SftpChannel::Close, sftpString(*handle));
    return error;
}

PublishError SftpDestination::remove(const QString &path) {
    if (PublishError error = reconnectIfLost(); error.failed())
        return error;
    const Status status = statusCall(SftpChannel::Remove, sftpString(remotePath(path)));
    return status.code == SftpChannel::Ok ? PublishError{} : statusError(status, path);
}

PublishError SftpDestination::finish(const QString &) {
    return {};
}

void SftpDestination::cancel() {
    m_cancelled = true;
    // Wakes whatever waits on the connection; libssh then gives up on it.
    if (const int socket = m_socket; socket >= 0)
        ::shutdown(socket, SHUT_RDWR);
}

std::unique_ptr<Destination> makeSftpDestination(const DestinationAddress &address,
                                                 const ConnectionOptions &options) {
    return std::make_unique<SftpDestination>(address, options);
}

} // namespace quillsite
