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

bool writeTree(const QList<SiteFile> &files, const QString &folder) {
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
        const int fd = ::open(QFile::encodeName(path).constData(),
                              O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0)
            return false;
        const char *data = file.bytes.constData();
        qsizetype left = file.bytes.size();
        while (left > 0) {
            const ssize_t written = ::write(fd, data, size_t(left));
            if (written <= 0) {
                ::close(fd);
                return false;
            }
            data += written;
            left -= written;
        }
        if (::close(fd) != 0)
            return false;
    }
    return true;
}

} // namespace quillsite::bench
