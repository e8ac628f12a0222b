// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "builder/fileerror.h"
#include "builder/mediafile.h"
#include "builder/website.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace quillsite {

// The local files a page shows or links to that could not be had.
struct MissingFiles {
    QString pageName;
    QStringList files;
};

// What carrying a site's pictures and linked files into its `media` folder
// involves, worked out before anything is written.
struct MediaPlan {
    QList<SitePage> pages;       // the pages with their addresses leading into the site
    QList<MediaFile> files;      // each file to write, once however often it is used
    QStringList names;           // the name of each file in the media folder
    QList<QStringList> users;    // for each file, the pages that show or link to it
    QList<MissingFiles> missing; // per page, in page order; pages missing nothing are left out
    QStringList danglingLinks;   // links to pages no longer in the site, as warnings
    qint64 totalBytes = 0;
    FileError error; // empty when the plan can be carried out
};

// Finds every picture and linked local file of the pages, chooses web-safe
// names for their copies in `mediaFolder` (inside `destination`, both clean
// absolute paths) and rewrites the pages' addresses to lead to them, with
// the width and height of each picture. A page without such addresses keeps
// its markup unchanged, byte for byte.
MediaPlan planSiteMedia(const QList<SitePage> &pages, const QString &destination,
                        const QString &mediaFolder);

struct MediaOutcome {
    int filesWritten = 0; // copies made; those already there as they should be are not counted
    FileError error;      // empty when every file is in place
    QList<MissingFiles> unreadable; // pictures that could not be read, so were left out
};

// Writes the planned copies, using every core; `copied` is told the bytes
// done so far, now and then, on the calling thread. With `pass`, the copies
// wait under temporary names for it to put them in place.
MediaOutcome writeSiteMedia(const MediaPlan &plan, const QString &mediaFolder,
                            const std::function<void(qint64 bytes)> &copied,
                            RenamePass *pass = nullptr);

} // namespace quillsite
