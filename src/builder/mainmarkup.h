// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace quillsite {

// The source text inside the first main element of an HTML page, or inside
// its body when it has no main element: the part of a page made elsewhere
// that is its own content.
QString mainMarkup(const QString &html);

} // namespace quillsite
