// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sftpdestination.h"

#include "publish/sshhosttrust.h"
#include "publish/sshlogin.h"
#include "publish/uploadname.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <list>
#include <map>
#include <utility>

#include <netinet/in.h>
#include <netinet/tcp.h>
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
// Writes in flight per file, files in flight per connection, and the bytes they hold at most:
// enough to keep a long link busy, few enough to bound memory.
constexpr int kInFlight = 64;
constexpr int kFilesInFlight = 64;
constexpr qint64 kBytesInFlight = 8 * 1024 * 1024;
// Reads asked for at once when a file is read.
constexpr int kReadsAhead = 32;
constexpr qsizetype kMostEntries = 1000000;
// OpenSSH's server names the first file or folder opened on a connection by four zero bytes.
constexpr QByteArrayView kFirstHandle("\0\0\0\0", 4);

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
    if (!m_lost && !(m_channel && m_channel->broken()))
        return {};
    if (m_cancelled)
        return statusError({kNoReply, {}}, {});
    // A retry after a lost connection gets a new one, as the old one can't carry it.
    m_channel.reset();
    ssh_disconnect(m_session);
    ssh_free(m_session);
    m_session = nullptr;
    m_socket = -1;
    m_madeFolders.clear();
    m_bytesInFlight = 0;
    m_askedWriteSize = false;
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
    if (!m_channel->start(stallMs()))
        return serviceError();
    return {};
}

PublishError SftpDestination::serviceError() const {
    return {PublishError::Kind::Connect,
            Texts::tr("%1 did not start its SFTP service: %2")
                .arg(account(), m_channel->transportError()),
            {}};
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
    // Every server takes 32 KiB; OpenSSH tells how much more it takes. Asked only when files
    // are to be written, and not waited for: the answer comes before those of the requests
    // sent after it, so before the first write.
    if (std::exchange(m_askedWriteSize, true) ||
        !m_channel->supports("limits@openssh.com", stallMs()))
        return;
    m_channel->request(SftpChannel::Extended, sftpString("limits@openssh.com"),
                       [this](const SftpChannel::Reply *reply) {
                           if (!reply || reply->type != SftpChannel::ExtendedReply)
                               return;
                           SftpReader reader(reply->body);
                           reader.u64();
                           reader.u64();
                           const quint64 largestWrite = reader.u64();
                           if (reader.ok())
                               m_writeSize = quint32(
                                   std::clamp<quint64>(largestWrite, 32 * 1024, 255 * 1024));
                       });
}

std::optional<SftpChannel::Reply> SftpDestination::call(SftpChannel::Type type,
                                                        const QByteArray &fields) {
    return m_channel->call(type, fields, stallMs());
}

SftpDestination::Status SftpDestination::statusOf(const SftpChannel::Reply *reply) {
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

SftpDestination::Status SftpDestination::statusCall(SftpChannel::Type type,
                                                    const QByteArray &fields) {
    const std::optional<SftpChannel::Reply> reply = call(type, fields);
    return statusOf(reply ? &*reply : nullptr);
}

std::optional<QByteArray> SftpDestination::handleOf(const SftpChannel::Reply *reply) {
    if (reply && reply->type == SftpChannel::Handle) {
        SftpReader reader(reply->body);
        const QByteArray handle = reader.string();
        if (reader.ok())
            return handle;
    }
    m_lastStatus = statusOf(reply);
    return std::nullopt;
}

std::optional<QByteArray> SftpDestination::openHandle(SftpChannel::Type type,
                                                      const QByteArray &fields) {
    const std::optional<SftpChannel::Reply> reply = call(type, fields);
    return handleOf(reply ? &*reply : nullptr);
}

PublishError SftpDestination::statusError(const Status &status, const QString &path) {
    using Kind = PublishError::Kind;
    if (status.code == kNoReply && m_cancelled)
        return {Kind::Failed, Texts::tr("Publishing was stopped."), {}};
    if (status.code == kNoReply && m_channel && m_channel->serviceRefused())
        return serviceError();
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

// One file on its way up: written under its temporary name (opened, written, closed, each
// step pipelined with other files'), then renamed into place once every byte was confirmed.
struct SftpDestination::Upload {
    Upload(const SiteFile *file, const Destination::FileDone *done)
        : file(file)
        , done(done)
        , local(file->localFile) {}

    const SiteFile *file;
    const Destination::FileDone *done;
    QFile local;
    QByteArray target;
    QByteArray temporary;
    QByteArray handle;
    quint64 offset = 0;
    int writesOut = 0;
    bool madeFolder = false;
    bool needsFolder = false;
    bool closeSent = false;
    bool closed = false;
    bool lost = false;
    bool over = false;
    bool held = false;    // moved into place only when the other files are done
    bool written = false; // held, and every byte of it confirmed
    Status first{SftpChannel::Ok, {}};
};

PublishError SftpDestination::put(const QString &path, const QString &localFile) {
    const SiteFile file{path, 0, {}, localFile};
    bool given = false;
    PublishError result;
    putEach([&]() -> const SiteFile * { return std::exchange(given, true) ? nullptr : &file; },
            [&](const SiteFile &, const PublishError &error) { result = error; });
    return result;
}

void SftpDestination::putEach(const NextFile &next, const FileDone &done) {
    putAll(next, done, nullptr, nullptr, {});
}

std::optional<PublishError> SftpDestination::putEachThen(const NextFile &next, const FileDone &done,
                                                         const SiteFile &last,
                                                         const std::function<bool()> &keepLast) {
    std::optional<PublishError> result;
    const FileDone lastDone = [&](const SiteFile &, const PublishError &error) {
        result = error;
    };
    putAll(next, done, &last, &lastDone, keepLast);
    return result;
}

void SftpDestination::putAll(const NextFile &next, const FileDone &done, const SiteFile *last,
                             const FileDone *lastDone, const std::function<bool()> &keepLast) {
    PublishError error = reconnectIfLost();
    if (!error.failed()) {
        learnWriteSize();
        if (m_channel->broken())
            error = statusError({kNoReply, {}}, {});
    }
    if (error.failed()) {
        if (const SiteFile *file = next())
            done(*file, error);
        if (last)
            (*lastDone)(*last, error);
        return;
    }
    std::list<Upload> uploads;
    // The last file's open and writes go with the first files'.
    if (last) {
        uploads.emplace_back(last, lastDone).held = true;
        startUpload(uploads.back());
    }
    for (bool more = true;;) {
        while (more && !m_channel->broken() && int(uploads.size()) < kFilesInFlight &&
               m_bytesInFlight < kBytesInFlight) {
            const SiteFile *file = next();
            more = file != nullptr;
            if (more)
                startUpload(uploads.emplace_back(file, &done));
        }
        for (Upload &upload : uploads) {
            if (std::exchange(upload.needsFolder, false)) {
                if (PublishError error = makeFolders(parentOf(upload.target)); error.failed())
                    endUpload(upload, error);
                else
                    sendOpen(upload);
            }
            sendWrites(upload);
        }
        // Nothing more will come for uploads still waiting on a broken connection.
        for (Upload &upload : uploads) {
            if (m_channel->broken() && !upload.over)
                endUpload(upload, statusError({kNoReply, {}}, upload.file->path));
        }
        uploads.remove_if([](const Upload &upload) { return upload.over; });
        if (settleLast(uploads, more, keepLast))
            continue;
        if (uploads.empty()) {
            if (!more || m_channel->broken())
                return;
            continue;
        }
        // A file whose folder is still to be made waits for nothing.
        if (std::none_of(uploads.cbegin(), uploads.cend(),
                         [](const Upload &upload) { return upload.needsFolder; }))
            m_channel->pump(stallMs());
    }
}

// Once every other file is done, the held one is moved into place, or its copy removed when
// `keepLast` says no; true when that took its turn.
bool SftpDestination::settleLast(std::list<Upload> &uploads, bool more,
                                 const std::function<bool()> &keepLast) {
    if (more || uploads.size() != 1 || !uploads.front().held || !uploads.front().written)
        return false;
    Upload &upload = uploads.front();
    upload.held = false;
    if (keepLast()) {
        sendRename(upload);
        return true;
    }
    statusCall(SftpChannel::Remove, sftpString(upload.temporary));
    upload.over = true;
    upload.local.close();
    uploads.clear();
    return true;
}

void SftpDestination::startUpload(Upload &upload) {
    if (!upload.local.open(QIODevice::ReadOnly)) {
        endUpload(upload, {PublishError::Kind::Failed,
                           Texts::tr("Could not read %1: %2")
                               .arg(upload.file->localFile, upload.local.errorString()),
                           {}});
        return;
    }
    upload.target = remotePath(upload.file->path);
    upload.temporary = temporaryUploadName(upload.target);
    sendOpen(upload);
}

void SftpDestination::sendOpen(Upload &upload) {
    const QByteArray fields = sftpString(upload.temporary) +
                              sftpU32(ForWriting | Create | Truncate) + withPermissions(0644);
    if (!m_channel->request(
            SftpChannel::Open, fields,
            [this, &upload](const SftpChannel::Reply *reply) { opened(upload, reply); }))
        endUpload(upload, statusError({kNoReply, {}}, upload.file->path));
}

void SftpDestination::opened(Upload &upload, const SftpChannel::Reply *reply) {
    if (reply && reply->type == SftpChannel::Handle) {
        SftpReader reader(reply->body);
        upload.handle = reader.string();
        if (reader.ok()) {
            sendWrites(upload);
            return;
        }
    }
    const Status status = statusOf(reply);
    const QByteArray folder = parentOf(upload.target);
    // Its folder is made from putEach, not here, where the answers of other files that
    // lack it may wait behind this one: each would make it again, one after the other.
    if (status.code == SftpChannel::NoSuchFile && !upload.madeFolder) {
        upload.madeFolder = true;
        upload.needsFolder = true;
        return;
    }
    if (status.code == SftpChannel::Failure && spaceRunsShort(folder, 1))
        endUpload(upload, noSpaceFor(upload.file->path));
    else
        endUpload(upload, statusError(status, upload.file->path));
}

void SftpDestination::sendWrites(Upload &upload) {
    if (upload.handle.isEmpty() || upload.closeSent)
        return;
    const QByteArray handleField = sftpString(upload.handle);
    while (upload.first.code == SftpChannel::Ok && !upload.lost && !m_cancelled &&
           !upload.local.atEnd() && upload.writesOut < kInFlight &&
           m_bytesInFlight < kBytesInFlight) {
        const QByteArray chunk = upload.local.read(m_writeSize);
        if (chunk.isEmpty()) {
            upload.first = {SftpChannel::Failure, upload.local.errorString()};
            break;
        }
        const qint64 size = chunk.size();
        if (!m_channel->request(
                SftpChannel::Write, handleField + sftpU64(upload.offset) + sftpString(chunk),
                [this, &upload, size](const SftpChannel::Reply *reply) {
                    m_bytesInFlight -= size;
                    --upload.writesOut;
                    const Status status = statusOf(reply);
                    upload.lost = upload.lost || !reply;
                    if (status.code != SftpChannel::Ok && upload.first.code == SftpChannel::Ok)
                        upload.first = status;
                    finishWriting(upload);
                })) {
            upload.lost = true;
            break;
        }
        upload.offset += quint64(size);
        m_bytesInFlight += size;
        ++upload.writesOut;
    }
    if (upload.local.atEnd() || upload.first.code != SftpChannel::Ok || upload.lost || m_cancelled)
        sendClose(upload);
}

void SftpDestination::sendClose(Upload &upload) {
    upload.closeSent = true;
    const bool sent =
        !upload.lost && m_channel->request(SftpChannel::Close, sftpString(upload.handle),
                                           [this, &upload](const SftpChannel::Reply *reply) {
                                               upload.closed = true;
                                               const Status status = statusOf(reply);
                                               upload.lost = upload.lost || !reply;
                                               if (status.code != SftpChannel::Ok &&
                                                   upload.first.code == SftpChannel::Ok)
                                                   upload.first = status;
                                               finishWriting(upload);
                                           });
    if (!sent) {
        upload.lost = true;
        upload.closed = true;
        finishWriting(upload);
    }
}

void SftpDestination::finishWriting(Upload &upload) {
    if (upload.over || upload.writesOut > 0 || !upload.closed)
        return;
    const QString &path = upload.file->path;
    if (upload.lost || m_cancelled) {
        endUpload(upload, statusError({kNoReply, {}}, path));
        return;
    }
    if (upload.first.code == SftpChannel::Ok) {
        if (upload.held)
            upload.written = true;
        else
            sendRename(upload);
        return;
    }
    // The half-written copy goes; the target was never touched.
    statusCall(SftpChannel::Remove, sftpString(upload.temporary));
    if (spaceRunsShort(parentOf(upload.target), upload.local.size()))
        endUpload(upload, noSpaceFor(path));
    else
        endUpload(upload, statusError(upload.first, path));
}

void SftpDestination::sendRename(Upload &upload) {
    // OpenSSH's extension replaces the target in one step, as rename(2) does; without it,
    // the slower way is taken.
    if (!m_channel->supports("posix-rename@openssh.com", stallMs())) {
        endUpload(upload, moveIntoPlace(upload.temporary, upload.target, upload.file->path));
        return;
    }
    const QByteArray fields = sftpString("posix-rename@openssh.com") +
                              sftpString(upload.temporary) + sftpString(upload.target);
    if (!m_channel->request(SftpChannel::Extended, fields,
                            [this, &upload](const SftpChannel::Reply *reply) {
                                const Status status = statusOf(reply);
                                endUpload(upload, status.code == SftpChannel::Ok
                                                      ? PublishError{}
                                                      : statusError(status, upload.file->path));
                            }))
        endUpload(upload, statusError({kNoReply, {}}, upload.file->path));
}

void SftpDestination::endUpload(Upload &upload, const PublishError &error) {
    if (std::exchange(upload.over, true))
        return;
    upload.local.close();
    (*upload.done)(*upload.file, error);
}

PublishError SftpDestination::noSpaceFor(const QString &path) const {
    return {PublishError::Kind::NoSpace,
            Texts::tr("%1 has no space left for %2.").arg(account(), path),
            {}};
}

PublishError SftpDestination::moveIntoPlace(const QByteArray &from, const QByteArray &to,
                                            const QString &path) {
    // OpenSSH's extension replaces the target in one step, as rename(2) does.
    if (m_channel->supports("posix-rename@openssh.com", stallMs())) {
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
    if (!m_channel->supports("statvfs@openssh.com", stallMs()))
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

// What Lstat requests sent by askAfter() learn, as their answers come.
struct SftpDestination::Finding {
    QList<RemoteEntry> found;
    int waiting = 0;
    Status trouble{SftpChannel::Ok, {}};
    QString troublePath;
};

PublishError SftpDestination::readFile(const QString &path, qint64 limit, QByteArray *bytes) {
    std::optional<QList<RemoteEntry>> found;
    return readFileFinding(path, limit, bytes, {}, &found);
}

PublishError SftpDestination::readFileFinding(const QString &path, qint64 limit, QByteArray *bytes,
                                              const QStringList &paths,
                                              std::optional<QList<RemoteEntry>> *found) {
    found->reset();
    if (PublishError error = reconnectIfLost(); error.failed())
        return error;
    // The questions go with the open and are answered while the file is read.
    Finding finding;
    askAfter(paths, &finding);
    std::optional<QByteArray> handle;
    PublishError error = openAndRead(path, limit, bytes, &handle);
    // Its answer is taken in while the next request waits for its own.
    if (handle)
        m_channel->request(SftpChannel::Close, sftpString(*handle),
                           [](const SftpChannel::Reply *) {});
    while (finding.waiting > 0)
        m_channel->pump(stallMs());
    // Trouble with a name is told when find() asks after it again, on its own.
    if (!foundOrError(finding, paths).failed())
        *found = finding.found;
    return error;
}

PublishError SftpDestination::openAndRead(const QString &path, qint64 limit, QByteArray *bytes,
                                          std::optional<QByteArray> *handle) {
    const QByteArray fields = sftpString(remotePath(path)) + sftpU32(ForReading) + sftpU32(0);
    if (m_channel->hasOpened()) {
        *handle = openHandle(SftpChannel::Open, fields);
    } else {
        // The first file opened is read in the same round trip as its open, under the name
        // that server would give it. What comes back counts only when the open gives that very
        // name and the reads worked: under another name, after a failed open, or at a server
        // that took a read before the open, they find no file, and the file is read again.
        bool answered = false;
        m_lastStatus = {kNoReply, {}};
        m_channel->request(SftpChannel::Open, fields, [&](const SftpChannel::Reply *reply) {
            answered = true;
            *handle = handleOf(reply);
        });
        const PublishError guessed = readOpenFile(kFirstHandle.toByteArray(), path, limit, bytes);
        while (!answered && !m_channel->broken())
            m_channel->pump(stallMs());
        if (*handle == kFirstHandle && !guessed.failed())
            return guessed;
    }
    return *handle ? readOpenFile(**handle, path, limit, bytes) : statusError(m_lastStatus, path);
}

PublishError SftpDestination::readOpenFile(const QByteArray &handle, const QString &path,
                                           qint64 limit, QByteArray *bytes) {
    std::optional<quint64> size;
    int waiting = 0;
    bool lost = false;
    // The size comes with the first reads: a file too large to be ours is refused unread.
    waiting += m_channel->request(SftpChannel::Fstat, sftpString(handle),
                                  [&](const SftpChannel::Reply *reply) {
                                      --waiting;
                                      lost = lost || !reply;
                                      SftpReader reader(reply ? reply->body : QByteArray());
                                      if (reply && reply->type == SftpChannel::Attrs)
                                          size = readSftpAttributes(reader).size;
                                  });
    bytes->clear();
    // Where the server said the file ends; until then, what is missing is asked for again.
    std::optional<quint64> end;
    while (!end || quint64(bytes->size()) < *end) {
        // Reads from where the data ends, all at once; answered in any order.
        std::map<quint64, QByteArray> chunks;
        const quint64 start = quint64(bytes->size());
        const quint32 chunkSize = m_writeSize;
        for (int i = 0; i < kReadsAhead; ++i) {
            const quint64 offset = start + quint64(i) * chunkSize;
            waiting += m_channel->request(
                SftpChannel::Read, sftpString(handle) + sftpU64(offset) + sftpU32(chunkSize),
                [&, offset](const SftpChannel::Reply *reply) {
                    --waiting;
                    lost = lost || !reply;
                    SftpReader reader(reply ? reply->body : QByteArray());
                    if (reply && reply->type == SftpChannel::Data)
                        chunks[offset] = reader.string();
                    else if (reply && statusOf(reply).code == SftpChannel::EndOfFile)
                        end = std::min(end.value_or(offset), offset);
                });
        }
        while (waiting > 0)
            m_channel->pump(stallMs());
        if (lost || m_channel->broken())
            return statusError({kNoReply, {}}, path);
        if (!size) // the server does not tell how large the open file is
            return statusError({SftpChannel::Failure, {}}, path);
        for (const auto &[offset, chunk] : chunks) {
            if (offset != quint64(bytes->size()))
                break;
            bytes->append(chunk);
        }
        if (*size > quint64(limit) || quint64(bytes->size()) > quint64(limit)) {
            return {PublishError::Kind::Failed,
                    Texts::tr("%1 on %2 is larger than %3 bytes; it was not read.")
                        .arg(path, account())
                        .arg(limit),
                    {}};
        }
        // Neither data nor its end: the server refuses to read it.
        if (quint64(bytes->size()) == start && !end)
            return statusError({SftpChannel::Failure, {}}, path);
        // Data up to the size the server gave for the open file is the whole of it: asking
        // past it only to be told so would cost another round trip.
        if (quint64(bytes->size()) == *size)
            end = *size;
    }
    return {};
}

void SftpDestination::askAfter(const QStringList &paths, Finding *finding) {
    for (const QString &path : paths) {
        finding->waiting += m_channel->request(
            SftpChannel::Lstat, sftpString(remotePath(path)),
            [finding, path](const SftpChannel::Reply *reply) {
                --finding->waiting;
                SftpReader reader(reply ? reply->body : QByteArray());
                if (reply && reply->type == SftpChannel::Attrs) {
                    const SftpAttributes attributes = readSftpAttributes(reader);
                    finding->found.append({path, qint64(attributes.size), attributes.isFolder(),
                                           attributes.isLink()});
                    return;
                }
                const Status status = statusOf(reply);
                if (status.code != SftpChannel::NoSuchFile &&
                    finding->trouble.code == SftpChannel::Ok) {
                    finding->trouble = status;
                    finding->troublePath = path;
                }
            });
    }
}

PublishError SftpDestination::foundOrError(const Finding &finding, const QStringList &paths) {
    if (m_channel->broken())
        return statusError({kNoReply, {}}, paths.value(0));
    return finding.trouble.code == SftpChannel::Ok
               ? PublishError{}
               : statusError(finding.trouble, finding.troublePath);
}

PublishError SftpDestination::find(const QStringList &paths, QList<RemoteEntry> *found) {
    if (PublishError error = reconnectIfLost(); error.failed())
        return error;
    Finding finding;
    askAfter(paths, &finding);
    while (finding.waiting > 0)
        m_channel->pump(stallMs());
    *found = finding.found;
    return foundOrError(finding, paths);
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

qint64 SftpDestination::roundTripMicroseconds() const {
    // The system measures it on every connection; asking costs nothing.
    tcp_info info{};
    socklen_t size = sizeof info;
    const int socket = m_socket;
    if (socket < 0 || ::getsockopt(socket, IPPROTO_TCP, TCP_INFO, &info, &size) != 0)
        return -1;
    return info.tcpi_rtt;
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
