// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "builder/sitereader.h"
#include "library/templatecatalog.h"

#include <QList>
#include <QString>

namespace quillsite {

// What --list-pages shows of a site read back: its template (by name and
// folder name, as --template accepts it), title, author, and every page with
// its file name, in menu order.
QString siteListing(const ReadSite &read, const QList<TemplateInfo> &installed);

} // namespace quillsite
