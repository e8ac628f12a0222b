// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "publish/destinationfactory.h"

#include "publish/folderdestination.h"
#include "publish/gitdestination.h"

#include <QCoreApplication>

#if __has_include("publish/sftpdestination.h")
#include "publish/sftpdestination.h"
#define QUILLSITE_HAS_SFTP 1
#endif
#if __has_include("publish/ftpdestination.h")
#include "publish/ftpdestination.h"
#define QUILLSITE_HAS_FTP 1
#endif

namespace quillsite {

namespace {

// A kind of destination this build cannot reach: it refuses to open, saying so.
class UnavailableDestination final : public Destination {
public:
    explicit UnavailableDestination(QString scheme)
        : m_scheme(std::move(scheme)) {}
    PublishError open() override {
        return {PublishError::Kind::Connect,
                QCoreApplication::translate("Destination",
                                            "This build of Quillsite cannot publish over %1.")
                    .arg(m_scheme),
                {}};
    }
    PublishError readFile(const QString &, qint64, QByteArray *) override { return open(); }
    PublishError list(QList<RemoteEntry> *) override { return open(); }
    PublishError put(const QString &, const QString &) override { return open(); }
    PublishError remove(const QString &) override { return open(); }
    PublishError finish(const QString &) override { return open(); }
    void cancel() override {}

private:
    QString m_scheme;
};

} // namespace

std::unique_ptr<Destination> makeDestination(const DestinationAddress &address,
                                             const ConnectionOptions &options) {
    switch (address.kind) {
    case DestinationAddress::Kind::Folder:
        return std::make_unique<FolderDestination>(address.path);
    case DestinationAddress::Kind::Git:
        return std::make_unique<GitDestination>(address);
    case DestinationAddress::Kind::Sftp:
#ifdef QUILLSITE_HAS_SFTP
        return makeSftpDestination(address, options);
#else
        return std::make_unique<UnavailableDestination>(QStringLiteral("SFTP"));
#endif
    case DestinationAddress::Kind::Ftps:
    case DestinationAddress::Kind::Ftp:
#ifdef QUILLSITE_HAS_FTP
        return makeFtpDestination(address, options);
#else
        return std::make_unique<UnavailableDestination>(QStringLiteral("FTP"));
#endif
    }
    Q_UNUSED(options);
    return nullptr;
}

} // namespace quillsite
