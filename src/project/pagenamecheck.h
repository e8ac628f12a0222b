// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace quillsite {

// Why a page named `name` can't join the pages `existing`, as a warning that
// tells the user what to change, or an empty text when it can: the name is
// taken (in any letter case), would not make a file inside the site's folder,
// or would be saved under the same file name as a page already there.
QString newPageNameProblem(const QString &name, const QStringList &existing);

} // namespace quillsite
