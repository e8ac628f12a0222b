// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/recentfolder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillsite;

class tst_RecentFolder : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void lastFileFolder_startsWhereTheLastFileWasChosen_data();
    void lastFileFolder_startsWhereTheLastFileWasChosen();

private:
    QString m_settings;
};

void tst_RecentFolder::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    m_settings =
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + u"/settings.conf"_s;
}

void tst_RecentFolder::init() {
    QFile::remove(m_settings);
}

void tst_RecentFolder::lastFileFolder_startsWhereTheLastFileWasChosen_data() {
    QTest::addColumn<QStringList>("chosen"); // relative to a fresh folder; "" cancelled
    QTest::addColumn<QString>("removed");    // a folder gone since
    QTest::addColumn<QString>("start");      // relative to that folder; "~" the home folder

    QTest::newRow("nothing chosen yet") << QStringList{} << QString() << u"~"_s;
    QTest::newRow("the last file's folder")
        << QStringList{u"photos/a.png"_s, u"pages/b.htm"_s} << QString() << u"pages"_s;
    QTest::newRow("a cancelled choice keeps it")
        << QStringList{u"photos/a.png"_s, QString()} << QString() << u"photos"_s;
    QTest::newRow("its folder gone: home")
        << QStringList{u"photos/a.png"_s} << u"photos"_s << u"~"_s;
}

void tst_RecentFolder::lastFileFolder_startsWhereTheLastFileWasChosen() {
    QFETCH(QStringList, chosen);
    QFETCH(QString, removed);
    QFETCH(QString, start);
    QTemporaryDir dir;
    for (const QString &file : chosen) {
        if (file.isEmpty()) {
            rememberFileFolder({});
            continue;
        }
        QVERIFY(QDir(dir.path()).mkpath(QFileInfo(file).path()));
        rememberFileFolder(dir.filePath(file));
    }
    if (!removed.isEmpty())
        QVERIFY(QDir(dir.filePath(removed)).removeRecursively());

    QCOMPARE(lastFileFolder(), start == u"~"_s ? QDir::homePath() : dir.filePath(start));
}

QTEST_GUILESS_MAIN(tst_RecentFolder)
#include "tst_recentfolder.moc"
