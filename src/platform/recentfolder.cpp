// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/recentfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace quillsite {

using namespace Qt::StringLiterals;

namespace {

const QString lastFolderKey = u"FileChoosers/lastFolder"_s;

QString settingsFile() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
           u"/settings.conf"_s;
}

} // namespace

QString lastFileFolder() {
    const QString folder =
        QSettings(settingsFile(), QSettings::IniFormat).value(lastFolderKey).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

void rememberFileFolder(const QString &file) {
    if (file.isEmpty())
        return;
    QSettings(settingsFile(), QSettings::IniFormat)
        .setValue(lastFolderKey, QFileInfo(file).absolutePath());
}

} // namespace quillsite
