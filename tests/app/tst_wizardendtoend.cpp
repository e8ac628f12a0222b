// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "../authoring/editorselection.h"
#include "authoring/htmleditor.h"
#include "authoring/pageset.h"
#include "builder/sitebuilder.h"
#include "project/sitemodel.h"
#include "templatefixture.h"
#include "wizardharness.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <memory>

using namespace Qt::StringLiterals;
using namespace quillsite;

class tst_WizardEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void init();
    void welcomeToFinish_writesTypedSiteAndOpensIt();
    void openedSite_fillsWizardAndRebuildsByteForByte();
    void deletedPage_fileRemovedOnlyWhenAsked_data();
    void deletedPage_fileRemovedOnlyWhenAsked();
    void foreignPageFiles_replacedOnlyWhenAsked_data();
    void foreignPageFiles_replacedOnlyWhenAsked();
    void reorderAndRename_menuAndLinksFollowOnDisk();

private:
    // A data folder with two templates, and a site built from the second.
    void makeSite();
    void openSite(WizardHarness &wizard);
    // From Select Template on to Next on Select Destination.
    void nextToBuild(WizardHarness &wizard);
    QMap<QString, QByteArray> pageFiles() const;

    std::unique_ptr<QTemporaryDir> m_data;
    std::unique_ptr<QTemporaryDir> m_output;
    QString m_site;
    QString m_template;
};

void tst_WizardEndToEnd::init() {
    m_data = std::make_unique<QTemporaryDir>();
    m_output = std::make_unique<QTemporaryDir>();
}

void tst_WizardEndToEnd::makeSite() {
    const QString templates = m_data->filePath(u"templates"_s);
    writeFixtureTemplate(templates, {.folderName = u"first"_s, .name = u"First"_s});
    m_template = writeFixtureTemplate(templates, {.folderName = u"second"_s, .name = u"Second"_s});
    QFile skeleton(m_template + u"/main.txt"_s);
    QVERIFY(skeleton.open(QIODevice::Append));
    skeleton.write("<!-- second skeleton -->\r\n");
    skeleton.close();
    QFile own(m_template + u"/files/second.css"_s); // a file only this template has
    QVERIFY(own.open(QIODevice::WriteOnly) && own.write("p {}") > 0);
    own.close();
    m_site = m_output->filePath(u"chess club"_s);
    const BuildResult built =
        BuildWebsite({m_template,
                      u"Chess & Co"_s,
                      u"Jane <i>Smith</i>"_s,
                      {{u"Home"_s, u"<p>We meet on <b>Tuesdays</b>.</p>"_s},
                       {u"Q&A: Rules"_s, u"<ul><li>No clocks</li></ul>"_s},
                       {u"Café"_s, u"<p><img src=\"files/images/dot.txt\" alt=\"dot\"></p>"_s}},
                      m_site});
    QVERIFY2(built.ok, qPrintable(built.message()));
}

void tst_WizardEndToEnd::openSite(WizardHarness &wizard) {
    QVERIFY(wizard.open());
    wizard.desktop().folderAnswers = {m_site};
    wizard.click(u"cmdOpenSite"_s);
    QCOMPARE(wizard.window().currentPage(), WizardPage::SelectTemplate);
    QTRY_COMPARE(wizard.window().pageSet().count(), 3);
}

void tst_WizardEndToEnd::nextToBuild(WizardHarness &wizard) {
    for (int step = 0; step < 4; ++step)
        wizard.click(u"cmdNext"_s);
}

QMap<QString, QByteArray> tst_WizardEndToEnd::pageFiles() const {
    QMap<QString, QByteArray> files;
    for (const QString &name : QDir(m_site).entryList({u"*.htm"_s}, QDir::Files)) {
        QFile file(m_site + u'/' + name);
        if (file.open(QIODevice::ReadOnly))
            files.insert(name, file.readAll());
    }
    return files;
}

void tst_WizardEndToEnd::welcomeToFinish_writesTypedSiteAndOpensIt() {
    QTemporaryDir data;
    QTemporaryDir output;
    const QString templates = data.filePath(u"templates"_s);
    writeFixtureTemplate(templates, {.folderName = u"first"_s, .name = u"First"_s});
    const QString second =
        writeFixtureTemplate(templates, {.folderName = u"second"_s, .name = u"Second"_s});
    QFile skeleton(second + u"/main.txt"_s);
    QVERIFY(skeleton.open(QIODevice::Append));
    skeleton.write("<!-- second skeleton -->\r\n");
    skeleton.close();

    WizardHarness wizard(data.path());
    QVERIFY(wizard.open());
    wizard.click(u"cmdNext"_s);

    auto *list = wizard.control<QListWidget>(u"lstTemplates"_s);
    QCOMPARE(list->count(), 2);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    QCOMPARE(list->currentRow(), 1);
    wizard.click(u"cmdNext"_s);

    QTRY_COMPARE(wizard.focusName(), u"txtTitle"_s);
    QTest::keyClicks(QApplication::focusWidget(), u"Chess Club"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTRY_COMPARE(wizard.focusName(), u"txtAuthor"_s);
    QTest::keyClicks(QApplication::focusWidget(), u"Jane Smith"_s);
    wizard.click(u"cmdNext"_s);

    HtmlEditor *home = wizard.window().pageSet().editor(0);
    QCOMPARE(home->objectName(), u"dhePage_0"_s);
    // The caret goes into the empty document as a click would put it there.
    QVERIFY(selectInEditor(*home, u"r.selectNodeContents(document.body); r.collapse(true)"_s));
    home->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(editorKeys(*home), u"Our club meets on Tuesdays."_s);
    QTRY_VERIFY2_WITH_TIMEOUT(home->bodyHTML().contains(u"Our club meets on Tuesdays."_s),
                              qPrintable(home->bodyHTML()), 15000);
    // A photo chosen with the Image button, from the user's own folder.
    QImage photo(300, 200, QImage::Format_RGB32);
    photo.fill(Qt::darkGreen);
    QVERIFY(photo.save(data.filePath(u"Club Photo.png"_s)));
    wizard.dialogs().imageAnswers = {ImageChoice{
        QUrl::fromLocalFile(data.filePath(u"Club Photo.png"_s)).toString(), u"Our club"_s}};
    wizard.window().findChild<QAction *>(u"Image"_s)->trigger();
    QTRY_VERIFY2_WITH_TIMEOUT(home->bodyHTML().contains(u"<img"_s), qPrintable(home->bodyHTML()),
                              15000);
    wizard.click(u"cmdNext"_s);

    QTRY_COMPARE(wizard.focusName(), u"txtDestination"_s);
    const QString destination = output.filePath(u"chess club"_s);
    QTest::keyClicks(QApplication::focusWidget(), destination);
    QCOMPARE(wizard.control<QLineEdit>(u"txtDestination"_s)->text(), destination);
    wizard.click(u"cmdNext"_s);
    QCOMPARE(wizard.desktop().warnings, QStringList());
    QCOMPARE(wizard.window().currentPage(), WizardPage::Finish);

    QFile index(destination + u"/index.htm"_s);
    QVERIFY(index.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(index.readAll());
    QVERIFY2(page.contains(u"<title>Home - Chess Club</title>"_s), qPrintable(page));
    // The typed text sits where the skeleton takes the page's content.
    const QRegularExpression content(u"<div id=\"content\">(<p>)?Our club meets on Tuesdays\\."_s);
    QVERIFY2(page.contains(content), qPrintable(page));
    QVERIFY2(page.contains(u"<p class=\"author\">Jane Smith</p>"_s), qPrintable(page));
    QVERIFY2(page.contains(u"<!-- second skeleton -->"_s), qPrintable(page));
    QVERIFY2(page.contains(u"<img src=\"media/club-photo.png\" width=\"300\" height=\"200\" "
                           "alt=\"Our club\">"_s),
             qPrintable(page));
    QCOMPARE(QImage(destination + u"/media/club-photo.png"_s).size(), QSize(300, 200));
    QVERIFY(QFile::exists(destination + u"/files/style.css"_s));
    QVERIFY(QFile::exists(destination + u"/files/images/dot.txt"_s));

    // The finish page says where the site is, and opens its folder on request.
    QCOMPARE(wizard.control<QLabel>(u"lblSiteFolder"_s)->text(),
             u"Your website is in the folder \""_s + destination + u"\"."_s);
    // The focus is on Finish on arrival, not on "View my website".
    QTRY_COMPARE(wizard.focusName(), u"cmdNext"_s);
    wizard.click(u"cmdOpenFolder"_s);
    QCOMPARE(wizard.desktop().openedUrls, QList<QUrl>{QUrl::fromLocalFile(destination)});

    // Enter finishes, wherever the focus is then.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(wizard.desktop().openedUrls,
             (QList<QUrl>{QUrl::fromLocalFile(destination),
                          QUrl::fromLocalFile(destination + u"/index.htm"_s)}));
    QVERIFY(!wizard.window().isVisible());
}

void tst_WizardEndToEnd::openedSite_fillsWizardAndRebuildsByteForByte() {
    makeSite();
    const QMap<QString, QByteArray> before = pageFiles();
    WizardHarness wizard(m_data->path());
    openSite(wizard);

    QCOMPARE(wizard.desktop().warnings, QStringList());
    QCOMPARE(wizard.control<QListWidget>(u"lstTemplates"_s)->currentRow(), 1);
    QCOMPARE(wizard.control<QLineEdit>(u"txtTitle"_s)->text(), u"Chess & Co"_s);
    QCOMPARE(wizard.control<QLineEdit>(u"txtAuthor"_s)->text(), u"Jane <i>Smith</i>"_s);
    QCOMPARE(wizard.control<QLineEdit>(u"txtDestination"_s)->text(), m_site);
    PageSet &pages = wizard.window().pageSet();
    QCOMPARE(pages.pageNames(), (QStringList{u"Home"_s, u"Q&A: Rules"_s, u"Café"_s}));
    QTRY_COMPARE(pages.editor(1)->bodyHTML(), u"<ul><li>No clocks</li></ul>"_s);
    // The site model holds the site as the wizard shows it.
    const Website site = wizard.window().site().website();
    QCOMPARE((QStringList{site.templateFolder, site.title, site.author, site.destination}),
             (QStringList{m_template, u"Chess & Co"_s, u"Jane <i>Smith</i>"_s, m_site}));
    QCOMPARE(site.pages[1].body, u"<ul><li>No clocks</li></ul>"_s);
    // The picture's address leads into the opened site, so the editor shows it.
    QCOMPARE(pages.editor(2)->baseUrl(), QUrl::fromLocalFile(m_site + u'/'));

    nextToBuild(wizard);
    QCOMPARE(wizard.window().currentPage(), WizardPage::Finish);
    QCOMPARE(wizard.desktop().questions, QStringList());
    QCOMPARE(pageFiles(), before);
}

void tst_WizardEndToEnd::deletedPage_fileRemovedOnlyWhenAsked_data() {
    QTest::addColumn<bool>("remove");
    QTest::addColumn<int>("templateRow"); // of the rebuild; the site's own is 1
    QTest::addColumn<QString>("finish");  // what the finish page says was removed
    QTest::newRow("removed") << true << 1 << QString();
    QTest::newRow("kept") << false << 1 << QString();
    QTest::newRow("kept, other template: its unused file removed and named")
        << false << 0
        << u"Removed 1 file that your website no longer uses:\n    files/second.css"_s;
}

void tst_WizardEndToEnd::deletedPage_fileRemovedOnlyWhenAsked() {
    QFETCH(bool, remove);
    QFETCH(int, templateRow);
    QFETCH(QString, finish);
    makeSite();
    // A file of the user's own beside the site, which the site's menu never listed.
    QFile own(m_site + u"/notes.htm"_s);
    QVERIFY(own.open(QIODevice::WriteOnly) && own.write("<p>mine</p>") > 0);
    own.close();
    WizardHarness wizard(m_data->path());
    openSite(wizard);
    PageSet &pages = wizard.window().pageSet();
    pages.selectPage(1);
    wizard.desktop().askAnswers = {true, remove};
    pages.DeletePage();
    QCOMPARE(pages.count(), 2);
    auto *list = wizard.control<QListWidget>(u"lstTemplates"_s);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(templateRow)).center());
    QCOMPARE(list->currentRow(), templateRow);

    nextToBuild(wizard);
    QCOMPARE(wizard.window().currentPage(), WizardPage::Finish);
    QCOMPARE(wizard.desktop().questions.size(), 2);
    QVERIFY2(wizard.desktop().questions[1].contains(u"q&a: rules.htm"_s),
             qPrintable(wizard.desktop().questions[1]));
    QCOMPARE(QFile::exists(m_site + u"/q&a: rules.htm"_s), !remove);
    QVERIFY(QFile::exists(m_site + u"/notes.htm"_s));
    QVERIFY(QFile::exists(m_site + u"/café.htm"_s));
    QTEST(wizard.control<QLabel>(u"lblRemoved"_s)->text(), "finish");
    QCOMPARE(QFile::exists(m_site + u"/files/second.css"_s), finish.isEmpty());
}

void tst_WizardEndToEnd::foreignPageFiles_replacedOnlyWhenAsked_data() {
    QTest::addColumn<bool>("replace");
    QTest::newRow("replaced") << true;
    QTest::newRow("not replaced") << false;
}

void tst_WizardEndToEnd::foreignPageFiles_replacedOnlyWhenAsked() {
    QFETCH(bool, replace);
    makeSite();
    const QMap<QString, QByteArray> before = pageFiles();
    WizardHarness wizard(m_data->path());
    QVERIFY(wizard.open());
    wizard.click(u"cmdNext"_s);
    wizard.click(u"cmdNext"_s);
    wizard.click(u"cmdNext"_s);
    wizard.click(u"cmdNext"_s);
    QCOMPARE(wizard.window().currentPage(), WizardPage::SelectDestination);
    wizard.control<QLineEdit>(u"txtDestination"_s)->setText(m_site);
    wizard.desktop().askAnswers = {replace};
    wizard.click(u"cmdNext"_s);

    QCOMPARE(wizard.desktop().questions.size(), 1);
    // The files are someone else's: Enter alone must not replace them.
    QCOMPARE(wizard.desktop().questionDefaults,
             QList<DesktopServices::DefaultAnswer>{DesktopServices::DefaultAnswer::No});
    QVERIFY2(wizard.desktop().questions[0].contains(u"index.htm"_s),
             qPrintable(wizard.desktop().questions[0]));
    QCOMPARE(wizard.window().currentPage(),
             replace ? WizardPage::Finish : WizardPage::SelectDestination);
    QCOMPARE(pageFiles() == before, !replace);
}

void tst_WizardEndToEnd::reorderAndRename_menuAndLinksFollowOnDisk() {
    makeSite();
    WizardHarness wizard(m_data->path());
    openSite(wizard);
    wizard.click(u"cmdNext"_s);
    wizard.click(u"cmdNext"_s);
    QCOMPARE(wizard.window().currentPage(), WizardPage::BuildPages);
    PageSet &pages = wizard.window().pageSet();
    HtmlEditor *home = pages.editor(0);
    home->setBodyHTML(u"<p>See <a href=\"q%26a%3A%20rules.htm#clocks\">the rules</a>.</p>"_s,
                      home->baseUrl());

    // Café up, by its key in the list.
    auto *list = wizard.control<QListView>(u"lstMenu"_s);
    pages.selectPage(2);
    list->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(list->hasFocus());
    QTest::keyClick(list, Qt::Key_Up, Qt::AltModifier);
    QCOMPARE(pages.pageNames(), (QStringList{u"Home"_s, u"Café"_s, u"Q&A: Rules"_s}));
    // The rules renamed, by the button.
    pages.selectPage(2);
    QTimer::singleShot(0, this, [] {
        auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->setTextValue(u"Club Rules"_s);
        dialog->accept();
    });
    QTest::mouseClick(wizard.control<QToolBar>(u"tbrMenu"_s)
                          ->widgetForAction(wizard.window().findChild<QAction *>(u"Rename"_s)),
                      Qt::LeftButton);
    QCOMPARE(pages.pageNames(), (QStringList{u"Home"_s, u"Café"_s, u"Club Rules"_s}));

    wizard.desktop().askAnswers = {true}; // the old file removed
    wizard.click(u"cmdNext"_s);
    wizard.click(u"cmdNext"_s);
    QCOMPARE(wizard.window().currentPage(), WizardPage::Finish);
    QCOMPARE(wizard.desktop().questions.size(), 1);
    QVERIFY2(wizard.desktop().questions[0].contains(u"q&a: rules.htm"_s),
             qPrintable(wizard.desktop().questions[0]));

    const QMap<QString, QByteArray> files = pageFiles();
    QCOMPARE(files.keys(), (QStringList{u"café.htm"_s, u"club rules.htm"_s, u"index.htm"_s}));
    const QString index = QString::fromUtf8(files[u"index.htm"_s]);
    QVERIFY2(index.contains(u"<ul><li><a href=\"index.htm\">Home</a></li>\r\n"
                            "<li><a href=\"café.htm\">Café</a></li>\r\n"
                            "<li><a href=\"club%20rules.htm\">Club Rules</a></li>\r\n</ul>"_s),
             qPrintable(index));
    QVERIFY2(index.contains(u"<a href=\"club%20rules.htm#clocks\">the rules</a>"_s),
             qPrintable(index));
    QVERIFY(QString::fromUtf8(files[u"club rules.htm"_s]).contains(u"<li>No clocks</li>"_s));
}

QTEST_MAIN(tst_WizardEndToEnd)
#include "tst_wizardendtoend.moc"
