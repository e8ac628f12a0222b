// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "authoring/newpagecounter.h"

namespace quillsite {

QString NewPageCounter::defaultNamePrefix() {
    return tr("New Page ");
}

QString NewPageCounter::defaultName() const {
    return defaultNamePrefix() + QString::number(m_value);
}

void NewPageCounter::nameAdding(const QString &name) {
    if (name.startsWith(defaultNamePrefix(), Qt::CaseSensitive))
        ++m_value;
}

} // namespace quillsite
