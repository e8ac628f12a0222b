// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

namespace quillsite {

// Whether the picture carries anything about where, when, with what or by whom
// it was taken: Exif (GPS, camera, serial, owner, maker notes, thumbnail), XMP,
// IPTC or comments. Its colour profile and orientation don't count.
bool holdsPrivateData(const QByteArray &picture);

// The picture with all of that removed and nothing else changed: the same
// compressed pixels, the colour profile, and the orientation as its only tag.
// Empty when the format or the file does not allow it.
QByteArray withoutPrivateData(const QByteArray &picture);

} // namespace quillsite
