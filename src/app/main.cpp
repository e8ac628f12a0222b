#include "app/frmmain.h"
#include "authoring/editordialogs.h"
#include "authoring/webengineconfig.h"
#include "platform/desktopservices.h"
#include "platform/systeminfo.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Qt would abort without a display to show the window on; say what to do instead.
bool displayAvailable() {
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char *value = std::getenv(name);
        if (value && *value)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char *argv[]) {
    if (!displayAvailable()) {
        std::fputs("quillsite: no display to show the wizard on (neither DISPLAY nor "
                   "WAYLAND_DISPLAY is set).\n"
                   "Run it inside a desktop session, or on a virtual display with:\n"
                   "    xvfb-run -a build/bin/quillsite\n",
                   stderr);
        return 2;
    }

    quillsite::configureWebEngine();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillsite"));

    quillsite::SystemDesktopServices desktop(quillsite::programDataFolder());
    quillsite::QtEditorDialogs dialogs(desktop);
    quillsite::frmMain window(desktop, dialogs);
    window.show();
    return app.exec();
}
