// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/buildchecks.h"

#include "builder/makefolder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

QString pageAction() {
    return QCoreApplication::translate("Builder", "Could not write the page file");
}

QString folderAction() {
    return QCoreApplication::translate("Builder", "Could not make the folder");
}

QString writeAction() {
    return QCoreApplication::translate("Builder", "Could not write in the folder");
}

BuildResult success() {
    BuildResult result;
    result.ok = true;
    return result;
}

// The nearest of `path` and its parents that exists, or empty when none does.
QString nearestExisting(const QString &path) {
    QFileInfo info(path);
    while (!info.exists()) {
        const QString parent = info.path();
        if (parent == info.filePath())
            return {};
        info.setFile(parent);
    }
    return info.filePath();
}

// Whether `path`, of which `existing` is the part that exists, is or lies in
// `folder`, with every link followed.
bool liesWithin(const QString &path, const QString &existing, const QString &folder) {
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    if (canonicalFolder.isEmpty())
        return false;
    const QString canonical =
        QFileInfo(existing).canonicalFilePath() + path.sliced(existing.size());
    return canonical == canonicalFolder || canonical.startsWith(canonicalFolder + u'/');
}

struct FileNameClash {
    qsizetype earlier = -1;
    qsizetype later = -1; // the first page, in page order, whose file name an earlier page has
};

// Finds the clash by sorting the pages by the hash of their file name rather
// than keeping every name in a set, which would take memory growing with the
// site; pages of equal file names then stand side by side, in page order.
FileNameClash firstFileNameClash(const QList<SitePage> &pages) {
    std::vector<std::pair<size_t, qsizetype>> order; // hash of the file name, page index
    order.reserve(size_t(pages.size()));
    for (qsizetype i = 0; i < pages.size(); ++i)
        order.emplace_back(qHash(pageFileName(pages[i].name)), i);
    std::sort(order.begin(), order.end());

    FileNameClash clash;
    for (size_t first = 0; first + 1 < order.size(); ++first) {
        const size_t hash = order[first].first;
        if (order[first + 1].first != hash)
            continue; // as a rule no other page shares the hash
        const QString fileName = pageFileName(pages[order[first].second].name);
        for (size_t other = first + 1; other < order.size() && order[other].first == hash;
             ++other) {
            const qsizetype page = order[other].second;
            if (pageFileName(pages[page].name) != fileName)
                continue;
            if (clash.later < 0 || page < clash.later)
                clash = {order[first].second, page};
            break;
        }
    }
    return clash;
}

} // namespace

QString collapseSeparators(const QString &path) {
    if (!path.contains(u"//"_s))
        return path;
    QString collapsed;
    collapsed.reserve(path.size());
    for (QChar ch : path) {
        if (ch != u'/' || !collapsed.endsWith(u'/'))
            collapsed += ch;
    }
    return collapsed;
}

BuildResult buildFailure(const QString &action, const FileError &error) {
    BuildResult result;
    result.action = action;
    result.error = error;
    return result;
}

QString pageFilePath(const QString &destination, const QString &pageName) {
    return collapseSeparators(destination + u'/' + pageFileName(pageName));
}

BuildResult checkPageFiles(const QList<SitePage> &pages, const QString &destination,
                           const FolderListing &existing) {
    const FileNameClash clash = firstFileNameClash(pages);
    for (qsizetype i = 0; i < pages.size(); ++i) {
        const QString &name = pages[i].name;
        const QString path = pageFilePath(destination, name);
        if (const QString problem = pageNameProblem(name); !problem.isEmpty())
            return buildFailure(pageAction(), {path, problem});
        if (i == clash.later) {
            return buildFailure(pageAction(),
                                {path, QCoreApplication::translate(
                                           "Builder", "The pages \"%1\" and \"%2\" would both be "
                                                      "written to this file. Rename one of them.")
                                           .arg(pages[clash.earlier].name, name)});
        }
        const QFileInfo entry = existing.entry(pageFileName(name));
        if (entry.isSymLink())
            return buildFailure(pageAction(), {path, symbolicLinkProblem()});
        if (entry.isDir()) {
            return buildFailure(
                pageAction(),
                {path, QCoreApplication::translate(
                           "Builder",
                           "A folder of that name is in the way. Move it or rename the page.")});
        }
    }
    return success();
}

BuildResult checkDestination(const QString &destination, const QString &filesFolder,
                             const QString &templateFiles) {
    if (destination.isEmpty()) {
        return buildFailure(
            folderAction(),
            {{},
             QCoreApplication::translate(
                 "Builder", "No destination folder was given. Choose where to save the site")});
    }
    const QString existing = nearestExisting(destination);
    const QFileInfo info(existing);
    if (existing.isEmpty() || !info.isDir()) {
        return buildFailure(
            folderAction(),
            {existing.isEmpty() ? destination : existing,
             QCoreApplication::translate(
                 "Builder", "It is a file, not a folder. Choose another destination")});
    }
    if (!info.isWritable()) {
        // Said of the folder that is there: it need not be made, only written in.
        return buildFailure(
            existing == destination ? writeAction() : folderAction(),
            {existing,
             QCoreApplication::translate(
                 "Builder",
                 "You are not allowed to write in this folder. Choose another destination")});
    }
    if (liesWithin(destination, existing, templateFiles)) {
        return buildFailure(
            folderAction(),
            {destination,
             QCoreApplication::translate("Builder", "It is inside the template's files "
                                                    "folder, which would copy the site "
                                                    "into itself. Choose another destination")});
    }
    const QFileInfo files(filesFolder);
    if (files.isSymLink())
        return buildFailure(folderAction(), {files.filePath(), symbolicLinkProblem()});
    if (files.exists() && !files.isDir()) {
        return buildFailure(folderAction(),
                            {files.filePath(),
                             QCoreApplication::translate(
                                 "Builder", "A file of that name is in the way. Move it or choose "
                                            "another destination")});
    }
    return success();
}

} // namespace quillsite
