// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plainwrite.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSet>

#include <fcntl.h>
#include <unistd.h>

namespace quillsite::bench {

QList<SiteFile> readTree(const QString &folder) {
    QList<SiteFile> files;
    const QDir root(folder);
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly))
            files.append({root.relativeFilePath(file.fileName()), file.readAll()});
    }
    return files;
}

namespace {

bool writeAll(int fd, const QByteArray &bytes) {
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

bool writeFile(const QByteArray &path, const QByteArray &bytes, int flags) {
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_CLOEXEC | flags, 0644);
    if (fd < 0)
        return false;
    const bool written = writeAll(fd, bytes);
    return ::close(fd) == 0 && written;
}

} // namespace

bool writeTree(const QList<SiteFile> &files, const QString &folder, WriteMode mode) {
    const QDir root(folder);
    QSet<QString> madeFolders;
    for (const SiteFile &file : files) {
        const QString path = root.filePath(file.relativePath);
        const QString parent = QFileInfo(path).path();
        if (!madeFolders.contains(parent)) {
            if (!QDir().mkpath(parent))
                return false;
            madeFolders.insert(parent);
        }
        const QByteArray target = QFile::encodeName(path);
        if (mode == WriteMode::Plain) {
            if (!writeFile(target, file.bytes, O_TRUNC))
                return false;
            continue;
        }
        const QByteArray temporary = QFile::encodeName(parent) + "/.bench.tmp";
        if (!writeFile(temporary, file.bytes, O_EXCL) ||
            ::rename(temporary.constData(), target.constData()) != 0)
            return false;
    }
    return true;
}

} // namespace quillsite::bench
