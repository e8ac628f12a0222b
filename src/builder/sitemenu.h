// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "builder/website.h"
#include "library/legacytext.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace quillsite {

// Appends the site menu, written in `encoding`, to `text`: for every page in
// order, a copy of `fragment` appended and then "<!--ItemName-->" and
// "<!--ItemPath-->" replaced over the whole menu (never over what `text` held
// before it) by that page's name, as text (see markupOfText), and link.
//
// Made as bytes, never as a whole text, to take half the memory. Both
// encodings write every ASCII character as its own byte and no other
// character as a byte a placeholder holds, so a placeholder is found in the
// bytes exactly where it stands in the text.
void appendMenu(QByteArray &text, const QString &fragment, const QList<SitePage> &pages,
                TextEncoding encoding);

// The menu's size in bytes when no page name holds placeholder text: the room
// to reserve so that the menu is made in place rather than grown by copying,
// which would hold it about twice for a moment.
qsizetype menuSize(const QString &fragment, const QList<SitePage> &pages, TextEncoding encoding);

// The site menu alone, as appendMenu makes it.
QByteArray buildMenu(const QString &fragment, const QList<SitePage> &pages, TextEncoding encoding);

} // namespace quillsite
