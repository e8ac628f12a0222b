// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/sitemenu.h"

#include "builder/markuptext.h"
#include "builder/pagenames.h"
#include "builder/textpattern.h"

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

const QByteArray itemName = placeholder(Field::ItemName).toLatin1();
const QByteArray itemPath = placeholder(Field::ItemPath).toLatin1();

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
    return {encodeText(markupOfText(pageName), encoding), encodeText(pageLink(pageName), encoding)};
}

} // namespace

qsizetype menuSize(const QString &fragment, const QList<SitePage> &pages, TextEncoding encoding) {
    const QByteArray encodedFragment = encodeText(fragment, encoding);
    const qsizetype names = encodedFragment.count(itemName);
    const qsizetype links = encodedFragment.count(itemPath);
    qsizetype size = 0;
    for (const SitePage &page : pages) {
        const EncodedItem item = encodeItem(page.name, encoding);
        size += encodedFragment.size() + names * (item.name.size() - itemName.size()) +
                links * (item.link.size() - itemPath.size());
    }
    return size;
}

void appendMenu(QByteArray &text, const QString &fragment, const QList<SitePage> &pages,
                TextEncoding encoding) {
    // Replacing over the whole menu each time would cost time in the square
    // of the page count. While the menu so far holds no placeholder, filling
    // only the new entry gives the same text, provided no placeholder can span
    // two entries: true when the fragment ends with a line break. Only a page
    // name that itself holds placeholder text makes the whole menu take part.
    const bool entriesApart = fragment.isEmpty() || fragment.endsWith(u'\n');
    const QByteArray encodedFragment = encodeText(fragment, encoding);
    const qsizetype menuStart = text.size();
    bool wholeMenu = !entriesApart;
    for (const SitePage &page : pages) {
        const EncodedItem item = encodeItem(page.name, encoding);
        if (wholeMenu) {
            // Filled apart, so that what `text` held before the menu is left alone.
            QByteArray menu = text.sliced(menuStart) + encodedFragment;
            fillEntry(menu, item);
            text.truncate(menuStart);
            text += menu;
            wholeMenu = !entriesApart || holdsPlaceholder(menu);
        } else {
            QByteArray entry = encodedFragment;
            fillEntry(entry, item);
            text += entry;
            wholeMenu = holdsPlaceholder(entry);
        }
    }
}

QByteArray buildMenu(const QString &fragment, const QList<SitePage> &pages, TextEncoding encoding) {
    QByteArray menu;
    menu.reserve(menuSize(fragment, pages, encoding));
    appendMenu(menu, fragment, pages, encoding);
    return menu;
}

} // namespace quillsite
