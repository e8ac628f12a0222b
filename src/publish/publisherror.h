// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace quillsite {

// What went wrong talking to a place to publish to. The message is translated,
// in plain words, names the file or host, and never holds a password.
struct PublishError {
    enum class Kind { None, NotFound, Connect, Authenticate, Trust, Transient, NoSpace, Failed };
    Kind kind = Kind::None;
    QString message;
    // For Trust: "SHA256:..." of the key or certificate the user may accept.
    QString fingerprint;

    bool failed() const { return kind != Kind::None; }
};

} // namespace quillsite
