// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "httpserver.h"

#include <QDeadlineTimer>
#include <QRegularExpression>

#include <csignal>

using namespace Qt::StringLiterals;

namespace quillsite::test {

QString HttpServer::start(const QString &folder) {
    stop();
    m_process.setWorkingDirectory(folder);
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(u"python3"_s,
                    {u"-u"_s, u"-m"_s, u"http.server"_s, u"--bind"_s, u"127.0.0.1"_s, u"0"_s});
    if (!m_process.waitForStarted(30000))
        return u"http.server did not start: "_s + m_process.errorString();
    static const QRegularExpression portSaid(u"port (\\d+)"_s);
    QString said;
    const QDeadlineTimer deadline(30000);
    for (int attempt = 0; attempt < 300 && !deadline.hasExpired(); ++attempt) {
        said += QString::fromUtf8(m_process.readAll());
        if (const QRegularExpressionMatch match = portSaid.match(said); match.hasMatch()) {
            m_url = u"http://127.0.0.1:%1/"_s.arg(match.captured(1));
            return {};
        }
        if (m_process.state() != QProcess::Running)
            break;
        m_process.waitForReadyRead(100);
    }
    return u"http.server never said where it listens: "_s + said;
}

void HttpServer::stop() {
    if (m_process.state() == QProcess::NotRunning)
        return;
    ::kill(pid_t(m_process.processId()), SIGTERM);
    m_process.waitForFinished(30000);
}

} // namespace quillsite::test
