// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Shows the real Publish dialog on the current display and saves pictures of it:
// empty, with the changes listed, during the upload, and done. Not a test: it
// writes the screenshots of the README. The site goes to a folder made here.
// Usage: capture_publish_dialog <output folder>
#include "fakedesktopservices.h"
#include "platform/translations.h"
#include "publishwindow/frmpublish.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using namespace Qt::StringLiterals;
using namespace quillsite;

namespace {

bool writeFile(const QString &path, const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A club's site: a few pages and many large photos, so that the upload takes a moment.
bool writeSite(const QString &folder) {
    const QStringList pages{u"index.htm"_s, u"about us.htm"_s, u"meetings.htm"_s, u"results.htm"_s,
                            u"contact.htm"_s};
    for (const QString &page : pages) {
        if (!writeFile(folder + u'/' + page, "<html><body>The Chess Club</body></html>"))
            return false;
    }
    QByteArray photo(4 * 1024 * 1024, Qt::Uninitialized);
    for (int i = 0; i < 40; ++i) {
        QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(photo.data()),
                                              photo.size() / 4);
        if (!writeFile(folder + u"/media/tournament-%1.jpg"_s.arg(i + 1), photo))
            return false;
    }
    return writeFile(folder + u"/style.css"_s, "body { font-family: Verdana; }");
}

void save(QWidget &widget, const QString &path) {
    widget.grab().save(path);
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    installTranslations();
    QStandardPaths::setTestModeEnabled(true);
    if (argc != 2) {
        std::fputs("usage: capture_publish_dialog <output folder>\n", stderr);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    QTemporaryDir work;
    const QString site = work.filePath(u"chess"_s);
    if (!writeSite(site) || !QDir().mkpath(work.filePath(u"www"_s)))
        return 1;

    FakeDesktopServices desktop;
    frmPublish dialog(desktop, site);
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog))
        return 1;
    QTest::qWait(300);
    save(dialog, out + u"/publish-1-empty.png"_s);

    auto *kind = dialog.findChild<QComboBox *>(u"cboKind"_s);
    kind->setCurrentIndex(kind->count() - 1); // Folder, in any language
    dialog.findChild<QLineEdit *>(u"txtFolder"_s)->setText(work.filePath(u"www/chess"_s));
    dialog.findChild<QPushButton *>(u"cmdShowChanges"_s)->click();
    if (!QTest::qWaitFor([&] { return !dialog.isWorking(); }, 60000))
        return 1;
    QTest::qWait(200);
    save(dialog, out + u"/publish-2-changes.png"_s);

    dialog.findChild<QPushButton *>(u"cmdPublish"_s)->click();
    auto *progress = dialog.findChild<QLabel *>(u"lblProgress"_s);
    if (!QTest::qWaitFor([&] { return !progress->text().isEmpty(); }, 60000))
        return 1;
    save(dialog, out + u"/publish-3-upload.png"_s);
    if (!QTest::qWaitFor([&] { return !dialog.isWorking(); }, 120000))
        return 1;
    QTest::qWait(200);
    save(dialog, out + u"/publish-4-done.png"_s);
    return 0;
}
