// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "builder/fileerror.h"
#include "builder/pagenames.h"
#include "builder/sitemedia.h"
#include "builder/siteownership.h"
#include "builder/website.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace quillsite {

// The outcome of a build. On failure, `error` names the file or folder that
// failed and says why, in words a user understands.
struct BuildResult {
    bool ok = false;
    QString action; // what could not be done, such as "Could not read the template file"
    FileError error;
    int pagesWritten = 0;
    int supportFilesCopied = 0;
    QStringList warnings;     // what was left out of a site built all the same, one sentence each
    int mediaFilesCopied = 0; // pictures and linked files copied into `media`
    QList<MissingFiles> missingFiles; // what pages show or link to that could not be had
    QStringList removedFiles;         // files of the site built before that this one no longer uses

    // '<action> "<path>": <reason>' for a message box or standard error;
    // empty when the build succeeded.
    QString message() const;
};

// Called now and then while building with the work done so far and the whole,
// in bytes. A build can't be cancelled: a half-built site is worse than a slow one.
using BuildProgress = std::function<void(qint64 done, qint64 total)>;

// Whether a build goes on when something must be left out (say, a link in
// the template that leads out of it), with a warning, or writes nothing.
enum class WarningPolicy { Report, Refuse };

// Whether a page file that already holds exactly the page's bytes is written
// again, as a build does, or left as it is, as a preview that rewrites only
// the pages that changed does.
enum class SamePages { Rewrite, Keep };

// Writes the site: one page file per page merged into the template's skeleton
// with the menu of all pages, a copy of the template's `files` folder, and
// copies of the pictures and local files the pages show or link to in the
// site's `media` folder, the pages' addresses leading to them. A missing
// picture is a warning: every page is still written and the result lists it.
// Checks everything it can before writing anything, and writes only inside
// the destination: a symbolic link where it writes is refused. Every file is
// written to a temporary file first; once all are complete, they take their
// names in one short pass, pictures and support files first, new pages before
// the pages that link to them, the home page last, so that a build cut short
// leaves the old site or the new one. Temporary files left behind by an
// interrupted build into the same folder are removed. Then the files that
// `previous` (the site that stood there) owned and this site does not are
// removed, and listed in the result. `pagesWritten` counts the page files
// written, those kept by SamePages::Keep left out.
BuildResult BuildWebsite(const Website &site, const BuildProgress &progress = {},
                         WarningPolicy warnings = WarningPolicy::Report,
                         const OwnedFiles &previous = {}, SamePages samePages = SamePages::Rewrite);

} // namespace quillsite
