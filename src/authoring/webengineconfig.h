#pragma once

#include <QByteArray>

namespace quillsite {

// How many renderer processes all editors share. Chromium would otherwise start one per
// editor, and a site may have many pages.
inline constexpr int RendererProcessLimit = 2;

// Call in main() before the QApplication is created: limits the renderer processes (keeping
// any flags already in QTWEBENGINE_CHROMIUM_FLAGS), shares OpenGL contexts as the web
// engine requires, and has the editors drawn in software.
void configureWebEngine();

// The Chromium flags with the renderer process limit added, unless they already set one.
QByteArray chromiumFlagsWithProcessLimit(const QByteArray &flags, int limit);

} // namespace quillsite
