// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace quillsite {

// What a Destination needs besides its address.
struct ConnectionOptions {
    QString identityFile;   // -i
    QString knownHostsFile; // --known-hosts (default ~/.ssh/known_hosts)
    QString acceptHostKey;  // --accept-host-key SHA256:... (recorded in known_hosts)
    QString caCertFile;     // --cacert
    QString pin;            // --pin SHA256:... (certificate pin)
    bool allowPlainFtp = false;
    // Asked only when needed; nullopt when there is none to give.
    std::function<std::optional<QString>()> password;
    int connectTimeoutSeconds = 15;
    int stallTimeoutSeconds = 60;
};

} // namespace quillsite
