// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "publish/connectionoptions.h"
#include "publish/publisherror.h"

#include <QString>

#include <libssh/libssh.h>

namespace quillsite {

// Logs in on a connected, trusted `session` as OpenSSH would: the ssh-agent, then the key
// file given (-i) or the user's own ~/.ssh/id_* keys, then the password or
// keyboard-interactive, the password asked for only when the server wants one.
// `account` names the user and host in messages ("ann@example.org").
PublishError logIn(ssh_session session, const QString &account, const ConnectionOptions &options);

} // namespace quillsite
