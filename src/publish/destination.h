// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "publish/publisherror.h"
#include "publish/remoteentry.h"
#include "publish/sitefile.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace quillsite {

// One connection to one place to publish to. Paths are relative to the
// published folder, '/'-separated, and already checked (no "..", not absolute).
class Destination {
public:
    virtual ~Destination() = default;

    // Connects, checks trust and authenticates.
    virtual PublishError open() = 0;
    // Reads at most limit bytes of a file; NotFound if it is absent, Failed if it is larger.
    virtual PublishError readFile(const QString &path, qint64 limit, QByteArray *bytes) = 0;
    // Reads a file as readFile() does and, where the destination can ask in the same exchange,
    // asks after `paths` as find() does: then `found` holds those there. It stays empty when
    // they could not be asked after (this one only reads).
    virtual PublishError readFileFinding(const QString &path, qint64 limit, QByteArray *bytes,
                                         const QStringList &paths,
                                         std::optional<QList<RemoteEntry>> *found);
    // The whole tree below the published folder.
    virtual PublishError list(QList<RemoteEntry> *entries) = 0;
    // Those of `paths` that are there. This one lists the whole tree; destinations that can
    // ask after single files do so.
    virtual PublishError find(const QStringList &paths, QList<RemoteEntry> *found);
    // Sends a local file: makes missing folders, writes under a temporary name in
    // the same folder, then renames into place (replacing). A visitor sees the old
    // file or the new one, never half of one.
    virtual PublishError put(const QString &path, const QString &localFile) = 0;
    using NextFile = std::function<const SiteFile *()>;
    using FileDone = std::function<void(const SiteFile &, const PublishError &)>;
    // Puts the files that `next` gives out until it gives none, telling `done` how each went.
    // This one sends them one by one; destinations that can keep several in flight do.
    virtual void putEach(const NextFile &next, const FileDone &done);
    // Puts the files as putEach() does, with `last` going up beside them under its temporary
    // name: it is moved into place only once every other file is done and `keepLast` then says
    // so; otherwise it is not put (nullopt). This one puts it after them.
    virtual std::optional<PublishError> putEachThen(const NextFile &next, const FileDone &done,
                                                    const SiteFile &last,
                                                    const std::function<bool()> &keepLast);
    // NotFound is not a failure to the caller.
    virtual PublishError remove(const QString &path) = 0;
    // Git: commits and pushes; the others have nothing left to do.
    virtual PublishError finish(const QString &summary) = 0;
    // The time a request takes to the server and back, as measured on the open connection;
    // -1 when unknown.
    virtual qint64 roundTripMicroseconds() const { return -1; }
    // Thread-safe: aborts the transfer in flight.
    virtual void cancel() = 0;
};

} // namespace quillsite
