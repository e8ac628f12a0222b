// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace quillsite {

// The lock file that one publish to a place holds, so that a second one, from
// the command line or the wizard, is refused while it runs.
QString publishLockFile(const QString &place);

} // namespace quillsite
