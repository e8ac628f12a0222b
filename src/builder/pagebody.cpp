// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/pagebody.h"

#include "builder/htmldocument.h"
#include "builder/tagstart.h"

namespace quillsite {

using namespace Qt::StringLiterals;

namespace {

bool written(const GumboStringPiece &tag) {
    return tag.length > 0;
}

const GumboElement *childElement(const GumboElement &parent, GumboTag tag) {
    for (unsigned int i = 0; i < parent.children.length; ++i) {
        const auto *child = static_cast<const GumboNode *>(parent.children.data[i]);
        if (child->type == GUMBO_NODE_ELEMENT && child->v.element.tag == tag)
            return &child->v.element;
    }
    return nullptr;
}

// A file is a document when it says so anywhere: a doctype or a tag that
// only documents have. The parser adds html, head and body to anything, so
// only tags actually present in the source count.
bool isDocument(const GumboOutput &output, const GumboElement &html) {
    if (output.document->v.document.has_doctype || written(html.original_tag))
        return true;
    for (GumboTag tag : {GUMBO_TAG_HEAD, GUMBO_TAG_BODY, GUMBO_TAG_FRAMESET}) {
        const GumboElement *element = childElement(html, tag);
        if (element && written(element->original_tag))
            return true;
    }
    return false;
}

// What may follow a document tag's name: an ASCII blank, a slash or the tag's
// end. A vertical tab, which the parser takes as part of the name, counts too:
// a tag wrongly taken for a document's only costs a parse.
bool endsTagName(QChar ch) {
    switch (ch.unicode()) {
    case u' ':
    case u'\t':
    case u'\n':
    case u'\v':
    case u'\f':
    case u'\r':
    case u'/':
    case u'>':
        return true;
    default:
        return false;
    }
}

// Whether `text` starts with the tag name `name`, in any letter case, and the
// name ends there.
bool startsWithTagName(QStringView text, QLatin1StringView name) {
    return text.size() > name.size() && endsTagName(text[name.size()]) &&
           startsWithLetters(text, name);
}

// Whether `html` may be a whole document: it holds a doctype or an html, head,
// body or frameset tag somewhere. Most page files are fragments, and this look spares
// them the parser; a file that may be a document is parsed to be sure.
bool mayBeDocument(QStringView html) {
    static constexpr QLatin1StringView documentTags[] = {"!doctype"_L1, "html"_L1, "head"_L1,
                                                         "body"_L1, "frameset"_L1};
    // Bitwise operators, so that whole blocks of text can be checked at once.
    const auto mayStartDocumentTag = [](char16_t ch) {
        ch |= 0x20;
        return (ch == u'!') | (ch == u'h') | (ch == u'b') | (ch == u'f');
    };
    for (qsizetype at = indexOfTagStart(html, 0, mayStartDocumentTag); at >= 0;
         at = indexOfTagStart(html, at + 1, mayStartDocumentTag)) {
        const QStringView tag = html.sliced(at + 1);
        for (QLatin1StringView name : documentTags) {
            if (startsWithTagName(tag, name))
                return true;
        }
    }
    return false;
}

qsizetype sourceOffset(const GumboNode &node) {
    switch (node.type) {
    case GUMBO_NODE_ELEMENT:
    case GUMBO_NODE_TEMPLATE:
        return qsizetype(node.v.element.start_pos.offset);
    case GUMBO_NODE_WHITESPACE:
    case GUMBO_NODE_COMMENT:
    case GUMBO_NODE_DOCUMENT:
        return -1; // never worth a word
    default:
        return qsizetype(node.v.text.start_pos.offset);
    }
}

// Whether the parser put into the body anything that stands in the source
// after `end`, where the body ends: the page leaves it out.
bool contentAfter(const GumboElement &body, qsizetype end) {
    for (unsigned int i = 0; i < body.children.length; ++i) {
        const auto *child = static_cast<const GumboNode *>(body.children.data[i]);
        if (sourceOffset(*child) >= end)
            return true;
    }
    return false;
}

// Where the body's content lies in the source, as byte offsets. The parser
// records each tag's original text and position: content starts after the
// body start tag (or, when the tag is implied, where the first body content
// was met) and ends at the body end tag, else at the html end tag, else at
// the end of the file.
std::pair<qsizetype, qsizetype> bodyRange(const GumboElement &html, const GumboElement &body,
                                          qsizetype sourceSize) {
    const qsizetype start =
        qMin(qsizetype(body.start_pos.offset + body.original_tag.length), sourceSize);
    qsizetype end = sourceSize;
    if (written(body.original_end_tag))
        end = body.end_pos.offset;
    else if (written(html.original_end_tag))
        end = html.end_pos.offset;
    return {start, qBound(start, end, sourceSize)};
}

} // namespace

PageBody bodyMarkup(const QString &html) {
    if (!mayBeDocument(html))
        return {html};
    const QByteArray source = html.toUtf8();
    const HtmlDocument output = parseHtml(source);
    const GumboElement &root = output->root->v.element;
    if (!isDocument(*output, root))
        return {html};
    const GumboElement *body = childElement(root, GUMBO_TAG_BODY);
    if (!body)
        return {{}, LeftOutContent::Frameset};
    const auto [start, end] = bodyRange(root, *body, source.size());
    return {QString::fromUtf8(source.sliced(start, end - start)),
            end < source.size() && contentAfter(*body, end) ? LeftOutContent::AfterEnd
                                                            : LeftOutContent::None};
}

} // namespace quillsite
