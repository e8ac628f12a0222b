#include "builder/buildchecks.h"

#include <QFileInfo>
#include <QHash>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

const QString pageAction = u"Could not write the page file"_s;
const QString folderAction = u"Could not make the folder"_s;

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

} // namespace

QString collapseSeparators(const QString &path) {
    QString collapsed;
    collapsed.reserve(path.size());
    for (QChar ch : path) {
        if (ch != u'/' || !collapsed.endsWith(u'/'))
            collapsed += ch;
    }
    return collapsed;
}

BuildResult buildFailure(const QString &action, const QString &path, const QString &reason) {
    BuildResult result;
    result.action = action;
    result.path = path;
    result.reason = reason;
    return result;
}

PageFiles checkPageFiles(const QList<SitePage> &pages, const QString &destination) {
    PageFiles files;
    QHash<QString, qsizetype> pageOfFile;
    for (qsizetype i = 0; i < pages.size(); ++i) {
        const QString &name = pages[i].name;
        const QString path = collapseSeparators(destination + u'/' + pageFileName(name));
        if (const QString problem = pageNameProblem(name); !problem.isEmpty()) {
            files.failure = buildFailure(pageAction, path, problem);
            return files;
        }
        if (const auto earlier = pageOfFile.constFind(path); earlier != pageOfFile.cend()) {
            files.failure =
                buildFailure(pageAction, path,
                             u"The pages \"%1\" and \"%2\" would both be written to this file. "
                             "Rename one of them."_s.arg(pages[*earlier].name, name));
            return files;
        }
        if (QFileInfo(path).isDir()) {
            files.failure = buildFailure(pageAction, path,
                                         u"A folder of that name is in the way. Move it "
                                         "or rename the page."_s);
            return files;
        }
        pageOfFile.insert(path, i);
        files.paths.append(path);
    }
    files.failure = success();
    return files;
}

BuildResult checkDestination(const QString &destination, const QString &filesFolder) {
    if (destination.isEmpty()) {
        return buildFailure(folderAction, {},
                            u"No destination folder was given. Choose where to save the site"_s);
    }
    const QString existing = nearestExisting(destination);
    const QFileInfo info(existing);
    if (existing.isEmpty() || !info.isDir()) {
        return buildFailure(folderAction, existing.isEmpty() ? destination : existing,
                            u"It is a file, not a folder. Choose another destination"_s);
    }
    if (!info.isWritable()) {
        return buildFailure(folderAction, existing,
                            u"You are not allowed to write in this folder. Choose another "
                            "destination"_s);
    }
    const QFileInfo files(filesFolder);
    if (files.exists() && !files.isDir()) {
        return buildFailure(folderAction, files.filePath(),
                            u"A file of that name is in the way. Move it or choose another "
                            "destination"_s);
    }
    return success();
}

} // namespace quillsite
