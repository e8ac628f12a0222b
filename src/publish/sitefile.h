// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>

namespace quillsite {

// One file of the built site: where it goes, what it holds, and where it is here.
struct SiteFile {
    QString path; // relative to the site's folder, '/'-separated
    qint64 size = 0;
    QString sha256; // lower-case hex
    QString localFile;
};

// Reads every file below folder with its size and SHA-256. Symbolic links are
// followed only when they stay inside the folder. Returns false and says why
// in error when the folder or a file can't be read.
bool scanSite(const QString &folder, QList<SiteFile> *files, QStringList *warnings, QString *error);

// The folders below folder, '/'-separated and relative to it, found without reading a file:
// what a publish can ask the server after before the site is hashed. Linked ones are left out.
QStringList siteFolders(const QString &folder);

// The SHA-256 of a file in lower-case hex, or an empty string when it can't be read.
QString fileSha256(const QString &fileName);

} // namespace quillsite
