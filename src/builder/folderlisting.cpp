// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/folderlisting.h"

#include <QDirIterator>

namespace quillsite {

FolderListing::FolderListing(const QString &folder) {
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        const QFileInfo info = it.nextFileInfo();
        m_entries.insert(info.fileName(), info);
    }
}

QFileInfo FolderListing::entry(const QString &name) const {
    return m_entries.value(name);
}

} // namespace quillsite
