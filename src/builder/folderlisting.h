// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFileInfo>
#include <QHash>
#include <QString>

namespace quillsite {

// What a folder holds, read in one pass: asking after a thousand page files
// one by one would look up the whole path a thousand times. The kind of each
// entry comes with the listing, so a symbolic link is seen as one.
class FolderListing final {
public:
    // Empty when `folder` does not exist yet.
    explicit FolderListing(const QString &folder);

    // The entry called `name`; one that does not exist when there is none.
    QFileInfo entry(const QString &name) const;
    bool contains(const QString &name) const { return m_entries.contains(name); }

private:
    QHash<QString, QFileInfo> m_entries;
};

} // namespace quillsite
