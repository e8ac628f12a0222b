// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "authoring/htmleditor.h"
#include "authoring/pageset.h"
#include "fakedesktopservices.h"
#include "fakeeditordialogs.h"
#include "project/sitepages.h"

#include <QListView>
#include <QStackedWidget>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWidget>

#include <memory>

namespace quillsite {

// The controls of the Build Pages step on a window of their own, with a page
// set on them and fakes answering for the user.
struct PageSetFixture {
    PageSetFixture() {
        auto *layout = new QVBoxLayout(&window);
        for (QWidget *w : {static_cast<QWidget *>(tbrMenu), static_cast<QWidget *>(lstMenu),
                           static_cast<QWidget *>(tbrEdit), static_cast<QWidget *>(editors)})
            layout->addWidget(w);
        lstMenu->setObjectName(QStringLiteral("lstMenu"));
        tbrMenu->setObjectName(QStringLiteral("tbrMenu"));
        tbrEdit->setObjectName(QStringLiteral("tbrEdit"));
        window.resize(600, 400);
        pageSet = std::make_unique<PageSet>(
            pages, PageSetControls{lstMenu, editors, tbrMenu, tbrEdit}, desktop, dialogs);
        window.show();
    }

    QAction *action(const QString &key) const { return window.findChild<QAction *>(key); }

    FakeDesktopServices desktop;
    FakeEditorDialogs dialogs;
    SitePages pages;
    QWidget window;
    QListView *lstMenu = new QListView;
    QStackedWidget *editors = new QStackedWidget;
    QToolBar *tbrMenu = new QToolBar;
    QToolBar *tbrEdit = new QToolBar;
    std::unique_ptr<PageSet> pageSet;
};

} // namespace quillsite
