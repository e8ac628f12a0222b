// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ftpserver.h"

#include <QCryptographicHash>
#include <QFile>

using namespace Qt::StringLiterals;

namespace quillsite::test {

QString FtpServer::start(const QString &folder) {
    m_folder = folder;
    m_port = freePort();
    const QString key = folder + u"/key.pem"_s;
    if (!runTool(u"openssl"_s,
                 {u"req"_s, u"-x509"_s, u"-newkey"_s, u"rsa:2048"_s, u"-nodes"_s, u"-days"_s,
                  u"2"_s, u"-subj"_s, u"/CN=localhost"_s, u"-addext"_s,
                  u"subjectAltName=IP:127.0.0.1"_s, u"-keyout"_s, key, u"-out"_s, certificate()}))
        return u"openssl could not make a certificate"_s;
    // An RSA key, as vsftpd's default TLS 1.2 ciphers want. Its own configuration: the machine's
    // vsftpd.conf is not read. The sandboxes that need namespaces are off, as containers may not
    // grant them.
    const QString text =
        u"listen=YES\nlisten_address=127.0.0.1\nlisten_port=%1\nbackground=NO\n"
        "anonymous_enable=NO\nlocal_enable=YES\nwrite_enable=YES\nlocal_umask=022\n"
        "userlist_enable=NO\npam_service_name=vsftpd\nforce_dot_files=YES\n"
        "ssl_enable=YES\nallow_anon_ssl=NO\nforce_local_logins_ssl=NO\n"
        "force_local_data_ssl=NO\nrequire_ssl_reuse=YES\nrsa_cert_file=%2\n"
        "rsa_private_key_file=%3\npasv_enable=YES\npasv_address=127.0.0.1\n"
        "connect_from_port_20=NO\nseccomp_sandbox=NO\nisolate=NO\nisolate_network=NO\n"
        "xferlog_enable=NO\nvsftpd_log_file=%4/vsftpd.log\n"_s.arg(m_port)
            .arg(certificate(), key, folder);
    const QString config = folder + u"/vsftpd.conf"_s;
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0)
        return u"can't write "_s + config;
    file.close();
    return m_process.start(u"/usr/sbin/vsftpd"_s, {config}, m_port);
}

QString FtpServer::fingerprint() const {
    const std::optional<QByteArray> der =
        runTool(u"openssl"_s, {u"x509"_s, u"-in"_s, certificate(), u"-outform"_s, u"DER"_s});
    if (!der)
        return {};
    return u"SHA256:"_s +
           QString::fromLatin1(QCryptographicHash::hash(*der, QCryptographicHash::Sha256)
                                   .toBase64(QByteArray::OmitTrailingEquals));
}

} // namespace quillsite::test
