// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "publish/destination.h"
#include "publish/manifest.h"
#include "publish/publishplan.h"

#include <QMutex>

#include <atomic>
#include <functional>
#include <future>
#include <memory>
#include <optional>

class QTemporaryFile;

namespace quillsite {

struct PublishSettings {
    int jobs = 1;        // connections used at once
    int maxDeletes = 20; // more removals than this need a yes
    bool yes = false;    // every safety question answered yes
    bool checkFiles = false;
    int retryDelayMilliseconds = 500; // doubled at each retry
    QString version;                  // of the program, written into the manifest
};

// How a publish ended; the numbers are quillsite-publish's exit status.
enum class PublishStatus { Done = 0, Failed = 1, Unreachable = 3, StoppedForSafety = 4 };

struct PublishProgress {
    int filesDone = 0;
    int filesTotal = 0;
    qint64 bytesDone = 0;
    qint64 bytesTotal = 0;
};

// Brings a place to publish to in step with the built site: reads what the
// last publish left there, plans, and sends the difference in the plan's
// order. The manifest it leaves always says what the server truly holds, so
// that a publish that failed, was stopped or was killed is completed by the next.
class PublishEngine final {
public:
    using DestinationMaker = std::function<std::unique_ptr<Destination>()>;

    PublishEngine(DestinationMaker maker, PublishSettings settings);
    ~PublishEngine();

    void setProgressHandler(std::function<void(const PublishProgress &)> handler);
    // Asked before anything risky; without it, such a publish stops.
    void setConfirmation(std::function<bool(const QString &question)> confirm);
    // When set, no further file is started; the one in flight is completed.
    void setStopFlag(const std::atomic_bool *stop);

    // Connects and reads the manifest the last publish left; may run while the site is read.
    // The folders the site is likely to have are asked after while it is read.
    PublishStatus connect(const QStringList &likelyFolders = {});
    // Connects unless connect() did, learns what the server holds of what matters, and plans.
    PublishStatus prepare(const QList<SiteFile> &site);
    // Checks that files can be written, renamed and removed there; changes nothing.
    PublishStatus check();
    PublishStatus publish();

    const PublishPlan &plan() const { return m_plan; }
    const QList<SiteFile> &sent() const { return m_sent; }
    // Files on the server that we did not write, and of those the ones the site would replace.
    const QStringList &foreignFiles() const { return m_foreign; }
    const QStringList &warnings() const { return m_warnings; }
    // What failed, one line each, naming the files.
    const QStringList &errors() const { return m_errors; }

private:
    PublishStatus fail(const PublishError &error);
    bool confirmed(const QString &question) const;
    bool stopping() const;
    PublishError retried(const std::function<PublishError()> &attempt) const;
    PublishError retriedAfter(PublishError error,
                              const std::function<PublishError()> &attempt) const;
    PublishError saveManifest(Manifest &manifest, QTemporaryFile *file) const;
    PublishError writeManifest(Destination *destination);
    PublishError readServerFiles(const QList<SiteFile> &site, QList<RemoteEntry> *listing);
    void readServerManifest(const QList<RemoteEntry> &listing);
    void checkServerFiles(const QList<RemoteEntry> &listing);
    void noteServingConflicts(const QList<RemoteEntry> &listing, const QList<SiteFile> &site);
    void forgetUnsent(const Manifest &before);
    std::vector<std::future<std::unique_ptr<Destination>>> startOpening(int connections);
    void addOpened(std::vector<std::future<std::unique_ptr<Destination>>> &opening);
    void sendPhase(const QList<SiteFile> &files, const SiteFile *manifest,
                   std::optional<PublishError> *manifestPut);
    void record(const SiteFile &file, const PublishError &error);
    bool removeOldFiles();

    DestinationMaker m_maker;
    PublishSettings m_settings;
    std::function<void(const PublishProgress &)> m_progressHandler;
    std::function<bool(const QString &)> m_confirm;
    const std::atomic_bool *m_stop = nullptr;

    std::vector<std::unique_ptr<Destination>> m_destinations;
    std::optional<QByteArray> m_manifestBytes; // as read from the server; none when absent
    QSet<QString> m_askedEarly;                // asked after with the manifest
    QList<RemoteEntry> m_foundEarly;           // those of them that are there
    bool m_hadManifest = false;
    Manifest m_state; // what the server holds, as far as we know for sure
    PublishPlan m_plan;
    QStringList m_foreign;
    QStringList m_replacedForeign;
    QStringList m_leftovers;
    QStringList m_warnings;
    QStringList m_errors;
    QList<SiteFile> m_sent;
    QSet<QString> m_tried;

    QMutex m_mutex; // guards what the workers share below
    std::atomic_bool m_failed = false;
    PublishError::Kind m_worstKind = PublishError::Kind::None;
    PublishProgress m_progress;
};

} // namespace quillsite
