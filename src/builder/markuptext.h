// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace quillsite {

// `text` written so that a page shows it as typed, in an element's text or
// in a quoted attribute: "&", "<", ">" and '"' become "&amp;", "&lt;",
// "&gt;" and "&quot;". Nothing else changes, so a site whose title, author
// and names hold none of them is written as before.
QString markupOfText(QStringView text);

// The text a page shows for `markup` read from a built page: the character
// references undone ("&amp;", "&lt;", "&gt;", "&quot;", "&apos;", "&nbsp;",
// "&copy;" and numeric ones, as the Windows-1252 templates write characters
// the code page lacks). Anything else, a lone "&" or a "<" an older build
// wrote as typed, stays as it is.
QString textOfMarkup(QStringView markup);

} // namespace quillsite
