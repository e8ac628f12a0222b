// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace quillsite {

// The value of `key` in `section` of an INI file, read by the classic profile
// rules: section and key without regard to case, blanks around the value
// dropped, one pair of enclosing quotes removed, at most 254 characters.
// A missing file, section or key gives the empty text. Never writes.
QString ReadIniString(const QString &section, const QString &key, const QString &file);

} // namespace quillsite
