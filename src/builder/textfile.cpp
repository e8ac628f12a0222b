// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/textfile.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillsite {

namespace {

QString tooLarge() {
    return QCoreApplication::translate("Builder", "It is larger than %1 MB, too large for a page. "
                                                  "Give a smaller file")
        .arg(maxTextFileBytes / (1024 * 1024));
}

QString linkRefused() {
    return QCoreApplication::translate("Builder",
                                       "It is a symbolic link to a file elsewhere, and a page of a "
                                       "site is read only from a file inside the site's folder. "
                                       "Put the page file itself into the folder");
}

// Why a file of this kind and size can't be read as text, or empty when it can.
QString unusableFile(const struct stat &status) {
    if (S_ISDIR(status.st_mode))
        return QCoreApplication::translate("Builder", "It is a folder, not a file");
    if (!S_ISREG(status.st_mode))
        return QCoreApplication::translate(
            "Builder", "It is not an ordinary file but a pipe, device or socket. Give an "
                       "ordinary file");
    if (status.st_size > maxTextFileBytes)
        return tooLarge();
    return {};
}

// Reads what `fd` holds up to one byte past the limit; 0 when done, else the error number.
int readAll(int fd, QByteArray &bytes, qint64 expected) {
    bytes.resize(qsizetype(expected) + 1);
    qsizetype filled = 0;
    while (filled < bytes.size()) {
        const ssize_t read = ::read(fd, bytes.data() + filled, size_t(bytes.size() - filled));
        if (read < 0 && errno == EINTR)
            continue;
        if (read < 0)
            return errno;
        if (read == 0)
            break;
        filled += read;
        // A file that grows while it is read is read on, up to the limit. One that gave less
        // than asked for is at its end: only ordinary files come here.
        if (filled < bytes.size())
            break;
        if (filled <= maxTextFileBytes)
            bytes.resize(std::min<qsizetype>(filled * 2, maxTextFileBytes + 1));
    }
    bytes.truncate(filled);
    return 0;
}

} // namespace

TextFileBytes readTextFile(const QString &path, LinkPolicy links) {
    // Opened without blocking, so that a pipe with no writer does not wait for ever.
    const int noLinks = links == LinkPolicy::Refuse ? O_NOFOLLOW : 0;
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | noLinks);
    if (fd < 0 && errno == ELOOP && noLinks != 0)
        return {{}, {path, linkRefused()}};
    if (fd < 0)
        return {{}, systemError(path, errno)};
    TextFileBytes file;
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        file.error = systemError(path, errno);
    else if (const QString problem = unusableFile(status); !problem.isEmpty())
        file.error = {path, problem};
    else if (const int error = readAll(fd, file.bytes, status.st_size); error != 0)
        file.error = systemError(path, error);
    else if (file.bytes.size() > maxTextFileBytes)
        file.error = {path, tooLarge()};
    ::close(fd);
    if (file.error.failed())
        file.bytes.clear();
    return file;
}

} // namespace quillsite
