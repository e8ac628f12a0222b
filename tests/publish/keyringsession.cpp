// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyringsession.h"

#include "serverprocess.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QRandomGenerator>

#include <csignal>

using namespace Qt::StringLiterals;

namespace quillsite::test {

namespace {

void stopProcess(QProcess &process) {
    if (process.state() == QProcess::NotRunning)
        return;
    ::kill(pid_t(process.processId()), SIGTERM);
    if (!process.waitForFinished(10000)) {
        ::kill(pid_t(process.processId()), SIGKILL);
        process.waitForFinished(10000);
    }
}

bool secretServiceAnswers(const QProcessEnvironment &environment) {
    QProcess ask;
    ask.setProcessEnvironment(environment);
    ask.start(u"dbus-send"_s,
              {u"--session"_s, u"--print-reply"_s, u"--dest=org.freedesktop.DBus"_s, u"/"_s,
               u"org.freedesktop.DBus.NameHasOwner"_s, u"string:org.freedesktop.secrets"_s});
    return ask.waitForFinished(5000) && ask.readAll().contains("boolean true");
}

} // namespace

QString KeyringSession::start(const QString &folder) {
    QDir().mkpath(folder + u"/data"_s);
    m_environment = QProcessEnvironment::systemEnvironment();
    m_environment.insert(u"HOME"_s, folder);
    m_environment.insert(u"XDG_DATA_HOME"_s, folder + u"/data"_s);
    m_environment.insert(u"XDG_RUNTIME_DIR"_s, folder);
    m_environment.remove(u"DISPLAY"_s);

    const QString address = u"unix:path="_s + folder + u"/bus"_s;
    m_bus.setProcessEnvironment(m_environment);
    m_bus.start(u"dbus-daemon"_s, {u"--session"_s, u"--nofork"_s, u"--nopidfile"_s,
                                   u"--address="_s + address, u"--print-address=1"_s});
    // The address is printed once the bus listens.
    if (!m_bus.waitForStarted(30000) || !m_bus.waitForReadyRead(30000))
        return u"dbus-daemon did not start: "_s + m_bus.errorString();
    m_environment.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, address);
    qputenv("DBUS_SESSION_BUS_ADDRESS", address.toUtf8());

    m_keyring.setProcessEnvironment(m_environment);
    m_keyring.setProcessChannelMode(QProcess::MergedChannels);
    m_keyring.start(u"gnome-keyring-daemon"_s,
                    {u"--foreground"_s, u"--unlock"_s, u"--components=secrets"_s});
    if (!m_keyring.waitForStarted(30000))
        return u"gnome-keyring-daemon did not start: "_s + m_keyring.errorString();
    // The keyring's own password is made up here and never used again.
    m_keyring.write(QByteArray::number(QRandomGenerator::system()->generate64(), 36));
    m_keyring.closeWriteChannel();
    const QDeadlineTimer deadline(30000);
    for (int attempt = 0; attempt < 300 && !deadline.hasExpired(); ++attempt) {
        if (m_keyring.state() != QProcess::Running)
            return u"gnome-keyring-daemon stopped: "_s + QString::fromUtf8(m_keyring.readAll());
        if (secretServiceAnswers(m_environment))
            return {};
        m_keyring.waitForReadyRead(100);
    }
    return u"the keyring never answered on the bus"_s;
}

void KeyringSession::stop() {
    stopProcess(m_keyring);
    stopProcess(m_bus);
}

} // namespace quillsite::test
