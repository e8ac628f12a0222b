// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "publish/destinationaddress.h"

#include <QCoreApplication>
#include <QDir>
#include <QUrl>

namespace quillsite {

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translation catalogues.
struct AddressText {
    Q_DECLARE_TR_FUNCTIONS(AddressText)
};

// sftp://, ftps:// and ftp:// addresses: a host and a path, never a password.
std::optional<DestinationAddress> parseServer(const QUrl &url, DestinationAddress::Kind kind,
                                              QString *error) {
    if (url.host().isEmpty()) {
        *error = AddressText::tr("The address %1 names no server.").arg(url.toDisplayString());
        return std::nullopt;
    }
    if (kind != DestinationAddress::Kind::Sftp && url.userName().isEmpty()) {
        *error = AddressText::tr("The address %1 names no user; write it as %2://user@host/folder.")
                     .arg(url.toDisplayString(QUrl::RemovePassword), url.scheme());
        return std::nullopt;
    }
    DestinationAddress address;
    address.kind = kind;
    address.user = url.userName();
    address.host = url.host();
    address.port = url.port(0);
    address.path = url.path().isEmpty() ? u"/"_s : url.path();
    return address;
}

} // namespace

QString DestinationAddress::display() const {
    switch (kind) {
    case Kind::Folder:
        return path;
    case Kind::Git:
        return u"git+"_s + gitUrl + u"#"_s + branch;
    case Kind::Sftp:
    case Kind::Ftps:
    case Kind::Ftp:
        break;
    }
    const QString scheme = kind == Kind::Sftp   ? u"sftp"_s
                           : kind == Kind::Ftps ? u"ftps"_s
                                                : u"ftp"_s;
    QUrl url;
    url.setScheme(scheme);
    url.setUserName(user);
    url.setHost(host);
    if (port > 0)
        url.setPort(port);
    url.setPath(path);
    return url.toString();
}

std::optional<DestinationAddress> parseDestination(const QString &text, QString *error) {
    if (text.trimmed().isEmpty()) {
        *error = AddressText::tr("No destination was given.");
        return std::nullopt;
    }
    const qsizetype schemeEnd = text.indexOf(u"://"_s);
    if (schemeEnd < 0) {
        DestinationAddress address;
        address.kind = DestinationAddress::Kind::Folder;
        address.path = QDir::cleanPath(QDir::current().absoluteFilePath(text));
        return address;
    }
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid()) {
        *error = AddressText::tr("The address %1 is not valid: %2")
                     .arg(text.section(u'@', -1), url.errorString());
        return std::nullopt;
    }
    if (!url.password().isEmpty()) {
        *error = AddressText::tr(
            "Do not put a password in the address; give it in QUILLSITE_PASSWORD, the "
            "keyring or when asked.");
        return std::nullopt;
    }
    const QString scheme = url.scheme().toLower();
    if (scheme == u"sftp"_s)
        return parseServer(url, DestinationAddress::Kind::Sftp, error);
    if (scheme == u"ftps"_s)
        return parseServer(url, DestinationAddress::Kind::Ftps, error);
    if (scheme == u"ftp"_s)
        return parseServer(url, DestinationAddress::Kind::Ftp, error);
    if (scheme == u"git+ssh"_s || scheme == u"git+https"_s || scheme == u"git+file"_s) {
        DestinationAddress address;
        address.kind = DestinationAddress::Kind::Git;
        address.gitUrl = text.mid(4);
        address.host = url.host();
        address.user = url.userName();
        address.port = url.port(0);
        address.path = url.path();
        address.branch = u"gh-pages"_s;
        return address;
    }
    *error =
        AddressText::tr("Quillsite cannot publish to %1 addresses; use sftp://, ftps://, ftp://, "
                        "git+ssh://, git+https://, git+file:// or a folder.")
            .arg(url.scheme());
    return std::nullopt;
}

} // namespace quillsite
