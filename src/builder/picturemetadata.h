// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

namespace quillsite {

// The picture codec's metadata work, as PictureCodec says of its functions of
// the same names.
bool holdsPrivateData(const QByteArray &picture);
QByteArray withoutPrivateData(const QByteArray &picture);

} // namespace quillsite
