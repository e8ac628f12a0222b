// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "publish/folderdestination.h"

#include "publish/uploadname.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace quillsite {

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translation catalogues.
struct FolderText {
    Q_DECLARE_TR_FUNCTIONS(FolderText)
};

PublishError errorFromErrno(int code, const QString &what) {
    PublishError error;
    error.kind =
        code == ENOSPC || code == EDQUOT ? PublishError::Kind::NoSpace : PublishError::Kind::Failed;
    error.message = what + u": "_s + QString::fromLocal8Bit(std::strerror(code));
    return error;
}

} // namespace

FolderDestination::FolderDestination(const QString &folder)
    : m_folder(QDir::cleanPath(folder)) {}

PublishError FolderDestination::open() {
    const QFileInfo info(m_folder);
    if (info.isDir() || (!info.exists() && QFileInfo(info.absolutePath()).isDir()))
        return {};
    return {PublishError::Kind::Connect,
            FolderText::tr("The folder %1 does not exist, nor does the folder it would be made in.")
                .arg(m_folder),
            {}};
}

std::optional<QString> FolderDestination::placeOf(const QString &path) const {
    QString place = m_folder;
    const QStringList parts = path.split(u'/');
    for (const QString &part : parts) {
        place += u'/' + part;
        if (QFileInfo(place).isSymLink())
            return std::nullopt;
    }
    return place;
}

PublishError FolderDestination::readFile(const QString &path, qint64 limit, QByteArray *bytes) {
    const std::optional<QString> place = placeOf(path);
    if (!place)
        return {PublishError::Kind::Failed,
                FolderText::tr("%1 is reached through a symbolic link; it is not read.").arg(path),
                {}};
    QFile file(*place);
    if (!file.exists())
        return {PublishError::Kind::NotFound, FolderText::tr("%1 is not there.").arg(path), {}};
    if (!file.open(QIODevice::ReadOnly))
        return {PublishError::Kind::Failed,
                FolderText::tr("Cannot read %1: %2").arg(path, file.errorString()),
                {}};
    if (file.size() > limit)
        return {PublishError::Kind::Failed,
                FolderText::tr("%1 is too large to be ours.").arg(path),
                {}};
    *bytes = file.read(limit);
    return {};
}

PublishError FolderDestination::list(QList<RemoteEntry> *entries) {
    entries->clear();
    if (!QFileInfo(m_folder).isDir())
        return {};
    QDirIterator it(m_folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info = it.nextFileInfo();
        RemoteEntry entry;
        entry.path = info.filePath().mid(m_folder.size() + 1);
        entry.isLink = info.isSymLink();
        entry.isFolder = !entry.isLink && info.isDir();
        entry.size = entry.isLink || entry.isFolder ? 0 : info.size();
        entries->append(entry);
    }
    return {};
}

PublishError FolderDestination::copyInto(const QString &target, const QString &localFile) {
    QFile source(localFile);
    if (!source.open(QIODevice::ReadOnly))
        return {PublishError::Kind::Failed,
                FolderText::tr("Cannot read %1: %2").arg(localFile, source.errorString()),
                {}};
    const QString temporary = temporaryUploadName(target);
    // What a stopped publish left there goes; so does a link put in its place, which is
    // removed, never followed.
    QFile::remove(temporary);
    QFile out(temporary);
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return errorFromErrno(errno, FolderText::tr("Cannot write %1").arg(temporary));
    auto fail = [&](int code) {
        out.close();
        QFile::remove(temporary);
        return errorFromErrno(code, FolderText::tr("Cannot write %1").arg(target));
    };
    QByteArray chunk;
    while (!(chunk = source.read(1 << 20)).isEmpty()) {
        if (m_cancelled)
            return fail(ECANCELED);
        if (out.write(chunk) != chunk.size() || !out.flush())
            return fail(errno ? errno : EIO);
    }
    if (::fsync(out.handle()) != 0)
        return fail(errno);
    out.close();
    if (std::rename(QFile::encodeName(temporary).constData(),
                    QFile::encodeName(target).constData()) != 0) {
        const int code = errno;
        QFile::remove(temporary);
        return errorFromErrno(code, FolderText::tr("Cannot put %1 in place").arg(target));
    }
    return {};
}

PublishError FolderDestination::put(const QString &path, const QString &localFile) {
    const std::optional<QString> place = placeOf(path);
    if (!place)
        return {
            PublishError::Kind::Failed,
            FolderText::tr("%1 is reached through a symbolic link; it is not written.").arg(path),
            {}};
    errno = 0;
    if (!QDir().mkpath(QFileInfo(*place).path()))
        return errorFromErrno(errno ? errno : EIO,
                              FolderText::tr("Cannot make the folder of %1").arg(path));
    return copyInto(*place, localFile);
}

PublishError FolderDestination::remove(const QString &path) {
    const std::optional<QString> place = placeOf(path);
    if (!place)
        return {
            PublishError::Kind::Failed,
            FolderText::tr("%1 is reached through a symbolic link; it is not removed.").arg(path),
            {}};
    if (::unlink(QFile::encodeName(*place).constData()) != 0) {
        if (errno == ENOENT)
            return {PublishError::Kind::NotFound, FolderText::tr("%1 is not there.").arg(path), {}};
        return errorFromErrno(errno, FolderText::tr("Cannot remove %1").arg(path));
    }
    // Folders that held only our files go with them; rmdir leaves any that hold more.
    QDir parent = QFileInfo(*place).dir();
    while (parent.absolutePath() != m_folder && parent.rmdir(parent.absolutePath()))
        parent.cdUp();
    return {};
}

PublishError FolderDestination::finish(const QString &) {
    return {};
}

void FolderDestination::cancel() {
    m_cancelled = true;
}

} // namespace quillsite
