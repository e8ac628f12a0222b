// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/pageaddresses.h"

#include "builder/htmldocument.h"

#include <optional>

namespace quillsite {

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

bool isAsciiLetter(char ch) {
    return (ch | 0x20) >= 'a' && (ch | 0x20) <= 'z';
}

bool isAsciiBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\f';
}

// "https:", "mailto:" and the like, but not "file:".
bool hasWebScheme(QByteArrayView value) {
    if (value.isEmpty() || !isAsciiLetter(value[0]))
        return false;
    qsizetype end = 1;
    while (end < value.size() &&
           (isAsciiLetter(value[end]) || (value[end] >= '0' && value[end] <= '9') ||
            value[end] == '+' || value[end] == '-' || value[end] == '.'))
        ++end;
    return end < value.size() && value[end] == ':' &&
           QByteArrayView(value.first(end)).compare("file", Qt::CaseInsensitive) != 0;
}

// Whether a raw attribute value is certainly a web address, a fragment, or a
// page of the site. Anything a parser would read differently from its raw
// bytes (a character reference, a blank, a backslash, non-ASCII) is not.
bool isPlainLink(QByteArrayView value, const QSet<QString> &pageFiles) {
    for (const char ch : value) {
        if (ch == '&' || ch == '\\' || uchar(ch) <= ' ' || uchar(ch) >= 0x80)
            return false;
    }
    if (value.isEmpty() || value.startsWith('#') || value.startsWith("//") || hasWebScheme(value))
        return true;
    qsizetype end = 0;
    while (end < value.size() && value[end] != '?' && value[end] != '#')
        ++end;
    const QByteArray path = QByteArray::fromPercentEncoding(value.first(end).toByteArray());
    return path.isEmpty() || pageFiles.contains(QString::fromUtf8(path));
}

// The value of the attribute whose name ends at `at`, or nullopt when none
// follows it; `at` is moved past the value.
std::optional<QByteArrayView> attributeValue(QByteArrayView text, qsizetype &at) {
    const auto skipBlanks = [&] {
        while (at < text.size() && isAsciiBlank(text[at]))
            ++at;
    };
    skipBlanks();
    if (at >= text.size() || text[at] != '=')
        return std::nullopt;
    ++at;
    skipBlanks();
    if (at < text.size() && (text[at] == '"' || text[at] == '\'')) {
        const qsizetype start = at + 1;
        const qsizetype close = text.indexOf(text[at], start);
        const qsizetype end = close < 0 ? text.size() : close; // unclosed: the rest is the value
        at = close < 0 ? text.size() : close + 1;
        return text.sliced(start, end - start);
    }
    const qsizetype start = at;
    while (at < text.size() && !isAsciiBlank(text[at]) && text[at] != '>')
        ++at;
    return text.sliced(start, at - start);
}

// Whether a tag whose name starts with `name`, in any case, is opened
// anywhere in `text`.
bool opensTagStarting(QByteArrayView text, QByteArrayView name) {
    for (qsizetype at = text.indexOf('<'); at >= 0 && at + name.size() < text.size();
         at = text.indexOf('<', at + 1)) {
        if (text.sliced(at + 1, name.size()).compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// Whether "href" stands right before the "=" at `equals`, blanks apart.
bool namesLink(QByteArrayView text, qsizetype equals) {
    qsizetype end = equals;
    while (end > 0 && isAsciiBlank(text[end - 1]))
        --end;
    return end >= 4 && text.sliced(end - 4, 4).compare("href", Qt::CaseInsensitive) == 0;
}

} // namespace

bool holdsOnlyPlainLinks(QByteArrayView utf8Body, const QSet<QString> &pageFiles) {
    if (opensTagStarting(utf8Body, "im"))
        return false;
    // Every "href=" counts, in markup or not: more than a parser would find.
    // Found by their "=", which is rare in text, then read as far as the value.
    qsizetype from = 0;
    for (qsizetype equals = utf8Body.indexOf('='); equals >= 0;
         equals = utf8Body.indexOf('=', from)) {
        from = equals + 1;
        if (!namesLink(utf8Body, equals))
            continue;
        qsizetype end = equals;
        const std::optional<QByteArrayView> value = attributeValue(utf8Body, end);
        from = end;
        if (value && !isPlainLink(*value, pageFiles))
            return false;
    }
    return true;
}

bool mayHoldAddresses(QByteArrayView utf8Body) {
    return opensTagStarting(utf8Body, "im") || opensTagStarting(utf8Body, "a");
}

QList<PageAddress> findPageAddresses(const QByteArray &utf8Body) {
    if (!mayHoldAddresses(utf8Body))
        return {};
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
