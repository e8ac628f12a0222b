#pragma once

#include "builder/website.h"

#include <QString>

#include <functional>

namespace quillsite {

// The outcome of a build. On failure, `path` names the file or folder that
// failed and `reason` says why, in words a user understands.
struct BuildResult
{
    bool ok = false;
    QString path;
    QString reason;
    int pagesWritten = 0;
    int supportFilesCopied = 0;

    // "<reason>: <path>" style text for a message box or standard error.
    QString message() const;
};

// Called now and then while building with the work done so far and the whole;
// returning false does not cancel (a half-built site is worse than a slow one).
using BuildProgress = std::function<void(qint64 done, qint64 total)>;

// Writes the site: one page file per page merged into the template's skeleton
// with the menu of all pages, plus a copy of the template's `files` folder.
// Checks everything it can before writing anything.
BuildResult BuildWebsite(const Website &site, const BuildProgress &progress = {});

// "index.htm" for the page named exactly "Home", else the lower-cased name and ".htm".
QString pageFileName(const QString &pageName);

// The link to a page as the menu writes it: its file name with %, #, ? and "
// percent-encoded, so that the link reaches the file.
QString pageLink(const QString &pageName);

// Why a page name can't be used as a file in the destination folder (a
// separator, a control character, "." or ".."), or an empty text when it can.
QString pageNameProblem(const QString &pageName);

} // namespace quillsite
