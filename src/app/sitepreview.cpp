// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/sitepreview.h"

#include "builder/buildchecks.h"
#include "builder/pagenames.h"
#include "builder/siteownership.h"

#include <QCoreApplication>
#include <QDir>

using namespace Qt::StringLiterals;

namespace quillsite {

SitePreview::SitePreview(QStringList templateFolders)
    : m_templateFolders(std::move(templateFolders))
    , m_folder(QDir::tempPath() + u"/quillsite-preview-XXXXXX"_s) {}

BuildResult SitePreview::build(Website site) {
    if (!m_folder.isValid())
        return buildFailure(
            QCoreApplication::translate("SitePreview", "Could not make the preview folder"),
            {QDir::tempPath(), m_folder.errorString()});
    site.destination = m_folder.path();
    // Everything in the folder is the preview's own, pages of an earlier preview included.
    const OwnedFiles previous = filesOwnedBySiteIn(site.destination, m_templateFolders);
    return BuildWebsite(site, {}, WarningPolicy::Report, previous, SamePages::Keep);
}

QString SitePreview::folder() const {
    return m_folder.isValid() ? m_folder.path() : QString();
}

QUrl SitePreview::pageUrl(const QString &pageName) const {
    return QUrl::fromLocalFile(folder() + u'/' + pageFileName(pageName));
}

} // namespace quillsite
