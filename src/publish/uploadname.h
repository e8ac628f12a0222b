// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace quillsite {

// The name a file is written under before it is renamed over `target` ("a/b.htm" gives
// "a/.b.htm.quillsite-upload"): beside it, so that the rename stays inside one file system,
// and the same every time, so that a publish stopped half-way leaves at most one per file,
// which the next publish of that file writes over and a publish knows where to look for.
inline QByteArray temporaryUploadName(const QByteArray &target) {
    const qsizetype slash = target.lastIndexOf('/');
    return target.left(slash + 1) + '.' + target.mid(slash + 1) + ".quillsite-upload";
}

inline QString temporaryUploadName(const QString &target) {
    return QString::fromUtf8(temporaryUploadName(target.toUtf8()));
}

// Whether a file on the server is one that a publish was writing when it was stopped. Such
// files are ours to remove, and never published.
inline bool isTemporaryName(const QString &path) {
    const qsizetype slash = path.lastIndexOf(u'/');
    return path.endsWith(QStringLiteral(".quillsite-upload")) && path.at(slash + 1) == u'.';
}

} // namespace quillsite
