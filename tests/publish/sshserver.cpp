// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sshserver.h"

#include "testfiles.h"
#include "throwawayuser.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace quillsite::test {

namespace {

bool makeKey(const QString &file) {
    return runTool(u"ssh-keygen"_s, {u"-q"_s, u"-t"_s, u"ed25519"_s, u"-N"_s, QString(), u"-C"_s,
                                     u"test"_s, u"-f"_s, file})
        .has_value();
}

} // namespace

QString SshServer::start(const QString &folder, const ThrowAwayUser &user) {
    m_folder = folder;
    const QList<quint16> ports = freePorts(2);
    m_port = ports[0];
    m_refusingPort = ports[1];
    const QString hostKey = folder + u"/host_key"_s;
    if (!makeKey(hostKey) || !makeKey(clientKey()) || !makeKey(folder + u"/other_host_key"_s))
        return u"ssh-keygen failed"_s;
    const QString authorizedKeys = folder + u"/authorized_keys"_s;
    if (!QFile::copy(clientKey() + u".pub"_s, authorizedKeys))
        return u"can't write "_s + authorizedKeys;
    QFile::setPermissions(authorizedKeys, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                              QFile::ReadOther);
    // Tests run as root in temporary folders: StrictModes would refuse those.
    const QString config = folder + u"/sshd_config"_s;
    const QString text = u"Port %1\nPort %5\nListenAddress 127.0.0.1\nHostKey %2\n"
                         "AuthorizedKeysFile %3\nPasswordAuthentication yes\n"
                         "KbdInteractiveAuthentication no\nUsePAM no\nStrictModes no\n"
                         "PidFile none\nAllowUsers %4\n"
                         "Subsystem sftp /usr/lib/openssh/sftp-server\n"
                         "Match LocalPort %5\n  MaxSessions 0\n"_s.arg(m_port)
                             .arg(hostKey, authorizedKeys, user.name())
                             .arg(m_refusingPort);
    if (!writeFile(config, text.toUtf8()))
        return u"can't write "_s + config;
    // sshd wants its privilege separation folder.
    QDir().mkpath(u"/run/sshd"_s);
    return m_process.start(u"/usr/sbin/sshd"_s, {u"-D"_s, u"-e"_s, u"-f"_s, config}, m_port);
}

QString SshServer::publicKeyText(const QString &file) const {
    QFile key(file);
    if (!key.open(QIODevice::ReadOnly))
        return {};
    const QList<QByteArray> fields = key.readAll().trimmed().split(' ');
    return QString::fromLatin1(fields.value(0) + ' ' + fields.value(1));
}

QString SshServer::knownHostsLine() const {
    return u"[127.0.0.1]:%1 "_s.arg(m_port) + publicKeyText(m_folder + u"/host_key.pub"_s) + u'\n';
}

QString SshServer::otherKeyLine() const {
    return u"[127.0.0.1]:%1 "_s.arg(m_port) + publicKeyText(m_folder + u"/other_host_key.pub"_s) +
           u'\n';
}

QString SshServer::fingerprint() const {
    // "256 SHA256:... test (ED25519)"
    const std::optional<QByteArray> listed = runTool(
        u"ssh-keygen"_s, {u"-l"_s, u"-E"_s, u"sha256"_s, u"-f"_s, m_folder + u"/host_key.pub"_s});
    return listed ? QString::fromLatin1(listed->split(' ').value(1)) : QString();
}

} // namespace quillsite::test
