// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/systeminfo.h"

#include "buildinfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include <malloc.h>
#include <pwd.h>
#include <unistd.h>

#include <vector>

namespace quillsite {

using namespace Qt::StringLiterals;

QString programDataFolder() {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    if (programFolder.exists(u"templates"_s))
        return programFolder.path();
    return QDir::cleanPath(
        programFolder.filePath(u"../"_s + QLatin1StringView(QUILLSITE_DATA_INSTALL_DIR)));
}

QString loginName() {
    long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? size_t(size) : 16384);
    passwd entry{};
    passwd *found = nullptr;
    if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        return QString::fromLocal8Bit(found->pw_name);
    for (const char *variable : {"USER", "LOGNAME"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return value;
    }
    return {};
}

QString desktopFolder() {
    // Qt falls back to the home folder when no desktop folder is configured;
    // only a real desktop folder counts here.
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (desktop.isEmpty() || QDir(desktop) == QDir::home())
        return {};
    return desktop;
}

QString stateFolder() {
    const QString configured = qEnvironmentVariable("XDG_STATE_HOME");
    if (QDir::isAbsolutePath(configured))
        return QDir::cleanPath(configured);
    return QDir::homePath() + u"/.local/state"_s;
}

void returnFreedMemory() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

} // namespace quillsite
