#pragma once

#include "builder/website.h"

#include <QStringList>

namespace quillsite {

// The addresses of every link (<a href>) in a piece of HTML, in order.
QStringList linkAddresses(const QString &html);

// One warning for each link between the site's pages that leads to a page no longer in
// the site, such as a link to a page deleted after it was made. Each link is named once.
QStringList danglingPageLinks(const QList<SitePage> &pages);

} // namespace quillsite
