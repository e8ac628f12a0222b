#include "builder/sitemenu.h"

#include "builder/pagenames.h"

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

const QByteArray itemName = "<!--ItemName-->"_ba;
const QByteArray itemPath = "<!--ItemPath-->"_ba;

struct EncodedItem {
    QByteArray name;
    QByteArray link;
};

void fillEntry(QByteArray &text, const EncodedItem &item) {
    text.replace(itemName, item.name);
    text.replace(itemPath, item.link);
}

bool holdsPlaceholder(const QByteArray &text) {
    return text.contains(itemName) || text.contains(itemPath);
}

EncodedItem encodeItem(const QString &pageName, TextEncoding encoding) {
    return {encodeText(pageName, encoding), encodeText(pageLink(pageName), encoding)};
}

// The menu's size when no name holds placeholder text. Reserved in advance,
// the menu is made in one piece of memory rather than grown by copying, which
// would hold it about twice for a moment.
qsizetype menuSize(const QByteArray &fragment, const QList<QString> &pageNames,
                   TextEncoding encoding) {
    const qsizetype names = fragment.count(itemName);
    const qsizetype links = fragment.count(itemPath);
    qsizetype size = 0;
    for (const QString &pageName : pageNames) {
        const EncodedItem item = encodeItem(pageName, encoding);
        size += fragment.size() + names * (item.name.size() - itemName.size()) +
                links * (item.link.size() - itemPath.size());
    }
    return size;
}

} // namespace

QByteArray buildMenu(const QString &fragment, const QList<QString> &pageNames,
                     TextEncoding encoding) {
    // Replacing over the whole menu each time would cost time in the square
    // of the page count. While the menu so far holds no placeholder, filling
    // only the new entry gives the same text, provided no placeholder can span
    // two entries: true when the fragment ends with a line break. Only a page
    // name that itself holds placeholder text makes the whole menu take part.
    const bool entriesApart = fragment.isEmpty() || fragment.endsWith(u'\n');
    const QByteArray encodedFragment = encodeText(fragment, encoding);
    QByteArray menu;
    menu.reserve(menuSize(encodedFragment, pageNames, encoding));
    bool wholeMenu = !entriesApart;
    for (const QString &pageName : pageNames) {
        const EncodedItem item = encodeItem(pageName, encoding);
        if (wholeMenu) {
            menu += encodedFragment;
            fillEntry(menu, item);
            wholeMenu = !entriesApart || holdsPlaceholder(menu);
        } else {
            QByteArray entry = encodedFragment;
            fillEntry(entry, item);
            menu += entry;
            wholeMenu = holdsPlaceholder(entry);
        }
    }
    return menu;
}

} // namespace quillsite
