// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "publish/destination.h"

#include <atomic>

namespace quillsite {

// A folder on this computer, such as a mounted share or a web server's folder.
// Files are written under a temporary name beside their place and renamed into
// it; nothing below the folder is reached through a symbolic link.
class FolderDestination final : public Destination {
public:
    explicit FolderDestination(const QString &folder);

    PublishError open() override;
    PublishError readFile(const QString &path, qint64 limit, QByteArray *bytes) override;
    PublishError list(QList<RemoteEntry> *entries) override;
    PublishError put(const QString &path, const QString &localFile) override;
    PublishError remove(const QString &path) override;
    PublishError finish(const QString &summary) override;
    void cancel() override;

private:
    // The file's place, or nothing when a folder on the way is a symbolic link.
    std::optional<QString> placeOf(const QString &path) const;
    PublishError copyInto(const QString &target, const QString &localFile);

    QString m_folder;
    std::atomic_bool m_cancelled = false;
};

} // namespace quillsite
