// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "publishwindow/publishplace.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace quillsite {

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translation catalogues.
struct PlaceText {
    Q_DECLARE_TR_FUNCTIONS(PublishPlace)
};

// One group per site, named after its folder; the folder itself is kept inside for people
// who read the file.
QString groupOf(const QString &siteFolder) {
    const QString folder = QDir::cleanPath(QDir(siteFolder).absolutePath());
    return u"site-"_s +
           QString::fromLatin1(QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha256)
                                   .toHex()
                                   .left(24));
}

QString withoutTrailingSlash(QString path) {
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    return path;
}

} // namespace

bool PublishPlace::isServer() const {
    return kind == DestinationAddress::Kind::Sftp || kind == DestinationAddress::Kind::Ftps ||
           kind == DestinationAddress::Kind::Ftp;
}

bool PublishPlace::usesPassword() const {
    return isServer() && (kind != DestinationAddress::Kind::Sftp || signIn == SignIn::Password);
}

DestinationAddress PublishPlace::address() const {
    DestinationAddress address;
    address.kind = kind;
    switch (kind) {
    case DestinationAddress::Kind::Folder:
        address.path = QDir::cleanPath(folder.trimmed());
        break;
    case DestinationAddress::Kind::Git:
        address.gitUrl = repository.trimmed();
        address.branch = branch.trimmed().isEmpty() ? u"gh-pages"_s : branch.trimmed();
        break;
    default:
        address.host = host.trimmed();
        // The default port is left out, so that the place is named as on the command line
        // and the keyring entry is the same for both.
        address.port = port == defaultPort(kind) ? 0 : port;
        address.user = user.trimmed();
        address.path = withoutTrailingSlash(remoteFolder.trimmed());
        if (!address.path.startsWith(u'/'))
            address.path.prepend(u'/');
        break;
    }
    return address;
}

QString PublishPlace::problem() const {
    switch (kind) {
    case DestinationAddress::Kind::Folder:
        if (!QDir::isAbsolutePath(folder.trimmed()))
            return PlaceText::tr("Choose the folder to publish to, as a full path such as "
                                 "/srv/www/club.");
        return {};
    case DestinationAddress::Kind::Git:
        if (repository.trimmed().isEmpty())
            return PlaceText::tr("Type the address of the Git repository, such as "
                                 "git@codeberg.org:club/pages.git.");
        return {};
    default:
        break;
    }
    if (host.trimmed().isEmpty())
        return PlaceText::tr("Type the name of the server, such as ftp.example.org; your web "
                             "host tells you which.");
    if (user.trimmed().isEmpty())
        return PlaceText::tr("Type your user name on the server.");
    if (kind == DestinationAddress::Kind::Sftp && signIn == SignIn::KeyFile &&
        keyFile.trimmed().isEmpty())
        return PlaceText::tr("Choose your key file, or sign in with a password.");
    return {};
}

int defaultPort(DestinationAddress::Kind kind) {
    return kind == DestinationAddress::Kind::Sftp ? 22 : 21;
}

QString publishPlacesFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           u"/quillsite/publish.ini"_s;
}

PublishPlace loadPublishPlace(const QString &siteFolder) {
    QSettings settings(publishPlacesFile(), QSettings::IniFormat);
    settings.beginGroup(groupOf(siteFolder));
    PublishPlace place;
    place.kind =
        DestinationAddress::Kind(std::clamp(settings.value(u"kind"_s, int(place.kind)).toInt(), 0,
                                            int(DestinationAddress::Kind::Folder)));
    place.host = settings.value(u"host"_s).toString();
    place.port = settings.value(u"port"_s, defaultPort(place.kind)).toInt();
    place.user = settings.value(u"user"_s).toString();
    place.remoteFolder = settings.value(u"remoteFolder"_s).toString();
    place.repository = settings.value(u"repository"_s).toString();
    place.branch = settings.value(u"branch"_s, place.branch).toString();
    place.folder = settings.value(u"folder"_s).toString();
    place.publicAddress = settings.value(u"publicAddress"_s).toString();
    place.signIn = PublishPlace::SignIn(
        std::clamp(settings.value(u"signIn"_s, 0).toInt(), 0, int(PublishPlace::SignIn::Agent)));
    place.keyFile = settings.value(u"keyFile"_s).toString();
    place.rememberPassword = settings.value(u"rememberPassword"_s, true).toBool();
    place.plainFtpAllowed = settings.value(u"plainFtpAllowed"_s, false).toBool();
    place.certificatePin = settings.value(u"certificatePin"_s).toString();
    return place;
}

void savePublishPlace(const QString &siteFolder, const PublishPlace &place) {
    QSettings settings(publishPlacesFile(), QSettings::IniFormat);
    settings.beginGroup(groupOf(siteFolder));
    settings.setValue(u"siteFolder"_s, QDir::cleanPath(QDir(siteFolder).absolutePath()));
    settings.setValue(u"kind"_s, int(place.kind));
    settings.setValue(u"host"_s, place.host);
    settings.setValue(u"port"_s, place.port);
    settings.setValue(u"user"_s, place.user);
    settings.setValue(u"remoteFolder"_s, place.remoteFolder);
    settings.setValue(u"repository"_s, place.repository);
    settings.setValue(u"branch"_s, place.branch);
    settings.setValue(u"folder"_s, place.folder);
    settings.setValue(u"publicAddress"_s, place.publicAddress);
    settings.setValue(u"signIn"_s, int(place.signIn));
    settings.setValue(u"keyFile"_s, place.keyFile);
    settings.setValue(u"rememberPassword"_s, place.rememberPassword);
    settings.setValue(u"plainFtpAllowed"_s, place.plainFtpAllowed);
    settings.setValue(u"certificatePin"_s, place.certificatePin);
}

} // namespace quillsite
