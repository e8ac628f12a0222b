// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "publish/sitefile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace quillsite;
using namespace Qt::StringLiterals;

class tst_SiteFile : public QObject {
    Q_OBJECT

private slots:
    void scan_takesTheSiteAndNothingElse_data();
    void scan_takesTheSiteAndNothingElse();
};

void tst_SiteFile::scan_takesTheSiteAndNothingElse_data() {
    QTest::addColumn<QString>("name");
    // Relative to the site's folder; empty for a plain file, FIFO for a pipe.
    QTest::addColumn<QString>("linkTo");
    QTest::addColumn<bool>("published");
    QTest::addColumn<bool>("warned");

    QTest::newRow("a page") << u"about.htm"_s << QString() << true << false;
    QTest::newRow("a picture in a folder") << u"media/p.jpg"_s << QString() << true << false;
    QTest::newRow("a page two folders down") << u"a/b/c.htm"_s << QString() << true << false;
    QTest::newRow("a link inside the site") << u"copy.htm"_s << u"index.htm"_s << true << false;
    QTest::newRow("a link out of the site")
        << u"secret.htm"_s << u"../outside.txt"_s << false << true;
    QTest::newRow("a folder linked from outside") << u"media"_s << u".."_s << false << true;
    QTest::newRow("a pipe") << u"pipe"_s << u"FIFO"_s << false << true;
    QTest::newRow("a file half-written by a publish")
        << u".about.htm.quillsite-upload"_s << QString() << false << false;
    QTest::newRow("a file half-written in a folder")
        << u"media/.p.jpg.quillsite-upload"_s << QString() << false << false;
    QTest::newRow("a page whose name only ends like one")
        << u"notes.quillsite-upload"_s << QString() << true << false;
    QTest::newRow("a manifest left in the site")
        << u".quillsite-manifest.json"_s << QString() << false << false;
}

void tst_SiteFile::scan_takesTheSiteAndNothingElse() {
    QFETCH(QString, name);
    QFETCH(QString, linkTo);
    QFETCH(bool, published);
    QFETCH(bool, warned);

    QTemporaryDir root;
    const QString site = root.filePath(u"site"_s);
    QVERIFY(QDir().mkpath(site));
    const auto write = [](const QString &path, const QByteArray &bytes) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    QVERIFY(write(site + u"/index.htm"_s, "home"));
    QVERIFY(write(root.filePath(u"outside.txt"_s), "not for the web"));
    if (linkTo == u"FIFO"_s)
        QCOMPARE(::mkfifo(QFile::encodeName(site + u'/' + name).constData(), 0600), 0);
    else if (linkTo.isEmpty())
        QVERIFY(write(site + u'/' + name, "content"));
    else
        QVERIFY(QFile::link(linkTo, site + u'/' + name));

    QList<SiteFile> files;
    QStringList warnings;
    QString error;
    QVERIFY2(scanSite(site, &files, &warnings, &error), qPrintable(error));
    QStringList paths;
    for (const SiteFile &file : std::as_const(files)) {
        paths.append(file.path);
        QCOMPARE(file.sha256, fileSha256(file.localFile));
        QCOMPARE(file.sha256.size(), 64);
    }
    QVERIFY(paths.contains(u"index.htm"_s));
    QCOMPARE(fileSha256(site + u"/index.htm"_s).toLatin1(),
             QCryptographicHash::hash("home", QCryptographicHash::Sha256).toHex());
    QCOMPARE(paths.contains(name), published);
    QCOMPARE(paths.size(), published ? 2 : 1);
    QCOMPARE(!warnings.isEmpty(), warned);
    // Found before any file is read: every folder on the way to a published file, none linked.
    const QStringList folders = siteFolders(site);
    for (const QString &path : std::as_const(paths)) {
        for (qsizetype slash = path.indexOf(u'/'); slash > 0; slash = path.indexOf(u'/', slash + 1))
            QVERIFY2(folders.contains(path.left(slash)), qPrintable(path));
    }
    for (const QString &folder : folders)
        QVERIFY2(!QFileInfo(site + u'/' + folder).isSymLink(), qPrintable(folder));
}

QTEST_GUILESS_MAIN(tst_SiteFile)
#include "tst_sitefile.moc"
