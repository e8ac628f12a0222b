// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace quillsite {

// True when `path` names an existing, normal (not hidden) file. A folder is
// not a file; a pattern with * or ? is true when a normal file matches it.
// Never fails: anything odd gives false.
bool FileExists(const QString &path);

} // namespace quillsite
