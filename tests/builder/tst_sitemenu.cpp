// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/markuptext.h"
#include "builder/pagenames.h"
#include "builder/sitemenu.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace quillsite {

class TestSiteMenu : public QObject {
    Q_OBJECT

private slots:
    void buildMenu_data();
    void buildMenu();
    void placeholderNames_matchWholeMenuReplacement_data();
    void placeholderNames_matchWholeMenuReplacement();
};

namespace {

// The menu made the slow, literal way: every replacement over the whole menu,
// each name written as text.
QString wholeMenuReplacement(const QString &fragment, const QStringList &names) {
    QString menu;
    for (const QString &name : names) {
        menu += fragment;
        menu.replace(u"<!--ItemName-->"_s, markupOfText(name));
        menu.replace(u"<!--ItemPath-->"_s, pageLink(name));
    }
    return menu;
}

QList<SitePage> pagesNamed(const QStringList &names) {
    QList<SitePage> pages;
    for (const QString &name : names)
        pages.append({name, u"<p>body</p>"_s});
    return pages;
}

} // namespace

void TestSiteMenu::buildMenu_data() {
    QTest::addColumn<QString>("fragment");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("menu");

    const QString link = u"<a href=\"<!--ItemPath-->\"><!--ItemName--></a>\r\n"_s;
    QTest::newRow("three pages in order")
        << link << QStringList{u"Home"_s, u"About Me"_s, u"FAQ"_s}
        << u"<a href=\"index.htm\">Home</a>\r\n<a href=\"about%20me.htm\">About Me</a>\r\n"
           "<a href=\"faq.htm\">FAQ</a>\r\n"_s;
    QTest::newRow("no pages") << link << QStringList{} << QString();
    QTest::newRow("empty fragment") << QString() << QStringList{u"Home"_s} << QString();
    QTest::newRow("two-line fragment")
        << u"<li>\r\n<!--ItemName--></li>\r\n"_s << QStringList{u"Home"_s, u"News"_s}
        << u"<li>\r\nHome</li>\r\n<li>\r\nNews</li>\r\n"_s;
    QTest::newRow("placeholder twice in a fragment")
        << u"<!--ItemName-->=<!--ItemName-->\r\n"_s << QStringList{u"A"_s} << u"A=A\r\n"_s;
    QTest::newRow("other placeholders kept")
        << u"<!--Title--><!--PageName--><!--itemname-->\r\n"_s << QStringList{u"A"_s}
        << u"<!--Title--><!--PageName--><!--itemname-->\r\n"_s;
    QTest::newRow("link percent-encoded, name not")
        << link << QStringList{u"Why?"_s} << u"<a href=\"why%3F.htm\">Why?</a>\r\n"_s;
    QTest::newRow("markup, ampersand and quotes in a name shown as typed")
        << u"<!--ItemName-->\r\n"_s << QStringList{u"<b>&amp;</b> \"x\" 'y'"_s}
        << u"&lt;b&gt;&amp;amp;&lt;/b&gt; &quot;x&quot; 'y'\r\n"_s;
    QTest::newRow("name with markup in a link")
        << link << QStringList{u"Tom & Jerry <b>"_s}
        << u"<a href=\"tom%20%26%20jerry%20%3Cb%3E.htm\">Tom &amp; Jerry &lt;b&gt;</a>\r\n"_s;
    QTest::newRow("name in an attribute stays in it")
        << u"<a title=\"<!--ItemName-->\">x</a>\r\n"_s << QStringList{u"\" onclick=\"go()"_s}
        << u"<a title=\"&quot; onclick=&quot;go()\">x</a>\r\n"_s;
    QTest::newRow("name typed as ItemPath stays text")
        << u"<!--ItemName-->\r\n"_s << QStringList{u"<!--ItemPath-->"_s}
        << u"&lt;!--ItemPath--&gt;\r\n"_s;
    QTest::newRow("name typed as ItemName stays text")
        << u"<!--ItemName-->\r\n"_s << QStringList{u"<!--ItemName-->"_s, u"Next"_s}
        << u"&lt;!--ItemName--&gt;\r\nNext\r\n"_s;
}

void TestSiteMenu::buildMenu() {
    QFETCH(QString, fragment);
    QFETCH(QStringList, names);
    QFETCH(QString, menu);

    QCOMPARE(
        QString::fromUtf8(quillsite::buildMenu(fragment, pagesNamed(names), TextEncoding::Utf8)),
        menu);
}

void TestSiteMenu::placeholderNames_matchWholeMenuReplacement_data() {
    QTest::addColumn<QString>("fragment");
    QTest::addColumn<QStringList>("names");

    const QString link = u"<a href=\"<!--ItemPath-->\"><!--ItemName--></a>\r\n"_s;
    QTest::newRow("ItemName in the first of many")
        << link << QStringList{u"x<!--ItemName-->y"_s, u"B"_s, u"C"_s, u"D"_s};
    QTest::newRow("ItemName in every name")
        << link << QStringList{u"<!--ItemName-->1"_s, u"<!--ItemName-->2"_s, u"3"_s};
    QTest::newRow("name completes a placeholder")
        << u"<!--ItemName-->Name-->\r\n"_s << QStringList{u"<!--Item"_s, u"B"_s};
    QTest::newRow("link completes a placeholder")
        << u"<!--ItemName<!--ItemPath-->\r\n"_s << QStringList{u"-->x"_s, u"B"_s, u"C"_s};
    QTest::newRow("fragment without line break")
        << u"[<!--ItemName-->]"_s << QStringList{u"A"_s, u"B"_s};
    QTest::newRow("entries join into a placeholder")
        << u"<!--ItemName-->"_s << QStringList{u"<!--Item"_s, u"Name-->"_s, u"C"_s};
    QTest::newRow("plain names") << link << QStringList{u"Home"_s, u"About"_s};
    QTest::newRow("characters beyond ASCII")
        << u"<li title=\"\u00e9\"><!--ItemName--></li>\r\n"_s
        << QStringList{u"Caf\u00e9 \u03a9"_s, u"<!--Item\u20ac"_s, u"\U0001F600"_s};
}

void TestSiteMenu::placeholderNames_matchWholeMenuReplacement() {
    QFETCH(QString, fragment);
    QFETCH(QStringList, names);

    // The menu is built as bytes; it must be the whole text, encoded.
    const QString expected = wholeMenuReplacement(fragment, names);
    for (TextEncoding encoding : {TextEncoding::Utf8, TextEncoding::Windows1252}) {
        QCOMPARE(quillsite::buildMenu(fragment, pagesNamed(names), encoding),
                 encodeText(expected, encoding));
        // Appended to a text, the menu's replacements leave that text alone.
        const QByteArray before = "<!--ItemName--><!--ItemPath-->\r\n"_ba;
        QByteArray text = before;
        appendMenu(text, fragment, pagesNamed(names), encoding);
        QCOMPARE(text, before + encodeText(expected, encoding));
    }
}

} // namespace quillsite

QTEST_GUILESS_MAIN(quillsite::TestSiteMenu)
#include "tst_sitemenu.moc"
