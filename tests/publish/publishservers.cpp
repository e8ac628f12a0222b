// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "publishservers.h"

#include "testfiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

using namespace Qt::StringLiterals;

namespace quillsite::test {

QString PublishServers::start() {
    dir = std::make_unique<QTemporaryDir>();
    // The servers act as the user, who must be able to walk into its home.
    if (!dir->isValid() || !QFile::setPermissions(dir->path(), QFile::Permissions(0x7755)))
        return u"can't make a folder for the servers"_s;
    qputenv("HOME", QFile::encodeName(dir->path()));
    qunsetenv("SSH_AUTH_SOCK");
    user = std::make_unique<ThrowAwayUser>(dir->filePath(u"home"_s));
    if (!user->isValid())
        return u"could not make a user for the test (useradd, chpasswd)"_s;
    const QString sshFolder = dir->filePath(u"sshd"_s);
    const QString ftpFolder = dir->filePath(u"vsftpd"_s);
    if (!QDir().mkpath(sshFolder) || !QDir().mkpath(ftpFolder))
        return u"can't make the servers' folders"_s;
    if (const QString error = ssh.start(sshFolder, *user); !error.isEmpty())
        return error;
    return ftp.start(ftpFolder);
}

void PublishServers::stop() {
    ssh.stop();
    ftp.stop();
    user.reset();
}

QStringList PublishServers::filesHoldingPassword(const QString &except) const {
    QStringList holding;
    if (!dir || !user)
        return holding;
    QDirIterator it(dir->path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if ((except.isEmpty() || !path.startsWith(except)) &&
            readFile(path).contains(user->password().toUtf8()))
            holding.append(path);
    }
    return holding;
}

} // namespace quillsite::test
