// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/pagelinks.h"

#include "builder/htmldocument.h"
#include "builder/pageaddresses.h"
#include "builder/pagenames.h"

#include <QCoreApplication>
#include <QSet>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PageLinks)
};

void collectLinks(const GumboNode &node, QStringList &addresses) {
    if (node.type != GUMBO_NODE_ELEMENT)
        return;
    const GumboElement &element = node.v.element;
    if (element.tag == GUMBO_TAG_A) {
        if (const GumboAttribute *href = gumbo_get_attribute(&element.attributes, "href"))
            addresses.append(QString::fromUtf8(href->value));
    }
    for (unsigned int i = 0; i < element.children.length; ++i)
        collectLinks(*static_cast<const GumboNode *>(element.children.data[i]), addresses);
}

} // namespace

QString linkedPageFile(const QString &address) {
    const QUrl url(address);
    if (!url.isValid() || !url.isRelative() || !url.host().isEmpty())
        return {};
    QString path = url.path(QUrl::FullyDecoded);
    if (path.startsWith(u"./"_s))
        path.remove(0, 2);
    if (path.contains(u'/') || !path.endsWith(u".htm"_s, Qt::CaseInsensitive))
        return {};
    return path;
}

QStringList linkAddresses(const QString &html) {
    if (!mayHoldAddresses(html))
        return {};
    const QByteArray utf8 = html.toUtf8(); // the parse points into it
    const HtmlDocument output = parseHtml(utf8);
    QStringList addresses;
    collectLinks(*output->root, addresses);
    return addresses;
}

QStringList danglingPageLinks(const QList<SitePage> &pages) {
    QSet<QString> pageFiles;
    for (const SitePage &page : pages)
        pageFiles.insert(pageFileName(page.name));
    QList<QStringList> pageLinks;
    pageLinks.reserve(pages.size());
    for (const SitePage &page : pages)
        pageLinks.append(holdsOnlyPlainLinks(page.body, pageFiles) ? QStringList()
                                                                   : linkAddresses(page.body));
    return danglingPageLinks(pages, pageLinks);
}

QStringList danglingPageLinks(const QList<SitePage> &pages, const QList<QStringList> &pageLinks) {
    QSet<QString> pageFiles;
    for (const SitePage &page : pages)
        pageFiles.insert(pageFileName(page.name));
    QStringList warnings;
    for (qsizetype i = 0; i < pages.size(); ++i) {
        QSet<QString> named;
        for (const QString &address : pageLinks[i]) {
            const QString file = linkedPageFile(address);
            if (file.isEmpty() || pageFiles.contains(file) || named.contains(file))
                continue;
            named.insert(file);
            warnings.append(Texts::tr("The page \"%1\" links to \"%2\", which is no longer a "
                                      "page of this site; the link leads nowhere.")
                                .arg(pages[i].name, file));
        }
    }
    return warnings;
}

} // namespace quillsite
