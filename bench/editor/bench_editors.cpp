// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Times what a site of many pages asks of the HTML editors: creating one editor per page
// with a document, reading every page's body as the builder does (the first read waits for
// pages still loading), reading them all again once every page is shown, and moving the
// documents into new editors as deleting a page does, then reading them all.

#include "benchstats.h"

#include "authoring/htmleditor.h"
#include "authoring/webengineconfig.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;
using namespace quillsite;
using namespace quillsite::bench;

int main(int argc, char *argv[]) {
    configureWebEngine();
    QApplication app(argc, argv);
    const int pages = bench::pageCountOption(app, 1);

    QWidget window;
    if (qEnvironmentVariableIsSet("BENCH_SHOW"))
        window.show();
    QElapsedTimer timer;
    timer.start();
    auto first = std::make_unique<HtmlEditor>(nullptr, &window);
    const double engineStart = msSince(timer);

    std::vector<std::unique_ptr<HtmlEditor>> editors;
    std::vector<double> createTimes;
    QElapsedTimer all;
    all.start();
    for (int page = 0; page < pages; ++page) {
        timer.restart();
        auto editor = std::make_unique<HtmlEditor>(nullptr, &window);
        editor->setDocumentHTML(
            u"<html><head><title>%1</title></head><body>%2</body></html>"_s.arg(page).arg(
                pageBody(page)));
        createTimes.push_back(msSince(timer));
        editors.push_back(std::move(editor));
    }
    const double createAll = msSince(all);

    auto readAll = [&editors] {
        QElapsedTimer read;
        read.start();
        qsizetype bytes = 0;
        for (const auto &editor : editors) {
            editor->waitUntilCurrent();
            bytes += editor->bodyHTML().size();
        }
        return std::pair{msSince(read), bytes};
    };
    const auto [firstRead, firstBytes] = readAll();
    const auto [secondRead, secondBytes] = readAll();

    // Deleting the first page after Home moves every later document into a new editor.
    timer.restart();
    for (std::size_t i = 2; i < editors.size(); ++i) {
        const QString html = editors[i]->DocumentHTML();
        editors[i - 1] = std::make_unique<HtmlEditor>(nullptr, &window);
        editors[i - 1]->setDocumentHTML(html);
    }
    editors.pop_back();
    const double shift = msSince(timer);
    const auto [shiftedRead, shiftedBytes] = readAll();

    std::printf("pages                         %d\n", pages);
    std::printf("first editor (engine start)   %.1f ms\n", engineStart);
    std::printf("add editor with document      median %.2f ms, max %.2f ms, all %.1f ms\n",
                median(createTimes), *std::max_element(createTimes.begin(), createTimes.end()),
                createAll);
    std::printf("read all bodies, pages loading %.1f ms (%lld characters)\n", firstRead,
                static_cast<long long>(firstBytes));
    std::printf("read all bodies, pages shown   %.2f ms (%lld characters)\n", secondRead,
                static_cast<long long>(secondBytes));
    std::printf("move all but two into new editors %.1f ms\n", shift);
    std::printf("read all bodies after the move %.2f ms (%lld characters)\n", shiftedRead,
                static_cast<long long>(shiftedBytes));
    return firstBytes == secondBytes ? 0 : 1;
}
