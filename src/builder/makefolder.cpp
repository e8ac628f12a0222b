// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/makefolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace quillsite {

FileError makeFolder(const QString &path) {
    // QDir::mkpath says only whether it worked; this way the user learns why not.
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(path).toStdString(), error);
    if (error && !QFileInfo(path).isDir())
        return {path, QString::fromLocal8Bit(error.message())};
    return {};
}

QString symbolicLinkProblem() {
    return QCoreApplication::translate("Builder",
                                       "It is a symbolic link; files are only written inside the "
                                       "website's folder. Remove the link and build again");
}

} // namespace quillsite
