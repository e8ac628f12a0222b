// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

namespace quillsite {

// How many renderer processes all editors share. Chromium would otherwise start one per
// editor, and a site may have many pages.
inline constexpr int RendererProcessLimit = 2;

// Call in main() before the QApplication is created: limits the renderer processes and
// turns on Chromium's low-end mode (keeping any flags already in QTWEBENGINE_CHROMIUM_FLAGS,
// and any choice they make of these two), shares OpenGL contexts as the web engine
// requires, and has the editors drawn in software.
void configureWebEngine();

// The Chromium flags with `option` added (as option=value when a value is given), unless
// they already hold that option.
QByteArray chromiumFlagsWith(const QByteArray &flags, const QByteArray &option,
                             const QByteArray &value = QByteArray());

} // namespace quillsite
