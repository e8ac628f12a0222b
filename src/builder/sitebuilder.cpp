// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/sitebuilder.h"

#include "builder/atomicfile.h"
#include "builder/buildchecks.h"
#include "builder/folderlisting.h"
#include "builder/makefolder.h"
#include "builder/pagenames.h"
#include "builder/pageskeleton.h"
#include "builder/picturecodec.h"
#include "builder/supportfiles.h"
#include "builder/templatefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFuture>
#include <QThreadPool>
#include <QtConcurrentMap>

#include <algorithm>
#include <memory>

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

// A page to write, by its index, and whether it replaces a file.
struct PageToWrite {
    qsizetype index;
    Target target;
};

// New pages first, then those replaced, the home page last: a page is in
// place before any page that links to it in a new menu.
QList<PageToWrite> pageWriteOrder(const QList<SitePage> &pages, const FolderListing &existing) {
    const QString home = pageFileName(u"Home"_s);
    QList<PageToWrite> fresh;
    QList<PageToWrite> replaced;
    QList<PageToWrite> last;
    for (qsizetype i = 0; i < pages.size(); ++i) {
        const QString file = pageFileName(pages[i].name);
        const PageToWrite page{i, existing.contains(file) ? Target::MayExist : Target::New};
        if (file == home)
            last.append(page);
        else if (page.target == Target::MayExist)
            replaced.append(page);
        else
            fresh.append(page);
    }
    return fresh + replaced + last;
}

// Whether the file at `path` holds exactly `pieces`, one after another.
bool holdsAlready(const QString &path, const QList<QByteArrayView> &pieces) {
    QFile file(path);
    qint64 size = 0;
    for (const QByteArrayView piece : pieces)
        size += piece.size();
    if (!file.open(QIODevice::ReadOnly) || file.size() != size)
        return false;
    return std::all_of(pieces.begin(), pieces.end(),
                       [&file](QByteArrayView piece) { return file.read(piece.size()) == piece; });
}

// A page's file, written and closed under its temporary name, waiting to be
// handed to the pass in its turn.
struct WrittenPage {
    std::shared_ptr<AtomicFile> file; // none when the file already held the page
    FileError error;
    qint64 estimatedSize = 0;
};

WrittenPage writePageFile(const SitePage &page, const PageToWrite &toWrite,
                          const QString &destination, const PageSkeleton &skeleton,
                          RenamePass &pass, SamePages samePages) {
    const QString path = pageFilePath(destination, page.name);
    const PageBytes bytes = skeleton.page(page.name, page.body);
    WrittenPage written{{}, {}, skeleton.estimatedPageSize(page.name, page.body)};
    if (samePages == SamePages::Keep && toWrite.target == Target::MayExist &&
        holdsAlready(path, bytes.pieces()))
        return written;
    auto file = std::make_shared<AtomicFile>(path, &pass, toWrite.target);
    written.error = file->open();
    if (!written.error.failed())
        written.error = file->write(bytes.pieces());
    if (!written.error.failed())
        written.error = file->finish();
    written.file = std::move(file);
    return written;
}

// Pages are made and written on every core; they are handed to the pass here,
// one after another in their order, as each is done.
BuildResult writePages(const QList<SitePage> &pages, const QString &destination,
                       const FolderListing &existing, const PageSkeleton &skeleton,
                       ProgressReport &report, RenamePass &pass, SamePages samePages) {
    const QList<PageToWrite> order = pageWriteOrder(pages, existing);
    QThreadPool pool;
    QFuture<WrittenPage> written =
        QtConcurrent::mapped(&pool, order, [&](const PageToWrite &toWrite) {
            return writePageFile(pages[toWrite.index], toWrite, destination, skeleton, pass,
                                 samePages);
        });
    BuildResult result;
    for (int i = 0; i < order.size(); ++i) {
        const WrittenPage page = written.resultAt(i);
        report.add(page.estimatedSize);
        FileError error = page.error;
        if (!error.failed() && page.file)
            error = page.file->commit();
        if (error.failed()) {
            written.cancel();
            written.waitForFinished();
            return buildFailure(
                QCoreApplication::translate("Builder", "Could not write the page file"), error);
        }
        result.pagesWritten += page.file ? 1 : 0;
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

// Writes the checked site under temporary names, then puts every file in
// place at once: a build cut short, or refused for a picture that could not
// be read, leaves the old site whole.
BuildResult writeSite(const MediaPlan &media, const SiteFolders &folders,
                      const FolderListing &existing, const PageSkeleton &skeleton,
                      const SupportFilePlan &plan, const BuildProgress &progress,
                      WarningPolicy warnings, SamePages samePages) {
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

    RenamePass pass;
    const MediaOutcome copies = writeSiteMedia(
        media, folders.media, [&](qint64 bytes) { report.setPartBytes(bytes); }, &pass);
    if (copies.error.failed())
        return buildFailure(copyAction(), copies.error);
    if (!copies.unreadable.isEmpty() && warnings == WarningPolicy::Refuse)
        return buildFailure(copyAction(), {copies.unreadable.first().files.first(),
                                           QCoreApplication::translate(
                                               "Builder", "It is missing or can't be read")});
    report.startPart();
    const CopyOutcome copy = copySupportFiles(
        plan, folders.source, folders.files, [&](qint64 bytes) { report.setPartBytes(bytes); },
        &pass);
    if (copy.error.failed())
        return buildFailure(copyFileAction(), copy.error);
    BuildResult result =
        writePages(media.pages, folders.destination, existing, skeleton, report, pass, samePages);
    if (!result.ok)
        return result;
    if (FileError error = pass.run(); error.failed())
        return buildFailure(
            QCoreApplication::translate("Builder", "Could not put the new file in place"), error);
    result.supportFilesCopied = copy.filesCopied;
    result.mediaFilesCopied = copies.filesWritten;
    result.missingFiles = media.missing + copies.unreadable;
    report.finish();
    return result;
}

// Removes what `previous` owned that the site just written does not.
void removeUnused(const Website &site, const QList<SitePage> &written, const QString &folder,
                  const OwnedFiles &previous, BuildResult &result) {
    if (previous.isEmpty())
        return;
    const OwnedFiles now = filesOwnedBy(written, folder, site.templateFolder);
    const Removal removal = removeUnusedFiles(folder, unusedFiles(previous, now), previous, now);
    result.removedFiles = removal.removed;
    for (const FileError &failure : removal.failed)
        result.warnings.append(failure.message(
            QCoreApplication::translate("Builder", "Could not remove the unused file")));
}

} // namespace

QString BuildResult::message() const {
    return ok ? QString() : error.message(action);
}

BuildResult BuildWebsite(const Website &site, const BuildProgress &progress, WarningPolicy warnings,
                         const OwnedFiles &previous, SamePages samePages) {
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
    const FolderListing existing(folders.destination);
    if (BuildResult problem = checkPageFiles(site.pages, folders.destination, existing);
        !problem.ok)
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
    if (FileError failure = pictureCodecFailure(); failure.failed())
        return buildFailure(
            QCoreApplication::translate("Builder", "Could not load the picture support"), failure);
    if (!media.missing.isEmpty() && warnings == WarningPolicy::Refuse)
        return buildFailure(copyAction(), {media.missing.first().files.first(),
                                           QCoreApplication::translate(
                                               "Builder", "It is missing or can't be read")});

    const PageSkeleton pageSkeleton(skeleton.text, site.title, site.author, fragment.text,
                                    media.pages, skeleton.encoding);
    BuildResult result =
        writeSite(media, folders, existing, pageSkeleton, plan, progress, warnings, samePages);
    if (result.ok) {
        result.warnings += media.danglingLinks;
        removeUnused(site, media.pages, siteFolder, previous, result);
    }
    for (const FileError &leftOut : plan.leftOut)
        result.warnings.append(
            leftOut.message(QCoreApplication::translate("Builder", "Left out the support file")));
    return result;
}

} // namespace quillsite
