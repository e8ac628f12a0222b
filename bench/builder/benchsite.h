// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "builder/website.h"

#include <QString>

namespace quillsite::bench {

// The template to build with: the first bundled template, or, when none is
// installed, a small one written into `workFolder`.
QString benchTemplate(const QString &workFolder);

// A site of `pageCount` pages ("Home" first) of about 4 KB of body markup each.
Website benchWebsite(const QString &templateFolder, int pageCount);

// The size in bytes (UTF-8) of the menu the builder makes for `site`.
qint64 menuBytes(const Website &site);

} // namespace quillsite::bench
