// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "publish/sitefile.h"

#include "publish/manifest.h"
#include "publish/uploadname.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <memory>

#include <openssl/evp.h>

namespace quillsite {

using namespace Qt::StringLiterals;

// OpenSSL's SHA-256 uses the processor's SHA instructions where it has them, many times
// faster than QCryptographicHash: hashing the whole site is most of a publish that sends little.
QString fileSha256(const QString &fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(),
                                                                          &EVP_MD_CTX_free);
    if (!context || EVP_DigestInit_ex(context.get(), EVP_sha256(), nullptr) != 1)
        return {};
    QByteArray buffer(256 * 1024, Qt::Uninitialized);
    for (qint64 count; (count = file.read(buffer.data(), buffer.size())) != 0;) {
        if (count < 0 || EVP_DigestUpdate(context.get(), buffer.constData(), size_t(count)) != 1)
            return {};
    }
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_DigestFinal_ex(context.get(), digest, &length) != 1)
        return {};
    return QString::fromLatin1(
        QByteArray::fromRawData(reinterpret_cast<const char *>(digest), length).toHex());
}

QStringList siteFolders(const QString &folder) {
    const QString root = QFileInfo(folder).canonicalFilePath();
    QStringList folders;
    if (root.isEmpty())
        return folders;
    QDirIterator it(root, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::NoSymLinks,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        folders.append(it.next().mid(root.size() + 1));
    return folders;
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
