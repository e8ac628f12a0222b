// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <sys/types.h>

namespace quillsite::bench {

// Where a tool reaches the server: the namespace it runs in, the host and port.
struct Link {
    QString name;
    QString space; // the client's network namespace; empty for the machine's own
    QString host;
    int port = 0;
};

// OpenSSH's sshd for the benchmark, letting in a user made for the run (a plain /bin/sh
// account, as on a web host; root's shell start-up files would be timed with every
// connection) by the benchmark's own key; one per link, each started in the link's server
// namespace. Stopped by process id; the user is deleted at the end.
class BenchServers final {
public:
    explicit BenchServers(const QString &folder);
    ~BenchServers();
    BenchServers(const BenchServers &) = delete;
    BenchServers &operator=(const BenchServers &) = delete;

    // Makes the keys and the user, who owns `serverFolder`; returns an empty text or what
    // failed.
    QString prepare(const QString &serverFolder);
    const QString &user() const { return m_user; }
    // Starts an sshd on `address`:`port` in `serverSpace`; records it in known_hosts.
    QString start(const QString &serverSpace, const QString &address, int port);
    QString clientKey() const { return m_folder + QStringLiteral("/client_key"); }
    QString knownHosts() const { return m_folder + QStringLiteral("/known_hosts"); }
    // The ssh options every OpenSSH tool is given: this key, these known hosts, no config.
    QStringList sshOptions() const;

private:
    QString m_folder;
    QString m_user;
    QList<pid_t> m_servers;
};

} // namespace quillsite::bench
