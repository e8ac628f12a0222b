// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Times opening a site of many pages in the wizard, on the display it is given: the site is
// built from a bundled template, then opened as "Open a website made with Quillsite..."
// does. Reports how long until the wizard is filled (template, title, author, destination,
// Select Template in front), until every page is in an editor and the editors that made a
// web engine page show it, the longest time the window did not answer in between, and the
// memory of the program with its web engine processes then. Then it goes on to Build Pages
// and shows pages chosen at random, as a user clicking through them: how long each one takes
// from being chosen until its editor shows it and takes commands, and the memory after.

#include "benchstats.h"
#include "processfamily.h"

#include "app/frmmain.h"
#include "authoring/htmleditor.h"
#include "authoring/pageset.h"
#include "authoring/webengineconfig.h"
#include "builder/sitebuilder.h"
#include "fakedesktopservices.h"
#include "fakeeditordialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;
using namespace quillsite;
using namespace quillsite::bench;

namespace {

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

// Whether every editor that has made its page shows it.
bool pagesShown(PageSet &pages) {
    for (int i = 0; i < pages.count(); ++i) {
        if (pages.editor(i)->hasPage() && !pages.editor(i)->isReady())
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
    window.pageSet().editor(0)->waitUntilCurrent(); // the web engine has started

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
    PageSet &pages = window.pageSet();
    waitUntil([&] { return pages.count() == pageCount; });
    const double editorsMs = msSince(timer);
    waitUntil([&] { return pagesShown(pages); });
    const double shownMs = msSince(timer);
    tick.stop();
    const auto [openedKb, openedProcesses] = familyResidentKb();
    int enginePages = 0;
    for (int i = 0; i < pages.count(); ++i)
        enginePages += pages.editor(i)->hasPage() ? 1 : 0;

    // On to Build Pages, then pages chosen at random, each until it shows and takes commands.
    auto *next = window.findChild<QAbstractButton *>(u"cmdNext"_s);
    next->click();
    next->click();
    std::vector<double> firstSights;
    QRandomGenerator random(42);
    for (int visit = 0; visit < 20; ++visit) {
        const int page = int(random.bounded(pageCount));
        QElapsedTimer sight;
        sight.start();
        pages.selectPage(page);
        waitUntil([&] { return pages.editor(page)->isReady(); });
        firstSights.push_back(msSince(sight));
    }
    const auto [visitedKb, visitedProcesses] = familyResidentKb();

    std::printf("pages %d, template Paper, %s\n", pageCount,
                pages.count() == pageCount ? "all in the wizard" : "NOT all in the wizard");
    std::printf("wizard filled                 %8.1f ms\n", filledMs);
    std::printf("every page in an editor       %8.1f ms\n", editorsMs);
    std::printf("engine pages shown (%3d)      %8.1f ms\n", enginePages, shownMs);
    std::printf("longest unanswered gap        %8.1f ms\n", longestGapMs);
    std::printf("memory then                   %8.1f MB in %d processes\n", openedKb / 1024.0,
                openedProcesses);
    std::printf("a page chosen until editable  median %6.1f ms, slowest %6.1f ms (%zu pages)\n",
                median(firstSights), slowest(firstSights), firstSights.size());
    std::printf("memory after those           %8.1f MB in %d processes\n", visitedKb / 1024.0,
                visitedProcesses);
    window.close();
    return 0;
}
