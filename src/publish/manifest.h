// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QMap>
#include <QSet>
#include <QString>

#include <optional>

namespace quillsite {

// One file that a publish put on the server. An empty sha256 means the file is
// ours but its content is not known, as while it is being replaced.
struct ManifestEntry {
    QString path;
    qint64 size = 0;
    QString sha256;
};

// What the last publish left on the server, kept there beside the site.
struct Manifest {
    QDateTime time;
    QString version;
    QMap<QString, ManifestEntry> files; // by path
};

QString manifestFileName();
// Larger than any manifest we write for a site of many thousand files.
constexpr qint64 manifestSizeLimit = 16 * 1024 * 1024;

// Compact JSON, gzip-compressed.
QByteArray writeManifest(const Manifest &manifest);

// Reads a manifest found on the server, compressed or not, in the form written now or the one
// written before, which anyone could have written. Paths
// that climb out of the folder, are absolute, or pass through one of links are
// refused, as is anything malformed; error says what.
std::optional<Manifest> readManifest(const QByteArray &bytes, const QSet<QString> &links,
                                     QString *error);

// Whether path is a plain relative path inside the published folder.
bool isSafeRelativePath(const QString &path);

} // namespace quillsite
