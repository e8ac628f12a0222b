#include "authoring/webengineconfig.h"

#include <QCoreApplication>
#include <QQuickWindow>

using namespace Qt::StringLiterals;

namespace quillsite {

QByteArray chromiumFlagsWithProcessLimit(const QByteArray &flags, int limit) {
    const QByteArray option = "--renderer-process-limit";
    for (const QByteArray &flag : flags.split(' ')) {
        if (flag == option || flag.startsWith(QByteArray(option + '=')))
            return flags;
    }
    QByteArray result = flags.trimmed();
    if (!result.isEmpty())
        result += ' ';
    return result + option + '=' + QByteArray::number(limit);
}

void configureWebEngine() {
    const char *variable = "QTWEBENGINE_CHROMIUM_FLAGS";
    qputenv(variable, chromiumFlagsWithProcessLimit(qgetenv(variable), RendererProcessLimit));
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // The editors draw their pages into the window in software. Drawn through OpenGL, the
    // first editor to join the shown wizard would make Qt replace the window's native window
    // (a flicker, and a new window id), and making the window OpenGL from the start would
    // delay its first sight by the driver's start-up.
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}

} // namespace quillsite
