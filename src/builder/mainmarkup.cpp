// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/mainmarkup.h"

#include "builder/htmldocument.h"

namespace quillsite {

namespace {

const GumboElement *findElement(const GumboNode &node, GumboTag tag) {
    if (node.type != GUMBO_NODE_ELEMENT)
        return nullptr;
    const GumboElement &element = node.v.element;
    if (element.tag == tag)
        return &element;
    for (unsigned int i = 0; i < element.children.length; ++i) {
        if (const GumboElement *found =
                findElement(*static_cast<const GumboNode *>(element.children.data[i]), tag))
            return found;
    }
    return nullptr;
}

// The source between the element's start tag and its end tag; up to the end
// of the source when the end tag is missing. Where a tag is only implied by
// the parser, its length is zero and the range starts where the parser did.
QByteArray innerSource(const GumboElement &element, const QByteArray &source) {
    const qsizetype start =
        qMin(qsizetype(element.start_pos.offset + element.original_tag.length), source.size());
    const qsizetype end = element.original_end_tag.length > 0
                              ? qBound(start, qsizetype(element.end_pos.offset), source.size())
                              : source.size();
    return source.sliced(start, end - start);
}

} // namespace

QString mainMarkup(const QString &html) {
    const QByteArray source = html.toUtf8();
    const HtmlDocument output = parseHtml(source);
    const GumboElement *content = findElement(*output->root, GUMBO_TAG_MAIN);
    if (!content)
        content = findElement(*output->root, GUMBO_TAG_BODY);
    return content ? QString::fromUtf8(innerSource(*content, source)) : html;
}

} // namespace quillsite
