// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "builder/folderlisting.h"
#include "builder/sitebuilder.h"

#include <QList>
#include <QString>

namespace quillsite {

// `path` with every run of "/" made one, so that no path made under the
// destination ever holds a doubled separator.
QString collapseSeparators(const QString &path);

BuildResult buildFailure(const QString &action, const FileError &error);

// Where the page of this name is written in the (cleaned) destination folder.
QString pageFilePath(const QString &destination, const QString &pageName);

// A failure when a page name can't be a file name, two pages would share a
// file, or a folder or a symbolic link stands where a page file is to be
// written in `destination`, which holds `existing`; else ok.
BuildResult checkPageFiles(const QList<SitePage> &pages, const QString &destination,
                           const FolderListing &existing);

// Whether `destination` is a folder or can be made one, with its `files`
// folder, outside the template's `templateFiles` folder (a site there would
// be copied into itself at the next build); ok when it can.
BuildResult checkDestination(const QString &destination, const QString &filesFolder,
                             const QString &templateFiles);

} // namespace quillsite
