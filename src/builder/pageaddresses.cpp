// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/pageaddresses.h"

#include "builder/htmldocument.h"
#include "builder/tagstart.h"

#include <optional>

namespace quillsite {

using namespace Qt::StringLiterals;

namespace {

const GumboAttribute *attribute(const GumboElement &element, const char *name) {
    return gumbo_get_attribute(&element.attributes, name);
}

// The attribute's value as an address, when it was written out in the source
// (the parser also reports attributes it made up, which have no place there).
void addAddress(QList<PageAddress> &found, const GumboAttribute *value, const char *source,
                PageAddress::Kind kind, const GumboElement &element) {
    if (!value || value->original_value.length == 0)
        return;
    PageAddress address;
    address.kind = kind;
    address.value = QString::fromUtf8(value->value).trimmed();
    address.valueStart = value->original_value.data - source;
    address.valueEnd = address.valueStart + qsizetype(value->original_value.length);
    address.hasSize = attribute(element, "width") || attribute(element, "height");
    found.append(address);
}

void collect(const GumboNode &node, const char *source, QList<PageAddress> &found) {
    if (node.type != GUMBO_NODE_ELEMENT && node.type != GUMBO_NODE_TEMPLATE)
        return;
    const GumboElement &element = node.v.element;
    if (element.tag == GUMBO_TAG_IMG)
        addAddress(found, attribute(element, "src"), source, PageAddress::Kind::Picture, element);
    else if (element.tag == GUMBO_TAG_A)
        addAddress(found, attribute(element, "href"), source, PageAddress::Kind::Link, element);
    for (unsigned int i = 0; i < element.children.length; ++i)
        collect(*static_cast<const GumboNode *>(element.children.data[i]), source, found);
}

bool isAsciiLetter(QChar ch) {
    return (ch.unicode() | 0x20) >= u'a' && (ch.unicode() | 0x20) <= u'z';
}

bool isAsciiBlank(QChar ch) {
    return ch == u' ' || ch == u'\t' || ch == u'\n' || ch == u'\r' || ch == u'\f';
}

// "https:", "mailto:" and the like, but not "file:".
bool hasWebScheme(QStringView value) {
    if (value.isEmpty() || !isAsciiLetter(value[0]))
        return false;
    qsizetype end = 1;
    while (end < value.size() &&
           (isAsciiLetter(value[end]) || (value[end] >= u'0' && value[end] <= u'9') ||
            value[end] == u'+' || value[end] == u'-' || value[end] == u'.'))
        ++end;
    return end < value.size() && value[end] == u':' &&
           !(end == 4 && startsWithLetters(value, "file"_L1));
}

int hexDigitValue(QChar ch) {
    if (ch >= u'0' && ch <= u'9')
        return ch.unicode() - u'0';
    const char16_t lower = ch.unicode() | 0x20;
    return lower >= u'a' && lower <= u'f' ? lower - u'a' + 10 : -1;
}

// `path`, which is ASCII, with its percent-encoded bytes decoded and read as
// UTF-8, into `decoded`, whose storage serves one link after another. Escapes
// of ASCII characters, the rule, are decoded here; a path with any other
// escape, or with a percent sign that starts none, is left to Qt's decoders.
void decodePath(QStringView path, QString &decoded) {
    decoded.resize(path.size());
    QChar *out = decoded.data();
    for (qsizetype at = 0; at < path.size(); ++at) {
        QChar ch = path[at];
        if (ch == u'%') {
            const int high = at + 2 < path.size() ? hexDigitValue(path[at + 1]) : -1;
            const int low = high >= 0 ? hexDigitValue(path[at + 2]) : -1;
            if (high < 0 || high >= 8 || low < 0) {
                decoded = QString::fromUtf8(QByteArray::fromPercentEncoding(path.toLatin1()));
                return;
            }
            ch = QChar(char16_t(high << 4 | low));
            at += 2;
        }
        *out++ = ch;
    }
    decoded.truncate(out - decoded.constData());
}

// Whether a raw attribute value is certainly a web address, a fragment, or a
// page of the site. Anything a parser would read differently from its raw
// text (a character reference, a blank, a backslash, non-ASCII) is not.
// `file` holds the page file's name while it is looked up.
bool isPlainLink(QStringView value, const QSet<QString> &pageFiles, QString &file) {
    for (const QChar ch : value) {
        if (ch == u'&' || ch == u'\\' || ch.unicode() <= u' ' || ch.unicode() >= 0x80)
            return false;
    }
    if (value.isEmpty() || value.startsWith(u'#') || value.startsWith(u"//") || hasWebScheme(value))
        return true;
    qsizetype end = 0;
    while (end < value.size() && value[end] != u'?' && value[end] != u'#')
        ++end;
    if (end == 0) // a query or a fragment of this page
        return true;
    decodePath(value.first(end), file);
    return pageFiles.contains(file);
}

// The value of the attribute whose name ends at `at`, or nullopt when none
// follows it; `at` is moved past the value.
std::optional<QStringView> attributeValue(QStringView text, qsizetype &at) {
    const auto skipBlanks = [&] {
        while (at < text.size() && isAsciiBlank(text[at]))
            ++at;
    };
    skipBlanks();
    if (at >= text.size() || text[at] != u'=')
        return std::nullopt;
    ++at;
    skipBlanks();
    if (at < text.size() && (text[at] == u'"' || text[at] == u'\'')) {
        const qsizetype start = at + 1;
        const qsizetype close = text.indexOf(text[at], start);
        const qsizetype end = close < 0 ? text.size() : close; // unclosed: the rest is the value
        at = close < 0 ? text.size() : close + 1;
        return text.sliced(start, end - start);
    }
    const qsizetype start = at;
    while (at < text.size() && !isAsciiBlank(text[at]) && text[at] != u'>')
        ++at;
    return text.sliced(start, at - start);
}

// Whether a tag whose name starts with `name`, in lower-case letters, is
// opened anywhere in `text`, in any letter case.
bool opensTagStarting(QStringView text, QLatin1StringView name) {
    const char16_t first = name.front().unicode();
    const auto mayStartName = [first](char16_t ch) {
        return (ch | 0x20) == first;
    };
    for (qsizetype at = indexOfTagStart(text, 0, mayStartName);
         at >= 0 && at + name.size() < text.size();
         at = indexOfTagStart(text, at + 1, mayStartName)) {
        if (startsWithLetters(text.sliced(at + 1), name))
            return true;
    }
    return false;
}

// Whether "href" stands right before the "=" at `equals`, blanks apart.
bool namesLink(QStringView text, qsizetype equals) {
    qsizetype end = equals;
    while (end > 0 && isAsciiBlank(text[end - 1]))
        --end;
    return end >= 4 && startsWithLetters(text.sliced(end - 4), "href"_L1);
}

} // namespace

bool holdsOnlyPlainLinks(QStringView body, const QSet<QString> &pageFiles) {
    if (opensTagStarting(body, "im"_L1))
        return false;
    // Every "href=" counts, in markup or not: more than a parser would find.
    // Found by their "=", which is rare in text, then read as far as the value.
    QString file; // each linked page file's name in turn
    qsizetype from = 0;
    for (qsizetype equals = body.indexOf(u'='); equals >= 0; equals = body.indexOf(u'=', from)) {
        from = equals + 1;
        if (!namesLink(body, equals))
            continue;
        qsizetype end = equals;
        const std::optional<QStringView> value = attributeValue(body, end);
        from = end;
        if (value && !isPlainLink(*value, pageFiles, file))
            return false;
    }
    return true;
}

bool mayHoldAddresses(QStringView body) {
    return opensTagStarting(body, "im"_L1) || opensTagStarting(body, "a"_L1);
}

QList<PageAddress> findPageAddresses(const QByteArray &utf8Body) {
    const HtmlDocument output = parseHtml(utf8Body);
    QList<PageAddress> found;
    collect(*output->root, utf8Body.constData(), found);
    return found;
}

QByteArray applyBodyEdits(const QByteArray &utf8Body, const QList<BodyEdit> &edits) {
    QByteArray edited;
    edited.reserve(utf8Body.size() + 64 * edits.size());
    qsizetype copied = 0;
    for (const BodyEdit &edit : edits) {
        edited += QByteArrayView(utf8Body).sliced(copied, edit.start - copied);
        edited += edit.text;
        copied = edit.end;
    }
    edited += QByteArrayView(utf8Body).sliced(copied);
    return edited;
}

} // namespace quillsite
