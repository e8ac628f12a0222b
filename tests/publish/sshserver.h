// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "serverprocess.h"

#include <QString>

namespace quillsite::test {

class ThrowAwayUser;

// OpenSSH's sshd on 127.0.0.1 and a free port, with a host key, a client key and a
// configuration of its own in `folder`; it lets in only `user`, by key or password.
class SshServer final {
public:
    // Returns an empty text once the server answers, or why it does not.
    QString start(const QString &folder, const ThrowAwayUser &user);

    quint16 port() const { return m_port; }
    // Where the same server lets the user in but opens no session: it offers no SFTP there.
    quint16 refusingPort() const { return m_refusingPort; }
    void stop() { m_process.stop(); }
    void dropConnections() { m_process.dropConnections(); }
    void stopAnswering() { m_process.signalConnections(SIGSTOP); }
    QString clientKey() const { return m_folder + QStringLiteral("/client_key"); }
    // The known_hosts line for this server, and the "SHA256:..." fingerprint of its key.
    QString knownHostsLine() const;
    QString fingerprint() const;
    // A known_hosts line that names this server with another key of the same type.
    QString otherKeyLine() const;

private:
    QString publicKeyText(const QString &file) const;

    QString m_folder;
    quint16 m_port = 0;
    quint16 m_refusingPort = 0;
    ServerProcess m_process;
};

} // namespace quillsite::test
