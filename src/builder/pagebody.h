// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace quillsite {

// What of a page file is not part of its page.
enum class LeftOutContent {
    None,
    AfterEnd, // text or tags after </body> or </html>
    Frameset, // a frameset document, which has no body
};

struct PageBody {
    QString markup;
    LeftOutContent leftOut = LeftOutContent::None;
};

// The markup a page file contributes to a site: for a whole HTML document the
// source text inside its body element, exactly as written; for a fragment
// (no doctype, and no html, head, body or frameset tag) the text as it is.
PageBody bodyMarkup(const QString &html);

} // namespace quillsite
