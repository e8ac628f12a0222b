// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "publish/manifest.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace quillsite {

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translation catalogues.
struct ManifestText {
    Q_DECLARE_TR_FUNCTIONS(ManifestText)
};

bool isSha256OrUnknown(const QString &text) {
    static const QRegularExpression hex(u"^([0-9a-f]{64})?$"_s);
    return hex.match(text).hasMatch();
}

// Whether the path, or a folder on its way, is one of links.
bool passesThroughLink(const QString &path, const QSet<QString> &links) {
    for (qsizetype slash = 0; slash >= 0; slash = path.indexOf(u'/', slash + 1)) {
        if (slash > 0 && links.contains(path.left(slash)))
            return true;
    }
    return links.contains(path);
}

} // namespace

QString manifestFileName() {
    return u".quillsite-manifest.json"_s;
}

bool isSafeRelativePath(const QString &path) {
    if (path.isEmpty() || path.startsWith(u'/') || path.contains(u'\\') || path.contains(QChar(0)))
        return false;
    const QStringList parts = path.split(u'/');
    for (const QString &part : parts) {
        if (part.isEmpty() || part == u"."_s || part == u".."_s)
            return false;
    }
    return true;
}

QByteArray writeManifest(const Manifest &manifest) {
    QJsonArray files;
    for (const ManifestEntry &entry : manifest.files)
        files.append(QJsonObject{
            {u"path"_s, entry.path}, {u"size"_s, entry.size}, {u"sha256"_s, entry.sha256}});
    const QJsonObject root{{u"time"_s, manifest.time.toUTC().toString(Qt::ISODate)},
                           {u"version"_s, manifest.version},
                           {u"files"_s, files}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<Manifest> readManifest(const QByteArray &bytes, const QSet<QString> &links,
                                     QString *error) {
    if (bytes.size() > manifestSizeLimit) {
        *error = ManifestText::tr("The manifest is too large.");
        return std::nullopt;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (!document.isObject()) {
        *error = ManifestText::tr("The manifest is not readable: %1").arg(parseError.errorString());
        return std::nullopt;
    }
    const QJsonObject root = document.object();
    Manifest manifest;
    manifest.time = QDateTime::fromString(root.value(u"time"_s).toString(), Qt::ISODate);
    manifest.version = root.value(u"version"_s).toString();
    if (!root.value(u"files"_s).isArray()) {
        *error = ManifestText::tr("The manifest lists no files.");
        return std::nullopt;
    }
    const QJsonArray files = root.value(u"files"_s).toArray();
    for (const QJsonValue &value : files) {
        const QJsonObject object = value.toObject();
        ManifestEntry entry{object.value(u"path"_s).toString(),
                            object.value(u"size"_s).toInteger(-1),
                            object.value(u"sha256"_s).toString()};
        if (!isSafeRelativePath(entry.path) || entry.path == manifestFileName()) {
            *error = ManifestText::tr("The manifest names a file outside the published folder: %1")
                         .arg(entry.path);
            return std::nullopt;
        }
        if (passesThroughLink(entry.path, links)) {
            *error =
                ManifestText::tr("The manifest names a file reached through a symbolic link: %1")
                    .arg(entry.path);
            return std::nullopt;
        }
        if (entry.size < 0 || !object.value(u"sha256"_s).isString() ||
            !isSha256OrUnknown(entry.sha256)) {
            *error = ManifestText::tr("The manifest's entry for %1 is malformed.").arg(entry.path);
            return std::nullopt;
        }
        manifest.files.insert(entry.path, entry);
    }
    return manifest;
}

} // namespace quillsite
