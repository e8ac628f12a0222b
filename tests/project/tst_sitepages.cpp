// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/pagenames.h"
#include "project/sitemodel.h"
#include "project/sitepages.h"

#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using namespace quillsite;

namespace {

// Home and then `names`, each page's body saying whose it is.
std::unique_ptr<SitePages> pagesNamed(const QStringList &names) {
    auto pages = std::make_unique<SitePages>();
    for (const QString &name : names)
        pages->insertPage(-1, {name, u"<p>"_s + name + u"</p>"_s});
    return pages;
}

// Each page's id by its name.
QMap<QString, PageId> idsByName(const SitePages &pages) {
    QMap<QString, PageId> ids;
    for (int row = 0; row < pages.count(); ++row)
        ids.insert(pages.page(row).name, pages.id(row));
    return ids;
}

// Every page's body still says whose it is.
bool bodiesFollowNames(const SitePages &pages) {
    for (int row = 1; row < pages.count(); ++row) {
        if (pages.page(row).body != u"<p>"_s + pages.page(row).name + u"</p>"_s)
            return false;
    }
    return true;
}

const QStringList fourPages{u"Home"_s, u"A"_s, u"B"_s, u"C"_s};

} // namespace

class tst_SitePages : public QObject {
    Q_OBJECT

private slots:
    void fresh_holdsEmptyHomeOnly();
    void move_keepsHomeFirstAndIds_data();
    void move_keepsHomeFirstAndIds();
    void renamePage_updatesLinksToItsFile_data();
    void renamePage_updatesLinksToItsFile();
    void duplicatePage_sameContentFreeNameAfterIt_data();
    void duplicatePage_sameContentFreeNameAfterIt();
    void website_gathersEverything();
};

void tst_SitePages::fresh_holdsEmptyHomeOnly() {
    const SitePages pages;
    QCOMPARE(pages.names(), QStringList{u"Home"_s});
    QCOMPARE(pages.page(0).body, QString());
    QVERIFY(pages.id(0) != 0);
    QCOMPARE(pages.data(pages.index(0), SitePages::FileRole).toString(), u"index.htm"_s);
    QVERIFY(!(pages.flags(pages.index(0)) & Qt::ItemIsDragEnabled));
}

void tst_SitePages::move_keepsHomeFirstAndIds_data() {
    QTest::addColumn<bool>("drop"); // dragged in the list, else moved by movePage
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to"); // its row then; for a drop, the row dropped before (-1 below all)
    QTest::addColumn<QStringList>("names");

    const QStringList bac{u"Home"_s, u"B"_s, u"A"_s, u"C"_s};
    const QStringList cab{u"Home"_s, u"C"_s, u"A"_s, u"B"_s};
    const QStringList bca{u"Home"_s, u"B"_s, u"C"_s, u"A"_s};
    QTest::newRow("down one") << false << 1 << 2 << bac;
    QTest::newRow("up one") << false << 2 << 1 << bac;
    QTest::newRow("last to just after Home") << false << 3 << 1 << cab;
    QTest::newRow("first to last") << false << 1 << 3 << bca;
    QTest::newRow("to Home's place: refused") << false << 2 << 0 << fourPages;
    QTest::newRow("Home itself: refused") << false << 0 << 2 << fourPages;
    QTest::newRow("past the end: refused") << false << 1 << 4 << fourPages;
    QTest::newRow("its own place") << false << 2 << 2 << fourPages;
    QTest::newRow("dropped before the first page") << true << 3 << 1 << cab;
    QTest::newRow("dropped above Home: lands after it") << true << 3 << 0 << cab;
    QTest::newRow("dropped below the last") << true << 1 << -1 << bca;
    QTest::newRow("dropped on its own place") << true << 2 << 2 << fourPages;
}

void tst_SitePages::move_keepsHomeFirstAndIds() {
    QFETCH(bool, drop);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QStringList, names);
    const auto pages = pagesNamed({u"A"_s, u"B"_s, u"C"_s});
    const QMap<QString, PageId> before = idsByName(*pages);
    QSignalSpy moves(pages.get(), &QAbstractItemModel::rowsMoved);

    if (drop) {
        const std::unique_ptr<QMimeData> drag(pages->mimeData({pages->index(from)}));
        QVERIFY(drag);
        pages->dropMimeData(drag.get(), Qt::MoveAction, to, 0, {});
    } else {
        QCOMPARE(pages->movePage(pages->id(from), to), names != fourPages);
    }

    QCOMPARE(pages->names(), names);
    QCOMPARE(idsByName(*pages), before);
    QVERIFY(bodiesFollowNames(*pages));
    QCOMPARE(moves.size(), names == fourPages ? 0 : 1);
}

void tst_SitePages::renamePage_updatesLinksToItsFile_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("homeBody");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("problem"); // "?": the builder's own words

    const QString link = u"<a href=\"about%20us.htm\">us</a>"_s;
    QTest::newRow("link as the menu writes it")
        << u"Our Team"_s << link << u"<a href=\"our%20team.htm\">us</a>"_s << QString();
    QTest::newRow("its #part and the rest kept byte for byte")
        << u"Our Team"_s
        << u"<p class=x><a title='t' href='./about%20us.htm#history'>h</a> <b>b</b></p>"_s
        << u"<p class=x><a title='t' href=\"our%20team.htm#history\">h</a> <b>b</b></p>"_s
        << QString();
    QTest::newRow("several links, one elsewhere")
        << u"Team"_s
        << u"<a href=\"about%20us.htm\">1</a><a href=\"news.htm\">2</a><a href=\"about us.htm\">3</a>"_s
        << u"<a href=\"team.htm\">1</a><a href=\"news.htm\">2</a><a href=\"team.htm\">3</a>"_s
        << QString();
    QTest::newRow("new name with characters an address must encode")
        << u"Q&A: Us"_s << link << u"<a href=\"q%26a%3A%20us.htm\">us</a>"_s << QString();
    QTest::newRow("web address of the same name untouched")
        << u"Team"_s << u"<a href=\"https://example.org/about%20us.htm\">w</a>"_s
        << u"<a href=\"https://example.org/about%20us.htm\">w</a>"_s << QString();
    QTest::newRow("letter case only: same file, nothing to change")
        << u"about us"_s << link << link << QString();
    const QString taken = u"This page already exists, please choose a different page name."_s;
    QTest::newRow("Home in another case: refused") << u"home"_s << link << link << taken;
    QTest::newRow("another page's name: refused") << u"NEWS"_s << link << link << taken;
    QTest::newRow("another page's file: refused")
        << u"Index"_s << link << link
        << u"The page \"Index\" would be saved as \"index.htm\", the file of the page "
           "\"Home\". Please choose a different page name."_s;
    QTest::newRow("a folder in the name: refused") << u"a/b"_s << link << link << u"?"_s;
}

void tst_SitePages::renamePage_updatesLinksToItsFile() {
    QFETCH(QString, name);
    QFETCH(QString, homeBody);
    QFETCH(QString, problem);
    const auto pages = pagesNamed({u"About Us"_s, u"News"_s});
    pages->setBody(pages->id(0), homeBody, u"/home/tester/site"_s);
    const QString newsBody = u"<p><a href=\"about%20us.htm\">about</a> news</p>"_s;
    pages->setBody(pages->id(2), newsBody, {});
    const PageId about = pages->id(1);

    const QString refused = pages->renamePage(about, name);

    QCOMPARE(refused.isEmpty(), problem.isEmpty());
    if (problem != u"?"_s)
        QCOMPARE(refused, problem);
    QCOMPARE(pages->names(),
             (QStringList{u"Home"_s, refused.isEmpty() ? name : u"About Us"_s, u"News"_s}));
    QCOMPARE(pages->id(1), about);
    QTEST(pages->page(0).body, "expected");
    QCOMPARE(pages->page(0).sourceFolder, u"/home/tester/site"_s);
    QCOMPARE(pages->page(1).body, u"<p>About Us</p>"_s);
    // The other page's link follows as well, unless the file stays the same.
    const bool sameFile = !refused.isEmpty() || pageFileName(name) == u"about us.htm"_s;
    QCOMPARE(pages->page(2).body == newsBody, sameFile);
}

void tst_SitePages::duplicatePage_sameContentFreeNameAfterIt_data() {
    QTest::addColumn<QStringList>("names"); // after Home
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("copyName");

    QTest::newRow("a page") << QStringList{u"About"_s, u"News"_s} << 1 << u"Copy of About"_s;
    QTest::newRow("Home: the copy goes after it")
        << QStringList{u"About"_s} << 0 << u"Copy of Home"_s;
    QTest::newRow("the plain copy name taken")
        << QStringList{u"About"_s, u"copy of about"_s} << 1 << u"Copy of About 2"_s;
}

void tst_SitePages::duplicatePage_sameContentFreeNameAfterIt() {
    QFETCH(QStringList, names);
    QFETCH(int, row);
    QFETCH(QString, copyName);
    const auto pages = pagesNamed(names);
    pages->setBody(pages->id(row), u"<p>same</p>"_s, u"/photos"_s);
    QCOMPARE(pages->copyName(row), copyName);

    const PageId copy = pages->duplicatePage(pages->id(row), copyName);

    QVERIFY(copy != 0);
    QCOMPARE(pages->row(copy), row + 1);
    QCOMPARE(pages->count(), names.size() + 2);
    QCOMPARE(pages->page(row + 1).name, copyName);
    QCOMPARE(pages->page(row + 1).body, u"<p>same</p>"_s);
    QCOMPARE(pages->page(row + 1).sourceFolder, u"/photos"_s);
    QCOMPARE(pages->page(0).name, u"Home"_s);
    QCOMPARE(pages->duplicatePage(pages->id(row), copyName), PageId(0));
}

void tst_SitePages::website_gathersEverything() {
    SiteModel site;
    QSignalSpy changes(&site, &SiteModel::changed);
    site.setTemplateFolder(u"/t/paper"_s);
    site.setTitle(u"Chess"_s);
    site.setAuthor(u"Jane"_s);
    site.setDestination(u"/out"_s);
    site.setTitle(u"Chess"_s); // no change
    site.pages().insertPage(-1, {u"About"_s, u"<p>a</p>"_s});
    site.pages().movePage(site.pages().id(1), 1);

    const Website website = site.website();
    QCOMPARE(changes.size(), 4);
    QCOMPARE(website.templateFolder, u"/t/paper"_s);
    QCOMPARE(website.title, u"Chess"_s);
    QCOMPARE(website.author, u"Jane"_s);
    QCOMPARE(website.destination, u"/out"_s);
    QCOMPARE(website.pages.size(), 2);
    QCOMPARE(website.pages[1].name, u"About"_s);
    QCOMPARE(website.pages[1].body, u"<p>a</p>"_s);
}

QTEST_GUILESS_MAIN(tst_SitePages)
#include "tst_sitepages.moc"
