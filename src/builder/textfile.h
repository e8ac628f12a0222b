// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "builder/fileerror.h"

#include <QByteArray>

namespace quillsite {

// The most a page file or a template's text file may hold. Far more than any
// real page, and small enough that a device such as /dev/zero given by mistake
// is refused at once instead of filling the memory.
constexpr qint64 maxTextFileBytes = 64 * 1024 * 1024;

struct TextFileBytes {
    QByteArray bytes;
    FileError error;
};

// Whether a symbolic link given as the file is followed. A page of a site
// read back is taken only from a file that is in the site's folder itself, so
// that a link planted there can't bring in a file from elsewhere.
enum class LinkPolicy { Follow, Refuse };

// Reads the whole of `path` when it is an ordinary file of at most
// maxTextFileBytes. A folder, pipe or device is refused without waiting on it.
TextFileBytes readTextFile(const QString &path, LinkPolicy links = LinkPolicy::Follow);

} // namespace quillsite
