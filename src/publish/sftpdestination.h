// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "publish/connectionoptions.h"
#include "publish/destination.h"
#include "publish/destinationaddress.h"
#include "publish/sftpchannel.h"

#include <QFile>
#include <QSet>
#include <QString>

#include <atomic>
#include <functional>
#include <list>
#include <memory>
#include <optional>

#include <libssh/libssh.h>

namespace quillsite {

// A folder on an SSH server, written through SFTP. The server's host key must be in the
// user's known_hosts (or accepted by its fingerprint); files go up as pipelined writes into a
// temporary name beside the target, renamed into place once the server confirmed every byte.
class SftpDestination final : public Destination {
public:
    SftpDestination(const DestinationAddress &address, const ConnectionOptions &options);
    ~SftpDestination() override;

    PublishError open() override;
    PublishError readFile(const QString &path, qint64 limit, QByteArray *bytes) override;
    PublishError readFileFinding(const QString &path, qint64 limit, QByteArray *bytes,
                                 const QStringList &paths,
                                 std::optional<QList<RemoteEntry>> *found) override;
    PublishError list(QList<RemoteEntry> *entries) override;
    PublishError find(const QStringList &paths, QList<RemoteEntry> *found) override;
    PublishError put(const QString &path, const QString &localFile) override;
    void putEach(const NextFile &next, const FileDone &done) override;
    std::optional<PublishError> putEachThen(const NextFile &next, const FileDone &done,
                                            const SiteFile &last,
                                            const std::function<bool()> &keepLast) override;
    PublishError remove(const QString &path) override;
    PublishError finish(const QString &summary) override;
    void cancel() override;
    qint64 roundTripMicroseconds() const override;

private:
    struct Status {
        quint32 code = 0;
        QString message;
    };
    struct Upload;
    struct Finding;

    static Status statusOf(const SftpChannel::Reply *reply);
    QString account() const;
    QByteArray remotePath(const QString &path) const;
    int stallMs() const { return m_options.stallTimeoutSeconds * 1000; }
    PublishError connect();
    PublishError reconnectIfLost();
    void learnWriteSize();
    std::optional<SftpChannel::Reply> call(SftpChannel::Type type, const QByteArray &fields);
    Status statusCall(SftpChannel::Type type, const QByteArray &fields);
    std::optional<QByteArray> openHandle(SftpChannel::Type type, const QByteArray &fields);
    PublishError makeFolders(const QByteArray &folder);
    void putAll(const NextFile &next, const FileDone &done, const SiteFile *last,
                const FileDone *lastDone, const std::function<bool()> &keepLast);
    bool settleLast(std::list<Upload> &uploads, bool more, const std::function<bool()> &keepLast);
    void startUpload(Upload &upload);
    void sendOpen(Upload &upload);
    void opened(Upload &upload, const SftpChannel::Reply *reply);
    void sendWrites(Upload &upload);
    void sendClose(Upload &upload);
    void finishWriting(Upload &upload);
    void sendRename(Upload &upload);
    void endUpload(Upload &upload, const PublishError &error);
    PublishError noSpaceFor(const QString &path) const;
    PublishError moveIntoPlace(const QByteArray &from, const QByteArray &to, const QString &path);
    std::optional<QByteArray> handleOf(const SftpChannel::Reply *reply);
    PublishError openAndRead(const QString &path, qint64 limit, QByteArray *bytes,
                             std::optional<QByteArray> *handle);
    PublishError readOpenFile(const QByteArray &handle, const QString &path, qint64 limit,
                              QByteArray *bytes);
    void askAfter(const QStringList &paths, Finding *finding);
    PublishError foundOrError(const Finding &finding, const QStringList &paths);
    PublishError listFolder(const QByteArray &folder, const QString &prefix,
                            QList<RemoteEntry> *entries, QStringList *pending);
    PublishError statusError(const Status &status, const QString &path);
    PublishError serviceError() const;
    bool spaceRunsShort(const QByteArray &folder, qint64 needed);

    DestinationAddress m_address;
    ConnectionOptions m_options;
    ssh_session m_session = nullptr;
    std::unique_ptr<SftpChannel> m_channel;
    Status m_lastStatus;
    QSet<QByteArray> m_madeFolders;
    quint32 m_writeSize = 32 * 1024;
    bool m_askedWriteSize = false;
    qint64 m_bytesInFlight = 0; // written and not yet confirmed, over all uploads
    bool m_lost = false;        // the connection failed; the next call makes a new one
    std::atomic<bool> m_cancelled = false;
    std::atomic<int> m_socket = -1;
};

// For the destination factory: sftp:// addresses.
std::unique_ptr<Destination> makeSftpDestination(const DestinationAddress &address,
                                                 const ConnectionOptions &options);

} // namespace quillsite
