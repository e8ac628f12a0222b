// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>

namespace quillsite {

// A file name for the web kept close to `fileName`: lower case, letters with
// accents without them, and every run of other characters (blanks included)
// one "-". "Café Menu 2.JPG" becomes "cafe-menu-2.jpg". A name with nothing
// left becomes "file" with the original's extension.
QString webSafeName(const QString &fileName);

// `name` for 1, else "stem-2.ext", "stem-3.ext", ... for 2, 3, ...
QString numberedName(const QString &name, int number);

// `name`, or when `taken` says it is, the first free of "stem-2.ext", "stem-3.ext", ...
QString freeName(const QString &name, const std::function<bool(const QString &)> &taken);

} // namespace quillsite
