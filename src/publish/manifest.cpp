// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "publish/manifest.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <zlib.h>

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

// gzip's mark at the start of a stream; a manifest in JSON starts with '{'.
bool isCompressed(const QByteArray &bytes) {
    return bytes.startsWith("\x1f\x8b");
}

QByteArray compressed(const QByteArray &bytes) {
    z_stream stream{};
    // 15 + 16: a gzip stream, which the tools on any server can open.
    if (deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY) !=
        Z_OK)
        return {};
    QByteArray out(qsizetype(deflateBound(&stream, uLong(bytes.size()))), Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(bytes.constData()));
    stream.avail_in = uInt(bytes.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    const int result = deflate(&stream, Z_FINISH);
    out.truncate(qsizetype(stream.total_out));
    deflateEnd(&stream);
    return result == Z_STREAM_END ? out : QByteArray();
}

// What a manifest read from the server unpacks to, never more than the limit of one: a small
// file that would unpack to gigabytes is refused, not unpacked.
std::optional<QByteArray> uncompressed(const QByteArray &bytes) {
    z_stream stream{};
    if (inflateInit2(&stream, 15 + 16) != Z_OK)
        return std::nullopt;
    QByteArray out;
    QByteArray buffer(64 * 1024, Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(bytes.constData()));
    stream.avail_in = uInt(bytes.size());
    int result = Z_OK;
    while (result == Z_OK && out.size() <= manifestSizeLimit) {
        stream.next_out = reinterpret_cast<Bytef *>(buffer.data());
        stream.avail_out = uInt(buffer.size());
        result = inflate(&stream, Z_NO_FLUSH);
        out.append(buffer.constData(), buffer.size() - qsizetype(stream.avail_out));
    }
    inflateEnd(&stream);
    // Only a whole stream with nothing after it is a manifest we wrote.
    if (result != Z_STREAM_END || stream.avail_in != 0 || out.size() > manifestSizeLimit)
        return std::nullopt;
    return out;
}

// An entry as written now, [path, size, sha256], or as manifests were written before, an
// object with those keys.
ManifestEntry readEntry(const QJsonValue &value, bool *hashIsText) {
    if (value.isArray()) {
        const QJsonArray fields = value.toArray();
        *hashIsText = fields.size() == 3 && fields.at(2).isString();
        return {fields.at(0).toString(), fields.size() == 3 ? fields.at(1).toInteger(-1) : -1,
                fields.at(2).toString()};
    }
    const QJsonObject object = value.toObject();
    *hashIsText = object.value(u"sha256"_s).isString();
    return {object.value(u"path"_s).toString(), object.value(u"size"_s).toInteger(-1),
            object.value(u"sha256"_s).toString()};
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

// Compact and compressed: it is read at the start of every publish and written twice by one
// that sends files, and over a distant link each further 14 KB can cost a round trip.
QByteArray writeManifest(const Manifest &manifest) {
    QJsonArray files;
    for (const ManifestEntry &entry : manifest.files)
        files.append(QJsonArray{entry.path, entry.size, entry.sha256});
    const QJsonObject root{{u"time"_s, manifest.time.toUTC().toString(Qt::ISODate)},
                           {u"version"_s, manifest.version},
                           {u"files"_s, files}};
    const QByteArray json = QJsonDocument(root).toJson(QJsonDocument::Compact);
    // Uncompressed it is still read: better larger than no manifest.
    const QByteArray packed = compressed(json);
    return packed.isEmpty() ? json : packed;
}

std::optional<Manifest> readManifest(const QByteArray &bytes, const QSet<QString> &links,
                                     QString *error) {
    if (bytes.size() > manifestSizeLimit) {
        *error = ManifestText::tr("The manifest is too large.");
        return std::nullopt;
    }
    const std::optional<QByteArray> json =
        isCompressed(bytes) ? uncompressed(bytes) : std::optional<QByteArray>(bytes);
    if (!json) {
        *error = ManifestText::tr("The manifest is damaged or too large.");
        return std::nullopt;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(*json, &parseError);
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
        bool hashIsText = false;
        const ManifestEntry entry = readEntry(value, &hashIsText);
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
        if (entry.size < 0 || !hashIsText || !isSha256OrUnknown(entry.sha256)) {
            *error = ManifestText::tr("The manifest's entry for %1 is malformed.").arg(entry.path);
            return std::nullopt;
        }
        manifest.files.insert(entry.path, entry);
    }
    return manifest;
}

} // namespace quillsite
