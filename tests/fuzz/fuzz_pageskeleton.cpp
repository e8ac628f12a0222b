// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Filling a template's skeleton and menu with any names and bodies. The input
// is the skeleton, the menu entry, a page name and a page body, apart by NULs.

#include "builder/markuptext.h"
#include "builder/pageskeleton.h"
#include "builder/sitemenu.h"

#include <QList>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace quillsite;
using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QList<QByteArray> parts = bytes.split('\0');
    parts.resize(4);
    const DecodedText skeleton = decodeTemplateText(parts[0]);
    const QString fragment = decodeTemplateText(parts[1]).text;
    const QString name = QString::fromUtf8(parts[2]);
    const QString body = QString::fromUtf8(parts[3]);
    const QList<SitePage> pages{{u"Home"_s, {}}, {name, body}, {name + u"<!--"_s, body}};

    const QString title = u"Title"_s;
    const QString author = u"Ann <!--Title-->"_s; // typed as a value, it is not filled again
    const PageSkeleton filled(skeleton.text, title, author, fragment, pages, skeleton.encoding);
    // Typed values are written as text, their markup characters escaped.
    QByteArray common = encodeText(QString(skeleton.text)
                                       .replace(u"<!--Title-->"_s, markupOfText(title))
                                       .replace(u"<!--Author-->"_s, markupOfText(author)),
                                   skeleton.encoding);
    common.replace("<!--MenuItems-->", buildMenu(fragment, pages, skeleton.encoding));
    for (const SitePage &page : pages) {
        // The pieces cut in advance give the same page as filling it the plain way.
        const QByteArray expected =
            QByteArray(common)
                .replace("<!--PageName-->", encodeText(markupOfText(page.name), skeleton.encoding))
                .replace("<!--PageContent-->", encodeText(page.body, skeleton.encoding));
        if (filled.pageBytes(page.name, page.body) != expected)
            std::abort();
    }
    return 0;
}
