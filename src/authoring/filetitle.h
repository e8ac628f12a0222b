// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace quillsite {

// The file name of `path` without its folder and without the extension that
// starts at the name's last ".": "/site/pages/About Us.htm" gives "About Us".
QString FileTitle(const QString &path);

} // namespace quillsite
