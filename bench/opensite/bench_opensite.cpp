// Times opening a site of many pages in the wizard, on the display it is given: the site is
// built from a bundled template, then opened as "Open a website made with Quillsite..."
// does. Reports how long until the wizard is filled (template, title, author, destination,
// Select Template in front), until every page has its editor, until every editor shows its
// page and takes commands, the longest time the window did not answer in between, and the
// memory of the program with its web engine processes at the end.

#include "benchstats.h"
#include "processfamily.h"

#include "app/frmmain.h"
#include "authoring/htmleditor.h"
#include "authoring/pageset.h"
#include "authoring/webengineconfig.h"
#include "builder/sitebuilder.h"
#include "fakedesktopservices.h"
#include "fakeeditordialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;
using namespace quillsite;
using namespace quillsite::bench;

namespace {

QString pageBody(int page) {
    QString body;
    for (int i = 0; body.size() < 4000; ++i)
        body += u"<p>Page %1, paragraph %2: <b>some</b> text.</p>"_s.arg(page).arg(i);
    return body;
}

QString buildSite(const QString &folder, int pageCount) {
    Website site{QStringLiteral(QUILLSITE_SHARE_DIR) + u"/templates/paper"_s,
                 u"Bench Club"_s,
                 u"Ann Example"_s,
                 {},
                 folder};
    for (int page = 0; page < pageCount; ++page)
        site.pages.append({page == 0 ? u"Home"_s : u"Page %1"_s.arg(page), pageBody(page)});
    const BuildResult result = BuildWebsite(site);
    return result.ok ? QString() : result.message();
}

bool allReady(PageSet &pages, int pageCount) {
    if (pages.count() < pageCount)
        return false;
    for (int i = 0; i < pages.count(); ++i) {
        if (!pages.editor(i)->isReady())
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[]) {
    configureWebEngine();
    QApplication app(argc, argv);
    const int pageCount = bench::pageCountOption(app, 1);

    QTemporaryDir work;
    const QString site = work.filePath(u"site"_s);
    if (const QString problem = buildSite(site, pageCount); !problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        return 1;
    }

    FakeDesktopServices desktop;
    desktop.dataFolder = QStringLiteral(QUILLSITE_SHARE_DIR);
    FakeEditorDialogs dialogs;
    frmMain window(desktop, dialogs);
    window.show();
    window.pageSet().editor(0)->waitUntilCurrent(60000); // the web engine has started

    // The longest wait of a timer that should fire at once: how long the window was deaf.
    QElapsedTimer sinceTick;
    double longestGapMs = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longestGapMs = std::max(longestGapMs, msSince(sinceTick));
        sinceTick.restart();
    });

    QElapsedTimer timer;
    timer.start();
    window.openSite(site);
    const double filledMs = msSince(timer);
    sinceTick.start();
    tick.start(0);
    while (window.pageSet().count() < pageCount)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    const double editorsMs = msSince(timer);
    while (!allReady(window.pageSet(), pageCount) && timer.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    const double readyMs = msSince(timer);
    tick.stop();
    const auto [memoryKb, processes] = familyResidentKb();

    std::printf("pages %d, template Paper, %s\n", pageCount,
                allReady(window.pageSet(), pageCount) ? "all ready" : "NOT all ready in 120 s");
    std::printf("wizard filled            %8.1f ms\n", filledMs);
    std::printf("every page has an editor %8.1f ms\n", editorsMs);
    std::printf("every editor ready       %8.1f ms\n", readyMs);
    std::printf("longest unanswered gap   %8.1f ms\n", longestGapMs);
    std::printf("memory                   %8.1f MB in %d processes\n", memoryKb / 1024.0,
                processes);
    window.close();
    return 0;
}
