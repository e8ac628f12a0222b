// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/templatelinks.h"

#include <QCoreApplication>

namespace quillsite {

QString linkOutOfTemplate(const QFileInfo &entry, const QString &canonicalTemplate) {
    if (!entry.isSymLink() || !entry.exists())
        return {};
    const QString target = entry.canonicalFilePath();
    if (target == canonicalTemplate || target.startsWith(canonicalTemplate + u'/'))
        return {};
    return QCoreApplication::translate("Builder", "It is a link to \"%1\", outside the template")
        .arg(entry.symLinkTarget());
}

} // namespace quillsite
