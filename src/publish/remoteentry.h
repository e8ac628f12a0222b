// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace quillsite {

// One file or folder found below the published folder on the server.
struct RemoteEntry {
    QString path; // relative to the published folder, '/'-separated
    qint64 size = 0;
    bool isFolder = false;
    bool isLink = false;
};

} // namespace quillsite
