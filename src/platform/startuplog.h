// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLoggingCategory>

namespace quillsite {

// What the program finds as it starts: warnings about data it can't read, and
// (when enabled with QT_LOGGING_RULES="quillsite.startup.info=true") the
// moment its window is shown, for checking an installation.
Q_DECLARE_LOGGING_CATEGORY(lcStartup)

} // namespace quillsite
