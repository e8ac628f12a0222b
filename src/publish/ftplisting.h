// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "publish/remoteentry.h"

#include <QByteArray>
#include <QList>

namespace quillsite {

// The entries of one folder as an FTP server lists it: MLSD's facts ("type=file;size=12; a.htm")
// or, from servers without MLSD, LIST's Unix "ls -l" lines. Paths are bare names; "." and ".."
// and lines that can't be read are left out.
QList<RemoteEntry> parseMachineListing(const QByteArray &listing);
QList<RemoteEntry> parseUnixListing(const QByteArray &listing);

} // namespace quillsite
