// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "publish/publishlock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QStandardPaths>

namespace quillsite {

using namespace Qt::StringLiterals;

QString publishLockFile(const QString &place) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                           u"/quillsite/locks"_s;
    QDir().mkpath(folder);
    return folder + u'/' +
           QString::fromLatin1(QCryptographicHash::hash(place.toUtf8(), QCryptographicHash::Sha256)
                                   .toHex()
                                   .left(20)) +
           u".lock"_s;
}

} // namespace quillsite
