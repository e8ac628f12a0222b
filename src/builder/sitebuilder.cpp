#include "builder/sitebuilder.h"

#include "builder/atomicfile.h"
#include "builder/buildchecks.h"
#include "builder/makefolder.h"
#include "builder/pageskeleton.h"
#include "builder/supportfiles.h"
#include "builder/templatefile.h"

#include <QCoreApplication>
#include <QDir>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

QString readAction() {
    return QCoreApplication::translate("Builder", "Could not read the template file");
}

QString copyFileAction() {
    return QCoreApplication::translate("Builder", "Could not copy the support file");
}

QString copyAction() {
    return QCoreApplication::translate("Builder", "Could not copy the picture or file");
}

// Reports progress as the build goes, in about two hundred steps at most, so
// that a window showing it does not slow a large build down.
class ProgressReport final {
public:
    ProgressReport(const BuildProgress &progress, qint64 total)
        : m_progress(progress)
        , m_total(std::max<qint64>(total, 1)) {
        report(0);
    }

    void add(qint64 bytes) { step(m_done += bytes); }
    // A part of the build that tells the bytes it has done so far.
    void startPart() { m_partStart = m_done; }
    void setPartBytes(qint64 bytes) { step(m_done = m_partStart + bytes); }
    void finish() { report(m_total); }

private:
    static constexpr qint64 steps = 200;

    void step(qint64 done) {
        if ((done - m_reported) * steps >= m_total)
            report(done);
    }

    void report(qint64 done) {
        m_reported = std::min(done, m_total);
        if (m_progress)
            m_progress(m_reported, m_total);
    }

    const BuildProgress &m_progress;
    qint64 m_total;
    qint64 m_done = 0;
    qint64 m_partStart = 0;
    qint64 m_reported = 0;
};

BuildResult writePages(const QList<SitePage> &pages, const QString &destination,
                       const PageSkeleton &skeleton, ProgressReport &report) {
    BuildResult result;
    for (const SitePage &page : pages) {
        const QString path = pageFilePath(destination, page.name);
        const PageBytes bytes = skeleton.page(page.name, page.body);
        if (FileError error = writeFileAtomically(path, bytes.pieces()); error.failed()) {
            BuildResult failure = buildFailure(
                QCoreApplication::translate("Builder", "Could not write the page file"), error);
            failure.pagesWritten = result.pagesWritten;
            return failure;
        }
        ++result.pagesWritten;
        report.add(skeleton.estimatedPageSize(page.name, page.body));
    }
    result.ok = true;
    return result;
}

// Where a build reads its support files and writes the site, cleaned.
struct SiteFolders {
    QString source; // the template's files folder
    QString destination;
    QString files; // the site's files folder
    QString media; // the site's media folder, an absolute path
};

// Writes the checked site: the copies of its pictures and linked files, its
// pages (so that no written page leads to a file not there yet), then its
// support files.
BuildResult writeSite(const MediaPlan &media, const SiteFolders &folders,
                      const PageSkeleton &skeleton, const SupportFilePlan &plan,
                      const BuildProgress &progress) {
    qint64 total = plan.totalBytes + media.totalBytes;
    for (const SitePage &page : media.pages)
        total += skeleton.estimatedPageSize(page.name, page.body);
    ProgressReport report(progress, total);

    if (FileError error = makeFolder(folders.files); error.failed())
        return buildFailure(QCoreApplication::translate("Builder", "Could not make the folder"),
                            error);
    removeLeftoverTemporaryFiles(folders.destination);
    removeLeftoverTemporaryFiles(folders.files);
    for (const QString &folder : plan.folders)
        removeLeftoverTemporaryFiles(folders.files + u'/' + folder);
    removeLeftoverTemporaryFiles(folders.media);
    const MediaOutcome copies =
        writeSiteMedia(media, folders.media, [&](qint64 bytes) { report.setPartBytes(bytes); });
    if (copies.error.failed())
        return buildFailure(copyAction(), copies.error);
    BuildResult result = writePages(media.pages, folders.destination, skeleton, report);
    result.mediaFilesCopied = copies.filesWritten;
    result.missingFiles = media.missing + copies.unreadable;
    if (!result.ok)
        return result;

    report.startPart();
    const CopyOutcome copy = copySupportFiles(plan, folders.source, folders.files,
                                              [&](qint64 bytes) { report.setPartBytes(bytes); });
    result.supportFilesCopied = copy.filesCopied;
    if (copy.error.failed()) {
        BuildResult failure = buildFailure(copyFileAction(), copy.error);
        failure.pagesWritten = result.pagesWritten;
        failure.supportFilesCopied = copy.filesCopied;
        return failure;
    }
    report.finish();
    return result;
}

} // namespace

QString BuildResult::message() const {
    return ok ? QString() : error.message(action);
}

BuildResult BuildWebsite(const Website &site, const BuildProgress &progress,
                         WarningPolicy warnings) {
    // Everything is read and checked first, so that a build that can't
    // succeed writes nothing.
    const TemplateText skeleton = readTemplateFile(site.templateFolder, u"main.txt"_s);
    if (skeleton.error.failed())
        return buildFailure(readAction(), skeleton.error);
    const TemplateText fragment = readTemplateFile(site.templateFolder, u"menuitem.txt"_s);
    if (fragment.error.failed())
        return buildFailure(readAction(), fragment.error);

    const QString siteFolder = QDir::cleanPath(QDir(site.destination).absolutePath());
    const SiteFolders folders{
        site.templateFolder + u"/files"_s, collapseSeparators(site.destination),
        collapseSeparators(site.destination + u"/files/"_s).chopped(1), siteFolder + u"/media"_s};
    if (BuildResult problem = checkDestination(folders.destination, folders.files, folders.source);
        !problem.ok)
        return problem;
    if (BuildResult problem = checkPageFiles(site.pages, folders.destination); !problem.ok)
        return problem;
    const SupportFilePlan plan = planSupportFiles(folders.source, folders.files);
    if (plan.error.failed())
        return buildFailure(
            QCoreApplication::translate("Builder", "Could not copy the support files"), plan.error);
    if (!plan.leftOut.isEmpty() && warnings == WarningPolicy::Refuse)
        return buildFailure(copyFileAction(), plan.leftOut.first());
    const MediaPlan media = planSiteMedia(site.pages, siteFolder, folders.media);
    if (media.error.failed())
        return buildFailure(QCoreApplication::translate("Builder", "Could not make the folder"),
                            media.error);
    if (!media.missing.isEmpty() && warnings == WarningPolicy::Refuse)
        return buildFailure(copyAction(), {media.missing.first().files.first(),
                                           QCoreApplication::translate(
                                               "Builder", "It is missing or can't be read")});

    const PageSkeleton pageSkeleton(skeleton.text, site.title, site.author, fragment.text,
                                    media.pages, skeleton.encoding);
    BuildResult result = writeSite(media, folders, pageSkeleton, plan, progress);
    if (result.ok && !result.missingFiles.isEmpty() && warnings == WarningPolicy::Refuse)
        return buildFailure(copyAction(), {result.missingFiles.first().files.first(),
                                           QCoreApplication::translate(
                                               "Builder", "It is missing or can't be read")});
    if (result.ok)
        result.warnings += media.danglingLinks;
    for (const FileError &leftOut : plan.leftOut)
        result.warnings.append(
            leftOut.message(QCoreApplication::translate("Builder", "Left out the support file")));
    return result;
}

} // namespace quillsite
