// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "publish/destinationaddress.h"

#include <QString>

namespace quillsite {

// Where one site is published to and how the user signs in there: everything
// the Publish dialog remembers for the site, never the password.
struct PublishPlace {
    enum class SignIn { Password, KeyFile, Agent };

    DestinationAddress::Kind kind = DestinationAddress::Kind::Sftp;
    QString host;
    int port = 22;
    QString user;
    QString remoteFolder;
    QString repository;
    QString branch = QStringLiteral("gh-pages");
    QString folder; // for the Folder kind
    QString publicAddress;
    SignIn signIn = SignIn::Password;
    QString keyFile;
    bool rememberPassword = true;
    // The user agreed that plain FTP sends the password readable.
    bool plainFtpAllowed = false;
    // An FTPS certificate the user accepted, as "SHA256:...".
    QString certificatePin;

    bool isServer() const;
    bool usesPassword() const;
    DestinationAddress address() const;
    // What is missing or wrong, in words the user can act on; empty when none.
    QString problem() const;
};

// The port a kind of server listens on unless its host says otherwise.
int defaultPort(DestinationAddress::Kind kind);

// Where the settings of every site's publishing live: the user's configuration folder.
QString publishPlacesFile();

// The place stored for the site in siteFolder, or a new one.
PublishPlace loadPublishPlace(const QString &siteFolder);
void savePublishPlace(const QString &siteFolder, const PublishPlace &place);

} // namespace quillsite
