// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "builder/website.h"

#include <QList>
#include <QObject>

class QProgressDialog;
class QWidget;

namespace quillsite {

class PageSet;

// Puts the pages of an opened site into the page set a few at a time, so
// that the window stays responsive, and shows how far it has got. The first
// page goes into Home's editor; each later one gets an editor of its own.
class SiteLoader final : public QObject {
    Q_OBJECT

public:
    // Starts at once; deletes itself once every page is in.
    SiteLoader(PageSet &pageSet, const QList<SitePage> &pages, QWidget *window);
    ~SiteLoader() override;

    // Puts the remaining pages in now, before anything reads or changes the
    // page set.
    void finishNow();

signals:
    void finished();

private:
    void loadSome();
    void loadPage();
    void finish();

    PageSet &m_pageSet;
    QList<SitePage> m_pages;
    qsizetype m_loaded = 0;
    bool m_finished = false;
    QProgressDialog *m_progress;
};

} // namespace quillsite
