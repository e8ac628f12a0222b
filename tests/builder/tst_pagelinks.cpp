// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/pagelinks.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillsite;

class TestPageLinks : public QObject {
    Q_OBJECT

private slots:
    void linkAddresses_data();
    void linkAddresses();
    void danglingPageLinks_data();
    void danglingPageLinks();
};

void TestPageLinks::linkAddresses_data() {
    QTest::addColumn<QString>("html");
    QTest::addColumn<QStringList>("addresses");

    QTest::newRow("links in order, entities decoded")
        << u"<p><a href=\"a.htm\">a</a> <b><a href=\"x?a=1&amp;b=2\">x</a></b></p>"_s
        << QStringList{u"a.htm"_s, u"x?a=1&b=2"_s};
    QTest::newRow("anchor without address, picture")
        << u"<a id=\"top\"></a><img src=\"p.png\" alt=\"\">"_s << QStringList{};
    QTest::newRow("unquoted and upper case")
        << u"<A HREF=news.htm>n</A>"_s << QStringList{u"news.htm"_s};
    QTest::newRow("text only") << u"<p>a < b, <b>bold</b> &amp; <i>more</i></p>"_s << QStringList{};
    QTest::newRow("link at the very end")
        << u"<p>x</p><a href=\"z.htm\">"_s << QStringList{u"z.htm"_s};
}

void TestPageLinks::linkAddresses() {
    QFETCH(QString, html);
    QFETCH(QStringList, addresses);
    QCOMPARE(quillsite::linkAddresses(html), addresses);
}

void TestPageLinks::danglingPageLinks_data() {
    QTest::addColumn<QList<SitePage>>("pages");
    QTest::addColumn<QStringList>("linkedFiles"); // what the warnings name, in order

    const QString links = u"<p><a href=\"index.htm\">home</a> <a href=\"about%20us.htm\">us</a> "
                          "<a href=\"about%20us.htm#team\">team</a></p>"_s;
    QTest::newRow("every page there")
        << QList<SitePage>{{u"Home"_s, links}, {u"About Us"_s, {}}} << QStringList{};
    QTest::newRow("deleted page named once per page")
        << QList<SitePage>{{u"Home"_s, links}, {u"News"_s, links}}
        << QStringList{u"about us.htm"_s, u"about us.htm"_s};
    QTest::newRow("other addresses are not pages")
        << QList<SitePage>{{u"Home"_s,
                            u"<a href=\"https://example.org/x.htm\">w</a>"
                            "<a href=\"mailto:ann@example.org\">m</a>"
                            "<a href=\"media/notes.htm\">f</a><a href=\"file:///tmp/a.htm\">l</a>"
                            "<a href=\"#top\">t</a><a href=\"media/a.pdf\">p</a>"_s}}
        << QStringList{};
    QTest::newRow("name with colon, as the menu writes it")
        << QList<SitePage>{{u"Home"_s,
                            u"<a href=\"./a%3Ab.htm\">x</a><a href=\"gone.htm\">y</a>"_s},
                           {u"A:B"_s, {}}}
        << QStringList{u"gone.htm"_s};
    QTest::newRow("link written with a character reference")
        << QList<SitePage>{{u"Home"_s, u"<a href=\"g&#111;ne.htm\">x</a>"_s}}
        << QStringList{u"gone.htm"_s};
    QTest::newRow("percent escape that spells another name")
        << QList<SitePage>{{u"Home"_s, u"<a href=\"a%41.htm\">x</a>"_s}, {u"A%41"_s, {}}}
        << QStringList{u"aA.htm"_s};
    QTest::newRow("letter case other than the page file's")
        << QList<SitePage>{{u"Home"_s, u"<a href=\"INDEX.htm\">x</a>"_s}}
        << QStringList{u"INDEX.htm"_s};
    QTest::newRow("unquoted value after blanks")
        << QList<SitePage>{{u"Home"_s, u"<A HREF = gone.htm>x</A><a href='index.htm'>h</a>"_s}}
        << QStringList{u"gone.htm"_s};
    QTest::newRow("equals signs in the text before the link")
        << QList<SitePage>{{u"Home"_s, u"<p>1 + 1 = 2, x=y</p><a href=\"gone.htm\">x</a>"_s}}
        << QStringList{u"gone.htm"_s};
    QTest::newRow("name, equals sign and value on lines of their own")
        << QList<SitePage>{{u"Home"_s, u"<a\nhref\n=\n\"gone.htm\">x</a>"_s}}
        << QStringList{u"gone.htm"_s};
}

void TestPageLinks::danglingPageLinks() {
    QFETCH(QList<SitePage>, pages);
    QFETCH(QStringList, linkedFiles);

    const QStringList warnings = quillsite::danglingPageLinks(pages);
    QCOMPARE(warnings.size(), linkedFiles.size());
    for (qsizetype i = 0; i < warnings.size(); ++i)
        QVERIFY2(warnings[i].contains(u'"' + linkedFiles[i] + u'"'), qPrintable(warnings[i]));
}

QTEST_GUILESS_MAIN(TestPageLinks)
#include "tst_pagelinks.moc"
