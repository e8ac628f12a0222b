// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/publish/publishsession.h"

#include "publish/destinationfactory.h"
#include "publish/passwordsource.h"
#include "publish/publishlock.h"
#include "publish/siteverifier.h"
#include "publish/versionstore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <QLockFile>
#include <QMutex>
#include <QTextStream>

#include <cstdio>
#include <future>
#include <unistd.h>

namespace quillsite {

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translation catalogues.
struct PublishSessionText {
    Q_DECLARE_TR_FUNCTIONS(PublishSessionText)
};

QString size(qint64 bytes) {
    return QLocale().formattedDataSize(bytes, 1);
}

qint64 sentBytes(const PublishEngine &engine) {
    qint64 total = 0;
    for (const SiteFile &file : engine.sent())
        total += file.size;
    return total;
}

void printPlan(const PublishPlan &plan, QTextStream &out) {
    out << PublishSessionText::tr("New: %1, changed: %2, removed: %3, unchanged: %4")
               .arg(plan.added.size())
               .arg(plan.changed.size())
               .arg(plan.removed.size())
               .arg(plan.unchanged.size())
        << '\n';
    const auto list = [&](const QStringList &paths, char mark) {
        for (const QString &path : paths)
            out << mark << ' ' << path << '\n';
    };
    list(plan.added, '+');
    list(plan.changed, '~');
    list(plan.removed, '-');
}

// Asks on the terminal; without one, the answer is no.
bool askUser(const QString &question, QTextStream &err) {
    if (!::isatty(STDIN_FILENO))
        return false;
    err << question << ' ' << PublishSessionText::tr("[y/N] ") << Qt::flush;
    QTextStream in(stdin);
    const QString answer = in.readLine().trimmed().toLower();
    return answer == u"y"_s || answer == u"yes"_s || answer == PublishSessionText::tr("y") ||
           answer == PublishSessionText::tr("yes");
}

struct SiteReading {
    std::optional<QList<SiteFile>> site;
    QStringList warnings;
    QString error;
};

SiteReading readSite(const PublishCommand &command, const VersionStore &versions) {
    SiteReading reading;
    if (command.rollback) {
        reading.site = versions.previous(&reading.error);
    } else {
        QList<SiteFile> files;
        if (scanSite(command.site, &files, &reading.warnings, &reading.error))
            reading.site = files;
    }
    return reading;
}

int finishPublish(const PublishCommand &command, const PublishEngine &engine,
                  VersionStore &versions, const QList<SiteFile> &site, bool recorded,
                  qint64 elapsed, QTextStream &out, QTextStream &err) {
    const PublishPlan &plan = engine.plan();
    QString error;
    if (command.rollback)
        versions.dropNewest();
    else if (!recorded && !versions.record(site, &error))
        err << PublishSessionText::tr("Warning: ") << error << '\n';
    if (!command.quiet) {
        if (plan.isEmpty())
            out << PublishSessionText::tr("Nothing to publish; %1 is up to date.")
                       .arg(command.address.display())
                << '\n';
        else
            out << PublishSessionText::tr(
                       "Published to %1: %2 new, %3 changed, %4 removed, %5 unchanged; %6 sent in "
                       "%7 s.")
                       .arg(command.address.display())
                       .arg(plan.added.size())
                       .arg(plan.changed.size())
                       .arg(plan.removed.size())
                       .arg(plan.unchanged.size())
                       .arg(size(sentBytes(engine)))
                       .arg(QLocale().toString(double(elapsed) / 1000.0, 'f', 1))
                << '\n';
    }
    if (command.verify.isEmpty())
        return int(PublishStatus::Done);
    QList<SiteFile> pages;
    for (const SiteFile &file : engine.sent()) {
        if (isVerifiable(file.path))
            pages.append(file);
    }
    const QStringList differences = verifySite(command.verify, pages);
    for (const QString &difference : differences)
        err << PublishSessionText::tr("Differs on the web: ") << difference << '\n';
    if (!differences.isEmpty())
        return int(PublishExit::VerifyFailed);
    if (!command.quiet)
        out << PublishSessionText::tr("Verified at %1: %2 pages and pictures.")
                   .arg(command.verify.toDisplayString())
                   .arg(pages.size())
            << '\n';
    return int(PublishStatus::Done);
}

} // namespace

int runPublish(const PublishCommand &command, const std::atomic_bool &stop, QTextStream &out,
               QTextStream &err) {
    VersionStore versions(VersionStore::defaultRoot(), command.address.display());
    QLockFile lock(publishLockFile(command.address.display()));
    if (!lock.tryLock(0)) {
        qint64 pid = 0;
        QString host, application;
        lock.getLockInfo(&pid, &host, &application);
        err << PublishSessionText::tr(
                   "Another publish to %1 is running (process %2); wait until it ends.")
                   .arg(command.address.display())
                   .arg(pid)
            << '\n';
        return int(PublishStatus::Failed);
    }

    ConnectionOptions connection = command.connection;
    std::optional<std::optional<QString>> password;
    QMutex asking; // connections may open from several threads; the user is asked once
    connection.password = [&]() -> std::optional<QString> {
        QMutexLocker locker(&asking);
        if (!password)
            password = findPassword(command.address.display(), err);
        return *password;
    };
    PublishEngine engine([&] { return makeDestination(command.address, connection); },
                         command.settings);
    engine.setStopFlag(&stop);
    engine.setConfirmation([&](const QString &question) { return askUser(question, err); });
    const bool showProgress = !command.quiet && ::isatty(STDERR_FILENO);
    QElapsedTimer timer;
    timer.start();
    if (showProgress)
        engine.setProgressHandler([&](const PublishProgress &progress) {
            const double seconds = std::max(0.001, double(timer.elapsed()) / 1000.0);
            err << '\r'
                << PublishSessionText::tr("%1 of %2 files, %3 of %4, %5/s")
                       .arg(progress.filesDone)
                       .arg(progress.filesTotal)
                       .arg(size(progress.bytesDone), size(progress.bytesTotal),
                            size(qint64(double(progress.bytesDone) / seconds)))
                << "\x1b[K" << Qt::flush;
        });

    // The site is read and hashed while the server is reached, and the copies kept for undoing
    // the publish are made as soon as it is read; a failure to make them is told (and they made
    // again) when the publish is recorded. Whether the site is already the newest version
    // recorded, as when nothing changed, is found out meanwhile too.
    const std::shared_future<SiteReading> reading =
        std::async(std::launch::async, [&] { return readSite(command, versions); }).share();
    std::future<bool> storing;
    if (command.mode == PublishMode::Publish && !command.rollback)
        storing = std::async(std::launch::async, [&] {
            QString ignored;
            const std::optional<QList<SiteFile>> &site = reading.get().site;
            return site && versions.storeFiles(*site, &ignored) && versions.isNewest(*site);
        });
    PublishStatus status =
        engine.connect(command.rollback ? QStringList() : siteFolders(command.site));
    const SiteReading &read = reading.get();
    for (const QString &warning : read.warnings)
        err << PublishSessionText::tr("Warning: ") << warning << '\n';
    if (!read.site) {
        err << read.error << '\n';
        return int(PublishExit::UsageError);
    }
    const QList<SiteFile> &site = *read.site;
    if (status == PublishStatus::Done)
        status = engine.prepare(site);
    for (const QString &warning : engine.warnings())
        err << PublishSessionText::tr("Warning: ") << warning << '\n';
    if (status == PublishStatus::Done && !engine.foreignFiles().isEmpty() && !command.quiet)
        out << PublishSessionText::tr(
                   "Files on the server that Quillsite did not write are kept: %1")
                   .arg(engine.foreignFiles().join(u", "_s))
            << '\n';
    if (status == PublishStatus::Done) {
        switch (command.mode) {
        case PublishMode::DryRun:
            printPlan(engine.plan(), out);
            return int(PublishStatus::Done);
        case PublishMode::Check:
            status = engine.check();
            if (status == PublishStatus::Done)
                out << PublishSessionText::tr(
                           "%1 can be written to. It holds %2 of the site's files unchanged; a "
                           "publish would send %3 and remove %4.")
                           .arg(command.address.display())
                           .arg(engine.plan().unchanged.size())
                           .arg(engine.plan().added.size() + engine.plan().changed.size())
                           .arg(engine.plan().removed.size())
                    << '\n';
            break;
        default:
            status = engine.publish();
            break;
        }
    }
    if (showProgress && !engine.sent().isEmpty())
        err << '\n';
    for (const QString &error : engine.errors())
        err << error << '\n';
    const bool recorded = storing.valid() && storing.get();
    if (status != PublishStatus::Done || command.mode != PublishMode::Publish)
        return int(status);
    return finishPublish(command, engine, versions, site, recorded, timer.elapsed(), out, err);
}

} // namespace quillsite
