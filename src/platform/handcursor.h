// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCursor>
#include <QString>

namespace quillsite {

// The pointer shown over link labels: hand.cur from the program's data
// folder `dataFolder`, else the system's pointing hand.
QCursor handCursor(const QString &dataFolder);

// The cursor in a Windows cursor (.cur) or icon file, with the hot spot the
// file gives; `fallback` when the file is missing or can't be read.
QCursor cursorFromFile(const QString &path, Qt::CursorShape fallback);

} // namespace quillsite
