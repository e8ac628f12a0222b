// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/startuplog.h"

namespace quillsite {

Q_LOGGING_CATEGORY(lcStartup, "quillsite.startup", QtWarningMsg)

} // namespace quillsite
