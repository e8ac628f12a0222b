// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "builder/website.h"

#include <QString>
#include <QStringList>

namespace quillsite {

// The page files of `site` that already stand in its destination folder:
// what building it would replace.
QStringList pageFilesInTheWay(const Website &site);

// Of `openedFiles`, the page files of the site as it was opened from its
// destination, those that building `site` no longer writes and that are still
// there: pages deleted since, still reachable on the web.
QStringList leftoverPageFiles(const Website &site, const QStringList &openedFiles);

// Removes `files` from `folder`. Empty when all are gone, else why the first
// that could not be removed stays, naming it.
QString removePageFiles(const QString &folder, const QStringList &files);

} // namespace quillsite
