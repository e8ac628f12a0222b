// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "authoring/frmadd.h"
#include "builder/pagenames.h"
#include "builder/sitebuilder.h"
#include "editorselection.h"
#include "pagesetfixture.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using namespace Qt::StringLiterals;
using namespace quillsite;

namespace {

bool writeFile(const QString &path, const QString &text) {
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(text.toUtf8()) >= 0;
}

QString readFile(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

// A site written through the page set from start to finish: pages added in
// the three ways, formatted with the toolbar, one deleted, then built.
class tst_PagesEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void threeWaysFormattedAndOneDeleted_buildsEveryPageAndMenu();

private:
    void addThroughDialog(const std::function<void(frmAdd &)> &fill);
    void format(int page, const QString &selector, const QString &key);

    QTemporaryDir m_dir;
    std::unique_ptr<PageSetFixture> m_f;
};

void tst_PagesEndToEnd::init() {
    QVERIFY(m_dir.isValid());
    const QString skeleton =
        u"<html><head><title><!--PageName--> - <!--Title--></title></head><body>\r\n"
        "<ul>\r\n<!--MenuItems--></ul>\r\n<div><!--PageContent--></div>\r\n"
        "<p><!--Author--></p></body></html>\r\n"_s;
    QVERIFY(writeFile(m_dir.filePath(u"template/main.txt"_s), skeleton));
    QVERIFY(writeFile(m_dir.filePath(u"template/menuitem.txt"_s),
                      u"<li><a href=\"<!--ItemPath-->\"><!--ItemName--></a></li>\r\n"_s));
    QVERIFY(writeFile(m_dir.filePath(u"template/files/style.css"_s), u"p {}"_s));
    QVERIFY(writeFile(m_dir.filePath(u"data/pages/Contact.htm"_s),
                      u"<html><head><style>h2 { color: navy; }</style></head>"
                      "<body><h2>Write to us</h2><p>our address</p></body></html>"_s));
    QVERIFY(writeFile(m_dir.filePath(u"mine/Story.html"_s),
                      u"<html><body><p>once upon a time</p></body></html>"_s));
    m_f = std::make_unique<PageSetFixture>();
    m_f->desktop.dataFolder = m_dir.filePath(u"data"_s);
    QVERIFY(QTest::qWaitForWindowExposed(&m_f->window));
}

void tst_PagesEndToEnd::cleanup() {
    m_f.reset();
}

void tst_PagesEndToEnd::addThroughDialog(const std::function<void(frmAdd &)> &fill) {
    frmAdd dialog(*m_f->pageSet, m_f->desktop, &m_f->window);
    dialog.show();
    fill(dialog);
    dialog.findChild<QPushButton *>(u"cmdAdd"_s)->click();
    QCOMPARE(m_f->desktop.warnings, QStringList());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void tst_PagesEndToEnd::format(int page, const QString &selector, const QString &key) {
    m_f->pageSet->selectPage(page);
    QVERIFY(selectContents(*m_f->pageSet->editor(page), selector));
    m_f->action(key)->trigger();
}

void tst_PagesEndToEnd::threeWaysFormattedAndOneDeleted_buildsEveryPageAndMenu() {
    PageSet &set = *m_f->pageSet;

    // Home: finished by typing, then bold and made a list.
    QVERIFY(showDocument(*set.editor(0), u"<p>Wel</p>"_s));
    QVERIFY(set.editor(0)->waitUntilCurrent());
    QCOMPARE(set.editor(0)->bodyHTML(), u"<p>Wel</p>"_s);
    set.editor(0)->setFocus();
    QVERIFY(placeCaretInLastText(*set.editor(0)));
    QTest::keyClick(editorKeys(*set.editor(0)), Qt::Key_End);
    QTest::keyClicks(editorKeys(*set.editor(0)), u"come"_s);
    QTRY_COMPARE(set.editor(0)->bodyHTML(), u"<p>Welcome</p>"_s);
    format(0, u"p"_s, u"Bold"_s);
    format(0, u"p"_s, u"Unordered"_s);

    // A blank page under the offered name, centred.
    addThroughDialog([](frmAdd &) {});
    QVERIFY(showDocument(*set.editor(1), u"<p>in the middle</p>"_s));
    format(1, u"p"_s, u"Center"_s);

    // A page opened from a file, found through Browse.
    m_f->desktop.filesAnswers = {{m_dir.filePath(u"mine/Story.html"_s)}};
    addThroughDialog([](frmAdd &dialog) {
        dialog.findChild<QAction *>(u"Open"_s)->trigger();
        dialog.findChild<QPushButton *>(u"cmdBrowse"_s)->click();
    });
    format(2, u"p"_s, u"Italic"_s);

    // A ready-made page, given a link through the editor's link dialog.
    addThroughDialog([](frmAdd &dialog) { dialog.findChild<QAction *>(u"Template"_s)->trigger(); });
    m_f->dialogs.linkAnswers = {u"mailto:us@example.org"_s};
    format(3, u"p"_s, u"Hyperlink"_s);
    QVERIFY(set.editor(3)->waitUntilCurrent());
    const QString contactDocument = set.editor(3)->DocumentHTML();

    QCOMPARE(set.pageNames(), (QStringList{u"Home"_s, u"New Page 0"_s, u"Story"_s, u"Contact"_s}));
    set.selectPage(2);
    m_f->desktop.askAnswers = {true};
    set.DeletePage();
    QCOMPARE(set.pageNames(), (QStringList{u"Home"_s, u"New Page 0"_s, u"Contact"_s}));
    QVERIFY(set.editor(2)->waitUntilCurrent());
    QCOMPARE(set.editor(2)->DocumentHTML(), contactDocument);

    const QString destination = m_dir.filePath(u"site"_s);
    const BuildResult result = BuildWebsite(Website{m_dir.filePath(u"template"_s), u"My Website"_s,
                                                    u"Ann Author"_s, set.pages(), destination});
    QVERIFY2(result.ok, qPrintable(result.message()));
    QCOMPARE(result.pagesWritten, 3);

    const QDir site(destination);
    QCOMPARE(site.entryList(QDir::Files, QDir::Name),
             (QStringList{u"contact.htm"_s, u"index.htm"_s, u"new page 0.htm"_s}));
    QVERIFY(QFile::exists(site.filePath(u"files/style.css"_s)));

    const QString menu =
        u"<li><a href=\"index.htm\">Home</a></li>\r\n"
        "<li><a href=\""_s +
        pageLink(u"New Page 0"_s) +
        u"\">New Page 0</a></li>\r\n<li><a href=\"contact.htm\">Contact</a></li>\r\n"_s;
    const QString home = readFile(site.filePath(u"index.htm"_s));
    const QString middle = readFile(site.filePath(u"new page 0.htm"_s));
    const QString contact = readFile(site.filePath(u"contact.htm"_s));
    for (const QString &page : {home, middle, contact}) {
        QVERIFY2(page.contains(menu), qPrintable(page));
        QVERIFY(page.contains(u"<p>Ann Author</p>"_s));
    }
    QVERIFY2(home.contains(u"<div><ul><li><b>Welcome</b></li></ul></div>"_s), qPrintable(home));
    QVERIFY2(middle.contains(u"<div><p style=\"text-align: center;\">in the middle</p></div>"_s),
             qPrintable(middle));
    QVERIFY2(contact.contains(u"<h2>Write to us</h2><p><a href=\"mailto:us@example.org\">our "
                              "address</a></p>"_s),
             qPrintable(contact));
    QVERIFY(!home.contains(u"once upon a time"_s));
}

QTEST_MAIN(tst_PagesEndToEnd)
#include "tst_pagesendtoend.moc"
