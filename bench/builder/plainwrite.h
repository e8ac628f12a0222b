// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace quillsite::bench {

// One file of a built site: its path below the site folder and its bytes.
struct SiteFile {
    QString relativePath;
    QByteArray bytes;
};

// Every file below `folder`, subfolders included.
QList<SiteFile> readTree(const QString &folder);

enum class WriteMode {
    Plain,  // open, sequential writes, close
    Atomic, // the same into a temporary file that is then renamed into place
};

// The floor of building: the same files written into `folder` with plain
// system calls, folders made as needed. Returns false when a write fails.
bool writeTree(const QList<SiteFile> &files, const QString &folder, WriteMode mode);

} // namespace quillsite::bench
