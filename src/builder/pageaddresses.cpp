#include "builder/pageaddresses.h"

#include <gumbo.h>

#include <memory>

namespace quillsite {

namespace {

using GumboDocument = std::unique_ptr<GumboOutput, void (*)(GumboOutput *)>;

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

} // namespace

bool mayHoldAddresses(QByteArrayView utf8Body) {
    const auto lower = [&](qsizetype at) {
        return at < utf8Body.size() ? char(utf8Body[at] | 0x20) : '\0';
    };
    for (qsizetype at = utf8Body.indexOf('<'); at >= 0; at = utf8Body.indexOf('<', at + 1)) {
        if (lower(at + 1) == 'a' || (lower(at + 1) == 'i' && lower(at + 2) == 'm'))
            return true;
    }
    return false;
}

QList<PageAddress> findPageAddresses(const QByteArray &utf8Body) {
    if (!mayHoldAddresses(utf8Body))
        return {};
    const GumboDocument output(
        gumbo_parse_with_options(&kGumboDefaultOptions, utf8Body.constData(),
                                 size_t(utf8Body.size())),
        [](GumboOutput *parsed) { gumbo_destroy_output(&kGumboDefaultOptions, parsed); });
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
