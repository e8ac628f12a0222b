// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/siteloader.h"

#include "authoring/pageset.h"
#include "builder/pagenames.h"

#include <QElapsedTimer>
#include <QProgressDialog>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <utility>

namespace quillsite {

namespace {

// Pages put in at one go before the window gets its turn again: short enough
// that it answers at once.
constexpr int sliceMs = 40;

// The page set always begins with "Home": the site's own, or an empty one
// when the site had none.
QList<SitePage> homeFirst(QList<SitePage> pages) {
    const auto home = std::find_if(pages.begin(), pages.end(),
                                   [](const SitePage &page) { return isHomePage(page.name); });
    if (home == pages.end())
        pages.prepend({homePageName(), {}, {}});
    else
        std::rotate(pages.begin(), home, home + 1);
    return pages;
}

} // namespace

SiteLoader::SiteLoader(PageSet &pageSet, const QList<SitePage> &pages, QWidget *window)
    : QObject(window)
    , m_pageSet(pageSet)
    , m_pages(homeFirst(pages))
    , m_progress(new QProgressDialog(tr("Opening the pages of your website..."), QString(), 0,
                                     int(m_pages.size()), window)) {
    m_progress->setWindowTitle(tr("Quillsite"));
    m_progress->setCancelButton(nullptr);
    m_progress->setMinimumDuration(300);
    m_progress->setValue(0);
    QTimer::singleShot(0, this, &SiteLoader::loadSome);
}

SiteLoader::~SiteLoader() {
    delete m_progress;
}

void SiteLoader::finishNow() {
    while (m_loaded < m_pages.size())
        loadPage();
    finish();
}

void SiteLoader::loadSome() {
    QElapsedTimer slice;
    slice.start();
    while (m_loaded < m_pages.size() && slice.elapsed() < sliceMs)
        loadPage();
    m_progress->setValue(int(m_loaded));
    if (m_loaded < m_pages.size())
        QTimer::singleShot(0, this, &SiteLoader::loadSome);
    else
        finish();
}

void SiteLoader::loadPage() {
    const SitePage &page = m_pages[m_loaded];
    if (m_loaded > 0)
        m_pageSet.appendPage(page.name);
    m_pageSet.setPageContent(int(m_loaded), page.body,
                             QUrl::fromLocalFile(page.sourceFolder + u'/'));
    ++m_loaded;
}

void SiteLoader::finish() {
    if (std::exchange(m_finished, true))
        return;
    m_pageSet.selectHome();
    emit finished();
    deleteLater();
}

} // namespace quillsite
