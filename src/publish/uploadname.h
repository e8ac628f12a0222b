// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

namespace quillsite {

// The name a file is written under before it is renamed over `target` ("a/b.htm" gives
// "a/.b.htm.quillsite-upload"): beside it, so that the rename stays inside one file system,
// and the same every time, so that a publish stopped half-way leaves at most one per file.
inline QByteArray temporaryUploadName(const QByteArray &target) {
    const qsizetype slash = target.lastIndexOf('/');
    return target.left(slash + 1) + '.' + target.mid(slash + 1) + ".quillsite-upload";
}

} // namespace quillsite
