// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/mediaaddress.h"

#include "builder/picturecodec.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

using Kind = MediaAddress::Kind;

// A data: address of a picture: "data:image/png;base64,...." or with its
// bytes percent-encoded. Anything else, bytes that are no picture included,
// stays in the page as it is.
MediaAddress dataPicture(const QString &address) {
    const qsizetype comma = address.indexOf(u',');
    if (comma < 0)
        return {};
    const QStringList parameters = address.mid(5, comma - 5).split(u';');
    const QString mimeType = parameters.first().trimmed().toLower();
    if (!mimeType.startsWith(u"image/"_s))
        return {};
    const QByteArray payload =
        QByteArray::fromPercentEncoding(address.sliced(comma + 1).toLatin1());
    const bool base64 = parameters.contains(u"base64"_s, Qt::CaseInsensitive);
    MediaAddress picture;
    picture.kind = Kind::Data;
    picture.data = base64 ? QByteArray::fromBase64(payload) : payload;
    picture.mimeType = mimeType;
    QBuffer buffer(&picture.data);
    return pictureCodec().header(buffer).readable() ? picture : MediaAddress{};
}

bool isInside(const QString &path, const QString &folder) {
    return path.startsWith(folder) && path.size() > folder.size() && path[folder.size()] == u'/';
}

// Whether a symbolic link on the way to `cleanPath` leads out of the folder
// it stands in. A page (or a hand-edited site) could otherwise publish any
// file the user can read, such as "photo.jpg" linked to a file of secrets.
bool leavesItsFolderThroughLink(const QString &cleanPath) {
    QString reached; // the real folder walked to so far; empty: the root
    for (const QString &part : cleanPath.split(u'/', Qt::SkipEmptyParts)) {
        const QString next = reached + u'/' + part;
        const QFileInfo info(next);
        if (!info.isSymLink()) {
            reached = next;
            continue;
        }
        const QString target = info.canonicalFilePath();
        if (target.isEmpty() || !isInside(target, reached))
            return true;
        reached = target;
    }
    return false;
}

// Whether Qt knows the file as a picture and can read its size from it.
bool isPicture(const QString &path) {
    const PictureHeader header = pictureHeader(path);
    return header.readable() && header.storedSize.isValid();
}

MediaAddress refused(MediaAddress file, const QString &reason) {
    file.kind = Kind::Refused;
    file.reason = reason;
    return file;
}

// A local file the address names: there, missing, refused, or already in the site.
MediaAddress localFile(const QString &path, const QString &fragment, bool picture,
                       const AddressContext &context) {
    QString clean = QDir::cleanPath(path);
    while (clean.startsWith(u"/../"_s)) // above the root is the root
        clean.remove(0, 3);
    const QFileInfo info(clean);
    MediaAddress file;
    file.path = clean;
    file.fragment = fragment;
    if (!info.isFile() || !info.isReadable()) {
        file.kind = Kind::Missing;
        return file;
    }
    if (leavesItsFolderThroughLink(clean))
        return refused(file, QCoreApplication::translate(
                                 "Builder", "it is reached through a symbolic link that leads "
                                            "out of its folder; put the file itself there"));
    file.kind = isInside(clean, context.destination) ? Kind::InSite : Kind::File;
    // Only a copy brings bytes into the site; what is in it already stays as it is.
    if (file.kind == Kind::File && picture && !isPicture(clean))
        return refused(file, QCoreApplication::translate(
                                 "Builder", "it is not a picture; show pictures only, such as "
                                            "JPEG, PNG or WebP files"));
    return file;
}

} // namespace

MediaAddress resolveMediaAddress(const PageAddress &address, const AddressContext &context) {
    const QString &value = address.value;
    if (value.isEmpty() || value.startsWith(u'#') || value.startsWith(u"//"_s))
        return {};
    if (value.startsWith(u"data:"_s, Qt::CaseInsensitive))
        return address.kind == PageAddress::Kind::Picture ? dataPicture(value) : MediaAddress{};

    const bool picture = address.kind == PageAddress::Kind::Picture;
    const QUrl url(value, QUrl::TolerantMode);
    if (!url.isValid())
        return {};
    const QString fragment = url.fragment(QUrl::FullyEncoded);
    if (url.scheme().compare(u"file"_s, Qt::CaseInsensitive) == 0)
        return localFile(url.toLocalFile(), fragment, picture, context);
    if (!url.scheme().isEmpty())
        return {}; // http, https, mailto and every other scheme stay as they are

    const QString path = url.path(QUrl::FullyDecoded);
    if (path.isEmpty())
        return {}; // only a query
    if (address.kind == PageAddress::Kind::Link && context.pageFiles.contains(path.toLower()))
        return {};
    const bool absolute = path.startsWith(u'/');
    if (!absolute && context.sourceFolder.isEmpty())
        return {};
    MediaAddress file =
        localFile(absolute ? path : context.sourceFolder + u'/' + path, fragment, picture, context);
    file.relative = !absolute;
    // A path link to nothing may be meant for a web server; only pictures and
    // file: links are known to name local files.
    if (file.kind == Kind::Missing && address.kind == PageAddress::Kind::Link &&
        !QFileInfo::exists(file.path))
        return {};
    return file;
}

} // namespace quillsite
