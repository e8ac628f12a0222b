// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

// Files as the publishing tests make and look at them, on the site's side and the server's.
namespace quillsite::test {

// Writes `bytes` to `path`, making its folders first.
bool writeFile(const QString &path, const QByteArray &bytes);
// The bytes of `path`, or "(missing)" when it can't be read.
QByteArray readFile(const QString &path);
// The inode of `path`, 0 when there is none: a file replaced in any way has a new one.
ino_t inodeOf(const QString &path);

} // namespace quillsite::test
