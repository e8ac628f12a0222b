// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "publish/publishengine.h"

#include "publish/sitefile.h"
#include "publish/uploadname.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QThread>

#include <thread>

namespace quillsite {

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translation catalogues.
struct EngineText {
    Q_DECLARE_TR_FUNCTIONS(EngineText)
};

constexpr int retryCount = 3;
// Files that justify a connection of their own: each connection keeps dozens in flight.
constexpr int filesPerConnection = 50;
// A server this near (a local network) is kept busy by the requests in flight on one connection.
constexpr qint64 nearRoundTripMicroseconds = 5000;

// The name --check writes and removes; a temporary name, so that one left behind goes.
QString checkProbeName() {
    return temporaryUploadName(u"quillsite-check"_s);
}

// Names a list of files in a message, shortened when it is long.
QString nameFiles(const QStringList &files) {
    constexpr qsizetype shown = 10;
    QString text = files.mid(0, shown).join(u", "_s);
    if (files.size() > shown)
        text += EngineText::tr(" and %n more", nullptr, int(files.size() - shown));
    return text;
}

// What is asked after whenever the manifest is trusted: what a web server would show instead of
// index.htm, and what a stopped publish or check may have left.
QSet<QString> alwaysAsked() {
    return {manifestFileName(), temporaryUploadName(manifestFileName()),
            checkProbeName(),   temporaryUploadName(checkProbeName()),
            u"index.html"_s,    u"index.php"_s,
            u"default.htm"_s};
}

// Adds the folders on the way to `path` to `folders`.
void addFoldersOf(const QString &path, QSet<QString> &folders) {
    for (qsizetype slash = path.indexOf(u'/'); slash > 0; slash = path.indexOf(u'/', slash + 1))
        folders.insert(path.left(slash));
}

// The folders on the way to the files.
QStringList foldersOf(const QList<SiteFile> &site) {
    QSet<QString> folders;
    for (const SiteFile &file : site)
        addFoldersOf(file.path, folders);
    return QStringList(folders.cbegin(), folders.cend());
}

} // namespace

PublishEngine::PublishEngine(DestinationMaker maker, PublishSettings settings)
    : m_maker(std::move(maker))
    , m_settings(std::move(settings)) {}

PublishEngine::~PublishEngine() = default;

void PublishEngine::setProgressHandler(std::function<void(const PublishProgress &)> handler) {
    m_progressHandler = std::move(handler);
}

void PublishEngine::setConfirmation(std::function<bool(const QString &)> confirm) {
    m_confirm = std::move(confirm);
}

void PublishEngine::setStopFlag(const std::atomic_bool *stop) {
    m_stop = stop;
}

PublishStatus PublishEngine::fail(const PublishError &error) {
    m_errors.append(error.message);
    switch (error.kind) {
    case PublishError::Kind::Connect:
    case PublishError::Kind::Authenticate:
    case PublishError::Kind::Trust:
        return PublishStatus::Unreachable;
    default:
        return PublishStatus::Failed;
    }
}

bool PublishEngine::confirmed(const QString &question) const {
    return m_settings.yes || (m_confirm && m_confirm(question));
}

bool PublishEngine::stopping() const {
    return m_failed || (m_stop && m_stop->load());
}

PublishError PublishEngine::retried(const std::function<PublishError()> &attempt) const {
    return retriedAfter(attempt(), attempt);
}

// Tries again after `error`, the outcome of a first attempt.
PublishError PublishEngine::retriedAfter(PublishError error,
                                         const std::function<PublishError()> &attempt) const {
    for (int retry = 0; retry < retryCount && error.kind == PublishError::Kind::Transient;
         ++retry) {
        if (m_stop && m_stop->load())
            break;
        QThread::msleep(unsigned(m_settings.retryDelayMilliseconds) << retry);
        error = attempt();
    }
    return error;
}

PublishStatus PublishEngine::connect(const QStringList &likelyFolders) {
    m_destinations.push_back(m_maker());
    Destination *destination = m_destinations.front().get();
    if (const PublishError error = destination->open(); error.failed())
        return fail(error);
    // What readServerFiles() will want to know, as far as it can be told before the manifest
    // is read, is asked in the same exchange: a round trip less to a distant server.
    QSet<QString> asked = alwaysAsked();
    for (const QString &folder : likelyFolders)
        asked.insert(folder);
    const QStringList askedList(asked.cbegin(), asked.cend());
    QByteArray bytes;
    std::optional<QList<RemoteEntry>> found;
    const PublishError error = retried([&] {
        return destination->readFileFinding(manifestFileName(), manifestSizeLimit, &bytes,
                                            askedList, &found);
    });
    if (found) {
        m_askedEarly = asked;
        m_foundEarly = *found;
    }
    if (error.kind == PublishError::Kind::NotFound)
        return PublishStatus::Done;
    // A manifest that could not be fetched is not a missing one: going on would forget
    // which files are ours.
    if (error.kind != PublishError::Kind::None && error.kind != PublishError::Kind::Failed)
        return fail(error);
    if (error.failed())
        m_warnings.append(
            EngineText::tr("The manifest on the server is ignored: %1").arg(error.message));
    else
        m_manifestBytes = bytes;
    return PublishStatus::Done;
}

PublishStatus PublishEngine::prepare(const QList<SiteFile> &site) {
    if (m_destinations.empty()) {
        if (const PublishStatus status = connect(foldersOf(site)); status != PublishStatus::Done)
            return status;
    }
    QList<RemoteEntry> listing;
    if (const PublishError error = readServerFiles(site, &listing); error.failed())
        return fail(error);
    readServerManifest(listing);
    if (m_settings.checkFiles)
        checkServerFiles(listing);
    m_plan = makePublishPlan(site, m_state);
    noteServingConflicts(listing, site);
    return PublishStatus::Done;
}

// The whole tree on a first visit, when foreign files are to be listed, and for --check-files.
// Otherwise only what matters: the folders on the way to the manifest's files (none may be a
// link: a removal there would reach elsewhere), the site's new files (one we did not write
// would be replaced), what a web server would show instead of index.htm, and what a stopped
// publish may have left. Our own files are not asked after one by one: the manifest says what
// they are, and replacing or removing a link leaves what it points to alone.
PublishError PublishEngine::readServerFiles(const QList<SiteFile> &site,
                                            QList<RemoteEntry> *listing) {
    Destination *destination = m_destinations.front().get();
    QString why;
    const std::optional<Manifest> claimed =
        m_manifestBytes ? quillsite::readManifest(*m_manifestBytes, {}, &why) : std::nullopt;
    if (!claimed || m_settings.checkFiles)
        return retried([&] { return destination->list(listing); });
    QSet<QString> wanted = alwaysAsked();
    for (const ManifestEntry &entry : claimed->files) {
        addFoldersOf(entry.path, wanted);
        if (entry.sha256.isEmpty())
            wanted.insert(temporaryUploadName(entry.path));
    }
    for (const SiteFile &file : site) {
        if (!claimed->files.contains(file.path))
            wanted.insert(file.path);
    }
    for (const RemoteEntry &entry : std::as_const(m_foundEarly)) {
        if (wanted.contains(entry.path))
            listing->append(entry);
    }
    wanted.subtract(m_askedEarly);
    if (wanted.isEmpty())
        return {};
    const QStringList paths(wanted.cbegin(), wanted.cend());
    QList<RemoteEntry> found;
    const PublishError error = retried([&] { return destination->find(paths, &found); });
    listing->append(found);
    return error;
}

void PublishEngine::readServerManifest(const QList<RemoteEntry> &listing) {
    if (!m_manifestBytes)
        return;
    QSet<QString> links;
    for (const RemoteEntry &entry : listing) {
        if (entry.isLink)
            links.insert(entry.path);
    }
    QString why;
    std::optional<Manifest> manifest = quillsite::readManifest(*m_manifestBytes, links, &why);
    if (!manifest) {
        // Trusting none of it is safe: nothing is deleted, and same-named files need a yes.
        m_warnings.append(EngineText::tr("The manifest on the server is ignored: %1").arg(why));
        return;
    }
    m_hadManifest = true;
    m_state = *manifest;
}

void PublishEngine::checkServerFiles(const QList<RemoteEntry> &listing) {
    QHash<QString, qint64> sizes;
    for (const RemoteEntry &entry : listing) {
        if (!entry.isFolder && !entry.isLink)
            sizes.insert(entry.path, entry.size);
    }
    Destination *destination = m_destinations.front().get();
    for (ManifestEntry &entry : m_state.files) {
        const auto found = sizes.constFind(entry.path);
        bool intact = found != sizes.cend() && *found == entry.size;
        if (intact) {
            QByteArray bytes;
            intact = !destination->readFile(entry.path, entry.size, &bytes).failed() &&
                     QString::fromLatin1(
                         QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex()) ==
                         entry.sha256;
        }
        if (!intact) {
            m_warnings.append(
                EngineText::tr("%1 was changed or removed on the server; it is sent again.")
                    .arg(entry.path));
            entry.sha256.clear();
        }
    }
}

void PublishEngine::noteServingConflicts(const QList<RemoteEntry> &listing,
                                         const QList<SiteFile> &site) {
    QSet<QString> ours;
    for (const SiteFile &file : site)
        ours.insert(file.path);
    static const QStringList preferred{u"index.html"_s, u"index.php"_s, u"default.htm"_s};
    for (const RemoteEntry &entry : listing) {
        if (entry.isFolder)
            continue;
        if (isTemporaryName(entry.path)) {
            m_leftovers.append(entry.path);
            continue;
        }
        if (preferred.contains(entry.path, Qt::CaseInsensitive) && !ours.contains(entry.path))
            m_warnings.append(
                EngineText::tr("The server's folder holds %1, which many web servers show "
                               "instead of index.htm. Remove it there, or visitors will not see "
                               "your start page.")
                    .arg(entry.path));
        if (entry.path == manifestFileName() || m_state.files.contains(entry.path))
            continue;
        // Listed once, when we first come; later they are known to be someone else's.
        if (!m_hadManifest)
            m_foreign.append(entry.path);
        if (ours.contains(entry.path))
            m_replacedForeign.append(entry.path);
    }
}

PublishStatus PublishEngine::check() {
    QTemporaryFile probe;
    if (!probe.open() || probe.write("quillsite") != 9 || !probe.flush())
        return fail({PublishError::Kind::Failed,
                     EngineText::tr("Cannot make a file to try the server with."),
                     {}});
    const QString name = checkProbeName();
    Destination *destination = m_destinations.front().get();
    if (const PublishError error = destination->put(name, probe.fileName()); error.failed())
        return fail(error);
    if (const PublishError error = destination->remove(name); error.failed())
        return fail(error);
    return PublishStatus::Done;
}

// Writes `manifest`, stamped now, into `file`, to be sent from there.
PublishError PublishEngine::saveManifest(Manifest &manifest, QTemporaryFile *file) const {
    manifest.time = QDateTime::currentDateTimeUtc();
    manifest.version = m_settings.version;
    const QByteArray bytes = quillsite::writeManifest(manifest);
    if (!file->open() || file->write(bytes) != bytes.size() || !file->flush())
        return {PublishError::Kind::Failed,
                EngineText::tr("Cannot write the manifest here: %1").arg(file->errorString()),
                {}};
    return {};
}

PublishError PublishEngine::writeManifest(Destination *destination) {
    QTemporaryFile file;
    if (const PublishError error = saveManifest(m_state, &file); error.failed())
        return error;
    return retried([&] { return destination->put(manifestFileName(), file.fileName()); });
}

PublishStatus PublishEngine::publish() {
    if (!m_replacedForeign.isEmpty() &&
        !confirmed(EngineText::tr(
                       "The server holds files that Quillsite did not write, which the site would "
                       "replace: %1. Replace them?")
                       .arg(nameFiles(m_replacedForeign)))) {
        m_errors.append(
            EngineText::tr("Stopped: the site would replace files on the server that Quillsite did "
                           "not write: %1. Give --yes to replace them.")
                .arg(nameFiles(m_replacedForeign)));
        return PublishStatus::StoppedForSafety;
    }
    if (m_plan.removed.size() > m_settings.maxDeletes &&
        !confirmed(EngineText::tr("The publish would remove %n files from the server. Go on?",
                                  nullptr, int(m_plan.removed.size())))) {
        m_errors.append(
            EngineText::tr("Stopped: the publish would remove %n files from the server, more than "
                           "--max-deletes allows. Give --yes or a larger --max-deletes.",
                           nullptr, int(m_plan.removed.size())));
        return PublishStatus::StoppedForSafety;
    }
    Destination *first = m_destinations.front().get();
    const QList<SiteFile> sends = m_plan.sends();
    if (!sends.isEmpty()) {
        // Ours but unknown until they are in place: if the publish ends half-way, the
        // next one sends them again and may remove them.
        const Manifest before = m_state;
        for (const SiteFile &file : sends)
            m_state.files.insert(file.path, {file.path, file.size, {}});
        // More connections, where the files justify them, open while the manifest goes up.
        // They hide the round trips to a distant server; to a near one they only add work.
        const qint64 roundTrip = first->roundTripMicroseconds();
        const bool near = roundTrip >= 0 && roundTrip < nearRoundTripMicroseconds;
        const int connections =
            near ? 1
                 : std::clamp(int(sends.size() + filesPerConnection - 1) / filesPerConnection, 1,
                              m_settings.jobs);
        std::vector<std::future<std::unique_ptr<Destination>>> opening = startOpening(connections);
        const PublishError error = writeManifest(first);
        addOpened(opening);
        if (error.failed())
            return fail(error);
        m_progress.filesTotal = int(sends.size());
        for (const SiteFile &file : sends)
            m_progress.bytesTotal += file.size;
        // Over one connection, the manifest naming every file sent goes up beside the last
        // of them and is moved into place once they all are: two round trips fewer than
        // after them. Should one fail, it is not moved, and the one written below says
        // what is truly there.
        Manifest hoped = m_state;
        for (const SiteFile &file : sends)
            hoped.files.insert(file.path, {file.path, file.size, file.sha256});
        QTemporaryFile hopedFile;
        const bool hopedSaved =
            m_destinations.size() == 1 && !saveManifest(hoped, &hopedFile).failed();
        const SiteFile hopedManifest{
            manifestFileName(), hopedFile.size(), {}, hopedFile.fileName()};
        std::optional<PublishError> hopedPut;
        qsizetype lastPhase = m_plan.sendPhases.size() - 1;
        while (lastPhase > 0 && m_plan.sendPhases.at(lastPhase).isEmpty())
            --lastPhase;
        for (qsizetype i = 0; i < m_plan.sendPhases.size() && !stopping(); ++i) {
            const bool last = i == lastPhase;
            sendPhase(m_plan.sendPhases.at(i), last && hopedSaved ? &hopedManifest : nullptr,
                      &hopedPut);
        }
        forgetUnsent(before);
        if (!hopedPut || hopedPut->failed()) {
            if (const PublishError error = writeManifest(first); error.failed())
                return fail(error);
        }
    }
    const bool completed = !stopping() && removeOldFiles();
    for (const QString &leftover : std::as_const(m_leftovers))
        first->remove(leftover);
    if (!completed || !m_errors.isEmpty()) {
        if (m_errors.isEmpty())
            m_errors.append(
                EngineText::tr("Stopped. The server holds whole files, and its manifest says "
                               "which; publish again to complete it."));
        first->finish(EngineText::tr("Part of a publish by Quillsite"));
        return m_worstKind == PublishError::Kind::Connect ? PublishStatus::Unreachable
                                                          : PublishStatus::Failed;
    }
    if (const PublishError error = first->finish(EngineText::tr("Published by Quillsite"));
        error.failed())
        return fail(error);
    return PublishStatus::Done;
}

// Files never tried are as they were before the publish: the old file, or none.
void PublishEngine::forgetUnsent(const Manifest &before) {
    for (const SiteFile &file : m_plan.sends()) {
        if (m_tried.contains(file.path))
            continue;
        if (before.files.contains(file.path))
            m_state.files.insert(file.path, before.files.value(file.path));
        else
            m_state.files.remove(file.path);
    }
}

std::vector<std::future<std::unique_ptr<Destination>>>
PublishEngine::startOpening(int connections) {
    std::vector<std::future<std::unique_ptr<Destination>>> opening;
    for (int i = int(m_destinations.size()); i < connections; ++i) {
        opening.push_back(std::async(std::launch::async, [this] {
            std::unique_ptr<Destination> destination = m_maker();
            // One that can't open is left out: the connections already open carry on.
            if (destination->open().failed())
                destination.reset();
            return destination;
        }));
    }
    return opening;
}

void PublishEngine::addOpened(std::vector<std::future<std::unique_ptr<Destination>>> &opening) {
    for (std::future<std::unique_ptr<Destination>> &connection : opening) {
        if (std::unique_ptr<Destination> destination = connection.get())
            m_destinations.push_back(std::move(destination));
    }
}

// With `manifest`, the first connection sends it beside the files and moves it into place once
// all of them went up well; `manifestPut` says how that went, nullopt when it did not go.
void PublishEngine::sendPhase(const QList<SiteFile> &files, const SiteFile *manifest,
                              std::optional<PublishError> *manifestPut) {
    std::atomic_int next = 0;
    const auto allSent = [&] {
        QMutexLocker locker(&m_mutex);
        return !stopping() && m_progress.filesDone == m_progress.filesTotal;
    };
    auto work = [&](Destination *destination) {
        // Files whose connection was lost: this connection takes no new ones until they went
        // again, one by one, as retries.
        QList<std::pair<const SiteFile *, PublishError>> again;
        const auto nextFile = [&]() -> const SiteFile * {
            if (stopping() || !again.isEmpty())
                return nullptr;
            const int index = next++;
            if (index >= files.size())
                return nullptr;
            QMutexLocker locker(&m_mutex);
            m_tried.insert(files.at(index).path);
            return &files.at(index);
        };
        const auto done = [&](const SiteFile &file, const PublishError &error) {
            if (error.kind == PublishError::Kind::Transient)
                again.append({&file, error});
            else
                record(file, error);
        };
        if (manifest && destination == m_destinations.front().get())
            *manifestPut = destination->putEachThen(nextFile, done, *manifest, allSent);
        else
            destination->putEach(nextFile, done);
        while (!again.isEmpty()) {
            for (const auto &[file, error] : std::exchange(again, {})) {
                const SiteFile &retry = *file;
                record(retry, retriedAfter(error, [&] {
                           return destination->put(retry.path, retry.localFile);
                       }));
            }
            destination->putEach(nextFile, done);
        }
    };
    std::vector<std::thread> workers;
    for (std::size_t i = 1; i < m_destinations.size(); ++i)
        workers.emplace_back(work, m_destinations[i].get());
    work(m_destinations.front().get());
    for (std::thread &worker : workers)
        worker.join();
}

void PublishEngine::record(const SiteFile &file, const PublishError &error) {
    QMutexLocker locker(&m_mutex);
    if (error.failed()) {
        m_errors.append(error.message);
        m_worstKind = error.kind;
        m_failed = true;
        return;
    }
    m_state.files.insert(file.path, {file.path, file.size, file.sha256});
    m_sent.append(file);
    ++m_progress.filesDone;
    m_progress.bytesDone += file.size;
    if (m_progressHandler)
        m_progressHandler(m_progress);
}

bool PublishEngine::removeOldFiles() {
    if (m_plan.removed.isEmpty())
        return true;
    Destination *first = m_destinations.front().get();
    for (const QString &path : std::as_const(m_plan.removed)) {
        if (stopping())
            break;
        const PublishError error = retried([&] { return first->remove(path); });
        if (error.failed() && error.kind != PublishError::Kind::NotFound) {
            m_errors.append(error.message);
            m_failed = true;
            break;
        }
        m_state.files.remove(path);
    }
    if (const PublishError error = writeManifest(first); error.failed())
        m_errors.append(error.message);
    return m_errors.isEmpty() && !stopping();
}

} // namespace quillsite
