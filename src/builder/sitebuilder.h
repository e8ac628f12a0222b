#pragma once

#include "builder/fileerror.h"
#include "builder/pagenames.h"
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
    // What a built site may lack, for the user to put right: one sentence each.
    QStringList warnings;

    // '<action> "<path>": <reason>' for a message box or standard error;
    // empty when the build succeeded.
    QString message() const;
};

// Called now and then while building with the work done so far and the whole,
// in bytes. A build can't be cancelled: a half-built site is worse than a slow one.
using BuildProgress = std::function<void(qint64 done, qint64 total)>;

// Writes the site: one page file per page merged into the template's skeleton
// with the menu of all pages, plus a copy of the template's `files` folder.
// Checks everything it can before writing anything.
BuildResult BuildWebsite(const Website &site, const BuildProgress &progress = {});

} // namespace quillsite
