// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchservers.h"

#include "measuredrun.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QMultiHash>
#include <QThread>

#include <csignal>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace quillsite::bench {

namespace {

QByteArray readAll(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &bytes, QIODevice::OpenMode mode = {}) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | mode) && file.write(bytes) == bytes.size();
}

// Every process below `parent`, from /proc.
QList<pid_t> descendants(pid_t parent) {
    QMultiHash<pid_t, pid_t> children;
    for (const QString &entry : QDir(u"/proc"_s).entryList(QDir::Dirs)) {
        // "pid (name) state ppid ...": the name may hold blanks, so read after its ')'.
        const QByteArray text = readAll(u"/proc/"_s + entry + u"/stat"_s);
        if (!text.isEmpty())
            children.insert(pid_t(text.mid(text.lastIndexOf(')') + 2).split(' ').value(1).toInt()),
                            pid_t(entry.toInt()));
    }
    QList<pid_t> below = children.values(parent);
    for (qsizetype i = 0; i < below.size(); ++i)
        below += children.values(below.at(i));
    return below;
}

} // namespace

BenchServers::BenchServers(const QString &folder)
    : m_folder(folder) {}

BenchServers::~BenchServers() {
    // The sessions first: one whose client's goodbye never crossed the slow link (taken down
    // right after the last step) would wait for it for ever.
    for (pid_t pid : m_servers) {
        for (pid_t session : descendants(pid))
            ::kill(session, SIGTERM);
        ::kill(pid, SIGTERM);
        ::waitpid(pid, nullptr, 0);
    }
    if (!m_user.isEmpty())
        runMeasured({}, {u"userdel"_s, u"--force"_s, m_user}, m_folder + u"/user.log"_s);
}

QString BenchServers::prepare(const QString &serverFolder) {
    const QString name = u"qsbench%1"_s.arg(::getpid());
    if (runMeasured({},
                    {u"useradd"_s, u"--system"_s, u"--no-create-home"_s, u"--home-dir"_s,
                     serverFolder, u"--shell"_s, u"/bin/sh"_s,
                     // no password, but not locked: sshd lets a locked account in by no means
                     u"--password"_s, u"*"_s, name},
                    m_folder + u"/user.log"_s)
            .exitCode != 0)
        return u"useradd failed"_s;
    m_user = name;
    // The user reaches the server folder through the work folder, and writes only there.
    const passwd *account = ::getpwnam(name.toLocal8Bit().constData());
    if (!account || ::chmod(QFile::encodeName(m_folder).constData(), 0711) != 0 ||
        ::chown(QFile::encodeName(serverFolder).constData(), account->pw_uid, account->pw_gid) != 0)
        return u"can't give the server folder to "_s + name;
    for (const QString &key : QStringList{m_folder + u"/host_key"_s, clientKey()}) {
        const RunResult made = runMeasured(
            {}, {u"ssh-keygen"_s, u"-q"_s, u"-t"_s, u"ed25519"_s, u"-N"_s, QString(), u"-f"_s, key},
            m_folder + u"/keygen.log"_s);
        if (made.exitCode != 0)
            return u"ssh-keygen failed"_s;
    }
    return QFile::copy(clientKey() + u".pub"_s, m_folder + u"/authorized_keys"_s)
               ? QString()
               : u"can't write authorized_keys"_s;
}

QString BenchServers::start(const QString &serverSpace, const QString &address, int port) {
    const QString name = u"sshd-%1-%2"_s.arg(address).arg(port);
    const QString config = m_folder + u'/' + name + u".conf"_s;
    const QString log = m_folder + u'/' + name + u".log"_s;
    const QString text =
        u"Port %1\nListenAddress %2\nHostKey %3/host_key\nAuthorizedKeysFile %3/authorized_keys\n"
        "PermitRootLogin prohibit-password\nPasswordAuthentication no\nUsePAM no\n"
        "StrictModes no\nPidFile none\nMaxStartups 100\nMaxSessions 100\n"
        "Subsystem sftp /usr/lib/openssh/sftp-server\n"_s.arg(port)
            .arg(address, m_folder);
    if (!writeAll(config, text.toUtf8()))
        return u"can't write "_s + config;
    QDir().mkpath(u"/run/sshd"_s);
    const pid_t pid =
        spawnIn(serverSpace, {u"/usr/sbin/sshd"_s, u"-D"_s, u"-e"_s, u"-f"_s, config}, log);
    if (pid < 0)
        return u"can't start sshd"_s;
    m_servers.append(pid);
    // Ready once it says it listens; at most 30 s.
    const QDeadlineTimer deadline(30000);
    while (!readAll(log).contains("Server listening")) {
        if (deadline.hasExpired() || ::waitpid(pid, nullptr, WNOHANG) == pid)
            return u"sshd did not start: "_s + QString::fromUtf8(readAll(log));
        QThread::msleep(20);
    }
    const QByteArray hostKey =
        readAll(m_folder + u"/host_key.pub"_s).split(' ').mid(0, 2).join(' ');
    const QByteArray host = port == 22 ? address.toLatin1()
                                       : "[" + address.toLatin1() + "]:" + QByteArray::number(port);
    return writeAll(knownHosts(), host + ' ' + hostKey + '\n', QIODevice::Append)
               ? QString()
               : u"can't write known_hosts"_s;
}

QStringList BenchServers::sshOptions() const {
    return {u"-F"_s, u"/dev/null"_s,
            u"-i"_s, clientKey(),
            u"-o"_s, u"UserKnownHostsFile="_s + knownHosts(),
            u"-o"_s, u"BatchMode=yes"_s,
            u"-o"_s, u"StrictHostKeyChecking=yes"_s};
}

} // namespace quillsite::bench
