// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>

namespace quillsite {

// One page of the site: its name as shown in the page list, the markup
// inside its body element, and the folder that relative addresses in that
// markup lead from (the folder of the file the page came from; empty: none).
struct SitePage {
    QString name;
    QString body;
    QString sourceFolder = {};
};

// Everything a build needs, gathered from the wizard (or the command line)
// into one plain value.
struct Website {
    QString templateFolder;
    QString title;
    QString author;
    QList<SitePage> pages;
    QString destination;
};

} // namespace quillsite
