// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/atomicfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/uio.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

// Tries this many names before giving up on finding a free temporary name.
constexpr int maxNameAttempts = 100;

// ".quillsite-<process id>-<number>.tmp"
const QRegularExpression temporaryNamePattern(u"^\\.quillsite-(\\d+)-\\d+\\.tmp$"_s);

// Numbers the temporary files of this process, many of which may wait in
// one folder at once for a RenamePass.
std::atomic<quint64> temporaryCount = 0;

QString temporaryName(const QString &folder) {
    static const qint64 pid = QCoreApplication::applicationPid();
    return u"%1/.quillsite-%2-%3.tmp"_s.arg(folder).arg(pid).arg(temporaryCount++);
}

QString folderOf(const QString &path) {
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? u"."_s : slash == 0 ? u"/"_s : path.first(slash);
}

// Writes all of `vectors` to `fd`, as many at a time as the system takes; 0
// when done, else the error number.
int writeAll(int fd, std::vector<iovec> &vectors) {
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

bool processRuns(qint64 pid) {
    return pid == QCoreApplication::applicationPid() || ::kill(pid_t(pid), 0) == 0 ||
           errno != ESRCH;
}

} // namespace

RenamePass::~RenamePass() {
    for (const Waiting &file : std::as_const(m_waiting))
        ::unlink(file.temporary.constData());
}

void RenamePass::add(const QByteArray &temporary, const QString &path) {
    const QMutexLocker lock(&m_mutex);
    m_waiting.append({temporary, path});
}

FileError RenamePass::run() {
    const QMutexLocker lock(&m_mutex);
    while (!m_waiting.isEmpty()) {
        const Waiting &file = m_waiting.constFirst();
        if (std::rename(file.temporary.constData(), QFile::encodeName(file.path).constData()) != 0)
            return systemError(file.path, errno);
        m_waiting.removeFirst();
    }
    return {};
}

AtomicFile::AtomicFile(const QString &path, RenamePass *pass, Target target)
    : m_path(path)
    , m_pass(pass)
    , m_target(target) {}

AtomicFile::~AtomicFile() {
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_committed && !m_temporary.isEmpty())
        ::unlink(m_temporary.constData());
}

FileError AtomicFile::open() {
    const QString folder = folderOf(m_path);
    for (int attempt = 0; attempt < maxNameAttempts; ++attempt) {
        const QByteArray name = QFile::encodeName(temporaryName(folder));
        m_fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_fd >= 0) {
            m_temporary = name;
            return {};
        }
        if (errno != EEXIST)
            break;
    }
    return systemError(m_path, errno);
}

FileError AtomicFile::write(const QList<QByteArrayView> &pieces) {
    if (m_fd < 0)
        return fail(EBADF);
    std::vector<iovec> vectors;
    vectors.reserve(size_t(pieces.size()));
    for (QByteArrayView piece : pieces) {
        if (!piece.isEmpty())
            vectors.push_back({const_cast<char *>(piece.data()), size_t(piece.size())});
    }
    if (const int error = writeAll(m_fd, vectors); error != 0)
        return fail(error);
    return {};
}

FileError AtomicFile::setModificationTime(const QDateTime &time) {
    if (m_fd < 0)
        return fail(EBADF);
    const qint64 ms = time.toMSecsSinceEpoch();
    const timespec times[2] = {{0, UTIME_OMIT}, {time_t(ms / 1000), long(ms % 1000) * 1000000}};
    if (::futimens(m_fd, times) != 0)
        return fail(errno);
    return {};
}

FileError AtomicFile::finish() {
    if (m_fd < 0)
        return fail(EBADF);
    const int fd = std::exchange(m_fd, -1);
    // A replaced file keeps its permissions; a new one has those of any new file.
    struct stat existing {};
    if (m_target == Target::MayExist &&
        ::stat(QFile::encodeName(m_path).constData(), &existing) == 0)
        ::fchmod(fd, existing.st_mode & 07777);
    if (::close(fd) != 0)
        return fail(errno);
    m_finished = true;
    return {};
}

FileError AtomicFile::commit() {
    if (m_committed)
        return fail(EBADF);
    if (!m_finished) {
        if (FileError error = finish(); error.failed())
            return error;
    }
    if (m_pass) {
        m_pass->add(m_temporary, m_path);
        m_committed = true;
        return {};
    }
    if (std::rename(m_temporary.constData(), QFile::encodeName(m_path).constData()) != 0)
        return fail(errno);
    m_committed = true;
    return {};
}

FileError AtomicFile::fail(int error) {
    return systemError(m_path, error);
}

FileError writeFileAtomically(const QString &path, const QList<QByteArrayView> &pieces,
                              RenamePass *pass) {
    AtomicFile file(path, pass);
    if (FileError error = file.open(); error.failed())
        return error;
    if (FileError error = file.write(pieces); error.failed())
        return error;
    return file.commit();
}

void removeLeftoverTemporaryFiles(const QString &folder) {
    const QDir dir(folder);
    const QStringList names =
        dir.entryList({u".quillsite-*.tmp"_s}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        const QRegularExpressionMatch match = temporaryNamePattern.match(name);
        if (match.hasMatch() && !processRuns(match.captured(1).toLongLong()))
            QFile::remove(dir.filePath(name));
    }
}

} // namespace quillsite
