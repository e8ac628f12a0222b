// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "authoring/webengineconfig.h"

#include <QCoreApplication>
#include <QQuickWindow>

using namespace Qt::StringLiterals;

namespace quillsite {

QByteArray chromiumFlagsWith(const QByteArray &flags, const QByteArray &option,
                             const QByteArray &value) {
    for (const QByteArray &flag : flags.split(' ')) {
        if (flag == option || flag.startsWith(QByteArray(option + '=')))
            return flags;
    }
    QByteArray result = flags.trimmed();
    if (!result.isEmpty())
        result += ' ';
    return result + option + (value.isEmpty() ? QByteArray() : '=' + value);
}

void configureWebEngine() {
    const char *variable = "QTWEBENGINE_CHROMIUM_FLAGS";
    // Low-end mode keeps the renderer's caches small: a site of 200 pages holds 200 documents.
    qputenv(variable,
            chromiumFlagsWith(chromiumFlagsWith(qgetenv(variable), "--renderer-process-limit",
                                                QByteArray::number(RendererProcessLimit)),
                              "--enable-low-end-device-mode"));
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // The editors draw their pages into the window in software. Drawn through OpenGL, the
    // first editor to join the shown wizard would make Qt replace the window's native window
    // (a flicker, and a new window id), and making the window OpenGL from the start would
    // delay its first sight by the driver's start-up.
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}

} // namespace quillsite
