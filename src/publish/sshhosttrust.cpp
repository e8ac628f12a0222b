// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sshhosttrust.h"

#include <QCoreApplication>

namespace quillsite {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(SshHostTrust)
};

PublishError trustError(const QString &message, const QString &fingerprint = {}) {
    return {PublishError::Kind::Trust, message, fingerprint};
}

} // namespace

QString hostKeyFingerprint(ssh_session session) {
    ssh_key key = nullptr;
    if (ssh_get_server_publickey(session, &key) != SSH_OK)
        return {};
    unsigned char *hash = nullptr;
    size_t length = 0;
    QString fingerprint;
    if (ssh_get_publickey_hash(key, SSH_PUBLICKEY_HASH_SHA256, &hash, &length) == SSH_OK) {
        char *text = ssh_get_fingerprint_hash(SSH_PUBLICKEY_HASH_SHA256, hash, length);
        fingerprint = QString::fromLatin1(text);
        ssh_string_free_char(text);
        ssh_clean_pubkey_hash(&hash);
    }
    ssh_key_free(key);
    return fingerprint;
}

PublishError checkHostKey(ssh_session session, const QString &hostName,
                          const QString &acceptedFingerprint) {
    const QString fingerprint = hostKeyFingerprint(session);
    if (fingerprint.isEmpty())
        return trustError(
            Texts::tr("%1 did not show a host key that can be checked.").arg(hostName));
    switch (ssh_session_is_known_server(session)) {
    case SSH_KNOWN_HOSTS_OK:
        return {};
    case SSH_KNOWN_HOSTS_CHANGED:
    case SSH_KNOWN_HOSTS_OTHER:
        // Never accepted by an option: the user must find out why and edit known_hosts.
        return trustError(
            Texts::tr("The host key of %1 has changed: it is now %2, not the key recorded in your "
                      "known_hosts file. Someone may be pretending to be the server. If its "
                      "administrator confirms that the key was replaced, remove the old entry "
                      "(ssh-keygen -R %1) and publish again.")
                .arg(hostName, fingerprint));
    case SSH_KNOWN_HOSTS_UNKNOWN:
    case SSH_KNOWN_HOSTS_NOT_FOUND:
        break;
    case SSH_KNOWN_HOSTS_ERROR:
        return trustError(Texts::tr("Could not read the known_hosts file to check the host key of "
                                    "%1: %2")
                              .arg(hostName, QString::fromUtf8(ssh_get_error(session))));
    }
    if (acceptedFingerprint != fingerprint) {
        return trustError(
            Texts::tr("%1 is not a known host. Its key has the fingerprint %2. If that "
                      "is the fingerprint its administrator gave you, publish again "
                      "with --accept-host-key %2.")
                .arg(hostName, fingerprint),
            fingerprint);
    }
    if (ssh_session_update_known_hosts(session) != SSH_OK)
        return trustError(
            Texts::tr("Could not record the host key of %1 in the known_hosts file: %2")
                .arg(hostName, QString::fromUtf8(ssh_get_error(session))));
    return {};
}

} // namespace quillsite
