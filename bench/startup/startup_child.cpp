// Starts the wizard as the program does, with the templates of a given
// folder, and reports on standard output when its window is first painted
// and when the Home editor exists.
#include "app/frmmain.h"
#include "authoring/editordialogs.h"
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

// Reports when the window it watches is first exposed; the window paints
// itself while handling that event, so the report follows the first frame.
class FirstPaint final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Expose && !m_reported &&
            static_cast<QWindow *>(watched)->isExposed()) {
            m_reported = true;
            m_sinceShown.start();
            QTimer::singleShot(0, this, [] {
                std::printf("shown %lld\n", residentKilobytes());
                std::fflush(stdout);
            });
        }
        return QObject::eventFilter(watched, event);
    }

public:
    bool reported() const { return m_reported; }
    qint64 msSinceShown() const { return m_sinceShown.elapsed(); }

private:
    bool m_reported = false;
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
    FirstPaint firstPaint;
    window->show();
    // Watched from here on: the window system exposes the window later, from the event loop.
    window->windowHandle()->installEventFilter(&firstPaint);

    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &app, [&] {
        if (firstPaint.reported() && (floor || window->findChild<QWidget *>(u"dhePage_0"_s))) {
            std::printf("editor %lld %lld\n", firstPaint.msSinceShown(), residentKilobytes());
            std::fflush(stdout);
            app.quit();
        }
    });
    poll.start(5);
    return app.exec();
}
