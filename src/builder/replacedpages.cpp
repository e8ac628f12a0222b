// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/replacedpages.h"

#include "builder/buildchecks.h"
#include "builder/pagenames.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

QStringList builtFiles(const Website &site) {
    QStringList files;
    for (const SitePage &page : site.pages)
        files.append(pageFileName(page.name));
    return files;
}

bool standsIn(const QString &folder, const QString &file) {
    return QFileInfo::exists(collapseSeparators(folder + u'/' + file));
}

} // namespace

QStringList pageFilesInTheWay(const Website &site) {
    QStringList files;
    for (const QString &file : builtFiles(site)) {
        if (standsIn(site.destination, file))
            files.append(file);
    }
    return files;
}

QStringList leftoverPageFiles(const Website &site, const QStringList &openedFiles) {
    const QStringList built = builtFiles(site);
    QStringList leftovers;
    for (const QString &file : openedFiles) {
        if (!built.contains(file) && standsIn(site.destination, file))
            leftovers.append(file);
    }
    return leftovers;
}

QString removePageFiles(const QString &folder, const QStringList &files) {
    for (const QString &file : files) {
        QFile page(collapseSeparators(folder + u'/' + file));
        if (!page.remove()) {
            return QCoreApplication::translate("ReplacedPages",
                                               "Could not remove the page file \"%1\": %2.")
                .arg(page.fileName(), page.errorString());
        }
    }
    return {};
}

} // namespace quillsite
