// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace quillsite {

// How every step of the builder and of quillsite-build that can fail says so:
// the file or folder at fault and why, in words a user understands (the
// system's own reason where there is one). Empty when the step worked.
struct FileError {
    QString path;
    QString reason;

    bool failed() const { return !reason.isEmpty(); }
    // '<action> "<path>": <reason>.', as a message box or standard error says it.
    QString message(const QString &action) const;
};

// The system's reason for the error number `error`, such as "No space left on device".
QString systemReason(int error);

inline FileError systemError(const QString &path, int error) {
    return {path, systemReason(error)};
}

} // namespace quillsite
