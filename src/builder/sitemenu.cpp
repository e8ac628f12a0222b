#include "builder/sitemenu.h"

#include "builder/pagenames.h"

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

const QString itemName = u"<!--ItemName-->"_s;
const QString itemPath = u"<!--ItemPath-->"_s;

void fillEntry(QString &text, const QString &pageName) {
    text.replace(itemName, pageName);
    text.replace(itemPath, pageLink(pageName));
}

bool holdsPlaceholder(const QString &text) {
    return text.contains(itemName) || text.contains(itemPath);
}

} // namespace

QString buildMenu(const QString &fragment, const QList<QString> &pageNames) {
    // Replacing over the whole menu each time would cost time in the square
    // of the page count. While the menu so far holds no placeholder, filling
    // only the new entry gives the same text, provided no placeholder can span
    // two entries: true when the fragment ends with a line break. Only a page
    // name that itself holds placeholder text makes the whole menu take part.
    const bool entriesApart = fragment.isEmpty() || fragment.endsWith(u'\n');
    QString menu;
    bool wholeMenu = !entriesApart;
    for (const QString &pageName : pageNames) {
        if (wholeMenu) {
            menu += fragment;
            fillEntry(menu, pageName);
            wholeMenu = !entriesApart || holdsPlaceholder(menu);
        } else {
            QString entry = fragment;
            fillEntry(entry, pageName);
            menu += entry;
            wholeMenu = holdsPlaceholder(entry);
        }
    }
    return menu;
}

} // namespace quillsite
