// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Times a site of many pages made through the page set, offscreen: adding each page,
// switching between pages, moving a page, renaming the page every other page links to,
// deleting the first page after Home, the memory of this process and its web engine
// processes, and building the site from the editors.

#include "benchstats.h"
#include "processfamily.h"

#include "authoring/htmleditor.h"
#include "authoring/pageset.h"
#include "authoring/webengineconfig.h"
#include "builder/sitebuilder.h"
#include "fakedesktopservices.h"
#include "fakeeditordialogs.h"
#include "project/sitepages.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListView>
#include <QRandomGenerator>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;
using namespace quillsite;
using namespace quillsite::bench;

int main(int argc, char *argv[]) {
    configureWebEngine();
    QApplication app(argc, argv);
    const int pages = bench::pageCountOption(app, 3);

    FakeDesktopServices desktop;
    FakeEditorDialogs dialogs;
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *tbrMenu = new QToolBar;
    auto *lstMenu = new QListView;
    auto *tbrEdit = new QToolBar;
    auto *editors = new QStackedWidget;
    for (QWidget *w : std::initializer_list<QWidget *>{tbrMenu, lstMenu, tbrEdit, editors})
        layout->addWidget(w);
    window.resize(495, 359);
    window.show();
    SitePages pageList;
    PageSet set(pageList, {lstMenu, editors, tbrMenu, tbrEdit}, desktop, dialogs);
    set.editor(0)->setDocumentHTML(u"<html><body>"_s + pageBody(0) + u"</body></html>"_s);
    QCoreApplication::processEvents();

    // How much of adding is the web engine's: a bare editor made with one page and with all.
    const auto bareEditorMs = [&dialogs, &window] {
        std::vector<double> times;
        for (int i = 0; i < 9; ++i) {
            QElapsedTimer timer;
            timer.start();
            auto *editor = new HtmlEditor(&dialogs, &window);
            editor->preparePage();
            delete editor;
            times.push_back(msSince(timer));
        }
        return median(times);
    };
    const double bareEditorFirst = bareEditorMs();

    // Adding: each page appended as the Add Page dialog does, then written into.
    std::vector<double> addTimes;
    for (int page = 1; page < pages; ++page) {
        QElapsedTimer timer;
        timer.start();
        set.appendPage(u"Page %1"_s.arg(page));
        addTimes.push_back(msSince(timer));
        // Every page links to page 1, whose renaming has to follow them all.
        set.editor(page)->setDocumentHTML(
            u"<html><head><title>%1</title></head><body>"_s.arg(page) + pageBody(page) +
            u"<p><a href=\"page%201.htm\">page 1</a></p></body></html>"_s);
        QCoreApplication::processEvents();
    }
    const std::size_t tenth = std::max<std::size_t>(1, addTimes.size() / 10);
    const std::vector<double> firstAdds(addTimes.begin(), addTimes.begin() + tenth);
    const std::vector<double> lastAdds(addTimes.end() - tenth, addTimes.end());
    // Every page shown and reported before anything else is measured.
    for (int page = 0; page < set.count(); ++page)
        set.editor(page)->waitUntilCurrent();

    // Switching: pages chosen at random, with the events the switch causes; then, untimed,
    // the page is looked at until it shows, as a user would before choosing the next.
    std::vector<double> switchTimes;
    std::vector<double> untilShownTimes;
    QRandomGenerator random(42);
    for (int i = 0; i < 200; ++i) {
        const int page = int(random.bounded(pages));
        QElapsedTimer timer;
        timer.start();
        set.selectPage(page);
        QCoreApplication::processEvents();
        switchTimes.push_back(msSince(timer));
        waitUntil([&] { return set.editor(page)->isReady(); }, 60000);
        untilShownTimes.push_back(msSince(timer));
    }

    // Moving: the middle page one place up or down, with the events the move causes.
    std::vector<double> moveTimes;
    set.selectPage(pages / 2);
    for (int i = 0; i < 40; ++i) {
        QElapsedTimer timer;
        timer.start();
        set.moveSelected(i % 2 ? 1 : -1);
        QCoreApplication::processEvents();
        moveTimes.push_back(msSince(timer));
    }

    // Renaming page 1 back and forth: every other page's link to it is rewritten and given
    // to its editor.
    std::vector<double> renameTimes;
    for (int i = 0; i < 10; ++i) {
        QElapsedTimer timer;
        timer.start();
        set.renamePage(1, i % 2 ? u"Page 1"_s : u"Page One"_s);
        QCoreApplication::processEvents();
        renameTimes.push_back(msSince(timer));
    }
    const bool relinked = set.pages().at(2).body.contains(u"href=\"page%201.htm\""_s);
    // The same in the page list alone, without editors: what the model itself takes.
    SitePages listAlone;
    for (const SitePage &page : set.pages().mid(1))
        listAlone.insertPage(-1, page);
    std::vector<double> listRenameTimes;
    for (int i = 0; i < 10; ++i) {
        QElapsedTimer timer;
        timer.start();
        listAlone.renamePage(listAlone.id(1), i % 2 ? u"Page 1"_s : u"Page One"_s);
        listRenameTimes.push_back(msSince(timer));
    }

    const double bareEditorLast = bareEditorMs();
    const auto [memoryKb, processes] = familyResidentKb();
    int enginePages = 0;
    for (int page = 0; page < set.count(); ++page)
        enginePages += set.editor(page)->hasPage() ? 1 : 0;

    // Deleting page 1 of the full set: every later page moves up.
    set.selectPage(1);
    desktop.askAnswers = {true};
    QElapsedTimer deleteTimer;
    deleteTimer.start();
    set.DeletePage();
    const double deleteMs = msSince(deleteTimer);
    QCoreApplication::processEvents();

    // Building from the editors, into a new folder.
    QTemporaryDir out;
    QElapsedTimer buildTimer;
    buildTimer.start();
    const QList<SitePage> sitePages = set.pages();
    const double readMs = msSince(buildTimer);
    const BuildResult built = BuildWebsite(Website{u"" QUILLSITE_TEMPLATE_DIR ""_s, u"Bench"_s,
                                                   u"Bench"_s, sitePages, out.filePath(u"site"_s)});
    const double buildMs = msSince(buildTimer);

    std::printf("pages: %d (renderer process limit %d)\n", pages, RendererProcessLimit);
    reportTimes("add a page (appendPage)", addTimes);
    reportTimes("  first tenth of the adds", firstAdds);
    reportTimes("  last tenth of the adds", lastAdds);
    std::printf("%-34s %8.2f ms with 1 page, %.2f ms with %d\n", "  a bare editor made and deleted",
                bareEditorFirst, bareEditorLast, pages);
    reportTimes("switch pages (+ its events)", switchTimes);

    reportTimes("  until the page shows", untilShownTimes);
    reportTimes("move a page (+ its events)", moveTimes);
    reportTimes("rename with link updates", renameTimes);
    reportTimes("  in the page list alone", listRenameTimes);
    std::printf("%-34s %s\n", "  links follow the name", relinked ? "yes" : "NO");
    std::printf("%-34s %8.2f ms\n", "delete page 1", deleteMs);
    std::printf("%-34s %8.1f MB in %d processes, %d editors with an engine page\n",
                "memory (RSS, program + engine)", double(memoryKb) / 1024.0, processes,
                enginePages);
    std::printf("%-34s %8.2f ms (reading the editors %.2f ms) %s, %d pages written\n",
                "build from the editors", buildMs, readMs, built.ok ? "ok" : "FAILED",
                built.pagesWritten);
    if (!built.ok)
        std::printf("  %s\n", qPrintable(built.message()));
    return built.ok ? 0 : 1;
}
