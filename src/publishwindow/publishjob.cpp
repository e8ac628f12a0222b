// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "publishwindow/publishjob.h"

#include "publish/destinationfactory.h"
#include "publish/publishlock.h"
#include "publish/siteverifier.h"
#include "publish/versionstore.h"
#include "publishwindow/observeddestination.h"
#include "publishwindow/publishplace.h"

#include <QElapsedTimer>
#include <QLockFile>
#include <QTcpSocket>

namespace quillsite {

namespace {

using Action = PublishJob::Action;

std::optional<QList<SiteFile>> siteToSend(const PublishJob &job, const VersionStore &versions,
                                          PublishJobResult &result) {
    QString error;
    if (job.action == Action::Undo) {
        std::optional<QList<SiteFile>> previous = versions.previous(&error);
        result.siteError = error;
        return previous;
    }
    QList<SiteFile> files;
    if (!scanSite(job.siteFolder, &files, &result.warnings, &error)) {
        result.siteError = error;
        return std::nullopt;
    }
    return files;
}

// Tells a server that isn't there from one that refuses, which the connection's own
// message words differently for each kind.
void probeServer(const DestinationAddress &address, PublishJobResult &result) {
    QTcpSocket socket;
    socket.connectToHost(address.host,
                         quint16(address.port > 0 ? address.port : defaultPort(address.kind)));
    if (socket.waitForConnected(5000))
        return;
    result.refused = socket.error() == QAbstractSocket::ConnectionRefusedError;
    result.noServer = socket.error() == QAbstractSocket::HostNotFoundError;
}

void takeEngineFindings(const PublishEngine &engine, PublishJobResult &result) {
    result.plan = engine.plan();
    result.warnings += engine.warnings();
    result.errors = engine.errors();
    result.foreignFiles = engine.foreignFiles();
    result.sentFiles = int(engine.sent().size());
    for (const SiteFile &file : engine.sent())
        result.sentBytes += file.size;
    result.toSend = int(engine.plan().added.size() + engine.plan().changed.size());
}

void afterPublish(const PublishJob &job, const PublishEngine &engine, VersionStore &versions,
                  const QList<SiteFile> &site, PublishJobResult &result) {
    QString error;
    if (job.action == Action::Undo)
        versions.dropNewest();
    else if (!versions.record(site, &error))
        result.warnings.append(error);
    result.canUndo = versions.count() > 1;
    if (job.publicAddress.isEmpty())
        return;
    QList<SiteFile> pages;
    for (const SiteFile &file : engine.sent()) {
        if (isVerifiable(file.path))
            pages.append(file);
    }
    result.verifiedFiles = int(pages.size());
    result.verifyDifferences = verifySite(job.publicAddress, pages);
}

} // namespace

PublishJobResult runPublishJob(const PublishJob &job, const PublishJobHooks &hooks) {
    QElapsedTimer timer;
    timer.start();
    PublishJobResult result;
    result.action = job.action;
    const QString place = job.address.display();
    VersionStore versions(VersionStore::defaultRoot(), place);
    const std::optional<QList<SiteFile>> site = siteToSend(job, versions, result);
    if (!site) {
        result.status = PublishStatus::Failed;
        return result;
    }
    const bool sends = job.action == Action::Publish || job.action == Action::Undo;
    QLockFile lock(publishLockFile(place));
    if (sends && !lock.tryLock(0)) {
        result.busy = true;
        result.status = PublishStatus::Failed;
        return result;
    }

    DestinationObserver observer;
    observer.onSending = hooks.sending;
    PublishEngine engine(
        [&]() -> std::unique_ptr<Destination> {
            return std::make_unique<ObservedDestination>(makeDestination(job.address, job.options),
                                                         observer);
        },
        job.settings);
    engine.setStopFlag(hooks.stop);
    if (hooks.progress)
        engine.setProgressHandler(hooks.progress);
    if (hooks.confirm)
        engine.setConfirmation(hooks.confirm);

    result.status = engine.prepare(*site);
    if (result.status == PublishStatus::Done) {
        if (job.action == Action::Check)
            result.status = engine.check();
        else if (sends)
            result.status = engine.publish();
    }
    result.openError = observer.openError();
    result.server = !job.address.host.isEmpty();
    // An SSH key that changed comes without a fingerprint to accept; a certificate other
    // than the pinned one with its own.
    result.trustChanged = result.openError.kind == PublishError::Kind::Trust &&
                          (result.openError.fingerprint.isEmpty() || !job.options.pin.isEmpty());
    if (!observer.opened() && result.openError.kind == PublishError::Kind::Connect && result.server)
        probeServer(job.address, result);
    takeEngineFindings(engine, result);
    if (sends && result.status == PublishStatus::Done)
        afterPublish(job, engine, versions, *site, result);
    result.stopped = hooks.stop && hooks.stop->load();
    result.elapsedMilliseconds = timer.elapsed();
    return result;
}

} // namespace quillsite
