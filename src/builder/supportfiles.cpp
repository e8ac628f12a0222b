// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/supportfiles.h"

#include "builder/atomicfile.h"
#include "builder/makefolder.h"
#include "builder/templatelinks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>

#include <memory>

#include <dirent.h>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

// Copies go through one buffer of this size, reused for every chunk.
constexpr qint64 copyChunkBytes = 64 * 1024;

// The name (spelled as best it can be) of an entry of `folder` whose name is
// not valid UTF-8, or empty when there is none.
QString nonUtf8Name(const QString &folder) {
    const std::unique_ptr<DIR, int (*)(DIR *)> dir(::opendir(QFile::encodeName(folder).constData()),
                                                   ::closedir);
    if (!dir)
        return {};
    while (const dirent *entry = ::readdir(dir.get())) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString name = utf8(QByteArrayView(entry->d_name));
        if (utf8.hasError())
            return name;
    }
    return {};
}

class PlanWalker final {
public:
    PlanWalker(const QString &source, const QString &target)
        : m_source(source)
        , m_target(target)
        , m_template(QFileInfo(QFileInfo(source).absolutePath()).canonicalFilePath()) {}

    SupportFilePlan walk() {
        const QFileInfo source(m_source);
        if (leavesTemplate(source))
            return std::move(m_plan);
        if (const QFileInfo target(m_target); target.isSymLink())
            fail(m_target, symbolicLinkProblem());
        else if (target.isDir() && !target.isWritable())
            fail(m_target, QCoreApplication::translate(
                               "Builder", "You are not allowed to write in this folder"));
        else
            visit(QString());
        return std::move(m_plan);
    }

private:
    bool failed() const { return m_plan.error.failed(); }

    void fail(const QString &path, const QString &reason) {
        if (!failed())
            m_plan.error = {path, reason};
    }

    // Whether `entry` is a link that leads out of the template, which is then
    // left out: a template must not copy files such as ~/.ssh into a site.
    bool leavesTemplate(const QFileInfo &entry) {
        const QString problem = linkOutOfTemplate(entry, m_template);
        if (problem.isEmpty())
            return false;
        m_plan.leftOut.append({entry.filePath(), problem});
        return true;
    }

    void visitEntry(const QFileInfo &entry, const QString &relative) {
        if (entry.isSymLink() && !entry.exists())
            return fail(entry.filePath(),
                        QCoreApplication::translate("Builder", "The link leads nowhere"));
        if (leavesTemplate(entry))
            return;
        if (entry.isDir()) {
            // A link back into a folder being listed would never end.
            if (!m_listing.contains(entry.canonicalFilePath()))
                addFolder(relative);
        } else if (entry.isFile()) {
            if (!entry.isReadable())
                return fail(entry.filePath(),
                            QCoreApplication::translate("Builder",
                                                        "You are not allowed to read this file"));
            addFile(relative, entry.size());
        } else if (entry.exists()) {
            m_plan.leftOut.append(
                {entry.filePath(),
                 QCoreApplication::translate(
                     "Builder", "It is not an ordinary file but a pipe, device or socket")});
        }
    }

    QString sourcePath(const QString &relative) const {
        return relative.isEmpty() ? m_source : m_source + u'/' + relative;
    }

    QString targetPath(const QString &relative) const { return m_target + u'/' + relative; }

    void visit(const QString &relative) {
        const QString folder = sourcePath(relative);
        const QString canonical = QFileInfo(folder).canonicalFilePath();
        QDir dir(folder);
        if (!dir.isReadable())
            return fail(folder, QCoreApplication::translate("Builder", "The folder can't be read"));
        // Qt lists only names that are valid UTF-8; any other would be left out unseen.
        if (const QString name = nonUtf8Name(folder); !name.isEmpty())
            return fail(folder + u'/' + name,
                        QCoreApplication::translate(
                            "Builder", "The name is not valid UTF-8, so the file can't be copied. "
                                       "Rename it"));
        m_listing.insert(canonical);
        const QFileInfoList entries = dir.entryInfoList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
        for (const QFileInfo &entry : entries) {
            if (failed())
                break;
            visitEntry(entry,
                       relative.isEmpty() ? entry.fileName() : relative + u'/' + entry.fileName());
        }
        m_listing.remove(canonical);
    }

    void addFolder(const QString &relative) {
        const QFileInfo target(targetPath(relative));
        if (target.isSymLink())
            return fail(target.filePath(), symbolicLinkProblem());
        if (target.exists() && !target.isDir())
            return fail(target.filePath(),
                        QCoreApplication::translate(
                            "Builder", "A file stands where the folder is to be made"));
        if (target.isDir() && !target.isWritable())
            return fail(target.filePath(),
                        QCoreApplication::translate("Builder",
                                                    "You are not allowed to write in this folder"));
        m_plan.folders.append(relative);
        visit(relative);
    }

    void addFile(const QString &relative, qint64 size) {
        const QFileInfo target(targetPath(relative));
        if (target.isSymLink())
            return fail(target.filePath(), symbolicLinkProblem());
        if (target.isDir())
            return fail(target.filePath(),
                        QCoreApplication::translate(
                            "Builder", "A folder stands where the file is to be copied"));
        m_plan.files.append(relative);
        m_plan.totalBytes += size;
    }

    QString m_source;
    QString m_target;
    QString m_template;      // canonical
    QSet<QString> m_listing; // canonical paths of the folders being listed
    SupportFilePlan m_plan;
};

// Copies one file by way of AtomicFile.
FileError copyFile(const QString &from, const QString &to,
                   const std::function<void(qint64)> &copiedBytes, RenamePass *pass) {
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return {from, source.errorString()};
    AtomicFile target(to, pass);
    if (FileError error = target.open(); error.failed())
        return error;
    QByteArray buffer(copyChunkBytes, Qt::Uninitialized);
    for (;;) {
        const qint64 read = source.read(buffer.data(), buffer.size());
        if (read < 0)
            return {from, source.errorString()};
        if (read == 0)
            break;
        if (FileError error = target.write({QByteArrayView(buffer).first(read)}); error.failed())
            return error;
        copiedBytes(read);
    }
    return target.commit();
}

} // namespace

SupportFilePlan planSupportFiles(const QString &sourceFolder, const QString &targetFolder) {
    if (!QFileInfo(sourceFolder).isDir())
        return {};
    return PlanWalker(sourceFolder, targetFolder).walk();
}

CopyOutcome copySupportFiles(const SupportFilePlan &plan, const QString &sourceFolder,
                             const QString &targetFolder, const std::function<void(qint64)> &copied,
                             RenamePass *pass) {
    CopyOutcome outcome;
    for (const QString &folder : plan.folders) {
        const QString path = targetFolder + u'/' + folder;
        if (FileError error = makeFolder(path); error.failed())
            return {outcome.filesCopied, error};
    }
    qint64 bytes = 0;
    const auto count = [&](qint64 chunk) {
        bytes += chunk;
        if (copied)
            copied(bytes);
    };
    for (const QString &file : plan.files) {
        const QString from = sourceFolder + u'/' + file;
        if (FileError error = copyFile(from, targetFolder + u'/' + file, count, pass);
            error.failed())
            return {outcome.filesCopied, error};
        ++outcome.filesCopied;
    }
    return outcome;
}

} // namespace quillsite
