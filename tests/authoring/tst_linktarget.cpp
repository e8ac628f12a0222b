// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "authoring/linktarget.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillsite;

Q_DECLARE_METATYPE(quillsite::LinkKind)

class tst_LinkTarget : public QObject {
    Q_OBJECT

private slots:
    void linkAddress_data();
    void linkAddress();
    void fileOnThisComputer_becomesFileUrl();
    void existingLink_showsWhatItLeadsTo_data();
    void existingLink_showsWhatItLeadsTo();
};

void tst_LinkTarget::linkAddress_data() {
    QTest::addColumn<LinkKind>("kind");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("address"); // empty: refused with a problem to show

    QTest::newRow("page: the menu's address")
        << LinkKind::Page << u"About Us"_s << u"about%20us.htm"_s;
    QTest::newRow("page: Home") << LinkKind::Page << u"Home"_s << u"index.htm"_s;
    QTest::newRow("page: none chosen") << LinkKind::Page << QString() << QString();
    QTest::newRow("web: bare address gets https")
        << LinkKind::Web << u"example.org/beans"_s << u"https://example.org/beans"_s;
    QTest::newRow("web: blanks around dropped")
        << LinkKind::Web << u"  www.example.org "_s << u"https://www.example.org"_s;
    QTest::newRow("web: http kept")
        << LinkKind::Web << u"http://example.org/a?b=1&c=2"_s << u"http://example.org/a?b=1&c=2"_s;
    QTest::newRow("web: port is not a scheme")
        << LinkKind::Web << u"example.org:8080/x"_s << u"https://example.org:8080/x"_s;
    QTest::newRow("web: blank inside encoded")
        << LinkKind::Web << u"example.org/my page"_s << u"https://example.org/my%20page"_s;
    QTest::newRow("web: scheme-relative")
        << LinkKind::Web << u"//example.org/"_s << u"https://example.org/"_s;
    QTest::newRow("web: empty") << LinkKind::Web << u" "_s << QString();
    QTest::newRow("web: script refused") << LinkKind::Web << u"javascript:alert(1)"_s << QString();
    QTest::newRow("web: no site name") << LinkKind::Web << u"beans"_s << QString();
    QTest::newRow("e-mail: gets mailto")
        << LinkKind::Email << u"ann@example.org"_s << u"mailto:ann@example.org"_s;
    QTest::newRow("e-mail: mailto typed kept once")
        << LinkKind::Email << u"mailto:ann@example.org"_s << u"mailto:ann@example.org"_s;
    QTest::newRow("e-mail: no at sign") << LinkKind::Email << u"ann.example.org"_s << QString();
    QTest::newRow("e-mail: blank inside") << LinkKind::Email << u"ann b@example.org"_s << QString();
    QTest::newRow("file: relative path") << LinkKind::File << u"notes.pdf"_s << QString();
    QTest::newRow("file: missing") << LinkKind::File << u"/no/such/file.pdf"_s << QString();
}

void tst_LinkTarget::linkAddress() {
    QFETCH(LinkKind, kind);
    QFETCH(QString, typed);
    QFETCH(QString, address);

    const LinkAddress result = linkAddressOf({kind, typed});
    QCOMPARE(result.address, address);
    QCOMPARE(result.problem.isEmpty(), !address.isEmpty());
}

void tst_LinkTarget::fileOnThisComputer_becomesFileUrl() {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"my notes \u00e9.pdf"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const LinkAddress result = linkAddressOf({LinkKind::File, path});
    QVERIFY2(result.problem.isEmpty(), qPrintable(result.problem));
    QVERIFY(result.address.startsWith(u"file:///"_s));
    QVERIFY(result.address.endsWith(u"/my%20notes%20%C3%A9.pdf"_s));
    QCOMPARE(QUrl(result.address).toLocalFile(), path);
}

void tst_LinkTarget::existingLink_showsWhatItLeadsTo_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<LinkKind>("kind");
    QTest::addColumn<QString>("text");

    QTest::newRow("page of the site") << u"about%20us.htm"_s << LinkKind::Page << u"About Us"_s;
    QTest::newRow("e-mail") << u"mailto:ann@example.org"_s << LinkKind::Email
                            << u"ann@example.org"_s;
    QTest::newRow("file") << u"file:///home/ann/my%20notes.pdf"_s << LinkKind::File
                          << u"/home/ann/my notes.pdf"_s;
    QTest::newRow("web") << u"https://example.org/"_s << LinkKind::Web << u"https://example.org/"_s;
    QTest::newRow("page no longer there") << u"old.htm"_s << LinkKind::Web << u"old.htm"_s;
}

void tst_LinkTarget::existingLink_showsWhatItLeadsTo() {
    QFETCH(QString, address);
    QFETCH(LinkKind, kind);
    QFETCH(QString, text);

    const LinkTarget target = linkTargetOf(address, {u"Home"_s, u"About Us"_s});
    QCOMPARE(target.kind, kind);
    QCOMPARE(target.text, text);
}

QTEST_GUILESS_MAIN(tst_LinkTarget)
#include "tst_linktarget.moc"
