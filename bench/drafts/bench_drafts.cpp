// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Times, offscreen, with a site of many pages (200 unless --pages says otherwise): writing its
// draft after one page changed, taking a draft up again in a wizard already full of pages,
// a preview after one page changed (the first preview apart), and the keys typed in the large
// editor, each from the key press until the editor reports the changed document.

#include "benchstats.h"

#include "app/frmmain.h"
#include "authoring/htmleditor.h"
#include "authoring/pageset.h"
#include "authoring/webengineconfig.h"
#include "fakedesktopservices.h"
#include "fakeeditordialogs.h"
#include "project/draftstore.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>

#include <cstdio>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;
using namespace quillsite;
using namespace quillsite::bench;

namespace {

Draft siteDraft(int pages, const QString &title) {
    Draft draft{QStringLiteral(QUILLSITE_DATA_DIR "/templates/paper"),
                title,
                u"Ann"_s,
                {},
                u"/nonexistent/site"_s};
    for (int page = 0; page < pages; ++page)
        draft.pages.append({page, page == 0 ? u"Home"_s : u"Page %1"_s.arg(page), pageBody(page),
                            QDir::homePath()});
    return draft;
}

std::vector<double> timeSaves(const QString &state, int pages) {
    DraftStore store(state);
    Draft draft = siteDraft(pages, u"Saved"_s);
    std::vector<double> times;
    for (int run = 0; run < 15; ++run) {
        draft.pages[run % pages].body += u"<p>One more line.</p>"_s;
        QElapsedTimer timer;
        timer.start();
        if (!store.save(u"saved"_s, draft).isEmpty())
            return {};
        times.push_back(msSince(timer));
    }
    store.remove(u"saved"_s);
    return times;
}

// A wizard on Build Pages with `pages` pages of its own, back on the Welcome page.
void fillWizard(frmMain &window, int pages) {
    for (int step = 0; step < 3; ++step)
        window.findChild<QPushButton *>(u"cmdNext"_s)->click();
    PageSet &set = window.pageSet();
    for (int page = 1; page < pages; ++page) {
        set.appendPage(u"Mine %1"_s.arg(page));
        set.editor(page)->setBodyHTML(pageBody(page), QUrl::fromLocalFile(QDir::homePath() + u'/'));
    }
    for (int step = 0; step < 3; ++step)
        window.findChild<QPushButton *>(u"cmdBack"_s)->click();
}

HtmlEditor *openLargeEditor(frmMain &window) {
    window.findChild<QAction *>(u"LargeEditor"_s)->trigger();
    auto *large = window.findChild<QDialog *>(u"frmLargeEditor"_s);
    HtmlEditor *editor = large ? large->findChild<HtmlEditor *>() : nullptr;
    if (editor)
        waitUntil([editor] { return editor->isReady(); });
    return editor;
}

// For each key: how long the window takes to handle it, and how long until the editor
// reports the document with it.
struct KeyTimes {
    std::vector<double> handled;
    std::vector<double> reported;
};

KeyTimes timeKeys(HtmlEditor &editor) {
    editor.setFocus(Qt::OtherFocusReason);
    editor.focusAtStart();
    editor.waitUntilCurrent();
    auto *view = editor.findChild<QWebEngineView *>();
    QWidget *keys = view->focusProxy() ? view->focusProxy() : view;
    KeyTimes times;
    const QString text = u"The club meets on Tuesdays at eight. "_s.repeated(3);
    for (const QChar character : text) {
        QSignalSpy changed(&editor, &HtmlEditor::DisplayChanged);
        const QString before = editor.bodyHTML();
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(keys, character.toLatin1());
        times.handled.push_back(msSince(timer));
        waitUntil([&] { return !changed.isEmpty() && editor.bodyHTML() != before; }, 5000);
        times.reported.push_back(msSince(timer));
    }
    return times;
}

} // namespace

int main(int argc, char *argv[]) {
    configureWebEngine();
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const int pages = pageCountOption(app, 2);
    QTemporaryDir work;
    const QString state = work.filePath(u"state"_s);
    std::printf("%d pages\n", pages);

    reportTimes("draft save, one page changed", timeSaves(state, pages));

    FakeDesktopServices desktop;
    FakeEditorDialogs dialogs;
    desktop.dataFolder = QStringLiteral(QUILLSITE_DATA_DIR);
    desktop.desktop = work.filePath(u"desktop"_s);
    desktop.state = state;
    std::vector<double> restores;
    std::unique_ptr<frmMain> window;
    for (int run = 0; run < 3; ++run) {
        {
            DraftStore store(state);
            Draft draft = siteDraft(pages, u"Taken up %1"_s.arg(run));
            store.save(u"restore"_s, draft);
        }
        window = std::make_unique<frmMain>(desktop, dialogs);
        window->show();
        waitUntil([&] { return window->findChild<HtmlEditor *>() != nullptr; });
        fillWizard(*window, pages);
        desktop.askAnswers = {true}; // replace the wizard's own pages
        auto *offer = window->findChild<QPushButton *>(u"cmdContinueDraft_0"_s);
        if (!offer)
            return 1;
        QElapsedTimer timer;
        timer.start();
        offer->click();
        if (window->currentPage() != WizardPage::BuildPages || window->pageSet().count() != pages)
            return 1;
        restores.push_back(msSince(timer));
        if (run < 2) {
            window->close();
            window.reset();
        }
    }
    reportTimes("draft taken up into a filled wizard", restores);

    QAction *preview = window->findChild<QAction *>(u"Preview"_s);
    preview->trigger();
    std::vector<double> previews;
    for (int run = 0; run < 9; ++run) {
        HtmlEditor *changed = window->pageSet().editor(1 + run % (pages - 1));
        changed->setBodyHTML(changed->bodyHTML() + u"<p>Changed.</p>"_s, changed->baseUrl());
        QElapsedTimer timer;
        timer.start();
        preview->trigger();
        previews.push_back(msSince(timer));
    }
    reportTimes("preview after one page changed", previews);
    if (desktop.openedUrls.size() != 10)
        return 1;

    window->pageSet().selectPage(1);
    const KeyTimes small = timeKeys(*window->pageSet().editor(1));
    reportTimes("key handled, wizard's editor", small.handled);
    reportTimes("key until reported, wizard's editor", small.reported);
    HtmlEditor *large = openLargeEditor(*window);
    if (!large)
        return 1;
    const KeyTimes inLarge = timeKeys(*large);
    reportTimes("key handled, large editor", inLarge.handled);
    reportTimes("key until reported, large editor", inLarge.reported);
    window->close();
    return 0;
}
