// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "publishwindow/publishoutcome.h"

#include <QCoreApplication>
#include <QLocale>

namespace quillsite {

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translation catalogues.
struct OutcomeText {
    Q_DECLARE_TR_FUNCTIONS(PublishOutcome)
};

using Action = PublishJob::Action;

QString size(qint64 bytes) {
    return QLocale().formattedDataSize(bytes, 1);
}

QString lines(const QStringList &items, const QString &prefix = {}) {
    QString text;
    for (const QString &item : items)
        text += u'\n' + prefix + item;
    return text;
}

QString connectionFailure(const PublishJobResult &result, const QString &place) {
    const PublishError &error = result.openError;
    switch (error.kind) {
    case PublishError::Kind::Connect:
        if (!result.server)
            return OutcomeText::tr("Quillsite can't publish into %1: %2").arg(place, error.message);
        if (result.noServer)
            return OutcomeText::tr("Quillsite can't find the server of %1. Check the host name.")
                .arg(place);
        if (result.refused)
            return OutcomeText::tr("The server of %1 refused the connection. Check the port: SFTP "
                                   "usually answers on 22, FTP and FTPS on 21.")
                .arg(place);
        return OutcomeText::tr("Quillsite can't reach %1. Check the host name and the port, and "
                               "that this computer is online.\n\nDetails: %2")
            .arg(place, error.message);
    case PublishError::Kind::Authenticate:
        return OutcomeText::tr("%1 did not let you in: the user name, the password or the key was "
                               "wrong. Check them as your web host gave them to you. Nothing was "
                               "stored.")
            .arg(place);
    case PublishError::Kind::Trust:
        if (!result.trustChanged)
            return OutcomeText::tr("Nothing was sent: you did not accept the key of the server.");
        return OutcomeText::tr("The server's key has changed since you last published to %1. "
                               "Someone may be pretending to be the server, so nothing was sent. "
                               "Ask your web host whether they replaced the key.\n\nDetails: %2")
            .arg(place, error.message);
    default:
        return OutcomeText::tr("Could not connect to %1: %2").arg(place, error.message);
    }
}

QString verification(const PublishJobResult &result) {
    if (!result.verifyDifferences.isEmpty())
        return u"\n\n"_s +
               OutcomeText::tr("On the public address, these are not what was sent (a wrong "
                               "folder, or a cache that still holds the old ones?):") +
               lines(result.verifyDifferences, u"• "_s);
    if (result.verifiedFiles > 0)
        return u"\n\n"_s + OutcomeText::tr("Checked on the public address: the %n changed pages "
                                           "and pictures are served as they were sent.",
                                           nullptr, result.verifiedFiles);
    return {};
}

QString success(const PublishJobResult &result, const QString &place) {
    const PublishPlan &plan = result.plan;
    switch (result.action) {
    case Action::Check:
        return OutcomeText::tr("Connected to %1, and Quillsite can write there.").arg(place) +
               u' ' +
               (plan.isEmpty() ? OutcomeText::tr("The site there is up to date.")
                               : OutcomeText::tr("Publish sends the changes listed below."));
    case Action::Changes:
        return plan.isEmpty()
                   ? OutcomeText::tr("Nothing has changed since the last publish to %1.").arg(place)
                   : OutcomeText::tr("Publish sends the changes listed below to %1.").arg(place);
    case Action::Publish:
    case Action::Undo:
        break;
    }
    if (plan.isEmpty())
        return OutcomeText::tr("Nothing to publish: %1 is up to date.").arg(place) +
               verification(result);
    const QString seconds = QLocale().toString(double(result.elapsedMilliseconds) / 1000.0, 'f', 1);
    const QString done =
        result.action == Action::Undo
            ? OutcomeText::tr("The previous version is back on %1: %2; %3 sent in %4 s.")
            : OutcomeText::tr("Published to %1: %2; %3 sent in %4 s.");
    return done.arg(place, changeCounts(plan), size(result.sentBytes), seconds) +
           verification(result);
}

QString failure(const PublishJobResult &result, const QString &place) {
    if (result.status == PublishStatus::StoppedForSafety)
        return OutcomeText::tr("Nothing was sent, because you did not agree to replace or remove "
                               "those files on the server. Publish again and answer Yes to go "
                               "on.");
    if (result.action == Action::Check)
        return OutcomeText::tr("Connected to %1, but Quillsite can't write there:%2\n\nChoose a "
                               "folder on the server that your user may write to.")
            .arg(place, lines(result.errors));
    if (result.action == Action::Changes)
        return OutcomeText::tr("Could not find out what the server holds:%1")
            .arg(lines(result.errors));
    const QString what =
        result.stopped
            ? OutcomeText::tr("Stopped as you asked, after the file that was being sent.")
            : OutcomeText::tr("The publish to %1 did not complete:%2")
                  .arg(place, lines(result.errors));
    return what + u"\n\n"_s +
           OutcomeText::tr("%1 of %2 files were sent; the others were not. The server holds whole "
                           "files only, and nothing is lost: press Publish to finish the job.")
               .arg(result.sentFiles)
               .arg(result.toSend);
}

} // namespace

QString changeCounts(const PublishPlan &plan) {
    return OutcomeText::tr("%1 new, %2 changed, %3 removed, %4 unchanged")
        .arg(plan.added.size())
        .arg(plan.changed.size())
        .arg(plan.removed.size())
        .arg(plan.unchanged.size());
}

QString outcomeText(const PublishJobResult &result, const QString &place) {
    QString text;
    if (!result.siteError.isEmpty())
        text = result.action == Action::Undo
                   ? OutcomeText::tr("There is no earlier version to go back to: %1")
                         .arg(result.siteError)
                   : OutcomeText::tr("The built site could not be read: %1\n\nBuild it again "
                                     "with the wizard, then publish.")
                         .arg(result.siteError);
    else if (result.busy)
        text = OutcomeText::tr("Another publish to %1 is running. Wait until it ends, then try "
                               "again.")
                   .arg(place);
    else if (result.openError.failed())
        text = connectionFailure(result, place);
    else if (result.status == PublishStatus::Done)
        text = success(result, place);
    else
        text = failure(result, place);
    return text + lines(result.warnings, OutcomeText::tr("Note: "));
}

QString progressText(const PublishProgress &progress, qint64 elapsedMilliseconds) {
    QString text = OutcomeText::tr("%1 of %2 files, %3 of %4")
                       .arg(progress.filesDone)
                       .arg(progress.filesTotal)
                       .arg(size(progress.bytesDone), size(progress.bytesTotal));
    if (progress.bytesDone <= 0 || elapsedMilliseconds < 1000)
        return text;
    const double left = double(elapsedMilliseconds) / 1000.0 *
                        double(progress.bytesTotal - progress.bytesDone) /
                        double(progress.bytesDone);
    return text + u", "_s + OutcomeText::tr("about %n seconds left", nullptr, int(std::ceil(left)));
}

QString trustQuestion(const QString &place, const QString &fingerprint, bool certificate) {
    const QString what =
        certificate
            ? OutcomeText::tr("The certificate of %1 is not signed by an authority this computer "
                              "trusts. Its fingerprint is:")
            : OutcomeText::tr("This is the first connection to %1. The server shows a key with "
                              "the fingerprint:");
    return what.arg(place) + u"\n\n"_s + fingerprint + u"\n\n"_s +
           OutcomeText::tr("If your web host's instructions or support give the same "
                           "fingerprint, accept it: Quillsite then remembers it, and warns you "
                           "if it ever changes. If they differ, refuse: someone may be "
                           "pretending to be the server.\n\nAccept this server?");
}

} // namespace quillsite
