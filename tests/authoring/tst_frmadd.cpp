// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "authoring/frmadd.h"

#include "builder/sitebuilder.h"
#include "builder/textfile.h"
#include "pagesetfixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace quillsite;

namespace {

const QString duplicate = u"This page already exists, please choose a different page name."_s;
const QString enterName = u"Please enter the name of the page, in order to continue."_s;
const QString enterBoth = u"You must enter both, the path and the name of the file."_s;
const QString noSuchFile = u"The file you specified does not exist, please choose another file."_s;

bool writeFile(const QString &path, const QString &text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0;
}

} // namespace

class tst_frmAdd : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstShowing_offersNewPage0AllSelected();
    void controls_carryTheirTexts();
    void tabs_moveTheNameRowAndFocus();
    void blank_addsPageAndCloses();
    void blank_emptyName_warns();
    void anyWay_duplicateName_warns_data();
    void anyWay_duplicateName_warns();
    void unusableName_warnsAndAddsNothing_data();
    void unusableName_warnsAndAddsNothing();
    void counter_advancesForDefaultStyleNames_data();
    void counter_advancesForDefaultStyleNames();
    void counter_advancesOnRejectedDuplicate();
    void counter_notUsedByTemplateWay();
    void open_missingFieldOrFile_warns_data();
    void open_missingFieldOrFile_warns();
    void open_loadsTheFile();
    void open_unreadableFile_warnsAndAddsNothing_data();
    void open_unreadableFile_warnsAndAddsNothing();
    void open_builtPage_givesItsNameAndOnlyItsContent();
    void open_severalFiles_eachAPageInTheOrderChosen();
    void browse_fillsFileAndName();
    void browse_cancelled_changesNothing();
    void template_listsReadyMadePagesAlphabetically();
    void template_addsNamedAfterFile();
    void template_homeIsRefusedAsDuplicate();
    void template_eachClickSelectsFirstAgain();
    void template_noPagesInstalled_warns();
    void template_nothingSelected_warns();
    void cancelAndEscape_addNothing_data();
    void cancelAndEscape_addNothing();
    void addButton_opensDialogModally();

private:
    frmAdd &showDialog();
    template <typename T> T *child(const QString &name) const {
        T *found = m_dialog->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    void click(const QString &button) {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
    }
    void tab(const QString &key) { child<QAction>(key)->trigger(); }
    void writeReadyMade(const QString &fileName, const QString &body);
    // A site built from a template installed beside the dialog; returns its folder.
    QString writeBuiltSite();

    std::unique_ptr<PageSetFixture> m_f;
    std::unique_ptr<frmAdd> m_dialog;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_frmAdd::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir(m_dir->path()).mkpath(u"data/pages"_s));
    m_f = std::make_unique<PageSetFixture>();
    m_f->desktop.dataFolder = m_dir->filePath(u"data"_s);
}

void tst_frmAdd::cleanup() {
    m_dialog.reset();
    m_f.reset();
    m_dir.reset();
    const QWidgetList windows = QApplication::topLevelWidgets();
    QVERIFY(
        std::none_of(windows.cbegin(), windows.cend(), [](QWidget *w) { return w->isVisible(); }));
}

frmAdd &tst_frmAdd::showDialog() {
    m_dialog = std::make_unique<frmAdd>(*m_f->pageSet, m_f->desktop, &m_f->window);
    m_dialog->show();
    m_dialog->activateWindow();
    [&] {
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    }();
    return *m_dialog;
}

void tst_frmAdd::writeReadyMade(const QString &fileName, const QString &body) {
    QVERIFY(writeFile(m_dir->filePath(u"data/pages/"_s + fileName),
                      u"<html><head><title>t</title></head><body>"_s + body + u"</body></html>"_s));
}

void tst_frmAdd::firstShowing_offersNewPage0AllSelected() {
    frmAdd &dialog = showDialog();
    QLineEdit *name = child<QLineEdit>(u"txtName"_s);
    QCOMPARE(name->text(), u"New Page 0"_s);
    QCOMPARE(name->selectedText(), u"New Page 0"_s);
    QCOMPARE(dialog.focusWidget(), name);
    QVERIFY(child<QAction>(u"Blank"_s)->isChecked());
    QVERIFY(!child<QAction>(u"Open"_s)->isChecked());
    QVERIFY(!child<QAction>(u"Template"_s)->isChecked());
    QCOMPARE(dialog.addMode(), frmAdd::Blank);
    QCOMPARE(child<QLabel>(u"lblTab"_s)->text(), u"Create a Blank Page"_s);
    QVERIFY(!child<QLineEdit>(u"txtFile"_s)->isVisible());
    QVERIFY(!child<QPushButton>(u"cmdBrowse"_s)->isVisible());
    QVERIFY(!child<QTreeWidget>(u"lstPages"_s)->isVisible());
}

void tst_frmAdd::controls_carryTheirTexts() {
    frmAdd &dialog = showDialog();
    QCOMPARE(dialog.windowTitle(), u"Add Page"_s);
    QCOMPARE(dialog.size(), QSize(376, 224));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QCOMPARE(child<QPushButton>(u"cmdAdd"_s)->text(), u"&Add"_s);
    QVERIFY(child<QPushButton>(u"cmdAdd"_s)->isDefault());
    QCOMPARE(child<QPushButton>(u"cmdCancel"_s)->text(), u"&Cancel"_s);
    QCOMPARE(child<QPushButton>(u"cmdBrowse"_s)->text(), u"&Browse..."_s);
    QVERIFY(child<QLabel>(u"lblTab"_s)->font().bold());
    QCOMPARE(child<QTreeWidget>(u"lstPages"_s)->headerItem()->text(0), u"Pre-defined Pages"_s);
    QCOMPARE(child<QTreeWidget>(u"lstPages"_s)->columnCount(), 1);
    QCOMPARE(child<QTreeWidget>(u"lstPages"_s)->selectionBehavior(), QAbstractItemView::SelectRows);
    const QList<QAction *> tabs = child<QToolBar>(u"tbrTabs"_s)->actions();
    QCOMPARE(tabs.size(), 3);
    QCOMPARE(tabs[0]->toolTip(), u"Blank Page"_s);
    QCOMPARE(tabs[1]->toolTip(), u"Open Page"_s);
    QCOMPARE(tabs[2]->toolTip(), u"Pre-defined Page"_s);
    for (QAction *t : tabs) {
        QVERIFY(!t->icon().isNull());
        QVERIFY2(child<QToolBar>(u"tbrTabs"_s)->widgetForAction(t)->isVisible(),
                 qPrintable(t->objectName()));
    }
    QVERIFY(!child<QLabel>(u"Picture1"_s)->pixmap().isNull());
}

void tst_frmAdd::tabs_moveTheNameRowAndFocus() {
    frmAdd &dialog = showDialog();
    QLineEdit *name = child<QLineEdit>(u"txtName"_s);
    QLabel *nameLabel = child<QLabel>(u"lblName"_s);
    QLineEdit *file = child<QLineEdit>(u"txtFile"_s);
    QCOMPARE(name->y(), 88);
    QCOMPARE(nameLabel->y(), 90);

    tab(u"Open"_s);
    QCOMPARE(name->y(), 128);
    QCOMPARE(nameLabel->y(), 130);
    QVERIFY(file->isVisible());
    QVERIFY(child<QPushButton>(u"cmdBrowse"_s)->isVisible());
    QVERIFY(child<QLabel>(u"lblFile"_s)->isVisible());
    QCOMPARE(dialog.focusWidget(), file);
    QCOMPARE(child<QLabel>(u"lblTab"_s)->text(), u"Open a Existing Page"_s);
    QCOMPARE(dialog.addMode(), frmAdd::Open);
    QVERIFY(child<QAction>(u"Open"_s)->isChecked());
    QVERIFY(!child<QAction>(u"Blank"_s)->isChecked());

    tab(u"Template"_s);
    QVERIFY(child<QTreeWidget>(u"lstPages"_s)->isVisible());
    QCOMPARE(child<QLabel>(u"lblTab"_s)->text(), u"Create from a Pre-defined Page"_s);
    QCOMPARE(dialog.addMode(), frmAdd::Template);
    QVERIFY(child<QAction>(u"Template"_s)->isChecked());
    QVERIFY(!child<QAction>(u"Open"_s)->isChecked());

    tab(u"Blank"_s);
    QCOMPARE(name->y(), 88);
    QCOMPARE(nameLabel->y(), 90);
    QVERIFY(!file->isVisible());
    QVERIFY(!child<QTreeWidget>(u"lstPages"_s)->isVisible());
    QCOMPARE(dialog.focusWidget(), name);
    QCOMPARE(dialog.addMode(), frmAdd::Blank);
}

void tst_frmAdd::blank_addsPageAndCloses() {
    frmAdd &dialog = showDialog();
    child<QLineEdit>(u"txtName"_s)->setText(u"About"_s);
    click(u"cmdAdd"_s);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(m_f->pageSet->pageNames(), (QStringList{u"Home"_s, u"About"_s}));
    QCOMPARE(m_f->pageSet->selectedPage(), 1);
    QVERIFY(m_f->pageSet->editor(1)->waitUntilCurrent());
    QCOMPARE(m_f->pageSet->editor(1)->bodyHTML(), QString());
    QVERIFY(m_f->desktop.warnings.isEmpty());
}

void tst_frmAdd::blank_emptyName_warns() {
    frmAdd &dialog = showDialog();
    child<QLineEdit>(u"txtName"_s)->clear();
    click(u"cmdAdd"_s);
    QCOMPARE(m_f->desktop.warnings, QStringList{enterName});
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.focusWidget(), child<QLineEdit>(u"txtName"_s));
    QCOMPARE(m_f->pageSet->count(), 1);
}

void tst_frmAdd::anyWay_duplicateName_warns_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("Home") << u"Home"_s;
    QTest::newRow("home") << u"home"_s;
    QTest::newRow("HOME") << u"HOME"_s;
    QTest::newRow("existing page in other case") << u"aBOUT"_s;
}

void tst_frmAdd::anyWay_duplicateName_warns() {
    QFETCH(QString, name);
    QCOMPARE(m_f->pageSet->appendPage(u"About"_s), QString());
    frmAdd &dialog = showDialog();
    QLineEdit *field = child<QLineEdit>(u"txtName"_s);
    field->setText(name);
    click(u"cmdAdd"_s);
    QCOMPARE(m_f->desktop.warnings, QStringList{duplicate});
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.focusWidget(), field);
    QCOMPARE(field->text(), name);
    QCOMPARE(field->selectedText(), name);
    QCOMPARE(m_f->pageSet->pageNames(), (QStringList{u"Home"_s, u"About"_s}));
}

void tst_frmAdd::unusableName_warnsAndAddsNothing_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("mentioned");
    QTest::newRow("slash") << u"../escape"_s << u"\"/\""_s;
    QTest::newRow("control character") << u"a\u0001b"_s << u"control character"_s;
    QTest::newRow("Index beside Home") << u"Index"_s << u"\"index.htm\""_s;
}

void tst_frmAdd::unusableName_warnsAndAddsNothing() {
    QFETCH(QString, name);
    QFETCH(QString, mentioned);
    frmAdd &dialog = showDialog();
    child<QLineEdit>(u"txtName"_s)->setText(name);
    click(u"cmdAdd"_s);
    QCOMPARE(m_f->desktop.warnings.size(), 1);
    QVERIFY2(m_f->desktop.warnings[0].contains(mentioned), qPrintable(m_f->desktop.warnings[0]));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.focusWidget(), child<QLineEdit>(u"txtName"_s));
    QCOMPARE(m_f->pageSet->count(), 1);
}

void tst_frmAdd::counter_advancesForDefaultStyleNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("nextDefault");
    QTest::newRow("default name") << u"New Page 0"_s << u"New Page 1"_s;
    QTest::newRow("other name") << u"About"_s << u"New Page 0"_s;
}

void tst_frmAdd::counter_advancesForDefaultStyleNames() {
    QFETCH(QString, name);
    QFETCH(QString, nextDefault);
    showDialog();
    child<QLineEdit>(u"txtName"_s)->setText(name);
    click(u"cmdAdd"_s);
    QCOMPARE(m_f->pageSet->count(), 2);
    showDialog();
    QCOMPARE(child<QLineEdit>(u"txtName"_s)->text(), nextDefault);
}

void tst_frmAdd::counter_advancesOnRejectedDuplicate() {
    QCOMPARE(m_f->pageSet->appendPage(u"New Page 0"_s), QString());
    showDialog();
    click(u"cmdAdd"_s); // offers "New Page 0", which is taken
    QCOMPARE(m_f->desktop.warnings, QStringList{duplicate});
    m_dialog->reject();
    showDialog();
    QCOMPARE(child<QLineEdit>(u"txtName"_s)->text(), u"New Page 1"_s);
}

void tst_frmAdd::counter_notUsedByTemplateWay() {
    writeReadyMade(u"New Page 7.htm"_s, u"<p>x</p>"_s);
    showDialog();
    tab(u"Template"_s);
    click(u"cmdAdd"_s);
    QCOMPARE(m_f->pageSet->pageNames(), (QStringList{u"Home"_s, u"New Page 7"_s}));
    showDialog();
    QCOMPARE(child<QLineEdit>(u"txtName"_s)->text(), u"New Page 0"_s);
}

void tst_frmAdd::open_missingFieldOrFile_warns_data() {
    QTest::addColumn<QString>("file"); // {dir} stands for the test's folder
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("warning");
    QTest::newRow("no file") << QString() << u"About"_s << enterBoth;
    QTest::newRow("no name") << u"/tmp/x.htm"_s << QString() << enterBoth;
    QTest::newRow("neither") << QString() << QString() << enterBoth;
    QTest::newRow("no such file") << u"{dir}/nothing.htm"_s << u"New Page 0"_s << noSuchFile;
}

void tst_frmAdd::open_missingFieldOrFile_warns() {
    QFETCH(QString, file);
    QFETCH(QString, name);
    QFETCH(QString, warning);
    frmAdd &dialog = showDialog();
    tab(u"Open"_s);
    child<QLineEdit>(u"txtFile"_s)->setText(file.replace(u"{dir}"_s, m_dir->path()));
    child<QLineEdit>(u"txtName"_s)->setText(name);
    click(u"cmdAdd"_s);
    QCOMPARE(m_f->desktop.warnings, QStringList{warning});
    QCOMPARE(dialog.focusWidget(), child<QLineEdit>(u"txtFile"_s));
    QCOMPARE(m_f->pageSet->count(), 1);
    QCOMPARE(m_f->pageSet->newPageCounter().value(), 0);
}

void tst_frmAdd::open_loadsTheFile() {
    const QString path = m_dir->filePath(u"story.html"_s);
    QVERIFY(writeFile(path,
                      u"<html><head><title>S</title></head><body><h1>Story</h1></body></html>"_s));
    frmAdd &dialog = showDialog();
    tab(u"Open"_s);
    child<QLineEdit>(u"txtFile"_s)->setText(path);
    child<QLineEdit>(u"txtName"_s)->setText(u"New Page 0"_s);
    click(u"cmdAdd"_s);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(m_f->pageSet->pageNames(), (QStringList{u"Home"_s, u"New Page 0"_s}));
    QVERIFY(m_f->pageSet->editor(1)->waitUntilCurrent());
    QCOMPARE(m_f->pageSet->editor(1)->bodyHTML(), u"<h1>Story</h1>"_s);
    QCOMPARE(m_f->pageSet->newPageCounter().value(), 1);
}

QString tst_frmAdd::writeBuiltSite() {
    const QString templateFolder = m_dir->filePath(u"data/templates/plain"_s);
    const auto require = [](bool done, const char *what) {
        if (!done)
            qFatal("could not %s", what);
    };
    require(QDir().mkpath(templateFolder), "make the template folder");
    require(writeFile(templateFolder + u"/data.ini"_s, u"[Data]\r\nName=Plain\r\n"_s),
            "write data.ini");
    require(writeFile(templateFolder + u"/main.txt"_s,
                      u"<html><head><title><!--Title--></title></head><body><ul>\r\n"
                      "<!--MenuItems--></ul><h1><!--PageName--></h1>\r\n<!--PageContent-->\r\n"
                      "<footer><!--Author--></footer></body></html>\r\n"_s),
            "write main.txt");
    require(writeFile(templateFolder + u"/menuitem.txt"_s,
                      u"<li><a href=\"<!--ItemPath-->\"><!--ItemName--></a></li>\r\n"_s),
            "write menuitem.txt");
    const QString site = m_dir->filePath(u"site"_s);
    require(BuildWebsite({templateFolder,
                          u"Club"_s,
                          u"Ann"_s,
                          {{u"Home"_s, u"<p>Hi</p>"_s},
                           {u"Our Story"_s, u"<p>Once</p>"_s},
                           {u"Q&A"_s, u"<p>Ask</p>"_s}},
                          site})
                .ok,
            "build the site");
    return site;
}

void tst_frmAdd::open_builtPage_givesItsNameAndOnlyItsContent() {
    const QString site = writeBuiltSite();
    showDialog();
    tab(u"Open"_s);
    m_f->desktop.filesAnswers = {{site + u"/our story.htm"_s}};
    click(u"cmdBrowse"_s);
    QCOMPARE(child<QLineEdit>(u"txtName"_s)->text(), u"Our Story"_s);
    click(u"cmdAdd"_s);
    QCOMPARE(m_f->pageSet->pageNames(), (QStringList{u"Home"_s, u"Our Story"_s}));
    QVERIFY(m_f->pageSet->editor(1)->waitUntilCurrent());
    QCOMPARE(m_f->pageSet->editor(1)->bodyHTML(), u"<p>Once</p>"_s);
    QCOMPARE(m_f->pageSet->editor(1)->baseUrl(), QUrl::fromLocalFile(site + u'/'));
}

void tst_frmAdd::open_severalFiles_eachAPageInTheOrderChosen() {
    const QString site = writeBuiltSite();
    showDialog();
    tab(u"Open"_s);
    // Home is there already, so the first choice adds none of its pages.
    m_f->desktop.filesAnswers = {{site + u"/q&a.htm"_s, site + u"/index.htm"_s},
                                 {site + u"/q&a.htm"_s, site + u"/our story.htm"_s}};
    click(u"cmdBrowse"_s);
    click(u"cmdAdd"_s);
    QCOMPARE(m_f->desktop.warnings.size(), 1);
    QCOMPARE(m_f->pageSet->count(), 1);

    click(u"cmdBrowse"_s);
    QCOMPARE(child<QLineEdit>(u"txtName"_s)->text(), u"Q&A, Our Story"_s);
    click(u"cmdAdd"_s);
    QCOMPARE(m_f->pageSet->pageNames(), (QStringList{u"Home"_s, u"Q&A"_s, u"Our Story"_s}));
    QVERIFY(m_f->pageSet->editor(1)->waitUntilCurrent());
    QCOMPARE(m_f->pageSet->editor(1)->bodyHTML(), u"<p>Ask</p>"_s);
    QVERIFY(m_f->pageSet->editor(2)->waitUntilCurrent());
    QCOMPARE(m_f->pageSet->editor(2)->bodyHTML(), u"<p>Once</p>"_s);
}

void tst_frmAdd::open_unreadableFile_warnsAndAddsNothing_data() {
    QTest::addColumn<QString>("file"); // {dir} stands for the test's folder
    QTest::addColumn<QString>("reason");
    QTest::newRow("unreadable") << u"{dir}/locked.htm"_s << QString();
    QTest::newRow("pipe") << u"{dir}/pipe.htm"_s << u"not an ordinary file"_s;
    QTest::newRow("endless device") << u"/dev/zero"_s << u"not an ordinary file"_s;
    QTest::newRow("larger than a page can be") << u"{dir}/huge.htm"_s << u"larger than 64 MB"_s;
}

// Every file opened as a page is read the one careful way: it never waits on
// a pipe nor fills the memory.
void tst_frmAdd::open_unreadableFile_warnsAndAddsNothing() {
    QFETCH(QString, file);
    QFETCH(QString, reason);
    QString path = file.replace(u"{dir}"_s, m_dir->path());
    if (path.endsWith(u"locked.htm"_s)) {
        QVERIFY(writeFile(path, u"<p>secret</p>"_s));
        QVERIFY(QFile::setPermissions(path, {}));
        // Whoever may read every file still can't read the start of its own memory.
        if (QFile locked(path); locked.open(QIODevice::ReadOnly))
            path = u"/proc/self/mem"_s;
    } else if (path.endsWith(u"pipe.htm"_s)) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (path.endsWith(u"huge.htm"_s)) {
        QFile huge(path);
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(maxTextFileBytes + 1));
    }
    frmAdd &dialog = showDialog();
    tab(u"Open"_s);
    child<QLineEdit>(u"txtFile"_s)->setText(path);
    child<QLineEdit>(u"txtName"_s)->setText(u"Locked"_s);
    click(u"cmdAdd"_s);
    QCOMPARE(m_f->desktop.warnings.size(), 1);
    QVERIFY(m_f->desktop.warnings[0].contains(path));
    QVERIFY2(m_f->desktop.warnings[0].contains(reason), qPrintable(m_f->desktop.warnings[0]));
    QVERIFY(dialog.isVisible());
    QCOMPARE(m_f->pageSet->count(), 1);
    QCOMPARE(m_f->editors->count(), 1);
}

void tst_frmAdd::browse_fillsFileAndName() {
    frmAdd &dialog = showDialog();
    tab(u"Open"_s);
    m_f->desktop.filesAnswers = {{u"/site/pages/About Us.htm"_s}};
    click(u"cmdBrowse"_s);
    QCOMPARE(m_f->desktop.fileQuestions.size(), 1);
    QCOMPARE(m_f->desktop.fileQuestions[0].title, u"Browse..."_s);
    QCOMPARE(m_f->desktop.fileQuestions[0].filter, u"HTML Files(*.htm,*.html) (*.htm *.html)"_s);
    QLineEdit *name = child<QLineEdit>(u"txtName"_s);
    QCOMPARE(child<QLineEdit>(u"txtFile"_s)->text(), u"/site/pages/About Us.htm"_s);
    QCOMPARE(name->text(), u"About Us"_s);
    QCOMPARE(dialog.focusWidget(), name);
    QCOMPARE(name->cursorPosition(), 8);
    QVERIFY(!name->hasSelectedText());
}

void tst_frmAdd::browse_cancelled_changesNothing() {
    showDialog();
    tab(u"Open"_s);
    child<QLineEdit>(u"txtFile"_s)->setText(u"/kept/file.htm"_s);
    child<QLineEdit>(u"txtName"_s)->setText(u"Kept"_s);
    click(u"cmdBrowse"_s);
    QCOMPARE(m_f->desktop.fileQuestions.size(), 1);
    QCOMPARE(child<QLineEdit>(u"txtFile"_s)->text(), u"/kept/file.htm"_s);
    QCOMPARE(child<QLineEdit>(u"txtName"_s)->text(), u"Kept"_s);
}

void tst_frmAdd::template_listsReadyMadePagesAlphabetically() {
    writeReadyMade(u"news.htm"_s, {});
    writeReadyMade(u"About Me.html"_s, {});
    writeReadyMade(u"Contact.htm"_s, {});
    writeReadyMade(u"notes.txt"_s, {});
    showDialog();
    tab(u"Template"_s);
    QTreeWidget *list = child<QTreeWidget>(u"lstPages"_s);
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        texts.append(list->topLevelItem(i)->text(0));
    QCOMPARE(texts, (QStringList{u"About Me.html"_s, u"Contact.htm"_s, u"news.htm"_s}));
    QVERIFY(!list->topLevelItem(0)->icon(0).isNull());
    QCOMPARE(list->currentItem(), list->topLevelItem(0));
    QVERIFY(list->topLevelItem(0)->isSelected());
}

void tst_frmAdd::template_addsNamedAfterFile() {
    writeReadyMade(u"About Us.htm"_s, u"<p>Who we are</p>"_s);
    writeReadyMade(u"Links.htm"_s, u"<ul><li>one</li></ul>"_s);
    frmAdd &dialog = showDialog();
    child<QLineEdit>(u"txtName"_s)->setText(u"ignored"_s);
    tab(u"Template"_s);
    QTreeWidget *list = child<QTreeWidget>(u"lstPages"_s);
    list->setCurrentItem(list->topLevelItem(1));
    click(u"cmdAdd"_s);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(m_f->pageSet->pageNames(), (QStringList{u"Home"_s, u"Links"_s}));
    QVERIFY(m_f->pageSet->editor(1)->waitUntilCurrent());
    QCOMPARE(m_f->pageSet->editor(1)->bodyHTML(), u"<ul><li>one</li></ul>"_s);
}

void tst_frmAdd::template_homeIsRefusedAsDuplicate() {
    writeReadyMade(u"Home.htm"_s, u"<p>another home</p>"_s);
    frmAdd &dialog = showDialog();
    tab(u"Template"_s);
    click(u"cmdAdd"_s);
    QCOMPARE(m_f->desktop.warnings, QStringList{duplicate});
    QVERIFY(dialog.isVisible());
    QCOMPARE(m_f->pageSet->count(), 1);
}

void tst_frmAdd::template_eachClickSelectsFirstAgain() {
    writeReadyMade(u"A.htm"_s, {});
    writeReadyMade(u"B.htm"_s, {});
    showDialog();
    tab(u"Template"_s);
    QTreeWidget *list = child<QTreeWidget>(u"lstPages"_s);
    list->setCurrentItem(list->topLevelItem(1));
    tab(u"Blank"_s);
    tab(u"Template"_s);
    QCOMPARE(list->currentItem(), list->topLevelItem(0));
    list->setCurrentItem(list->topLevelItem(1));
    tab(u"Template"_s);
    QCOMPARE(list->currentItem(), list->topLevelItem(0));
}

void tst_frmAdd::template_noPagesInstalled_warns() {
    QVERIFY(QDir(m_dir->filePath(u"data/pages"_s)).removeRecursively());
    frmAdd &dialog = showDialog();
    tab(u"Template"_s);
    click(u"cmdAdd"_s);
    QCOMPARE(m_f->desktop.warnings.size(), 1);
    QVERIFY(m_f->desktop.warnings[0].startsWith(u"No pre-defined pages are installed"_s));
    QVERIFY(m_f->desktop.warnings[0].contains(m_dir->filePath(u"data/pages"_s)));
    QVERIFY(dialog.isVisible());
    QCOMPARE(m_f->pageSet->count(), 1);
}

void tst_frmAdd::template_nothingSelected_warns() {
    writeReadyMade(u"A.htm"_s, {});
    showDialog();
    tab(u"Template"_s);
    child<QTreeWidget>(u"lstPages"_s)->clearSelection();
    click(u"cmdAdd"_s);
    QCOMPARE(m_f->desktop.warnings,
             QStringList{u"Please choose a page from the list of pre-defined pages."_s});
    QCOMPARE(m_f->pageSet->count(), 1);
}

void tst_frmAdd::cancelAndEscape_addNothing_data() {
    QTest::addColumn<bool>("escape");
    QTest::newRow("Cancel") << false;
    QTest::newRow("Esc") << true;
}

void tst_frmAdd::cancelAndEscape_addNothing() {
    QFETCH(bool, escape);
    frmAdd &dialog = showDialog();
    child<QLineEdit>(u"txtName"_s)->setText(u"About"_s);
    if (escape)
        QTest::keyClick(&dialog, Qt::Key_Escape);
    else
        click(u"cmdCancel"_s);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(m_f->pageSet->count(), 1);
}

void tst_frmAdd::addButton_opensDialogModally() {
    QString shownTitle;
    bool modal = false;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<frmAdd *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        shownTitle = dialog->windowTitle();
        modal = dialog->isModal();
        dialog->findChild<QLineEdit *>(u"txtName"_s)->setText(u"About"_s);
        dialog->findChild<QPushButton *>(u"cmdAdd"_s)->click();
    });
    m_f->action(u"Add"_s)->trigger();
    QCOMPARE(shownTitle, u"Add Page"_s);
    QVERIFY(modal);
    QCOMPARE(m_f->pageSet->pageNames(), (QStringList{u"Home"_s, u"About"_s}));
}

QTEST_MAIN(tst_frmAdd)
#include "tst_frmadd.moc"
