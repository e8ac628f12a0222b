// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sshlogin.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <optional>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(SshLogin)
};

PublishError authenticateError(const QString &message) {
    return {PublishError::Kind::Authenticate, message, {}};
}

QStringList keyFiles(const ConnectionOptions &options) {
    if (!options.identityFile.isEmpty())
        return {options.identityFile};
    QStringList files;
    const QString folder = QDir::homePath() + u"/.ssh/"_s;
    for (const QString &name : {u"id_ed25519"_s, u"id_ecdsa"_s, u"id_rsa"_s}) {
        if (QFileInfo::exists(folder + name))
            files << folder + name;
    }
    return files;
}

bool logInWithKeys(ssh_session session, const ConnectionOptions &options) {
    if (qEnvironmentVariableIsSet("SSH_AUTH_SOCK") &&
        ssh_userauth_agent(session, nullptr) == SSH_AUTH_SUCCESS)
        return true;
    for (const QString &file : keyFiles(options)) {
        ssh_key key = nullptr;
        // A key with a passphrase is left to the agent: the password asked for is the server's.
        if (ssh_pki_import_privkey_file(QFile::encodeName(file).constData(), nullptr, nullptr,
                                        nullptr, &key) != SSH_OK)
            continue;
        const int result = ssh_userauth_publickey(session, nullptr, key);
        ssh_key_free(key);
        if (result == SSH_AUTH_SUCCESS)
            return true;
    }
    return false;
}

// Answers every prompt that hides what is typed with the password; a server that asks
// anything else (a one-time code) can't be answered without a person.
int logInInteractively(ssh_session session, const QByteArray &password) {
    int result = ssh_userauth_kbdint(session, nullptr, nullptr);
    for (int round = 0; result == SSH_AUTH_INFO && round < 8; ++round) {
        const int prompts = ssh_userauth_kbdint_getnprompts(session);
        for (int i = 0; i < prompts; ++i) {
            char echo = 0;
            ssh_userauth_kbdint_getprompt(session, unsigned(i), &echo);
            if (echo)
                return SSH_AUTH_DENIED;
            ssh_userauth_kbdint_setanswer(session, unsigned(i), password.constData());
        }
        result = ssh_userauth_kbdint(session, nullptr, nullptr);
    }
    return result;
}

} // namespace

PublishError logIn(ssh_session session, const QString &account, const ConnectionOptions &options) {
    // Keys first, without asking what the server takes: that question costs a round trip, and
    // nearly every server takes keys. Its answer is asked for after them.
    if (logInWithKeys(session, options) || ssh_userauth_none(session, nullptr) == SSH_AUTH_SUCCESS)
        return {};
    const int methods = ssh_userauth_list(session, nullptr);
    if (!(methods & (SSH_AUTH_METHOD_PASSWORD | SSH_AUTH_METHOD_INTERACTIVE))) {
        return authenticateError(
            Texts::tr("%1 did not accept any of your SSH keys, and it takes no password. Add "
                      "your key to the ssh-agent, or name its file with -i.")
                .arg(account));
    }
    const std::optional<QString> password = options.password ? options.password() : std::nullopt;
    if (!password) {
        return authenticateError(
            Texts::tr("%1 asks for a password, and none was given. Set QUILLSITE_PASSWORD, or "
                      "run the command in a terminal to type it.")
                .arg(account));
    }
    QByteArray bytes = password->toUtf8();
    int result = SSH_AUTH_DENIED;
    if (methods & SSH_AUTH_METHOD_PASSWORD)
        result = ssh_userauth_password(session, nullptr, bytes.constData());
    if (result != SSH_AUTH_SUCCESS && (methods & SSH_AUTH_METHOD_INTERACTIVE))
        result = logInInteractively(session, bytes);
    bytes.fill('\0');
    if (result == SSH_AUTH_SUCCESS)
        return {};
    if (result == SSH_AUTH_ERROR) {
        return {PublishError::Kind::Connect,
                Texts::tr("The connection to %1 failed while logging in: %2")
                    .arg(account, QString::fromUtf8(ssh_get_error(session))),
                {}};
    }
    return authenticateError(
        Texts::tr("%1 did not accept the password. Check the user name and the password.")
            .arg(account));
}

} // namespace quillsite
