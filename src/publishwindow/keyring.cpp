// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "publishwindow/keyring.h"

#include "publish/passwordsource.h"

#include <QCoreApplication>

#include <qt6keychain/keychain.h>

namespace quillsite {

namespace {

// The context of this file's texts in the translation catalogues.
struct KeyringText {
    Q_DECLARE_TR_FUNCTIONS(Keyring)
};

// A keyring that can't be reached for any reason (none running, no session bus, locked
// and the unlocking refused) is one the password can't be kept in: the user types it.
KeyringAnswer answerOf(const QKeychain::Job &job) {
    KeyringAnswer answer;
    switch (job.error()) {
    case QKeychain::NoError:
    case QKeychain::EntryNotFound:
        break;
    case QKeychain::NoBackendAvailable:
        answer.available = false;
        answer.problem = KeyringText::tr("No keyring is running, so the password can't be "
                                         "remembered; type it each time. It is never kept in a "
                                         "file instead.");
        break;
    default:
        answer.available = false;
        answer.problem = KeyringText::tr("The keyring can't be used (%1), so the password can't "
                                         "be remembered; type it each time. It is never kept in "
                                         "a file instead.")
                             .arg(job.errorString());
        break;
    }
    return answer;
}

template <typename JobType>
JobType *startJob(QObject *context, const QString &place,
                  std::function<void(QKeychain::Job &)> finished) {
    // Not the context's child: the keyring answers even after the window is gone, and the
    // job must then still be there to take the answer.
    auto *job = new JobType(keyringService());
    job->setAutoDelete(true);
    job->setInsecureFallback(false);
    job->setKey(place);
    QObject::connect(job, &QKeychain::Job::finished, context,
                     [finished = std::move(finished)](QKeychain::Job *done) { finished(*done); });
    return job;
}

} // namespace

void readKeyring(QObject *context, const QString &place,
                 std::function<void(const KeyringAnswer &)> done) {
    auto *job = startJob<QKeychain::ReadPasswordJob>(
        context, place, [done = std::move(done)](QKeychain::Job &finished) {
            KeyringAnswer answer = answerOf(finished);
            if (finished.error() == QKeychain::NoError)
                answer.password = static_cast<QKeychain::ReadPasswordJob &>(finished).textData();
            done(answer);
        });
    job->start();
}

void storeInKeyring(QObject *context, const QString &place, const QString &password,
                    std::function<void(const KeyringAnswer &)> done) {
    auto *job = startJob<QKeychain::WritePasswordJob>(
        context, place,
        [done = std::move(done)](QKeychain::Job &finished) { done(answerOf(finished)); });
    job->setTextData(password);
    job->start();
}

void forgetInKeyring(QObject *context, const QString &place) {
    startJob<QKeychain::DeletePasswordJob>(context, place, [](QKeychain::Job &) {})->start();
}

} // namespace quillsite
