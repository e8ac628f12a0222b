#include "builder/pagefile.h"

#include "builder/atomicfile.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/uio.h>
#include <unistd.h>

namespace quillsite {

namespace {

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Writes all of `pieces` to `fd` in as few calls as the system allows; 0
// when done, else the error number.
int writeAll(int fd, const QList<QByteArrayView> &pieces) {
    std::vector<iovec> vectors;
    vectors.reserve(size_t(pieces.size()));
    for (QByteArrayView piece : pieces) {
        if (!piece.isEmpty())
            vectors.push_back({const_cast<char *>(piece.data()), size_t(piece.size())});
    }
    size_t first = 0;
    while (first < vectors.size()) {
        const int count = int(std::min<size_t>(vectors.size() - first, IOV_MAX));
        const ssize_t written = ::writev(fd, vectors.data() + first, count);
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        // Passes over what was written: whole pieces, then the start of a piece.
        size_t left = size_t(written);
        while (left > 0 && left >= vectors[first].iov_len)
            left -= vectors[first++].iov_len;
        if (left > 0) {
            vectors[first].iov_base = static_cast<char *>(vectors[first].iov_base) + left;
            vectors[first].iov_len -= left;
        }
    }
    return 0;
}

QString replaceFile(const QString &path, const QList<QByteArrayView> &pieces) {
    AtomicFile file(path);
    if (!file.open())
        return file.errorString();
    for (QByteArrayView piece : pieces) {
        if (file.device().write(piece.data(), piece.size()) != piece.size())
            return file.device().errorString();
    }
    return file.commit() ? QString() : file.errorString();
}

} // namespace

QString writePageFile(const QString &path, const QList<QByteArrayView> &pieces) {
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        if (errno == EEXIST)
            return replaceFile(path, pieces);
        return systemReason(errno);
    }
    int error = writeAll(fd, pieces);
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0)
        return {};
    ::unlink(name.constData());
    return systemReason(error);
}

} // namespace quillsite
