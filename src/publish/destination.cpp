// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "publish/destination.h"

#include <QSet>

namespace quillsite {

PublishError Destination::readFileFinding(const QString &path, qint64 limit, QByteArray *bytes,
                                          const QStringList &,
                                          std::optional<QList<RemoteEntry>> *found) {
    found->reset();
    return readFile(path, limit, bytes);
}

PublishError Destination::find(const QStringList &paths, QList<RemoteEntry> *found) {
    found->clear();
    QList<RemoteEntry> entries;
    if (PublishError error = list(&entries); error.failed())
        return error;
    const QSet<QString> wanted(paths.cbegin(), paths.cend());
    for (const RemoteEntry &entry : std::as_const(entries)) {
        if (wanted.contains(entry.path))
            found->append(entry);
    }
    return {};
}

void Destination::putEach(const NextFile &next, const FileDone &done) {
    while (const SiteFile *file = next())
        done(*file, put(file->path, file->localFile));
}

std::optional<PublishError> Destination::putEachThen(const NextFile &next, const FileDone &done,
                                                     const SiteFile &last,
                                                     const std::function<bool()> &keepLast) {
    putEach(next, done);
    if (!keepLast())
        return std::nullopt;
    return put(last.path, last.localFile);
}

} // namespace quillsite
