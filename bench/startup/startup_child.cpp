// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts the wizard as the program does, with the templates of a given
// folder, and reports on standard output when its window is first painted
// and when the Home editor has shown its page.
#include "app/frmmain.h"
#include "authoring/editordialogs.h"
#include "authoring/htmleditor.h"
#include "authoring/webengineconfig.h"
#include "platform/desktopservices.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <memory>

namespace {

using namespace Qt::StringLiterals;

qint64 residentKilobytes() {
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').constFirst().toLongLong();
    }
    return -1;
}

// Reports each time a native window of the widget it watches is first exposed; the window
// paints itself while handling that event, so the report follows the first frame. Qt may
// replace a shown window's native window (when a widget that draws through OpenGL joins
// it); the last report is then the one of the window that stays.
class WindowExposures final : public QObject {
public:
    explicit WindowExposures(QWidget *watched)
        : m_watched(watched) {}

    bool shown() const { return m_windows > 0; }
    int nativeWindows() const { return m_windows; }
    qint64 msSinceShown() const { return m_sinceShown.elapsed(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        QWindow *window = m_watched->windowHandle();
        if (event->type() == QEvent::Expose && watched == window && window->isExposed() &&
            window->winId() != m_lastWinId) {
            m_lastWinId = window->winId();
            ++m_windows;
            m_sinceShown.start();
            QTimer::singleShot(0, this, [] {
                std::printf("shown %lld\n", residentKilobytes());
                std::fflush(stdout);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *m_watched;
    WId m_lastWinId = 0;
    int m_windows = 0;
    QElapsedTimer m_sinceShown;
};

} // namespace

int main(int argc, char *argv[]) {
    quillsite::configureWebEngine();
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: startup_child <folder holding templates> | --floor\n", stderr);
        return 2;
    }
    // The floor: a plain window from the same program, so the same libraries load.
    const bool floor = qstrcmp(argv[1], "--floor") == 0;
    // The real desktop, with the templates taken from the folder under test.
    quillsite::SystemDesktopServices desktop(QString::fromLocal8Bit(argv[1]));
    quillsite::QtEditorDialogs dialogs(desktop);
    std::unique_ptr<QWidget> window;
    if (floor)
        window = std::make_unique<QWidget>();
    else
        window = std::make_unique<quillsite::frmMain>(desktop, dialogs);
    WindowExposures exposures(window.get());
    app.installEventFilter(&exposures);
    window->show();

    // The Home editor is ready once its page has reported; by then the web engine has joined
    // the window. A replaced window shows a little later, so the report waits a moment.
    qint64 editorReadyMs = -1;
    qint64 editorReadyKb = 0;
    const auto editorReady = [&] {
        if (editorReadyMs >= 0)
            return;
        editorReadyMs = exposures.msSinceShown();
        editorReadyKb = residentKilobytes();
        QTimer::singleShot(floor ? 0 : 500, &app, [&] {
            std::printf("editor %lld %lld %d\n", editorReadyMs, editorReadyKb,
                        exposures.nativeWindows());
            std::fflush(stdout);
            app.quit();
        });
    };
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &app, [&] {
        if (!exposures.shown())
            return;
        poll.stop();
        if (floor)
            return editorReady();
        auto *home = window->findChild<quillsite::HtmlEditor *>(u"dhePage_0"_s);
        if (!home)
            return poll.start();
        QObject::connect(home, &quillsite::HtmlEditor::DisplayChanged, &app, editorReady);
    });
    poll.start(5);
    return app.exec();
}
