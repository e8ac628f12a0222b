// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "publish/passwordsource.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QTextStream>

#include <qt6keychain/keychain.h>

#include <termios.h>
#include <unistd.h>

namespace quillsite {

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translation catalogues.
struct PasswordText {
    Q_DECLARE_TR_FUNCTIONS(PasswordText)
};

std::optional<QString> fromKeyring(const QString &place, QTextStream &err) {
    QKeychain::ReadPasswordJob job(keyringService());
    job.setAutoDelete(false);
    job.setInsecureFallback(false);
    job.setKey(place);
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec();
    switch (job.error()) {
    case QKeychain::NoError:
        return job.textData();
    case QKeychain::EntryNotFound:
        return std::nullopt;
    case QKeychain::NoBackendAvailable:
        err << PasswordText::tr(
                   "No keyring is running, so no password was found there; it is never kept "
                   "in a file instead.")
            << '\n';
        return std::nullopt;
    default:
        err << PasswordText::tr("The keyring could not be read: %1").arg(job.errorString()) << '\n';
        return std::nullopt;
    }
}

// Asks on the terminal itself, so that a password never passes through a pipe or a log.
std::optional<QString> fromTerminal(const QString &place, QTextStream &err) {
    QFile terminal(u"/dev/tty"_s);
    if (!terminal.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return std::nullopt;
    const int fd = terminal.handle();
    termios saved{};
    if (::tcgetattr(fd, &saved) != 0)
        return std::nullopt;
    err.flush();
    terminal.write(PasswordText::tr("Password for %1: ").arg(place).toLocal8Bit());
    termios silent = saved;
    silent.c_lflag &= ~tcflag_t(ECHO);
    ::tcsetattr(fd, TCSAFLUSH, &silent);
    QByteArray line = terminal.readLine(4096);
    ::tcsetattr(fd, TCSAFLUSH, &saved);
    terminal.write("\n");
    if (line.endsWith('\n'))
        line.chop(1);
    const QString password = QString::fromLocal8Bit(line);
    line.fill('\0');
    if (password.isEmpty())
        return std::nullopt;
    return password;
}

} // namespace

QString keyringService() {
    return u"Quillsite"_s;
}

std::optional<QString> findPassword(const QString &place, QTextStream &err) {
    if (const QByteArray given = qgetenv("QUILLSITE_PASSWORD"); !given.isEmpty())
        return QString::fromLocal8Bit(given);
    if (std::optional<QString> stored = fromKeyring(place, err))
        return stored;
    return fromTerminal(place, err);
}

} // namespace quillsite
