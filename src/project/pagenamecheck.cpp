// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/pagenamecheck.h"

#include "builder/pagenames.h"

#include <QCoreApplication>

namespace quillsite {

namespace {

// The context of this file's texts in the translation catalogues.
struct PageNameCheck {
    Q_DECLARE_TR_FUNCTIONS(PageNameCheck)
};

} // namespace

QString newPageNameProblem(const QString &name, const QStringList &existing) {
    if (existing.contains(name, Qt::CaseInsensitive))
        return PageNameCheck::tr("This page already exists, please choose a different page name.");
    if (QString problem = pageNameProblem(name); !problem.isEmpty())
        return problem;
    const QString fileName = pageFileName(name);
    for (const QString &other : existing) {
        if (pageFileName(other).compare(fileName, Qt::CaseInsensitive) == 0) {
            return PageNameCheck::tr(
                       "The page \"%1\" would be saved as \"%2\", the file of the page "
                       "\"%3\". Please choose a different page name.")
                .arg(name, fileName, other);
        }
    }
    return {};
}

} // namespace quillsite
