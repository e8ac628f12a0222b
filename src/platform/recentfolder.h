// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace quillsite {

// Where the file choosers start: the folder the user last chose a file in, remembered
// across runs in the program's settings under the XDG config folder. The home folder
// when none was chosen yet, or the one remembered is gone.
QString lastFileFolder();

// Remembers the folder of the chosen `file`; nothing for an empty one (cancelled).
void rememberFileFolder(const QString &file);

} // namespace quillsite
