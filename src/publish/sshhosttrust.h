// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "publish/publisherror.h"

#include <QString>

#include <libssh/libssh.h>

namespace quillsite {

// The "SHA256:..." fingerprint of the key the server of `session` showed, as OpenSSH writes it.
QString hostKeyFingerprint(ssh_session session);

// Whether the server of a connected `session` is the one the user trusts: its key must be in
// the known hosts file set on the session. An unknown key is accepted, and recorded there,
// only when `acceptedFingerprint` names it; a key that differs from the recorded one never is.
PublishError checkHostKey(ssh_session session, const QString &hostName,
                          const QString &acceptedFingerprint);

} // namespace quillsite
