// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "builder/sitebuilder.h"
#include "builder/website.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

namespace quillsite {

// Builds the site as it is being written into a private folder of its own,
// kept for the whole run, so that it can be looked at in the browser without
// touching the destination. A further preview writes only the pages that
// changed, and removes what the site no longer has.
class SitePreview final {
public:
    // `templateFolders`: every installed template, so that a change of
    // template removes the old one's files.
    explicit SitePreview(QStringList templateFolders);

    // Builds `site` (its destination is not used) into the preview folder.
    BuildResult build(Website site);

    // The preview folder; empty when it could not be made.
    QString folder() const;
    // The address of a page's file in the preview folder.
    QUrl pageUrl(const QString &pageName) const;

private:
    QStringList m_templateFolders;
    QTemporaryDir m_folder;
};

} // namespace quillsite
