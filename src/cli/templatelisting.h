// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "library/templatecatalog.h"

#include <QList>
#include <QString>

namespace quillsite {

// The installed templates as --list-templates shows them: one block each, in
// the given order, with the name, the folder name (what --template accepts),
// the author and web address, and the description.
QString templateListing(const QList<TemplateInfo> &templates);

// `text` with every control character written out as \xHH (or \uHHHH), so that a
// template can't send commands to the terminal its texts are printed on.
QString visibleText(const QString &text);

} // namespace quillsite
