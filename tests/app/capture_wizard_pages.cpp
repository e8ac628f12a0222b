// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Shows the real wizard on the current display, walks it from Welcome to
// Finish and saves a picture of every page, then of every dialog into the
// subfolder dialogs/. Not a test: it writes the screenshots of the README, and
// with LANGUAGE set shows how a translation fits.
// Usage: capture_wizard_pages <data folder> <output folder>
#include "about/frmabout.h"
#include "app/frmmain.h"
#include "authoring/fontdialog.h"
#include "authoring/frmadd.h"
#include "authoring/htmleditor.h"
#include "authoring/imagedialog.h"
#include "authoring/linkdialog.h"
#include "authoring/pageset.h"
#include "authoring/webengineconfig.h"
#include "fakedesktopservices.h"
#include "fakeeditordialogs.h"
#include "platform/translations.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillsite;

namespace {

void saveWhenShown(QWidget &widget, const QString &path) {
    widget.show();
    if (QTest::qWaitForWindowExposed(&widget))
        QTest::qWait(300);
    widget.grab().save(path);
}

void captureDialogs(frmMain &window, FakeDesktopServices &desktop, const QString &folder) {
    QDir().mkpath(folder);
    frmAbout about(desktop, &window);
    saveWhenShown(about, folder + u"/about.png"_s);
    frmAdd add(window.pageSet(), desktop, &window);
    saveWhenShown(add, folder + u"/add-page-blank.png"_s);
    for (const QString &way : {u"Open"_s, u"Template"_s}) {
        add.findChild<QAction *>(way)->trigger();
        saveWhenShown(add, folder + u"/add-page-"_s + way.toLower() + u".png"_s);
    }
    FontDialog font({u"Georgia"_s, 12, Qt::darkBlue, ParagraphStyle::Heading2},
                    {u"Georgia, serif"_s, u"\"Trebuchet MS\", sans-serif"_s}, desktop, &window);
    saveWhenShown(font, folder + u"/font.png"_s);
    ImageDialog image(desktop, std::nullopt, &window);
    saveWhenShown(image, folder + u"/image.png"_s);
    LinkDialog link(u"https://www.example.com/"_s, window.pageSet().pageNames(), desktop, &window);
    saveWhenShown(link, folder + u"/link.png"_s);
}

} // namespace

int main(int argc, char *argv[]) {
    configureWebEngine();
    QApplication app(argc, argv);
    installTranslations();
    if (argc != 3) {
        std::fputs("usage: capture_wizard_pages <data folder> <output folder>\n", stderr);
        return 2;
    }
    const QString outFolder = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(outFolder);
    QTemporaryDir site;

    FakeDesktopServices desktop;
    desktop.dataFolder = QString::fromLocal8Bit(argv[1]);
    desktop.login = u"Jane Smith"_s;
    desktop.desktop = u"/home/jane/Desktop"_s;
    FakeEditorDialogs dialogs;
    frmMain window(desktop, dialogs);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;

    auto *next = window.findChild<QPushButton *>(u"cmdNext"_s);
    const QStringList names{
        u"1-welcome"_s,     u"2-select-template"_s,    u"3-provide-information"_s,
        u"4-build-pages"_s, u"5-select-destination"_s, u"6-finish"_s};
    for (int page = 0; page < names.size(); ++page) {
        if (page == 3) {
            HtmlEditor *home = window.pageSet().editor(0);
            home->setDocumentHTML(
                u"<html><body><h2>Welcome to the Chess Club</h2><p>We meet "
                "every <b>Tuesday</b> at seven in the library.</p></body></html>"_s);
            QTest::qWait(1500);
        }
        QTest::qWait(300);
        window.grab().save(outFolder + u'/' + names[page] + u".png"_s);
        // The picture shows the default destination; the site goes somewhere disposable.
        if (page == 4)
            window.findChild<QLineEdit *>(u"txtDestination"_s)->setText(site.filePath(u"chess"_s));
        if (page + 1 < names.size()) {
            QTest::mouseClick(next, Qt::LeftButton);
            if (!desktop.warnings.isEmpty()) {
                std::fprintf(stderr, "%s\n", qPrintable(desktop.warnings.join(u'\n')));
                return 1;
            }
        }
    }
    captureDialogs(window, desktop, outFolder + u"/dialogs"_s);
    return 0;
}
