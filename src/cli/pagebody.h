#pragma once

#include <QString>

namespace quillsite {

// The markup a page file contributes to a site: for a whole HTML document the
// source text inside its body element, exactly as written; for a fragment
// (no doctype, and no html, head or body tag) the text as it is.
QString bodyMarkup(const QString &html);

} // namespace quillsite
