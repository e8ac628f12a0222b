// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "builder/fileerror.h"
#include "builder/website.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace quillsite {

// The files a built site owns, as paths relative to its folder ("index.htm",
// "media/photo.jpg", "files/style.css"): what a later build may remove once
// that site no longer needs them. Whatever else stands in the folder is the
// user's and is never touched.
struct OwnedFiles {
    QStringList pages;          // the page files its menu lists
    QStringList media;          // the files under media/ that its pages show or link to
    QStringList support;        // the files its template's files folder put under files/
    QStringList supportFolders; // the folders the template made under files/, parents first

    bool isEmpty() const { return pages.isEmpty() && media.isEmpty() && support.isEmpty(); }
};

// What the Quillsite site in `folder` owns, when one of `templateFolders`
// built it; nothing when no site made with a known template stands there.
OwnedFiles filesOwnedBySiteIn(const QString &folder, const QStringList &templateFolders);

// What `pages` (as written into `folder`, their addresses leading into it)
// with the template in `templateFolder` own.
OwnedFiles filesOwnedBy(const QList<SitePage> &pages, const QString &folder,
                        const QString &templateFolder);

// The files `before` owned that `after` does not, pages first, each list sorted.
QStringList unusedFiles(const OwnedFiles &before, const OwnedFiles &after);

struct Removal {
    QStringList removed;     // relative to the folder
    QList<FileError> failed; // the files that stay although unused, and why
};

// Removes `files` from `folder`, then those of `before`'s support folders
// that `after` does not need and that are empty now.
Removal removeUnusedFiles(const QString &folder, const QStringList &files, const OwnedFiles &before,
                          const OwnedFiles &after);

} // namespace quillsite
