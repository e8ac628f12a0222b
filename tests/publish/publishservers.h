// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ftpserver.h"
#include "sshserver.h"
#include "throwawayuser.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace quillsite::test {

// What the tests that publish to a server start with: a new folder that becomes HOME (so
// that no key, agent or known host of the machine's own user takes part), a throw-away user
// with its home there, and an sshd and a vsftpd on 127.0.0.1 that let the user in.
struct PublishServers {
    ~PublishServers() { stop(); }

    // Empty, or what could not be made or started.
    QString start();
    // The servers' sessions run as the user: they end first, so that the user can go.
    void stop();
    // The files below the folder, but for those below `except`, that hold the user's password.
    QStringList filesHoldingPassword(const QString &except = {}) const;

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<ThrowAwayUser> user;
    SshServer ssh;
    FtpServer ftp;
};

} // namespace quillsite::test
