#include "authoring/webengineconfig.h"

#include <QCoreApplication>

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
}

} // namespace quillsite
