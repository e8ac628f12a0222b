// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

namespace quillsite {

// The text of an HTML file: by its byte order mark when it has one, else as UTF-8 when it
// is valid UTF-8, else as Windows-1252 (the encoding of older pages written on Windows).
QString decodeHtmlText(const QByteArray &bytes);

} // namespace quillsite
