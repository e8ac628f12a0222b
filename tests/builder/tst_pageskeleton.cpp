// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/pageskeleton.h"

#include "builder/markuptext.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace quillsite {

class TestPageSkeleton : public QObject {
    Q_OBJECT

private slots:
    void pageBytes_data();
    void pageBytes();
    void matchesPlainReplacement_data();
    void matchesPlainReplacement();
    void windows1252_writesReferences();
    void pieces_pointIntoTheSkeletonNotCopies();
};

namespace {

// The page made the literal way: five replacements, each over the whole text,
// with title, author and name written as text.
QString plainReplacement(QString text, const QStringList &values) {
    const QStringList marks{u"<!--Title-->"_s, u"<!--Author-->"_s, u"<!--MenuItems-->"_s,
                            u"<!--PageName-->"_s, u"<!--PageContent-->"_s};
    const bool isText[] = {true, true, false, true, false};
    for (qsizetype i = 0; i < marks.size(); ++i)
        text.replace(marks[i], isText[i] ? markupOfText(values[i]) : values[i]);
    return text;
}

// A menu fragment without item placeholders is the whole menu of a one-page site.
const QList<SitePage> onePage{{u"Page"_s, u"<p>body</p>"_s}};

} // namespace

void TestPageSkeleton::pageBytes_data() {
    QTest::addColumn<QString>("skeleton");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("author");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("page");

    QTest::newRow("all five placeholders")
        << u"<!--Title-->|<!--Author-->|<!--MenuItems-->|<!--PageName-->|<!--PageContent-->"_s
        << u"Site"_s << u"Ann"_s << u"About"_s << u"<p>Hi</p>"_s
        << u"Site|Ann|[menu]|About|<p>Hi</p>"_s;
    QTest::newRow("empty skeleton")
        << QString() << u"Site"_s << u"Ann"_s << u"About"_s << u"x"_s << QString();
    QTest::newRow("no placeholder") << u"<html></html>\r\n"_s << u"Site"_s << u"Ann"_s << u"About"_s
                                    << u"x"_s << u"<html></html>\r\n"_s;
    QTest::newRow("name and content several times")
        << u"<!--PageName--><!--PageContent--><!--PageName-->-<!--PageContent-->"_s << u"Site"_s
        << u"Ann"_s << u"N"_s << u"B"_s << u"NBN-B"_s;
    QTest::newRow("content placeholder in the body kept")
        << u"<!--PageContent-->"_s << u"Site"_s << u"Ann"_s << u"N"_s
        << u"<!--PageContent--><!--PageName-->"_s << u"<!--PageContent--><!--PageName-->"_s;
    QTest::newRow("content placeholder in the name stays text")
        << u"<h1><!--PageName--></h1>"_s << u"Site"_s << u"Ann"_s << u"<!--PageContent-->"_s
        << u"B"_s << u"<h1>&lt;!--PageContent--&gt;</h1>"_s;
    const QString everyField =
        u"<title><!--PageName--> - <!--Title--></title><p title=\"<!--Author-->\">"_s
        u"<!--Author--></p><h1><!--PageName--></h1><!--PageContent-->"_s;
    QTest::newRow("markup in title, author and name shown as typed")
        << everyField << u"<script>alert(1)</script>"_s << u"Ann <ann@example.org>"_s
        << u"Tom & Jerry <b>"_s << u"<p>body <b>bold</b></p>"_s
        << u"<title>Tom &amp; Jerry &lt;b&gt; - &lt;script&gt;alert(1)&lt;/script&gt;</title>"_s
           u"<p title=\"Ann &lt;ann@example.org&gt;\">Ann &lt;ann@example.org&gt;</p>"_s
           u"<h1>Tom &amp; Jerry &lt;b&gt;</h1><p>body <b>bold</b></p>"_s;
    QTest::newRow("quotes and references shown as typed")
        << everyField << u"Say \"Hi\""_s << u"\" onmouseover=\"x()"_s << u"&amp; &#60;"_s << u"B"_s
        << u"<title>&amp;amp; &amp;#60; - Say &quot;Hi&quot;</title>"_s
           u"<p title=\"&quot; onmouseover=&quot;x()\">&quot; onmouseover=&quot;x()</p>"_s
           u"<h1>&amp;amp; &amp;#60;</h1>B"_s;
}

void TestPageSkeleton::pageBytes() {
    QFETCH(QString, skeleton);
    QFETCH(QString, title);
    QFETCH(QString, author);
    QFETCH(QString, name);
    QFETCH(QString, body);
    QFETCH(QString, page);

    const PageSkeleton pages(skeleton, title, author, u"[menu]"_s, onePage, TextEncoding::Utf8);
    QCOMPARE(QString::fromUtf8(pages.pageBytes(name, body)), page);
}

void TestPageSkeleton::matchesPlainReplacement_data() {
    QTest::addColumn<QString>("skeleton");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("name");

    const QString wide = u"<h1><!--PageName--></h1>\r\n<div>a long run of markup</div>\r\n"_s
                         u"<p><!--PageName--></p><!--PageContent-->\r\n"_s;
    QTest::newRow("plain name") << wide << u"m"_s << u"About"_s;
    QTest::newRow("name opens a placeholder")
        << u"<!--PageName-->Content--> and more text after it\r\n"_s << u"m"_s << u"<!--Page"_s;
    QTest::newRow("name closes a placeholder")
        << u"a long run before it <!--Page<!--PageName-->\r\n"_s << u"m"_s << u"Content-->"_s;
    QTest::newRow("name inside a placeholder")
        << u"some text <!--Page<!--PageName-->--> more text after\r\n"_s << u"m"_s << u"Content"_s;
    QTest::newRow("empty name joins a placeholder")
        << u"some text <!--Page<!--PageName-->Content--> more\r\n"_s << u"m"_s << QString();
    QTest::newRow("placeholder across two names and a short run")
        << u"text before it <!--Pag<!--PageName-->Cont<!--PageName-->nt--> after it\r\n"_s << u"m"_s
        << u"e"_s;
    QTest::newRow("names in the menu")
        << u"<!--MenuItems--><!--PageContent-->\r\n"_s
        << u"<li><!--PageName--></li>\r\n<li><!--PageName--></li>\r\n"_s << u"A<b>"_s;
    QTest::newRow("menu brings content placeholders")
        << u"<!--MenuItems-->\r\n"_s << u"[<!--PageContent-->]"_s << u"About"_s;
    QTest::newRow("no menu") << u"<h1><!--PageName--></h1><!--PageContent-->\r\n"_s << u"m"_s
                             << u"About"_s;
    QTest::newRow("menu twice")
        << u"<!--MenuItems-->|<!--PageName-->|<!--MenuItems--><!--PageContent-->\r\n"_s
        << u"<li><!--PageName--></li>\r\n"_s << u"About"_s;
    QTest::newRow("characters beyond ASCII")
        << u"<h1>\u00e9 <!--PageName--></h1><!--MenuItems-->\u20ac<!--PageContent-->\r\n"_s
        << u"<li>\u03a9</li>"_s << u"Caf\u00e9 \U0001F600"_s;
    QTest::newRow("name beyond ASCII joins a placeholder")
        << u"text \u00e9 <!--Page<!--PageName-->Content--> more\r\n"_s << u"\u00e9"_s << QString();
}

void TestPageSkeleton::matchesPlainReplacement() {
    QFETCH(QString, skeleton);
    QFETCH(QString, menu);
    QFETCH(QString, name);

    // The page is made as bytes; it must be the whole text, encoded.
    const QString body = u"<p>body \u00e9</p>"_s;
    const QString expected = plainReplacement(skeleton, {u"T"_s, u"A"_s, menu, name, body});
    for (TextEncoding encoding : {TextEncoding::Utf8, TextEncoding::Windows1252}) {
        const PageSkeleton pages(skeleton, u"T"_s, u"A"_s, menu, onePage, encoding);
        QCOMPARE(pages.pageBytes(name, body), encodeText(expected, encoding));
    }
}

void TestPageSkeleton::windows1252_writesReferences() {
    const PageSkeleton pages(u"<h1>é <!--PageName--></h1><!--PageContent-->"_s, u"T"_s, u"A"_s,
                             QString(), onePage, TextEncoding::Windows1252);
    QCOMPARE(pages.pageBytes(u"Ω"_s, u"€ 😀"_s), QByteArray("<h1>\xe9 &#937;</h1>\x80 &#128512;"));
}

void TestPageSkeleton::pieces_pointIntoTheSkeletonNotCopies() {
    // A large site's pages share the menu; each page must not hold a copy of it.
    const QByteArray menu(1000, 'm');
    const PageSkeleton pages(u"<!--MenuItems--><h1><!--PageName--></h1><!--PageContent-->"_s,
                             u"T"_s, u"A"_s, QString::fromLatin1(menu), onePage,
                             TextEncoding::Utf8);
    const PageBytes first = pages.page(u"A"_s, u"a"_s);
    const PageBytes second = pages.page(u"B"_s, u"b"_s);
    QCOMPARE(first.pieces().first().toByteArray(), menu + "<h1>");
    QCOMPARE(first.pieces().first().data(), second.pieces().first().data());
    QCOMPARE(second.joined(), menu + "<h1>B</h1>b");
}

} // namespace quillsite

QTEST_GUILESS_MAIN(quillsite::TestPageSkeleton)
#include "tst_pageskeleton.moc"
