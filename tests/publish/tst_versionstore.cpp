// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "publish/versionstore.h"

#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace quillsite;
using namespace Qt::StringLiterals;

class tst_VersionStore : public QObject {
    Q_OBJECT

private slots:
    void versions_keepTheLastFewOnce_data();
    void versions_keepTheLastFewOnce();
};

void tst_VersionStore::versions_keepTheLastFewOnce_data() {
    QTest::addColumn<int>("publishes");
    QTest::addColumn<int>("dropped"); // newest versions undone afterwards
    QTest::addColumn<int>("versions");
    QTest::addColumn<int>("storedFiles");
    QTest::addColumn<int>("previous"); // the version --rollback would publish; 0: none
    QTest::addColumn<bool>("spoiled"); // the stored copy of version 1's page changed since

    // Every version holds the same style sheet and a page of its own.
    QTest::newRow("one publish has nothing to go back to") << 1 << 0 << 1 << 2 << 0 << false;
    QTest::newRow("two publishes share a file") << 2 << 0 << 2 << 3 << 1 << false;
    QTest::newRow("only the last five are kept") << 8 << 0 << 5 << 6 << 7 << false;
    QTest::newRow("an undone version is forgotten") << 3 << 1 << 2 << 3 << 1 << false;
    QTest::newRow("undoing all but one") << 3 << 2 << 1 << 2 << 0 << false;
    QTest::newRow("a stored copy changed since is not published again")
        << 2 << 0 << 2 << 3 << 0 << true;
}

void tst_VersionStore::versions_keepTheLastFewOnce() {
    QFETCH(int, publishes);
    QFETCH(int, dropped);
    QFETCH(int, versions);
    QFETCH(int, storedFiles);
    QFETCH(int, previous);
    QFETCH(bool, spoiled);

    QTemporaryDir root, site;
    const auto write = [&](const QString &name, const QByteArray &bytes) {
        QFile file(site.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    QVERIFY(write(u"style.css"_s, "body {}"));
    const SiteFile style{u"style.css"_s, 7, fileSha256(site.filePath(u"style.css"_s)),
                         site.filePath(u"style.css"_s)};
    VersionStore store(root.path(), u"/srv/www"_s);
    for (int version = 1; version <= publishes; ++version) {
        const QString page = u"page%1.htm"_s.arg(version);
        QVERIFY(write(page, "version " + QByteArray::number(version)));
        const SiteFile file{u"index.htm"_s, 9, fileSha256(site.filePath(page)),
                            site.filePath(page)};
        QString error;
        QVERIFY(!store.isNewest({file, style}));
        QVERIFY2(store.record({file, style}, &error), qPrintable(error));
        QVERIFY(store.isNewest({file, style}));
        // Recording the same version again keeps one.
        QVERIFY2(store.record({file, style}, &error), qPrintable(error));
    }
    for (int i = 0; i < dropped; ++i)
        store.dropNewest();
    QCOMPARE(store.count(), versions);

    int stored = 0;
    QDirIterator objects(root.filePath(u"objects"_s), QDir::Files, QDirIterator::Subdirectories);
    for (; objects.hasNext(); objects.next())
        ++stored;
    QCOMPARE(stored, storedFiles);
    if (spoiled) {
        const QString hash = fileSha256(site.filePath(u"page1.htm"_s));
        QFile copy(root.filePath(u"objects/"_s + hash.left(2) + u'/' + hash));
        QVERIFY(copy.open(QIODevice::WriteOnly) && copy.write("version X") == 9);
    }

    QString error;
    const std::optional<QList<SiteFile>> before = store.previous(&error);
    QCOMPARE(before.has_value(), previous > 0);
    if (!before) {
        QVERIFY(!error.isEmpty());
        return;
    }
    QCOMPARE(before->size(), 2);
    QFile page(before->at(0).localFile);
    QVERIFY(page.open(QIODevice::ReadOnly));
    QCOMPARE(page.readAll(), "version " + QByteArray::number(previous));
    // A different place has versions of its own.
    QCOMPARE(VersionStore(root.path(), u"/srv/other"_s).count(), 0);
}

QTEST_GUILESS_MAIN(tst_VersionStore)
#include "tst_versionstore.moc"
