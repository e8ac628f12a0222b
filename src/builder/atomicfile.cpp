#include "builder/atomicfile.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

// Tries this many names before giving up on finding a free temporary name.
constexpr int maxNameAttempts = 100;

QString temporaryName(const QString &folder, int attempt) {
    return u"%1/.quillsite-%2-%3.tmp"_s.arg(folder)
        .arg(QCoreApplication::applicationPid())
        .arg(attempt);
}

} // namespace

AtomicFile::AtomicFile(const QString &path)
    : m_path(path) {}

AtomicFile::~AtomicFile() {
    if (m_temporary.isOpen())
        m_temporary.close();
    if (!m_committed && !m_temporary.fileName().isEmpty())
        m_temporary.remove();
}

bool AtomicFile::open() {
    const QString folder = QFileInfo(m_path).path();
    for (int attempt = 0; attempt < maxNameAttempts; ++attempt) {
        m_temporary.setFileName(temporaryName(folder, attempt));
        if (m_temporary.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return true;
        if (!QFileInfo::exists(m_temporary.fileName()))
            break;
    }
    const QString reason = m_temporary.errorString();
    m_temporary.setFileName(QString());
    return fail(reason);
}

bool AtomicFile::commit() {
    if (!m_temporary.isOpen())
        return fail(u"The file was not opened"_s);
    m_temporary.close();
    if (m_temporary.error() != QFileDevice::NoError)
        return fail(m_temporary.errorString());
    const QFileInfo existing(m_path);
    if (existing.exists())
        m_temporary.setPermissions(existing.permissions());

    if (std::rename(QFile::encodeName(m_temporary.fileName()).constData(),
                    QFile::encodeName(m_path).constData()) != 0)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    m_committed = true;
    return true;
}

bool AtomicFile::fail(const QString &reason) {
    m_error = reason;
    return false;
}

} // namespace quillsite
