// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "publish/connectionoptions.h"
#include "publish/destination.h"
#include "publish/destinationaddress.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <memory>

#include <curl/curl.h>

namespace quillsite {

// A folder on an FTP server, through explicit TLS (ftps://) or, when the user allows it,
// plain FTP. One libcurl handle carries every request, so the control connection and its TLS
// session are reused by each data connection, as servers that insist on it require.
class FtpDestination final : public Destination {
public:
    FtpDestination(const DestinationAddress &address, const ConnectionOptions &options);
    ~FtpDestination() override;

    PublishError open() override;
    PublishError readFile(const QString &path, qint64 limit, QByteArray *bytes) override;
    PublishError list(QList<RemoteEntry> *entries) override;
    PublishError put(const QString &path, const QString &localFile) override;
    PublishError remove(const QString &path) override;
    PublishError finish(const QString &summary) override;
    void cancel() override;

    // The certificate's "SHA256:..." fingerprint, for the TLS check (called by OpenSSL).
    void sawCertificate(const QString &fingerprint) { m_fingerprint = fingerprint; }
    const QString &pin() const { return m_options.pin; }

private:
    QString account() const;
    QByteArray serverUrl() const;
    QByteArray url(const QString &path) const;
    void prepare(const QString &path);
    PublishError perform(const QString &subject);
    QByteArray serverPath(const QString &path) const;
    PublishError quote(const QList<QByteArray> &commands, const QString &subject);
    PublishError listFolder(const QString &prefix, QList<RemoteEntry> *entries,
                            QStringList *pending);
    PublishError readListing(const QString &folder, QByteArray *listing);

    DestinationAddress m_address;
    ConnectionOptions m_options;
    CURL *m_curl = nullptr;
    QByteArray m_password;
    QString m_entryPath;
    QString m_fingerprint;
    char m_curlError[CURL_ERROR_SIZE] = {};
    bool m_opened = false;
    bool m_machineListing = true;
    std::atomic<bool> m_cancelled = false;
};

// For the destination factory: ftps:// and ftp:// addresses.
std::unique_ptr<Destination> makeFtpDestination(const DestinationAddress &address,
                                                const ConnectionOptions &options);

} // namespace quillsite
