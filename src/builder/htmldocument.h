// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>

#include <gumbo.h>

#include <memory>

namespace quillsite {

struct HtmlDocumentDeleter {
    void operator()(GumboOutput *output) const;
};

// A page parsed as a browser parses it; the one place that asks the HTML
// parser, so that every reader of pages sees the same tree.
using HtmlDocument = std::unique_ptr<GumboOutput, HtmlDocumentDeleter>;

HtmlDocument parseHtml(QByteArrayView utf8);

} // namespace quillsite
