// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFileInfo>
#include <QString>

namespace quillsite {

// Why `entry` must not be read: it is a symbolic link that leads out of the
// template folder `canonicalTemplate`, so a template could put any file of
// the user's (~/.ssh, /etc) into a site. Empty when it may be read (or leads
// nowhere, which reading it then reports).
QString linkOutOfTemplate(const QFileInfo &entry, const QString &canonicalTemplate);

} // namespace quillsite
