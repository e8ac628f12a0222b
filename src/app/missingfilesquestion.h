// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "builder/sitemedia.h"

#include <QList>
#include <QString>

namespace quillsite {

// The question asked once after a build that lacked pictures or linked
// files: which pages lack which files, and whether to go back to Build
// Pages (Yes) or keep the site as built (No). Long lists are cut short.
QString missingFilesQuestion(const QList<MissingFiles> &missing);

} // namespace quillsite
