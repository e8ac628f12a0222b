// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/htmldocument.h"

namespace quillsite {

void HtmlDocumentDeleter::operator()(GumboOutput *output) const {
    gumbo_destroy_output(&kGumboDefaultOptions, output);
}

HtmlDocument parseHtml(QByteArrayView utf8) {
    return HtmlDocument(
        gumbo_parse_with_options(&kGumboDefaultOptions, utf8.data(), size_t(utf8.size())));
}

} // namespace quillsite
