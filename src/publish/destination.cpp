// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "publish/destination.h"

#include <QSet>

namespace quillsite {

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

} // namespace quillsite
