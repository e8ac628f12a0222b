// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace quillsite {

// The folder that holds templates, pages and hand.cur: the executable's own
// folder when it has a `templates` folder, else the installed data folder.
QString programDataFolder();

// The login name of the effective user, else $USER, else $LOGNAME, else empty.
QString loginName();

// The user's desktop folder, or empty when none is known.
QString desktopFolder();

// The user's folder for what programs keep between runs, such as drafts:
// $XDG_STATE_HOME when it is a full path, else ~/.local/state.
QString stateFolder();

// Gives memory the program has freed back to the system, where the C library keeps it for
// reuse otherwise.
void returnFreedMemory();

} // namespace quillsite
