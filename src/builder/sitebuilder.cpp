#include "builder/sitebuilder.h"

#include "builder/atomicfile.h"
#include "builder/buildchecks.h"
#include "builder/makefolder.h"
#include "builder/pagelinks.h"
#include "builder/pageskeleton.h"
#include "builder/supportfiles.h"
#include "builder/templatefile.h"

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

const QString readAction = u"Could not read the template file"_s;

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
    void setSupportBytes(qint64 bytes) { step(m_pagesDone + bytes); }
    void pagesDone() { m_pagesDone = m_done; }
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
    qint64 m_pagesDone = 0;
    qint64 m_reported = 0;
};

BuildResult writePages(const Website &site, const QString &destination,
                       const PageSkeleton &skeleton, ProgressReport &report) {
    BuildResult result;
    for (const SitePage &page : site.pages) {
        const QString path = pageFilePath(destination, page.name);
        const PageBytes bytes = skeleton.page(page.name, page.body);
        if (FileError error = writeFileAtomically(path, bytes.pieces()); error.failed()) {
            BuildResult failure = buildFailure(u"Could not write the page file"_s, error);
            failure.pagesWritten = result.pagesWritten;
            return failure;
        }
        ++result.pagesWritten;
        report.add(skeleton.estimatedPageSize(page.name, page.body));
    }
    result.ok = true;
    return result;
}

} // namespace

QString BuildResult::message() const {
    return ok ? QString() : error.message(action);
}

BuildResult BuildWebsite(const Website &site, const BuildProgress &progress) {
    // Everything is read and checked first, so that a build that can't
    // succeed writes nothing.
    const QString skeletonPath = site.templateFolder + u"/main.txt"_s;
    const TemplateText skeleton = readTemplateFile(skeletonPath);
    if (skeleton.error.failed())
        return buildFailure(readAction, skeleton.error);
    const QString fragmentPath = site.templateFolder + u"/menuitem.txt"_s;
    const TemplateText fragment = readTemplateFile(fragmentPath);
    if (fragment.error.failed())
        return buildFailure(readAction, fragment.error);

    const QString destination = collapseSeparators(site.destination);
    const QString filesFolder = collapseSeparators(site.destination + u"/files/"_s).chopped(1);
    if (BuildResult problem = checkDestination(destination, filesFolder); !problem.ok)
        return problem;
    if (BuildResult problem = checkPageFiles(site.pages, destination); !problem.ok)
        return problem;
    const QString supportSource = site.templateFolder + u"/files"_s;
    const SupportFilePlan plan = planSupportFiles(supportSource, filesFolder);
    if (plan.error.failed())
        return buildFailure(u"Could not copy the support files"_s, plan.error);

    const PageSkeleton pageSkeleton(skeleton.text, site.title, site.author, fragment.text,
                                    site.pages, skeleton.encoding);
    qint64 total = plan.totalBytes;
    for (const SitePage &page : site.pages)
        total += pageSkeleton.estimatedPageSize(page.name, page.body);
    ProgressReport report(progress, total);

    if (FileError error = makeFolder(filesFolder); error.failed())
        return buildFailure(u"Could not make the folder"_s, error);
    BuildResult result = writePages(site, destination, pageSkeleton, report);
    if (!result.ok)
        return result;
    report.pagesDone();

    const CopyOutcome copy = copySupportFiles(plan, supportSource, filesFolder,
                                              [&](qint64 bytes) { report.setSupportBytes(bytes); });
    result.supportFilesCopied = copy.filesCopied;
    if (copy.error.failed()) {
        BuildResult failure = buildFailure(u"Could not copy the support file"_s, copy.error);
        failure.pagesWritten = result.pagesWritten;
        failure.supportFilesCopied = copy.filesCopied;
        return failure;
    }
    report.finish();
    result.warnings = danglingPageLinks(site.pages);
    return result;
}

} // namespace quillsite
