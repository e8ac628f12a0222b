// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "authoring/htmltext.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillsite;

class tst_HtmlText : public QObject {
    Q_OBJECT

private slots:
    void decodeHtmlText_data();
    void decodeHtmlText();
};

void tst_HtmlText::decodeHtmlText_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("ASCII") << QByteArray("<p>plain</p>") << u"<p>plain</p>"_s;
    QTest::newRow("UTF-8") << QByteArray("<p>caf\xc3\xa9 \xe2\x82\xac</p>")
                           << u"<p>caf\u00e9 \u20ac</p>"_s;
    QTest::newRow("UTF-8 with byte order mark, mark dropped")
        << QByteArray("\xef\xbb\xbf<p>\xc3\xa9</p>") << u"<p>\u00e9</p>"_s;
    QTest::newRow("Windows-1252 letters and euro sign")
        << QByteArray("<p>caf\xe9 \x80 \x93quoted\x94</p>")
        << u"<p>caf\u00e9 \u20ac \u201cquoted\u201d</p>"_s;
    QTest::newRow("UTF-16 little endian with byte order mark")
        << QByteArray("\xff\xfe<\0p\0>\0\xe9\0", 10) << u"<p>\u00e9"_s;
    QTest::newRow("empty") << QByteArray() << QString();
}

void tst_HtmlText::decodeHtmlText() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(quillsite::decodeHtmlText(bytes), text);
}

QTEST_GUILESS_MAIN(tst_HtmlText)
#include "tst_htmltext.moc"
