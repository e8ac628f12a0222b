// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/missingfilesquestion.h"

#include <QCoreApplication>
#include <QDir>

namespace quillsite {

namespace {

// More lines than this would make the message box taller than a screen.
constexpr qsizetype MaxListedFiles = 12;

} // namespace

QString missingFilesQuestion(const QList<MissingFiles> &missing) {
    QStringList lines;
    qsizetype files = 0;
    for (const MissingFiles &page : missing) {
        for (const QString &file : page.files) {
            if (files++ < MaxListedFiles)
                lines.append(QCoreApplication::translate("MissingFiles", "\"%1\": %2")
                                 .arg(page.pageName, QDir::toNativeSeparators(file)));
        }
    }
    if (files > MaxListedFiles)
        lines.append(QCoreApplication::translate("MissingFiles", "and %n more", nullptr,
                                                 int(files - MaxListedFiles)));
    return QCoreApplication::translate(
               "MissingFiles",
               "The website was built, but these pictures or files could not be found "
               "or read, so they are missing from it:\n\n%1\n\nDo you want to go back "
               "to Build Pages to put them right? Choose No to keep the website as "
               "built.")
        .arg(lines.join(u'\n'));
}

} // namespace quillsite
