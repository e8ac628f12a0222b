// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "builder/website.h"

#include <QStringList>

namespace quillsite {

// The addresses of every link (<a href>) in a piece of HTML, in order.
QStringList linkAddresses(const QString &html);

// The page file a link leads to when it is a link within the site's own folder to a page
// (a relative address naming an .htm file there), else empty.
QString linkedPageFile(const QString &address);

// One warning for each link between the site's pages that leads to a page no longer in
// the site, such as a link to a page deleted after it was made. Each link is named once.
QStringList danglingPageLinks(const QList<SitePage> &pages);

// The same from the link addresses already found in each page, in page order, so
// that a build that has parsed its pages need not parse them again.
QStringList danglingPageLinks(const QList<SitePage> &pages, const QList<QStringList> &pageLinks);

} // namespace quillsite
