// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <csignal>

namespace quillsite::test {

// A port on 127.0.0.1 that nothing listens on just now.
quint16 freePort();
// `count` such ports, all different.
QList<quint16> freePorts(int count);

// Runs a helper program to its end; `input` goes to its standard input (so that a password
// never stands in a command line). Returns what it wrote, or an empty optional on failure.
std::optional<QByteArray> runTool(const QString &program, const QStringList &arguments,
                                  const QByteArray &input = {});

// A server started by a test on 127.0.0.1: it is ready once its port answers, and it is
// stopped by its process id.
class ServerProcess final {
public:
    ServerProcess() = default;
    ~ServerProcess() { stop(); }
    ServerProcess(const ServerProcess &) = delete;
    ServerProcess &operator=(const ServerProcess &) = delete;

    // Starts `program` and waits until `port` accepts a connection that sends a greeting.
    // Returns an empty text, or why the server is not there.
    QString start(const QString &program, const QStringList &arguments, quint16 port);
    void stop();
    // Sends `signal` to every process serving a connection (those below the server):
    // SIGKILL ends them, as a network failure would; SIGSTOP makes them stop answering.
    void signalConnections(int signal);
    void dropConnections() { signalConnections(SIGKILL); }
    QString output() { return QString::fromUtf8(m_process.readAll()); }

private:
    QProcess m_process;
};

} // namespace quillsite::test
