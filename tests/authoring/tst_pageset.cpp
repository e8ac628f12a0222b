// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pagesetfixture.h"

#include <QAction>
#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using namespace quillsite;

namespace {

const QString newsDocument = u"<!DOCTYPE html><html><head><title>Our news</title>"
                             "<style>p { color: teal; }</style></head>"
                             "<body><p>Fresh news</p></body></html>"_s;

bool writeFile(const QString &path, const QString &text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0;
}

} // namespace

class tst_PageSet : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void freshSet_holdsOnlyHome();
    void appendPage_selectsItAndEnablesDelete();
    void appendPage_withFile_loadsIt();
    void appendPage_unreadableFile_addsNothing();
    void selectPage_showsItsEditor_data();
    void selectPage_showsItsEditor();
    void clickOnEntry_showsItsEditor();
    void deleteLastPage_removesOnlyItsEditor();
    void deleteMiddlePage_movesLaterPagesUpWithWholeDocuments();
    void deleteAnsweredNo_changesNothing();
    void deleteOnHomeOrNothingSelected_asksNothing();
    void deleteAction_deletesSelectedPage();
    void pages_readInListOrder();
    void unreadablePage_waitsForPageStillLoading();
    void backAndNext_keepPagesAndSelectHome();
    void menuToolbar_hasPageActions();
    void reorder_movesSelectedPageWithItsEditor_data();
    void reorder_movesSelectedPageWithItsEditor();
    void rename_asksNameAndLinksFollow_data();
    void rename_asksNameAndLinksFollow();
    void duplicate_addsCopyAfterItWithSameContent();
    void manyPages_onlyRecentOrTouchedOnesKeepEnginePages();

private:
    void appendBlank(const QString &name);
    void setBody(int page, const QString &body);

    std::unique_ptr<PageSetFixture> m_f;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_PageSet::init() {
    m_f = std::make_unique<PageSetFixture>();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_PageSet::cleanup() {
    m_f.reset();
    m_dir.reset();
}

void tst_PageSet::appendBlank(const QString &name) {
    QCOMPARE(m_f->pageSet->appendPage(name), QString());
}

void tst_PageSet::setBody(int page, const QString &body) {
    m_f->pageSet->editor(page)->setDocumentHTML(u"<html><body>"_s + body + u"</body></html>"_s);
    QVERIFY(m_f->pageSet->editor(page)->waitUntilCurrent());
    QCOMPARE(m_f->pageSet->editor(page)->bodyHTML(), body);
}

void tst_PageSet::freshSet_holdsOnlyHome() {
    PageSet &set = *m_f->pageSet;
    QCOMPARE(set.pageNames(), QStringList{u"Home"_s});
    QCOMPARE(m_f->editors->count(), 1);
    QCOMPARE(set.editor(0)->objectName(), u"dhePage_0"_s);
    QCOMPARE(set.selectedPage(), 0);
    QCOMPARE(m_f->editors->currentWidget(), set.editor(0));
    QVERIFY(!m_f->action(u"Delete"_s)->isEnabled());
    QVERIFY(set.editor(0)->waitUntilCurrent());
    QCOMPARE(set.editor(0)->bodyHTML(), QString());
}

void tst_PageSet::appendPage_selectsItAndEnablesDelete() {
    appendBlank(u"About"_s);
    PageSet &set = *m_f->pageSet;
    QCOMPARE(set.pageNames(), (QStringList{u"Home"_s, u"About"_s}));
    QCOMPARE(m_f->editors->count(), 2);
    QCOMPARE(set.selectedPage(), 1);
    QCOMPARE(m_f->lstMenu->currentIndex().data().toString(), u"About"_s);
    QCOMPARE(m_f->editors->currentWidget(), set.editor(1));
    QCOMPARE(set.editor(1)->objectName(), u"dhePage_1"_s);
    QVERIFY(m_f->action(u"Delete"_s)->isEnabled());
}

void tst_PageSet::appendPage_withFile_loadsIt() {
    const QString path = m_dir->filePath(u"news.htm"_s);
    QVERIFY(writeFile(path, newsDocument));
    QCOMPARE(m_f->pageSet->appendPage(u"News"_s, path), QString());
    QVERIFY(m_f->pageSet->editor(1)->waitUntilCurrent());
    QCOMPARE(m_f->pageSet->editor(1)->bodyHTML(), u"<p>Fresh news</p>"_s);
    QVERIFY(m_f->pageSet->editor(1)->DocumentHTML().contains(u"<title>Our news</title>"_s));
}

void tst_PageSet::appendPage_unreadableFile_addsNothing() {
    appendBlank(u"About"_s);
    const QString error = m_f->pageSet->appendPage(u"Gone"_s, m_dir->filePath(u"missing.htm"_s));
    QVERIFY2(error.contains(u"missing.htm"_s), qPrintable(error));
    QCOMPARE(m_f->pageSet->pageNames(), (QStringList{u"Home"_s, u"About"_s}));
    QCOMPARE(m_f->editors->count(), 2);
    QCOMPARE(m_f->pageSet->selectedPage(), 1);
    QCOMPARE(m_f->editors->currentWidget(), m_f->pageSet->editor(1));
}

void tst_PageSet::selectPage_showsItsEditor_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("enabled"); // the page list's actions
    QTest::newRow("Home") << 0 << QStringList{u"Add"_s, u"Duplicate"_s};
    QTest::newRow("second") << 1
                            << QStringList{u"Add"_s, u"Delete"_s, u"Down"_s, u"Rename"_s,
                                           u"Duplicate"_s};
    QTest::newRow("last") << 2
                          << QStringList{u"Add"_s, u"Delete"_s, u"Up"_s, u"Rename"_s,
                                         u"Duplicate"_s};
    QTest::newRow("nothing") << -1 << QStringList{u"Add"_s};
}

void tst_PageSet::selectPage_showsItsEditor() {
    QFETCH(int, page);
    appendBlank(u"About"_s);
    appendBlank(u"News"_s);
    m_f->pageSet->selectPage(1 - page); // somewhere else first
    m_f->pageSet->selectPage(page);
    QCOMPARE(m_f->pageSet->selectedPage(), page);
    QStringList enabled;
    for (const QAction *action : m_f->tbrMenu->actions()) {
        if (action->isEnabled())
            enabled.append(action->objectName());
    }
    QTEST(enabled, "enabled");
    if (page >= 0)
        QCOMPARE(m_f->editors->currentWidget(), m_f->pageSet->editor(page));
}

void tst_PageSet::clickOnEntry_showsItsEditor() {
    appendBlank(u"About"_s);
    appendBlank(u"News"_s);
    const QRect about = m_f->lstMenu->visualRect(m_f->pages.index(1));
    QTest::mouseClick(m_f->lstMenu->viewport(), Qt::LeftButton, {}, about.center());
    QCOMPARE(m_f->pageSet->selectedPage(), 1);
    QCOMPARE(m_f->editors->currentWidget(), m_f->pageSet->editor(1));

    m_f->lstMenu->setFocus();
    QTest::keyClick(m_f->lstMenu, Qt::Key_Up);
    QCOMPARE(m_f->pageSet->selectedPage(), 0);
    QCOMPARE(m_f->editors->currentWidget(), m_f->pageSet->editor(0));
    QVERIFY(!m_f->action(u"Delete"_s)->isEnabled());
}

void tst_PageSet::deleteLastPage_removesOnlyItsEditor() {
    appendBlank(u"About"_s);
    appendBlank(u"News"_s);
    setBody(1, u"<p>about us</p>"_s);
    HtmlEditor *about = m_f->pageSet->editor(1);
    QPointer<HtmlEditor> news = m_f->pageSet->editor(2);

    m_f->pageSet->selectPage(2);
    m_f->desktop.askAnswers = {true};
    m_f->pageSet->DeletePage();

    QCOMPARE(m_f->desktop.questions, QStringList{u"Are you sure you want to delete 'News'?"_s});
    QCOMPARE(m_f->pageSet->pageNames(), (QStringList{u"Home"_s, u"About"_s}));
    QCOMPARE(m_f->editors->count(), 2);
    QVERIFY(news.isNull());
    QCOMPARE(m_f->pageSet->editor(1), about);
    QVERIFY(about->waitUntilCurrent());
    QCOMPARE(about->bodyHTML(), u"<p>about us</p>"_s);
    QCOMPARE(m_f->pageSet->selectedPage(), 0);
    QCOMPARE(m_f->editors->currentWidget(), m_f->pageSet->editor(0));
    QVERIFY(!m_f->action(u"Delete"_s)->isEnabled());
}

void tst_PageSet::deleteMiddlePage_movesLaterPagesUpWithWholeDocuments() {
    appendBlank(u"About"_s);
    const QString newsPath = m_dir->filePath(u"news.htm"_s);
    QVERIFY(writeFile(newsPath, newsDocument));
    QCOMPARE(m_f->pageSet->appendPage(u"News"_s, newsPath), QString());
    appendBlank(u"Links"_s);
    setBody(0, u"<p>welcome</p>"_s);
    setBody(3, u"<p><a href=\"http://example.org/\">example</a></p>"_s);
    QVERIFY(m_f->pageSet->editor(2)->waitUntilCurrent());
    const QString newsBefore = m_f->pageSet->editor(2)->DocumentHTML();

    m_f->pageSet->selectPage(1);
    m_f->desktop.askAnswers = {true};
    m_f->pageSet->DeletePage();

    PageSet &set = *m_f->pageSet;
    QCOMPARE(set.pageNames(), (QStringList{u"Home"_s, u"News"_s, u"Links"_s}));
    QCOMPARE(m_f->editors->count(), 3);
    QVERIFY(set.editor(1)->waitUntilCurrent());
    QCOMPARE(set.editor(1)->DocumentHTML(), newsBefore);
    QVERIFY(set.editor(1)->DocumentHTML().contains(u"<style>p { color: teal; }</style>"_s));
    QVERIFY(set.editor(1)->DocumentHTML().contains(u"<title>Our news</title>"_s));
    QVERIFY(set.editor(2)->waitUntilCurrent());
    QCOMPARE(set.editor(2)->bodyHTML(), u"<p><a href=\"http://example.org/\">example</a></p>"_s);
    QVERIFY(set.editor(0)->waitUntilCurrent());
    QCOMPARE(set.editor(0)->bodyHTML(), u"<p>welcome</p>"_s);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(set.editor(i)->objectName(), u"dhePage_"_s + QString::number(i));
    QCOMPARE(set.selectedPage(), 0);
    QCOMPARE(m_f->editors->currentWidget(), set.editor(0));
}

void tst_PageSet::deleteAnsweredNo_changesNothing() {
    appendBlank(u"About"_s);
    appendBlank(u"News"_s);
    setBody(1, u"<p>about us</p>"_s);
    m_f->pageSet->selectPage(1);
    m_f->desktop.askAnswers = {false};

    m_f->pageSet->DeletePage();

    QCOMPARE(m_f->desktop.questions, QStringList{u"Are you sure you want to delete 'About'?"_s});
    QCOMPARE(m_f->pageSet->pageNames(), (QStringList{u"Home"_s, u"About"_s, u"News"_s}));
    QCOMPARE(m_f->editors->count(), 3);
    QCOMPARE(m_f->pageSet->selectedPage(), 1);
    QCOMPARE(m_f->editors->currentWidget(), m_f->pageSet->editor(1));
    QVERIFY(m_f->pageSet->editor(1)->waitUntilCurrent());
    QCOMPARE(m_f->pageSet->editor(1)->bodyHTML(), u"<p>about us</p>"_s);
}

void tst_PageSet::deleteOnHomeOrNothingSelected_asksNothing() {
    appendBlank(u"About"_s);
    m_f->pageSet->selectHome();
    m_f->pageSet->DeletePage();
    m_f->pageSet->selectPage(-1);
    m_f->pageSet->DeletePage();
    QVERIFY(m_f->desktop.questions.isEmpty());
    QCOMPARE(m_f->pageSet->pageNames(), (QStringList{u"Home"_s, u"About"_s}));
    QCOMPARE(m_f->editors->count(), 2);
}

void tst_PageSet::deleteAction_deletesSelectedPage() {
    appendBlank(u"About"_s);
    appendBlank(u"News"_s);
    m_f->pageSet->selectPage(1);
    m_f->desktop.askAnswers = {true};
    m_f->action(u"Delete"_s)->trigger();
    QCOMPARE(m_f->pageSet->pageNames(), (QStringList{u"Home"_s, u"News"_s}));
    QCOMPARE(m_f->pageSet->selectedPage(), 0);
}

void tst_PageSet::pages_readInListOrder() {
    appendBlank(u"About"_s);
    appendBlank(u"News"_s);
    setBody(0, u"<p>home</p>"_s);
    setBody(1, u"<p><b>about</b></p>"_s);
    // What an editor shows reaches the page list as the editor reports it.
    QTRY_COMPARE(m_f->pages.page(1).body, u"<p><b>about</b></p>"_s);
    const QList<SitePage> pages = m_f->pageSet->pages();
    QCOMPARE(pages.size(), 3);
    QCOMPARE(pages[0].name, u"Home"_s);
    QCOMPARE(pages[0].body, u"<p>home</p>"_s);
    QCOMPARE(pages[1].name, u"About"_s);
    QCOMPARE(pages[1].body, u"<p><b>about</b></p>"_s);
    QCOMPARE(pages[2].name, u"News"_s);
    QCOMPARE(pages[2].body, QString());
}

void tst_PageSet::backAndNext_keepPagesAndSelectHome() {
    appendBlank(u"About"_s);
    setBody(1, u"<p>about us</p>"_s);
    QList<HtmlEditor *> editors = {m_f->pageSet->editor(0), m_f->pageSet->editor(1)};

    // Leaving Build Pages hides its controls; coming back shows them and selects Home.
    m_f->window.hide();
    m_f->window.show();
    m_f->pageSet->selectHome();

    QCOMPARE(m_f->pageSet->pageNames(), (QStringList{u"Home"_s, u"About"_s}));
    QCOMPARE(m_f->pageSet->editor(0), editors[0]);
    QCOMPARE(m_f->pageSet->editor(1), editors[1]);
    QVERIFY(m_f->pageSet->editor(1)->waitUntilCurrent());
    QCOMPARE(m_f->pageSet->editor(1)->bodyHTML(), u"<p>about us</p>"_s);
    QCOMPARE(m_f->pageSet->selectedPage(), 0);
    QCOMPARE(m_f->editors->currentWidget(), editors[0]);
    QVERIFY(!m_f->action(u"Delete"_s)->isEnabled());
}

void tst_PageSet::menuToolbar_hasPageActions() {
    QStringList keys;
    QStringList toolTips;
    for (const QAction *action : m_f->tbrMenu->actions()) {
        keys.append(action->objectName());
        toolTips.append(action->toolTip());
        QVERIFY(!action->icon().isNull());
    }
    QCOMPARE(keys,
             (QStringList{u"Add"_s, u"Delete"_s, u"Up"_s, u"Down"_s, u"Rename"_s, u"Duplicate"_s}));
    QCOMPARE(toolTips, (QStringList{u"Add Page"_s, u"Delete Page"_s, u"Move Page Up (Alt+Up)"_s,
                                    u"Move Page Down (Alt+Down)"_s, u"Rename Page (F2)"_s,
                                    u"Duplicate Page (Ctrl+D)"_s}));
}

void tst_PageSet::reorder_movesSelectedPageWithItsEditor_data() {
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("way"); // a key in the list, or a button
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("after"); // where the selected page is then

    const QStringList unchanged{u"Home"_s, u"About"_s, u"News"_s, u"Links"_s};
    QTest::newRow("Alt+Up") << 2 << u"Alt+Up"_s
                            << QStringList{u"Home"_s, u"News"_s, u"About"_s, u"Links"_s} << 1;
    QTest::newRow("Alt+Down") << 2 << u"Alt+Down"_s
                              << QStringList{u"Home"_s, u"About"_s, u"Links"_s, u"News"_s} << 3;
    QTest::newRow("Up button") << 3 << u"Up"_s
                               << QStringList{u"Home"_s, u"About"_s, u"Links"_s, u"News"_s} << 2;
    QTest::newRow("Down button") << 1 << u"Down"_s
                                 << QStringList{u"Home"_s, u"News"_s, u"About"_s, u"Links"_s} << 2;
    QTest::newRow("Alt+Up just after Home: Home stays first") << 1 << u"Alt+Up"_s << unchanged << 1;
    QTest::newRow("Alt+Down on the last") << 3 << u"Alt+Down"_s << unchanged << 3;
    QTest::newRow("Alt+Down on Home") << 0 << u"Alt+Down"_s << unchanged << 0;
}

void tst_PageSet::reorder_movesSelectedPageWithItsEditor() {
    QFETCH(int, selected);
    QFETCH(QString, way);
    QFETCH(int, after);
    for (const QString &name : {u"About"_s, u"News"_s, u"Links"_s})
        appendBlank(name);
    setBody(selected, u"<p>mine</p>"_s);
    HtmlEditor *moved = m_f->pageSet->editor(selected);
    m_f->window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m_f->window));
    m_f->pageSet->selectPage(selected);
    m_f->lstMenu->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(m_f->lstMenu->hasFocus());

    if (way.startsWith(u"Alt+"_s))
        QTest::keyClick(m_f->lstMenu, way.endsWith(u"Up"_s) ? Qt::Key_Up : Qt::Key_Down,
                        Qt::AltModifier);
    else
        QTest::mouseClick(m_f->tbrMenu->widgetForAction(m_f->action(way)), Qt::LeftButton);

    QTEST(m_f->pageSet->pageNames(), "names");
    QCOMPARE(m_f->pageSet->selectedPage(), after);
    QCOMPARE(m_f->pageSet->editor(after), moved);
    QCOMPARE(m_f->editors->currentWidget(), moved);
    QCOMPARE(moved->bodyHTML(), u"<p>mine</p>"_s);
    for (int i = 0; i < m_f->pageSet->count(); ++i)
        QCOMPARE(m_f->pageSet->editor(i)->objectName(), u"dhePage_"_s + QString::number(i));
    QCOMPARE(m_f->pageSet->pages().at(after).body, u"<p>mine</p>"_s);
}

void tst_PageSet::rename_asksNameAndLinksFollow_data() {
    QTest::addColumn<QString>("way"); // F2 in the list, a double-click, or the button
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("warnings");
    QTest::addColumn<QStringList>("names");

    const QStringList renamed{u"Home"_s, u"Our Team"_s, u"News"_s};
    QTest::newRow("F2") << u"F2"_s << u"Our Team"_s << QStringList() << renamed;
    QTest::newRow("double-click") << u"double-click"_s << u"Our Team"_s << QStringList() << renamed;
    QTest::newRow("Rename button") << u"Rename"_s << u"Our Team"_s << QStringList() << renamed;
    QTest::newRow("a name taken: warned, the dialog stays")
        << u"F2"_s << u"NEWS"_s
        << QStringList{u"This page already exists, please choose a different page name."_s}
        << QStringList{u"Home"_s, u"About Us"_s, u"News"_s};
}

void tst_PageSet::rename_asksNameAndLinksFollow() {
    QFETCH(QString, way);
    QFETCH(QString, typed);
    QFETCH(QStringList, warnings);
    appendBlank(u"About Us"_s);
    appendBlank(u"News"_s);
    setBody(0, u"<p><a href=\"about%20us.htm#team\">us</a></p>"_s);
    HtmlEditor *about = m_f->pageSet->editor(1);
    m_f->window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m_f->window));
    m_f->pageSet->selectPage(1);
    m_f->lstMenu->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(m_f->lstMenu->hasFocus());

    QString offered;
    QString selected;
    bool stayedOpen = false;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        auto *box = dialog->findChild<QLineEdit *>();
        offered = dialog->textValue();
        selected = box->selectedText();
        box->setText(typed);
        QTest::keyClick(box, Qt::Key_Return);
        stayedOpen = dialog->isVisible() && dialog->textValue() == typed;
        if (stayedOpen)
            dialog->reject();
    });
    if (way == u"F2"_s)
        QTest::keyClick(m_f->lstMenu, Qt::Key_F2);
    else if (way == u"double-click"_s) {
        // The second press of a double-click comes before the double-click itself.
        const QPoint about = m_f->lstMenu->visualRect(m_f->pages.index(1)).center();
        QTest::mousePress(m_f->lstMenu->viewport(), Qt::LeftButton, {}, about);
        QTest::mouseDClick(m_f->lstMenu->viewport(), Qt::LeftButton, {}, about);
        QTest::mouseRelease(m_f->lstMenu->viewport(), Qt::LeftButton, {}, about);
    } else
        QTest::mouseClick(m_f->tbrMenu->widgetForAction(m_f->action(way)), Qt::LeftButton);

    QCOMPARE(offered, u"About Us"_s);
    QCOMPARE(selected, u"About Us"_s);
    QTEST(m_f->desktop.warnings, "warnings");
    QCOMPARE(stayedOpen, !warnings.isEmpty());
    QTEST(m_f->pageSet->pageNames(), "names");
    QCOMPARE(m_f->pageSet->editor(1), about);
    // Home's link leads to the page under its new name, in the editor as in the build.
    const QString link = warnings.isEmpty() ? u"our%20team.htm#team"_s : u"about%20us.htm#team"_s;
    QVERIFY(m_f->pageSet->editor(0)->waitUntilCurrent());
    QCOMPARE(m_f->pageSet->editor(0)->bodyHTML(), u"<p><a href=\""_s + link + u"\">us</a></p>"_s);
    QCOMPARE(m_f->pageSet->pages().at(0).body, u"<p><a href=\""_s + link + u"\">us</a></p>"_s);
}

void tst_PageSet::duplicate_addsCopyAfterItWithSameContent() {
    appendBlank(u"About"_s);
    appendBlank(u"News"_s);
    setBody(1, u"<p><b>about</b> us</p>"_s);
    m_f->pageSet->selectPage(1);
    QString offered;
    QTimer::singleShot(0, this, [&offered] {
        auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        offered = dialog->textValue();
        dialog->accept();
    });
    m_f->action(u"Duplicate"_s)->trigger();

    QCOMPARE(offered, u"Copy of About"_s);
    QCOMPARE(m_f->pageSet->pageNames(),
             (QStringList{u"Home"_s, u"About"_s, u"Copy of About"_s, u"News"_s}));
    QCOMPARE(m_f->pageSet->selectedPage(), 2);
    QCOMPARE(m_f->editors->currentWidget(), m_f->pageSet->editor(2));
    QVERIFY(m_f->pageSet->editor(2)->waitUntilCurrent());
    QCOMPARE(m_f->pageSet->editor(2)->bodyHTML(), u"<p><b>about</b> us</p>"_s);
    QCOMPARE(m_f->pageSet->editor(2)->objectName(), u"dhePage_2"_s);
    QCOMPARE(m_f->pageSet->editor(3)->objectName(), u"dhePage_3"_s);
}

void tst_PageSet::unreadablePage_waitsForPageStillLoading() {
    const QString path = m_dir->filePath(u"news.htm"_s);
    QVERIFY(writeFile(path, newsDocument));
    QCOMPARE(m_f->pageSet->appendPage(u"News"_s, path), QString());

    // The file is still loading: a read gives what the editor held before, without waiting.
    QCOMPARE(m_f->pageSet->pages().at(1).body, QString());
    QCOMPARE(m_f->pageSet->unreadablePage(), -1);
    QCOMPARE(m_f->pageSet->pages().at(1).body, u"<p>Fresh news</p>"_s);
}

void tst_PageSet::manyPages_onlyRecentOrTouchedOnesKeepEnginePages() {
    PageSet &set = *m_f->pageSet;
    for (int page = 1; page <= 12; ++page) {
        appendBlank(u"Page %1"_s.arg(page));
        setBody(page, u"<p>%1</p>"_s.arg(page));
        if (page == 2) {
            set.editor(2)->setParagraphStyle(ParagraphStyle::Heading1);
            QVERIFY(set.editor(2)->waitUntilCurrent());
            QCOMPARE(set.editor(2)->bodyHTML(), u"<h1>2</h1>"_s);
        }
    }
    set.selectHome();

    // Home and the seven pages shown before it, and the page the user changed.
    QList<int> withPages;
    for (int page = 0; page < set.count(); ++page) {
        if (set.editor(page)->hasPage())
            withPages.append(page);
    }
    QCOMPARE(withPages, (QList<int>{0, 2, 6, 7, 8, 9, 10, 11, 12}));
    QCOMPARE(set.pages().at(1).body, u"<p>1</p>"_s);

    // A page shown again gets its page back, with its document.
    set.selectPage(1);
    QVERIFY(set.editor(1)->hasPage());
    QTRY_VERIFY_WITH_TIMEOUT(set.editor(1)->isReady(), 15000);
    QVERIFY(set.editor(1)->waitUntilCurrent());
    QCOMPARE(set.editor(1)->bodyHTML(), u"<p>1</p>"_s);
}

QTEST_MAIN(tst_PageSet)
#include "tst_pageset.moc"
