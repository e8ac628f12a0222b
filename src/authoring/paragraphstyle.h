// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>

namespace quillsite {

// The kinds of paragraph a page is made of, instead of fonts that only look like them.
enum class ParagraphStyle { Normal, Heading1, Heading2, Heading3, Quote };

inline constexpr ParagraphStyle ParagraphStyles[] = {
    ParagraphStyle::Normal, ParagraphStyle::Heading1, ParagraphStyle::Heading2,
    ParagraphStyle::Heading3, ParagraphStyle::Quote};

// The element that holds a paragraph of the style: p, h1, h2, h3 or blockquote.
QString paragraphTag(ParagraphStyle style);
std::optional<ParagraphStyle> paragraphStyleOfTag(const QString &tag);

// Its name for the user, such as "Heading 1".
QString paragraphStyleName(ParagraphStyle style);

// Ctrl+0 to Ctrl+3 for Normal and the headings, as word processors have them; empty for Quote.
QString paragraphStyleShortcut(ParagraphStyle style);

} // namespace quillsite
