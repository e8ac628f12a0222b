// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/urlpolicy.h"

#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;
using namespace quillsite;

class tst_UrlPolicy final : public QObject {
    Q_OBJECT

private slots:
    void isOpenableWebAddress_data();
    void isOpenableWebAddress();
};

void tst_UrlPolicy::isOpenableWebAddress_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("openable");

    QTest::newRow("http web page") << u"http://quillsite.org"_s << true;
    QTest::newRow("https web page with path") << u"https://quillsite.org/about?x=1#top"_s << true;
    QTest::newRow("scheme in capitals") << u"HTTPS://QUILLSITE.ORG/"_s << true;
    QTest::newRow("mail address") << u"mailto:team@quillsite.org"_s << true;
    QTest::newRow("local file refused") << u"file:///etc/passwd"_s << false;
    QTest::newRow("script refused") << u"javascript:alert(1)"_s << false;
    QTest::newRow("ftp refused") << u"ftp://quillsite.org/pub"_s << false;
    QTest::newRow("data address refused") << u"data:text/html,<b>x</b>"_s << false;
    QTest::newRow("empty refused") << QString() << false;
    QTest::newRow("http without host refused") << u"http://"_s << false;
    QTest::newRow("mailto without address refused") << u"mailto:"_s << false;
    QTest::newRow("address without scheme refused") << u"www.quillsite.org"_s << false;
    QTest::newRow("program path refused") << u"/usr/bin/xterm"_s << false;
}

void tst_UrlPolicy::isOpenableWebAddress() {
    QFETCH(QString, address);
    QFETCH(bool, openable);

    QCOMPARE(quillsite::isOpenableWebAddress(QUrl(address)), openable);
}

QTEST_APPLESS_MAIN(tst_UrlPolicy)
#include "tst_urlpolicy.moc"
