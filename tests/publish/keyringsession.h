// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QString>

namespace quillsite::test {

// A private D-Bus session with gnome-keyring's secret service in it, its keyring in
// `folder` and unlocked with a throw-away password given on standard input. This
// process is pointed at the session; both servers are stopped by their process ids.
class KeyringSession final {
public:
    ~KeyringSession() { stop(); }

    // Returns an empty text once the keyring answers on the bus, or why it does not.
    QString start(const QString &folder);
    void stop();

private:
    QProcessEnvironment m_environment;
    QProcess m_bus;
    QProcess m_keyring;
};

} // namespace quillsite::test
