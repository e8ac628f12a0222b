// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSet>
#include <QString>

namespace quillsite {

// `body` with every link to the page file `oldFile` (as the site's own page links lead to
// it) leading to `newLink` instead, keeping its query and #part; the rest of the markup
// stays byte for byte. Unchanged when no link leads there. `otherFiles`, the files of the
// other pages, let a body that plainly links only to them go unparsed.
QString relinkPage(const QString &body, const QString &oldFile, const QString &newLink,
                   const QSet<QString> &otherFiles = {});

} // namespace quillsite
