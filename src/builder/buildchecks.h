#pragma once

#include "builder/sitebuilder.h"

#include <QList>
#include <QString>

namespace quillsite {

// `path` with every run of "/" made one, so that no path made under the
// destination ever holds a doubled separator.
QString collapseSeparators(const QString &path);

BuildResult buildFailure(const QString &action, const QString &path, const QString &reason);

// The full path of every page file in page order, or a failure when a page
// name can't be a file name, two pages would share a file, or a folder
// stands where a page file is to be written.
struct PageFiles {
    QList<QString> paths;
    BuildResult failure;
};
PageFiles checkPageFiles(const QList<SitePage> &pages, const QString &destination);

// Whether `destination` is a folder or can be made one, with its `files`
// folder; ok when it can.
BuildResult checkDestination(const QString &destination, const QString &filesFolder);

} // namespace quillsite
