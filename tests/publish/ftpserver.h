// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "serverprocess.h"

#include <QString>

namespace quillsite::test {

// vsftpd on 127.0.0.1 and a free port, with a self-signed certificate made for that address
// (so that --cacert can trust it): explicit
// TLS that insists on the data connections reusing the control connection's TLS session,
// and plain FTP beside it; it lets in local users by password.
class FtpServer final {
public:
    // Returns an empty text once the server answers, or why it does not.
    QString start(const QString &folder);

    quint16 port() const { return m_port; }
    void stop() { m_process.stop(); }
    void dropConnections() { m_process.dropConnections(); }
    void stopAnswering() { m_process.signalConnections(SIGSTOP); }
    QString certificate() const { return m_folder + QStringLiteral("/cert.pem"); }
    // The "SHA256:..." fingerprint of the certificate's DER form.
    QString fingerprint() const;

private:
    QString m_folder;
    quint16 m_port = 0;
    ServerProcess m_process;
};

} // namespace quillsite::test
