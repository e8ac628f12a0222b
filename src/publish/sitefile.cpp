// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "publish/sitefile.h"

#include "publish/folderdestination.h"
#include "publish/manifest.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace quillsite {

using namespace Qt::StringLiterals;

QString fileSha256(const QString &fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return {};
    return QString::fromLatin1(hash.result().toHex());
}

bool scanSite(const QString &folder, QList<SiteFile> *files, QStringList *warnings,
              QString *error) {
    files->clear();
    const QFileInfo root(folder);
    if (!root.isDir()) {
        *error = QCoreApplication::translate("SiteFile", "The site folder %1 does not exist.")
                     .arg(folder);
        return false;
    }
    const QString canonicalRoot = root.canonicalFilePath();
    QDirIterator it(canonicalRoot,
                    QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info = it.nextFileInfo();
        const QString path = info.filePath().mid(canonicalRoot.size() + 1);
        if (info.isDir() && !info.isSymLink())
            continue;
        // A linked folder may lead anywhere, even back into itself; it is not followed.
        if (info.isDir()) {
            warnings->append(QCoreApplication::translate(
                                 "SiteFile", "%1 links to a folder; it is not published.")
                                 .arg(path));
            continue;
        }
        if (isTemporaryName(path) || path == manifestFileName())
            continue;
        if (!info.isFile()) {
            warnings->append(QCoreApplication::translate(
                                 "SiteFile", "%1 is not an ordinary file; it is not published.")
                                 .arg(path));
            continue;
        }
        if (info.isSymLink() && !info.canonicalFilePath().startsWith(canonicalRoot + u'/')) {
            warnings->append(
                QCoreApplication::translate(
                    "SiteFile", "%1 links to a file outside the site; it is not published.")
                    .arg(path));
            continue;
        }
        SiteFile file{path, info.size(), fileSha256(info.filePath()), info.filePath()};
        if (file.sha256.isEmpty()) {
            *error =
                QCoreApplication::translate("SiteFile", "Cannot read %1 in the site.").arg(path);
            return false;
        }
        files->append(file);
    }
    std::sort(files->begin(), files->end(),
              [](const SiteFile &a, const SiteFile &b) { return a.path < b.path; });
    return true;
}

} // namespace quillsite
