// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "serverprocess.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QMultiHash>
#include <QTcpServer>
#include <QTcpSocket>

#include <csignal>
#include <optional>

using namespace Qt::StringLiterals;

namespace quillsite::test {

quint16 freePort() {
    return freePorts(1).constFirst();
}

QList<quint16> freePorts(int count) {
    // Each is held until all are chosen, so none is chosen twice.
    QObject servers;
    QList<quint16> ports;
    for (int i = 0; i < count; ++i) {
        auto *server = new QTcpServer(&servers);
        ports << (server->listen(QHostAddress::LocalHost, 0) ? server->serverPort() : 0);
    }
    return ports;
}

std::optional<QByteArray> runTool(const QString &program, const QStringList &arguments,
                                  const QByteArray &input) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted(30000))
        return std::nullopt;
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        qWarning("%s failed: %s", qPrintable(program), process.readAll().constData());
        return std::nullopt;
    }
    return process.readAll();
}

QString ServerProcess::start(const QString &program, const QStringList &arguments, quint16 port) {
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(program, arguments);
    if (!m_process.waitForStarted(30000))
        return program + u" did not start: "_s + m_process.errorString();
    // Ready when the port answers with the server's greeting; at most 30 s and 300 tries.
    const QDeadlineTimer deadline(30000);
    for (int attempt = 0; attempt < 300 && !deadline.hasExpired(); ++attempt) {
        if (m_process.state() != QProcess::Running)
            return program + u" stopped: "_s + output();
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port);
        if (socket.waitForConnected(1000) && socket.waitForReadyRead(5000))
            return {};
        m_process.waitForReadyRead(100);
    }
    return program + u" never answered on port "_s + QString::number(port) + u": "_s + output();
}

void ServerProcess::signalConnections(int signal) {
    // Every process below the server: each connection may have several.
    QMultiHash<QString, QString> children;
    for (const QString &entry : QDir(u"/proc"_s).entryList(QDir::Dirs)) {
        QFile stat(u"/proc/"_s + entry + u"/stat"_s);
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (name) state ppid ...": the name may hold blanks, so read after its ')'.
        const QByteArray text = stat.readAll();
        children.insert(
            QString::fromLatin1(text.mid(text.lastIndexOf(')') + 2).split(' ').value(1)), entry);
    }
    QStringList below = children.values(QString::number(m_process.processId()));
    for (qsizetype i = 0; i < below.size(); ++i)
        below += children.values(below.at(i));
    for (const QString &pid : below)
        ::kill(pid_t(pid.toLongLong()), signal);
}

void ServerProcess::stop() {
    if (m_process.state() == QProcess::NotRunning)
        return;
    dropConnections();
    ::kill(pid_t(m_process.processId()), SIGTERM);
    if (!m_process.waitForFinished(10000)) {
        ::kill(pid_t(m_process.processId()), SIGKILL);
        m_process.waitForFinished(10000);
    }
}

} // namespace quillsite::test
