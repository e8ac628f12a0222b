// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "publish/manifest.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

using namespace quillsite;
using namespace Qt::StringLiterals;

namespace {

const QString someHash = u"ab"_s.repeated(32);

QByteArray manifestNaming(const QString &path, const QJsonValue &sha256 = QJsonValue(someHash)) {
    const QJsonObject entry{{u"path"_s, path}, {u"size"_s, 3}, {u"sha256"_s, sha256}};
    return QJsonDocument(QJsonObject{{u"time"_s, u"2026-01-01T00:00:00Z"_s},
                                     {u"version"_s, u"1.0.0"_s},
                                     {u"files"_s, QJsonArray{entry}}})
        .toJson();
}

// A manifest in the form written now: one [path, size, sha256] row a file.
QByteArray manifestWithRow(const QJsonArray &row) {
    return QJsonDocument(QJsonObject{{u"time"_s, u"2026-01-01T00:00:00Z"_s},
                                     {u"version"_s, u"1.0.0"_s},
                                     {u"files"_s, QJsonArray{row}}})
        .toJson(QJsonDocument::Compact);
}

// `bytes` as the gzip tool packs them, as a manifest could be packed by hand.
QByteArray gzipped(const QByteArray &bytes) {
    QProcess gzip;
    gzip.start(u"gzip"_s, {u"-c"_s, u"-n"_s});
    gzip.write(bytes);
    gzip.closeWriteChannel();
    // An empty result would let a row that expects a refusal pass for nothing.
    if (!gzip.waitForFinished(30000) || gzip.exitCode() != 0)
        qFatal("gzip failed: %s", gzip.readAllStandardError().constData());
    return gzip.readAllStandardOutput();
}

} // namespace

class tst_Manifest : public QObject {
    Q_OBJECT

private slots:
    void written_readsBackTheSame();
    void written_isSmall();
    void hostile_isRefused_data();
    void hostile_isRefused();
};

void tst_Manifest::written_readsBackTheSame() {
    Manifest manifest;
    manifest.time = QDateTime(QDate(2026, 5, 1), QTime(12, 30), Qt::UTC);
    manifest.version = u"1.2.3"_s;
    manifest.files.insert(u"media/p.jpg"_s, {u"media/p.jpg"_s, 12345, someHash});
    manifest.files.insert(u"index.htm"_s, {u"index.htm"_s, 7, QString()});
    QString error;
    const std::optional<Manifest> read = readManifest(writeManifest(manifest), {}, &error);
    QVERIFY2(read, qPrintable(error));
    QCOMPARE(read->time, manifest.time);
    QCOMPARE(read->version, manifest.version);
    QCOMPARE(read->files.keys(), manifest.files.keys());
    QCOMPARE(read->files.value(u"media/p.jpg"_s).size, 12345);
    QCOMPARE(read->files.value(u"media/p.jpg"_s).sha256, someHash);
    QVERIFY(read->files.value(u"index.htm"_s).sha256.isEmpty());
}

void tst_Manifest::written_isSmall() {
    Manifest manifest;
    for (int i = 0; i < 1000; ++i) {
        const QString path = u"page %1.htm"_s.arg(i, 4, 10, QChar(u'0'));
        const QByteArray hash =
            QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex();
        manifest.files.insert(path, {path, 4000 + i, QString::fromLatin1(hash)});
    }
    // Read at the start of every publish: over a distant link its size is round trips. The
    // hashes alone are 32 bytes a file; as text, with names and keys, it was 150.
    QCOMPARE_LT(writeManifest(manifest).size(), 45 * 1000);
}

void tst_Manifest::hostile_isRefused_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("links");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("plain") << manifestNaming(u"media/p.jpg"_s) << QStringList{} << true;
    QTest::newRow("climbs out") << manifestNaming(u"../etc/passwd"_s) << QStringList{} << false;
    QTest::newRow("climbs out half-way")
        << manifestNaming(u"media/../../x"_s) << QStringList{} << false;
    QTest::newRow("absolute") << manifestNaming(u"/etc/passwd"_s) << QStringList{} << false;
    QTest::newRow("backslash") << manifestNaming(u"..\\x"_s) << QStringList{} << false;
    QTest::newRow("empty part") << manifestNaming(u"media//p.jpg"_s) << QStringList{} << false;
    QTest::newRow("itself") << manifestNaming(u".quillsite-manifest.json"_s) << QStringList{}
                            << false;
    QTest::newRow("through a linked folder")
        << manifestNaming(u"media/p.jpg"_s) << QStringList{u"media"_s} << false;
    QTest::newRow("a link itself")
        << manifestNaming(u"media/p.jpg"_s) << QStringList{u"media/p.jpg"_s} << false;
    QTest::newRow("link elsewhere")
        << manifestNaming(u"media/p.jpg"_s) << QStringList{u"med"_s} << true;
    QTest::newRow("hash not hex") << manifestNaming(u"a.htm"_s, u"zz"_s.repeated(32))
                                  << QStringList{} << false;
    QTest::newRow("hash a number") << manifestNaming(u"a.htm"_s, 5) << QStringList{} << false;
    QTest::newRow("not JSON") << QByteArray("{\"files\": [") << QStringList{} << false;
    QTest::newRow("no files") << QByteArray("{\"version\": \"1\"}") << QStringList{} << false;
    QByteArray huge = manifestNaming(u"a.htm"_s);
    huge.append(QByteArray(manifestSizeLimit, ' '));
    QTest::newRow("huge") << huge << QStringList{} << false;

    const QByteArray row = manifestWithRow({u"media/p.jpg"_s, 3, someHash});
    QTest::newRow("row") << row << QStringList{} << true;
    QTest::newRow("row climbs out")
        << manifestWithRow({u"../x"_s, 3, someHash}) << QStringList{} << false;
    QTest::newRow("row through a linked folder") << row << QStringList{u"media"_s} << false;
    QTest::newRow("row without size")
        << manifestWithRow({u"a.htm"_s, someHash}) << QStringList{} << false;
    QTest::newRow("row hash a number")
        << manifestWithRow({u"a.htm"_s, 3, 5}) << QStringList{} << false;
    QTest::newRow("row path a number")
        << manifestWithRow({7, 3, someHash}) << QStringList{} << false;
    QTest::newRow("compressed row") << gzipped(row) << QStringList{} << true;
    QTest::newRow("compressed object")
        << gzipped(manifestNaming(u"media/p.jpg"_s)) << QStringList{} << true;
    QTest::newRow("compressed, climbs out")
        << gzipped(manifestNaming(u"../etc/passwd"_s)) << QStringList{} << false;
    QTest::newRow("compressed, cut short") << gzipped(row).chopped(6) << QStringList{} << false;
    QTest::newRow("compressed, then more") << gzipped(row) + "{}" << QStringList{} << false;
    QTest::newRow("compressed, not gzip")
        << QByteArray("\x1f\x8b\x08garbage") << QStringList{} << false;
    // Small on the server, more than the limit once unpacked: refused before it is all unpacked.
    QTest::newRow("compressed, unpacks huge") << gzipped(huge) << QStringList{} << false;
}

void tst_Manifest::hostile_isRefused() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, links);
    QFETCH(bool, accepted);

    QString error;
    const std::optional<Manifest> manifest =
        readManifest(bytes, QSet<QString>(links.cbegin(), links.cend()), &error);
    QCOMPARE(manifest.has_value(), accepted);
    QCOMPARE(error.isEmpty(), accepted);
}

QTEST_GUILESS_MAIN(tst_Manifest)
#include "tst_manifest.moc"
