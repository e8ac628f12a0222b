// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "builder/fileerror.h"

#include <QString>

namespace quillsite {

// Makes `path` with every missing parent folder; the system's reason when it
// could not and the folder is not there.
FileError makeFolder(const QString &path);

// Why the build does not write through a symbolic link that stands where it
// writes: the link could lead the files out of the website's folder.
QString symbolicLinkProblem();

} // namespace quillsite
