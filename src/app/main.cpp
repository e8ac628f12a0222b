// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/frmmain.h"
#include "authoring/editordialogs.h"
#include "authoring/webengineconfig.h"
#include "buildinfo.h"
#include "platform/desktopservices.h"
#include "platform/startuplog.h"
#include "platform/systeminfo.h"
#include "platform/translations.h"
#include "publishwindow/frmpublish.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <optional>

using namespace Qt::StringLiterals;

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

// Names the program and picks its language, once the application object exists.
void setUpApplication() {
    QCoreApplication::setApplicationName(u"Quillsite"_s);
    QCoreApplication::setApplicationVersion(QLatin1StringView(QUILLSITE_VERSION));
    quillsite::installTranslations();
}

// --help and --version, and the missing display, are answered before the
// window's application object exists, since that one needs a display. Gives
// the exit status when the program is to stop here. With --publish, `publishFolder`
// receives the built site to publish.
std::optional<int> answerWithoutWindow(int argc, char *argv[], QString *publishFolder) {
    QCoreApplication app(argc, argv);
    setUpApplication();
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("Wizard", "The Quillsite wizard: builds a small website from a "
                                              "design template, one page at a time, without any "
                                              "HTML knowledge."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(
        u"FOLDER"_s,
        QCoreApplication::translate("Wizard", "Open the website made with Quillsite in FOLDER."),
        u"[FOLDER]"_s);
    const QCommandLineOption publish(
        u"publish"_s,
        QCoreApplication::translate("Wizard", "Open the Publish dialog for the website built in "
                                              "FOLDER, without the wizard."),
        u"FOLDER"_s);
    parser.addOption(publish);
    // Qt's own options such as -platform are the window's to read, so unknown
    // options are no error here.
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(help) || parser.isSet(version)) {
        const QString text = parser.isSet(help)
                                 ? parser.helpText()
                                 : u"quillsite "_s + QCoreApplication::applicationVersion() + u'\n';
        std::fputs(text.toLocal8Bit().constData(), stdout);
        return EXIT_SUCCESS;
    }
    if (parser.isSet(publish)) {
        *publishFolder = QDir(parser.value(publish)).absolutePath();
        if (!QFileInfo(*publishFolder + u"/index.htm"_s).isFile()) {
            const QString problem =
                QCoreApplication::translate("Wizard",
                                            "quillsite: %1 holds no website built by Quillsite "
                                            "(it has no index.htm). Build it with the wizard "
                                            "first.\n")
                    .arg(*publishFolder);
            std::fputs(problem.toLocal8Bit().constData(), stderr);
            return 2;
        }
    }
    if (!displayAvailable()) {
        const QString problem = QCoreApplication::translate(
            "Wizard", "quillsite: no display to show the wizard on (neither DISPLAY nor "
                      "WAYLAND_DISPLAY is set).\nRun it inside a desktop session, or on a virtual "
                      "display with:\n    xvfb-run -a build/bin/quillsite\n");
        std::fputs(problem.toLocal8Bit().constData(), stderr);
        return 2;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char *argv[]) {
    quillsite::configureWebEngine();
    QString publishFolder;
    if (const std::optional<int> status = answerWithoutWindow(argc, argv, &publishFolder))
        return *status;

    QApplication app(argc, argv);
    setUpApplication();
    QGuiApplication::setDesktopFileName(u"org.quillsite.Quillsite"_s);

    quillsite::SystemDesktopServices desktop(quillsite::programDataFolder());
    if (!publishFolder.isEmpty()) {
        quillsite::frmPublish publish(desktop, publishFolder);
        publish.show();
        return app.exec();
    }
    quillsite::QtEditorDialogs dialogs(desktop);
    quillsite::frmMain window(desktop, dialogs);
    window.show();
    QTimer::singleShot(0, &window, [] {
        qCInfo(quillsite::lcStartup, "The wizard's window is shown; its data is in %s",
               qPrintable(quillsite::programDataFolder()));
    });
    // "quillsite FOLDER" opens the website in FOLDER once the window is up. Qt's own
    // options are gone from the arguments by now.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1 && !arguments.at(1).startsWith(u'-'))
        QTimer::singleShot(0, &window,
                           [&window, folder = arguments.at(1)] { window.openSite(folder); });
    return app.exec();
}
