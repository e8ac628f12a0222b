// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/fileerror.h"

#include <cstring>

using namespace Qt::StringLiterals;

namespace quillsite {

QString FileError::message(const QString &action) const {
    const QString sentence = reason.endsWith(u'.') ? reason : reason + u'.';
    if (path.isEmpty())
        return action + u": "_s + sentence;
    return u"%1 \"%2\": %3"_s.arg(action, path, sentence);
}

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace quillsite
