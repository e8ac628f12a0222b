#pragma once

#include <QList>
#include <QString>

namespace quillsite {

// One page of the site: its name as shown in the page list, and the markup
// inside its body element.
struct SitePage {
    QString name;
    QString body;
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
