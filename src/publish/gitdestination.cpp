// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "publish/gitdestination.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>

namespace quillsite {

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translation catalogues.
struct GitText {
    Q_DECLARE_TR_FUNCTIONS(GitText)
};

QString workFolderFor(const QString &url, const QString &branch) {
    const QByteArray key =
        QCryptographicHash::hash((url + u'#' + branch).toUtf8(), QCryptographicHash::Sha256)
            .toHex();
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           u"/quillsite/git/"_s + QString::fromLatin1(key.left(20));
}

bool isInsideGitFolder(const QString &path) {
    return path == u".git"_s || path.startsWith(u".git/"_s);
}

} // namespace

GitDestination::GitDestination(const DestinationAddress &address)
    : m_url(address.gitUrl)
    , m_branch(address.branch)
    , m_workFolder(workFolderFor(address.gitUrl, address.branch))
    , m_tree(m_workFolder) {}

bool GitDestination::git(const QStringList &arguments, QString *out, QString *err) const {
    QProcess process;
    process.setProgram(u"git"_s);
    // A stalled transfer over HTTP ends after a minute instead of hanging.
    process.setArguments(QStringList{u"-C"_s, m_workFolder, u"-c"_s, u"http.lowSpeedLimit=1"_s,
                                     u"-c"_s, u"http.lowSpeedTime=60"_s} +
                         arguments);
    process.setInputChannelMode(QProcess::ForwardedInputChannel);
    process.start();
    const bool ran = process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit;
    if (out)
        *out = QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
    if (err)
        *err = process.error() == QProcess::FailedToStart
                   ? GitText::tr("git is not installed or cannot be run.")
                   : QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    return ran && process.exitCode() == 0;
}

PublishError GitDestination::gitFailure(PublishError::Kind kind, const QString &what,
                                        const QString &said) const {
    return {kind, what + u"\n"_s + said, {}};
}

PublishError GitDestination::open() {
    const bool hadWorkCopy = QDir(m_workFolder).exists();
    PublishError error = prepareWorkCopy();
    if (error.failed() && error.kind != PublishError::Kind::Connect && hadWorkCopy) {
        // A publish killed half-way may leave git's own locks behind; the copy is only a
        // cache of the branch, so a fresh one serves.
        QDir(m_workFolder).removeRecursively();
        error = prepareWorkCopy();
    }
    return error;
}

PublishError GitDestination::prepareWorkCopy() {
    QString said;
    if (!QDir(m_workFolder + u"/.git"_s).exists()) {
        if (!QDir().mkpath(m_workFolder) || !git({u"init"_s, u"-q"_s}, nullptr, &said) ||
            !git({u"remote"_s, u"add"_s, u"origin"_s, m_url}, nullptr, &said))
            return gitFailure(PublishError::Kind::Failed,
                              GitText::tr("Cannot prepare a work copy in %1.").arg(m_workFolder),
                              said);
    } else if (!git({u"remote"_s, u"set-url"_s, u"origin"_s, m_url}, nullptr, &said)) {
        return gitFailure(PublishError::Kind::Failed,
                          GitText::tr("Cannot use the work copy in %1.").arg(m_workFolder), said);
    }
    const QString remoteBranch = u"refs/remotes/origin/"_s + m_branch;
    if (!git({u"fetch"_s, u"-q"_s, u"--prune"_s, u"origin"_s,
              u"+refs/heads/*:refs/remotes/origin/*"_s},
             nullptr, &said))
        return gitFailure(PublishError::Kind::Connect, GitText::tr("Cannot reach %1.").arg(m_url),
                          said);
    // The branch on the server is the truth; whatever an earlier, failed push left here goes.
    git({u"update-ref"_s, u"-d"_s, u"refs/heads/"_s + m_branch});
    const bool exists = git({u"rev-parse"_s, u"--verify"_s, u"-q"_s, remoteBranch});
    const bool ready =
        exists ? git({u"checkout"_s, u"-q"_s, u"-f"_s, u"-B"_s, m_branch, remoteBranch}, nullptr,
                     &said)
               : git({u"symbolic-ref"_s, u"HEAD"_s, u"refs/heads/"_s + m_branch}, nullptr, &said) &&
                     git({u"rm"_s, u"-rfq"_s, u"--cached"_s, u"--ignore-unmatch"_s, u"."_s},
                         nullptr, &said);
    if (!ready || !git({u"clean"_s, u"-qfdx"_s}, nullptr, &said))
        return gitFailure(PublishError::Kind::Failed,
                          GitText::tr("Cannot check out the branch %1.").arg(m_branch), said);
    return m_tree.open();
}

PublishError GitDestination::readFile(const QString &path, qint64 limit, QByteArray *bytes) {
    if (isInsideGitFolder(path))
        return {PublishError::Kind::NotFound, GitText::tr("%1 is not there.").arg(path), {}};
    return m_tree.readFile(path, limit, bytes);
}

PublishError GitDestination::list(QList<RemoteEntry> *entries) {
    if (const PublishError error = m_tree.list(entries); error.failed())
        return error;
    entries->removeIf([](const RemoteEntry &entry) { return isInsideGitFolder(entry.path); });
    return {};
}

PublishError GitDestination::put(const QString &path, const QString &localFile) {
    if (isInsideGitFolder(path))
        return {PublishError::Kind::Failed,
                GitText::tr("%1 cannot be published in a Git branch.").arg(path),
                {}};
    return m_tree.put(path, localFile);
}

PublishError GitDestination::remove(const QString &path) {
    if (isInsideGitFolder(path))
        return {PublishError::Kind::NotFound, GitText::tr("%1 is not there.").arg(path), {}};
    return m_tree.remove(path);
}

QStringList GitDestination::identity() const {
    QString email;
    if (git({u"config"_s, u"user.email"_s}, &email) && !email.isEmpty())
        return {};
    // Without an identity of the user's own, git refuses to commit; this one says who did it.
    return {u"-c"_s, u"user.name=Quillsite"_s, u"-c"_s, u"user.email=quillsite@localhost"_s};
}

PublishError GitDestination::finish(const QString &summary) {
    QString said;
    if (!git({u"add"_s, u"-A"_s, u"."_s}, nullptr, &said))
        return gitFailure(PublishError::Kind::Failed, GitText::tr("Cannot stage the site."), said);
    if (git({u"diff"_s, u"--cached"_s, u"--quiet"_s}))
        return {};
    if (!git(identity() + QStringList{u"commit"_s, u"-q"_s, u"-m"_s, summary}, nullptr, &said))
        return gitFailure(PublishError::Kind::Failed, GitText::tr("Cannot commit the site."), said);
    if (!git({u"push"_s, u"-q"_s, u"origin"_s, u"HEAD:refs/heads/"_s + m_branch}, nullptr, &said))
        return gitFailure(
            PublishError::Kind::Failed,
            GitText::tr("Cannot push to the branch %1 of %2; nothing was published. If it "
                        "moved on, publish again.")
                .arg(m_branch, m_url),
            said);
    return {};
}

void GitDestination::cancel() {
    m_tree.cancel();
}

} // namespace quillsite
