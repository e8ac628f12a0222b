// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/frmmain.h"
#include "authoring/htmleditor.h"
#include "authoring/pageset.h"
#include "templatefixture.h"
#include "wizardharness.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

using namespace Qt::StringLiterals;
using namespace quillsite;

namespace {

const QString infoMessage = u"You must provide the required information in order to continue."_s;
const QString emptyDestinationMessage = u"You must provide the destination folder."_s;
const QString invalidDestinationMessage =
    u"The destination path you specified is invalid, please provide full path."_s;

} // namespace

class tst_frmMain : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void flow_data();
    void flow();
    void controlsCarryTheirNames_data();
    void controlsCarryTheirNames();
    void designFonts_data();
    void designFonts();
    void window_isFixedCentredWithIcon();
    void tabOrder_data();
    void tabOrder();
    void startupDefaults_data();
    void startupDefaults();
    void startup_extendsWelcomeTextReadOnceAndHidesBanner();
    void startup_focusOnNext_enterGoesToSelectTemplate();
    void tabIntoLongTitle_selectsAllAndTypingReplaces();
    void clickIntoTitle_selectsAll();
    void enterInTextBox_pressesNext_data();
    void enterInTextBox_pressesNext();
    void escape_keepsWindowOpen();
    void cancel_closesOnEveryPage_data();
    void cancel_closesOnEveryPage();
    void closing_endsProgram_data();
    void closing_endsProgram();
    void enteringBuildPages_selectsHome_data();
    void enteringBuildPages_selectsHome();
    void tabInPageList_goesIntoSelectedEditor();
    void buildPages_leftPressedOnArrivalAndOnPagesWithoutCaret();
    void addPage_eachWay_focusInNewPageAtItsStart_data();
    void addPage_eachWay_focusInNewPageAtItsStart();
    void browse_data();
    void browse();
    void finishPage_publishOpensTheDialog();
    void about_leavesPageAndValues_data();
    void about_leavesPageAndValues();
    void templateTexts_shownAsWritten_data();
    void templateTexts_shownAsWritten();
    void noTemplateInstalled_saysSoAndNextRefuses_data();
    void noTemplateInstalled_saysSoAndNextRefuses();
    void failedBuild_staysOnDestinationWithMessage();

private:
    // Walks from the start through `actions`: "next", "back", or "<box>:<text>"
    // to put a text into txtTitle, txtAuthor or txtDestination.
    void walk(WizardHarness &wizard, const QStringList &actions);
    void goToPage(WizardHarness &wizard, int page);

    QTemporaryDir m_data;
    QTemporaryDir m_output;
    std::unique_ptr<WizardHarness> m_wizard;
};

void tst_frmMain::initTestCase() {
    QVERIFY(m_data.isValid() && m_output.isValid());
    const QString templates = m_data.filePath(u"templates"_s);
    writeFixtureTemplate(templates, {.folderName = u"alpha"_s,
                                     .name = u"Alpha"_s,
                                     .thumbColor = Qt::blue,
                                     .previewColor = Qt::green});
    writeFixtureTemplate(templates, {.folderName = u"beta"_s, .name = u"Beta"_s});
    QVERIFY(QDir(m_data.path()).mkpath(u"pages"_s));
    QFile readyMade(m_data.filePath(u"pages/News.htm"_s));
    QVERIFY(readyMade.open(QIODevice::WriteOnly));
    readyMade.write("<html><body><h1>News</h1></body></html>");
}

void tst_frmMain::cleanup() {
    m_wizard.reset();
    QVERIFY(noWindowLeftOpen());
}

void tst_frmMain::walk(WizardHarness &wizard, const QStringList &actions) {
    for (const QString &action : actions) {
        if (action == u"next")
            wizard.click(u"cmdNext"_s);
        else if (action == u"activate") // Next as its access key does it, leaving the focus be
            wizard.control<QPushButton>(u"cmdNext"_s)->click();
        else if (action == u"back")
            wizard.click(u"cmdBack"_s);
        else {
            const qsizetype colon = action.indexOf(u':');
            QString text = action.mid(colon + 1);
            text.replace(u"$OUT"_s, m_output.path());
            auto *box = wizard.control<QLineEdit>(action.left(colon));
            QVERIFY2(box, qPrintable(action));
            box->setText(text);
        }
        if (QTest::currentTestFailed())
            return;
    }
}

void tst_frmMain::goToPage(WizardHarness &wizard, int page) {
    walk(wizard, QStringList(page, u"next"_s));
    QCOMPARE(static_cast<int>(wizard.window().currentPage()), page);
}

void tst_frmMain::flow_data() {
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("banner");
    QTest::addColumn<bool>("backVisible");
    QTest::addColumn<bool>("backEnabled");
    QTest::addColumn<QString>("nextText");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("info");
    QTest::addColumn<QString>("focus");    // empty: not checked
    QTest::addColumn<QString>("selected"); // selected text of the focused box
    QTest::addColumn<QStringList>("warnings");

    const QString next = u"&Next >"_s;
    const QString selectOf = u"Please select the prefered look of your website."_s;
    const QString selectFor = u"Please select the prefered look for your website."_s;
    const QString provide =
        u"Please provide the following information required to build your site."_s;
    const QString buildNext = u"Create as many webpages as you want, along with their content."_s;
    const QString buildBack = u"Create as many webpages as you want along with their content."_s;
    const QString destination =
        u"Choose the destination folder where you want to save your website."_s;
    const QStringList toDestination{u"next"_s, u"next"_s, u"next"_s, u"next"_s};
    const auto row = [](const char *name) -> QTestData & {
        return QTest::newRow(name);
    };

    row("start on welcome") << QStringList() << 0 << false << false << true << next << u"Page"_s
                            << u"Some info for the page."_s << QString() << QString()
                            << QStringList();
    row("next to select template")
        << QStringList{u"next"_s} << 1 << true << true << true << next << u"Select Template"_s
        << selectOf << u"cmdNext"_s << QString() << QStringList();
    row("back to welcome keeps banner labels")
        << QStringList{u"next"_s, u"back"_s} << 0 << false << false << true << next
        << u"Select Template"_s << selectOf << QString() << QString() << QStringList();
    row("welcome again shows banner with of")
        << QStringList{u"next"_s, u"back"_s, u"next"_s} << 1 << true << true << true << next
        << u"Select Template"_s << selectOf << QString() << QString() << QStringList();
    row("next to information selects title")
        << QStringList{u"next"_s, u"next"_s} << 2 << true << true << true << next
        << u"Provide Information"_s << provide << u"txtTitle"_s << u"My Website"_s << QStringList();
    row("back to select template says for")
        << QStringList{u"next"_s, u"next"_s, u"back"_s} << 1 << true << true << true << next
        << u"Select Template"_s << selectFor << u"cmdBack"_s << QString() << QStringList();
    row("next to build pages with comma")
        << QStringList{u"next"_s, u"next"_s, u"next"_s} << 3 << true << true << true << next
        << u"Build Pages"_s << buildNext << QString() << QString() << QStringList();
    row("back to information puts caret after title")
        << QStringList{u"next"_s, u"next"_s, u"next"_s, u"back"_s} << 2 << true << true << true
        << next << u"Provide Information"_s << provide << u"txtTitle"_s << QString()
        << QStringList();
    row("next to destination selects it")
        << toDestination << 4 << true << true << true << next << u"Select Destination"_s
        << destination << u"txtDestination"_s << u"/home/tester/Desktop/My Website"_s
        << QStringList();
    row("back to build pages without comma")
        << (toDestination + QStringList{u"back"_s}) << 3 << true << true << true << next
        << u"Build Pages"_s << buildBack << QString() << QString() << QStringList();
    row("empty author: message, focus to title")
        << QStringList{u"next"_s, u"next"_s, u"txtAuthor:"_s, u"next"_s} << 2 << true << true
        << true << next << u"Provide Information"_s << provide << u"txtTitle"_s << u"My Website"_s
        << QStringList{infoMessage};
    row("empty title: message, focus to title")
        << QStringList{u"next"_s, u"next"_s, u"txtTitle:"_s, u"next"_s} << 2 << true << true << true
        << next << u"Provide Information"_s << provide << u"txtTitle"_s << QString()
        << QStringList{infoMessage};
    row("spaces pass the information check")
        << QStringList{u"next"_s, u"next"_s, u"txtTitle:  "_s, u"txtAuthor: "_s, u"next"_s} << 3
        << true << true << true << next << u"Build Pages"_s << buildNext << QString() << QString()
        << QStringList();
    row("empty destination refused")
        << (toDestination + QStringList{u"txtDestination:"_s, u"next"_s}) << 4 << true << true
        << true << next << u"Select Destination"_s << destination << u"txtDestination"_s
        << QString() << QStringList{emptyDestinationMessage};
    row("bare folder name refused")
        << (toDestination + QStringList{u"txtDestination:My Website"_s, u"next"_s}) << 4 << true
        << true << true << next << u"Select Destination"_s << destination << u"txtDestination"_s
        << u"My Website"_s << QStringList{invalidDestinationMessage};
    row("home shorthand refused") << (toDestination +
                                      QStringList{u"txtDestination:~/site"_s, u"next"_s})
                                  << 4 << true << true << true << next << u"Select Destination"_s
                                  << destination << u"txtDestination"_s << u"~/site"_s
                                  << QStringList{invalidDestinationMessage};
    row("dot path refused") << (toDestination + QStringList{u"txtDestination:./site"_s, u"next"_s})
                            << 4 << true << true << true << next << u"Select Destination"_s
                            << destination << u"txtDestination"_s << u"./site"_s
                            << QStringList{invalidDestinationMessage};
    row("full path builds and finishes")
        << (toDestination + QStringList{u"txtDestination:$OUT/flow"_s, u"next"_s}) << 5 << false
        << true << false << u"&Finish"_s << u"Select Destination"_s << destination << u"cmdNext"_s
        << QString() << QStringList();
    // Only the page changes: the focus goes where Qt passes it from the hidden box.
    row("access key in destination builds, focus not moved to finish")
        << (toDestination + QStringList{u"txtDestination:$OUT/focus"_s, u"activate"_s}) << 5
        << false << true << false << u"&Finish"_s << u"Select Destination"_s << destination
        << u"chkView"_s << QString() << QStringList();
}

void tst_frmMain::flow() {
    QFETCH(QStringList, actions);
    QFETCH(int, page);
    QFETCH(bool, banner);
    QFETCH(QString, focus);

    m_wizard = std::make_unique<WizardHarness>(m_data.path());
    QVERIFY(m_wizard->open());
    walk(*m_wizard, actions);
    if (QTest::currentTestFailed())
        return;

    QCOMPARE(static_cast<int>(m_wizard->window().currentPage()), page);
    QCOMPARE(m_wizard->control<QStackedWidget>(u"stkWizard"_s)->currentWidget()->objectName(),
             u"fraWizard_%1"_s.arg(page));
    QCOMPARE(m_wizard->control<QWidget>(u"fraTop"_s)->isVisible(), banner);
    QCOMPARE(m_wizard->control<QWidget>(u"fraBottom"_s)->isVisible(), banner);
    const auto *back = m_wizard->control<QPushButton>(u"cmdBack"_s);
    QTEST(back->isVisible(), "backVisible");
    QTEST(back->isEnabled(), "backEnabled");
    QTEST(m_wizard->control<QPushButton>(u"cmdNext"_s)->text(), "nextText");
    QTEST(m_wizard->control<QLabel>(u"lblPage"_s)->text(), "heading");
    QTEST(m_wizard->control<QLabel>(u"lblInfo"_s)->text(), "info");
    QTEST(m_wizard->desktop().warnings, "warnings");
    if (!focus.isEmpty()) {
        QTRY_COMPARE(m_wizard->focusName(), focus);
        if (const auto *box = m_wizard->control<QLineEdit>(focus)) {
            QTEST(box->selectedText(), "selected");
            if (box->selectedText().isEmpty())
                QCOMPARE(box->cursorPosition(), box->text().size());
        }
    }
    if (page == 3)
        QCOMPARE(m_wizard->control<QListView>(u"lstMenu"_s)->currentIndex().row(), 0);
    if (page == 5)
        QVERIFY(!m_wizard->control<QLabel>(u"picFinish"_s)->pixmap().isNull());
}

void tst_frmMain::controlsCarryTheirNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");

    const QList<std::pair<const char *, const char *>> controls{
        {"fraTop", "QFrame"},
        {"lblPage", "QLabel"},
        {"lblInfo", "QLabel"},
        {"Image2", "QLabel"},
        {"fraBottom", "QFrame"},
        {"Label1", "QLabel"},
        {"Label2", "QLabel"},
        {"cmdAbout", "QPushButton"},
        {"cmdBack", "QPushButton"},
        {"cmdNext", "QPushButton"},
        {"cmdCancel", "QPushButton"},
        {"picStart", "QLabel"},
        {"lblWelcome", "QLabel"},
        {"lstTemplates", "QListWidget"},
        {"picSelTemp", "QLabel"},
        {"lblAuthor", "QLabel"},
        {"lblWebsite", "QLabel"},
        {"lblDescription", "QLabel"},
        {"imgNoPreview_0", "QLabel"},
        {"imgNoPreview_1", "QLabel"},
        {"txtTitle", "QLineEdit"},
        {"txtAuthor", "QLineEdit"},
        {"tbrMenu", "QToolBar"},
        {"lstMenu", "QListView"},
        {"tbrEdit", "QToolBar"},
        {"Shape1", "QFrame"},
        {"txtDestination", "QLineEdit"},
        {"cmdBrowseDes", "QPushButton"},
        {"picFinish", "QLabel"},
        {"chkView", "QCheckBox"},
        {"cmdPublish", "QPushButton"},
        {"dhePage_0", "quillsite::HtmlEditor"}};
    for (const auto &[name, className] : controls)
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(className);
    for (int page = 0; page <= 5; ++page)
        QTest::addRow("fraWizard_%d", page) << u"fraWizard_%1"_s.arg(page) << u"QFrame"_s;
}

void tst_frmMain::controlsCarryTheirNames() {
    QFETCH(QString, name);
    m_wizard = std::make_unique<WizardHarness>(m_data.path());
    QVERIFY(m_wizard->open());
    m_wizard->window().pageSet();
    const QWidget *control = m_wizard->control<QWidget>(name);
    QVERIFY2(control, qPrintable(name));
    QTEST(QString::fromLatin1(control->metaObject()->className()), "className");
}

void tst_frmMain::designFonts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("pointSize");
    QTest::addColumn<bool>("bold");

    QTest::newRow("buttons") << u"cmdNext"_s << u"Tahoma"_s << 8.25 << false;
    QTest::newRow("body text") << u"Label16"_s << u"Tahoma"_s << 8.25 << false;
    QTest::newRow("page heading") << u"Label3"_s << u"Verdana"_s << 12.0 << true;
    QTest::newRow("finish heading") << u"Label20"_s << u"Verdana"_s << 12.0 << true;
    QTest::newRow("banner heading") << u"lblPage"_s << u"MS Sans Serif"_s << 8.25 << true;
    QTest::newRow("template names") << u"lstTemplates"_s << u"Tahoma"_s << 8.25 << true;
    QTest::newRow("detail caption") << u"Label7"_s << u"Tahoma"_s << 8.25 << true;
    QTest::newRow("text box") << u"txtTitle"_s << u"MS Sans Serif"_s << 8.25 << false;
    QTest::newRow("page list") << u"lstMenu"_s << u"MS Sans Serif"_s << 8.25 << false;
}

void tst_frmMain::designFonts() {
    QFETCH(QString, name);
    m_wizard = std::make_unique<WizardHarness>(m_data.path());
    QVERIFY(m_wizard->open());
    const QFont font = m_wizard->control<QWidget>(name)->font();
    QTEST(font.family(), "family");
    QTEST(font.pointSizeF(), "pointSize");
    QTEST(font.bold(), "bold");
}

void tst_frmMain::window_isFixedCentredWithIcon() {
    m_wizard = std::make_unique<WizardHarness>(m_data.path());
    QVERIFY(m_wizard->open());
    const frmMain &window = m_wizard->window();
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!window.windowIcon().isNull());
    QVERIFY(!m_wizard->control<QLabel>(u"picStart"_s)->pixmap().isNull());
    QVERIFY(!m_wizard->control<QLabel>(u"Image2"_s)->pixmap().isNull());
    // Centred before the window system adds its frame: off by at most the frame's width.
    const QRect screen = window.screen()->availableGeometry();
    const int frame = window.frameGeometry().width() - window.width();
    QVERIFY2(qAbs(window.frameGeometry().center().x() - screen.center().x()) <= frame + 1,
             qPrintable(u"window %1, screen %2"_s.arg(window.frameGeometry().center().x())
                            .arg(screen.center().x())));
}

void tst_frmMain::tabOrder_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("order");

    QTest::newRow("provide information")
        << 2 << QStringList{u"cmdNext"_s,   u"cmdCancel"_s, u"cmdBack"_s, u"txtTitle"_s,
                            u"txtAuthor"_s, u"cmdAbout"_s,  u"cmdNext"_s};
    QTest::newRow("select destination")
        << 4 << QStringList{u"cmdNext"_s,      u"cmdCancel"_s, u"cmdBack"_s, u"txtDestination"_s,
                            u"cmdBrowseDes"_s, u"cmdAbout"_s,  u"cmdNext"_s};
}

void tst_frmMain::tabOrder() {
    QFETCH(int, page);
    QFETCH(QStringList, order);
    m_wizard = std::make_unique<WizardHarness>(m_data.path());
    QVERIFY(m_wizard->open());
    goToPage(*m_wizard, page);
    m_wizard->control<QWidget>(order.constFirst())->setFocus(Qt::OtherFocusReason);
    QStringList visited{m_wizard->focusName()};
    for (qsizetype i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << m_wizard->focusName();
    }
    QCOMPARE(visited, order);
}

void tst_frmMain::startupDefaults_data() {
    QTest::addColumn<QString>("desktopFolder");
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("destination");

    QTest::newRow("desktop and login known")
        << u"/home/jane/Desktop"_s << u"jane"_s << u"/home/jane/Desktop/My Website"_s;
    QTest::newRow("no desktop folder") << QString() << u"jane"_s << u"My Website"_s;
    QTest::newRow("empty login name")
        << u"/home/jane/Desktop"_s << QString() << u"/home/jane/Desktop/My Website"_s;
}

void tst_frmMain::startupDefaults() {
    QFETCH(QString, desktopFolder);
    QFETCH(QString, login);

    m_wizard = std::make_unique<WizardHarness>(m_data.path());
    m_wizard->desktop().desktop = desktopFolder;
    m_wizard->desktop().login = login;
    QVERIFY(m_wizard->open());
    QCOMPARE(m_wizard->control<QLineEdit>(u"txtTitle"_s)->text(), u"My Website"_s);
    QCOMPARE(m_wizard->control<QLineEdit>(u"txtAuthor"_s)->text(), login);
    QTEST(m_wizard->control<QLineEdit>(u"txtDestination"_s)->text(), "destination");
}

void tst_frmMain::startup_extendsWelcomeTextReadOnceAndHidesBanner() {
    m_wizard = std::make_unique<WizardHarness>(m_data.path());
    QVERIFY(m_wizard->open());
    QCOMPARE(m_wizard->window().currentPage(), WizardPage::Welcome);
    QCOMPARE(m_wizard->control<QLabel>(u"lblWelcome"_s)->text(),
             u"Thank you for downloading Quillsite, a powerful and easy-to-use website creation "
             "wizard.\r\n\r\nQuillsite will enable you to create professional-looking websites "
             "within minutes. It will take about only 10 minutes to create your ready-to-publish "
             "personal website, which you can show to everyone after then."_s);
    // The label shows its first lines only; a screen reader reads each sentence once.
    QString read;
    for (QLabel *label : m_wizard->control<QWidget>(u"fraWizard_0"_s)->findChildren<QLabel *>())
        read += QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name) + u'\n';
    QCOMPARE(read.count(u"10 minutes"_s), 1);
    QVERIFY(read.contains(u"Thank you for downloading Quillsite"_s));
    QVERIFY(!m_wizard->control<QWidget>(u"cmdBack"_s)->isVisible());
    QVERIFY(m_wizard->control<QWidget>(u"cmdAbout"_s)->isVisible());
    QVERIFY(m_wizard->control<QWidget>(u"cmdCancel"_s)->isVisible());
    QCOMPARE(m_wizard->window().windowTitle(), u"Quillsite - Website Creation Wizard"_s);
    QVERIFY(m_wizard->control<QCheckBox>(u"chkView"_s)->isChecked());
}

void tst_frmMain::startup_focusOnNext_enterGoesToSelectTemplate() {
    m_wizard = std::make_unique<WizardHarness>(m_data.path());
    QVERIFY(m_wizard->open());
    // Checked first: Enter on any other button (About opens a modal box) would block here.
    QTRY_COMPARE(m_wizard->focusName(), u"cmdNext"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(m_wizard->window().currentPage(), WizardPage::SelectTemplate);
}

void tst_frmMain::tabIntoLongTitle_selectsAllAndTypingReplaces() {
    m_wizard = std::make_unique<WizardHarness>(m_data.path());
    QVERIFY(m_wizard->open());
    goToPage(*m_wizard, 2);
    auto *title = m_wizard->control<QLineEdit>(u"txtTitle"_s);
    const QString longTitle = u"The Very Long Title Of The Smith Family Photography Website"_s;
    title->setText(longTitle);
    title->setCursorPosition(3);
    m_wizard->control<QWidget>(u"cmdBack"_s)->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTRY_COMPARE(m_wizard->focusName(), u"txtTitle"_s);
    QCOMPARE(title->selectedText(), longTitle);
    QTest::keyClicks(title, u"Chess Club"_s);
    QCOMPARE(title->text(), u"Chess Club"_s);
}

void tst_frmMain::clickIntoTitle_selectsAll() {
    m_wizard = std::make_unique<WizardHarness>(m_data.path());
    QVERIFY(m_wizard->open());
    goToPage(*m_wizard, 2);
    auto *author = m_wizard->control<QLineEdit>(u"txtAuthor"_s);
    author->setFocus(Qt::OtherFocusReason);
    auto *title = m_wizard->control<QLineEdit>(u"txtTitle"_s);
    QTest::mouseClick(title, Qt::LeftButton, {}, QPoint(5, title->height() / 2));
    QTRY_COMPARE(title->selectedText(), u"My Website"_s);
}

void tst_frmMain::enterInTextBox_pressesNext_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("expectedPage");

    QTest::newRow("enter in title") << 2 << u"txtTitle"_s << 3;
    QTest::newRow("enter in author") << 2 << u"txtAuthor"_s << 3;
    QTest::newRow("enter in bad destination") << 4 << u"txtDestination"_s << 4;
}

void tst_frmMain::enterInTextBox_pressesNext() {
    QFETCH(int, page);
    QFETCH(QString, box);
    m_wizard = std::make_unique<WizardHarness>(m_data.path());
    m_wizard->desktop().desktop.clear();
    QVERIFY(m_wizard->open());
    goToPage(*m_wizard, page);
    auto *edit = m_wizard->control<QLineEdit>(box);
    edit->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(edit, Qt::Key_Return);
    QTEST(static_cast<int>(m_wizard->window().currentPage()), "expectedPage");
    if (page == 4)
        QCOMPARE(m_wizard->desktop().warnings, QStringList{invalidDestinationMessage});
}

void tst_frmMain::escape_keepsWindowOpen() {
    m_wizard = std::make_unique<WizardHarness>(m_data.path());
    QVERIFY(m_wizard->open());
    goToPage(*m_wizard, 2);
    QTest::keyClick(m_wizard->control<QLineEdit>(u"txtTitle"_s), Qt::Key_Escape);
    QVERIFY(m_wizard->window().isVisible());
    QCOMPARE(m_wizard->window().currentPage(), WizardPage::ProvideInformation);
}

void tst_frmMain::cancel_closesOnEveryPage_data() {
    QTest::addColumn<int>("page");
    for (int page = 0; page <= 5; ++page)
        QTest::addRow("page %d", page) << page;
}

void tst_frmMain::cancel_closesOnEveryPage() {
    QFETCH(int, page);
    m_wizard = std::make_unique<WizardHarness>(m_data.path());
    QVERIFY(m_wizard->open());
    if (page == 5)
        walk(*m_wizard, {u"next"_s, u"next"_s, u"next"_s, u"next"_s,
                         u"txtDestination:$OUT/cancelled"_s, u"next"_s});
    else
        goToPage(*m_wizard, page);
    QCOMPARE(static_cast<int>(m_wizard->window().currentPage()), page);
    m_wizard->click(u"cmdCancel"_s);
    QVERIFY(!m_wizard->window().isVisible());
    QVERIFY(m_wizard->desktop().openedUrls.isEmpty());
    QVERIFY(m_wizard->desktop().warnings.isEmpty());
    if (page == 5)
        QVERIFY(QFile::exists(m_output.filePath(u"cancelled/index.htm"_s)));
}

void tst_frmMain::closing_endsProgram_data() {
    QTest::addColumn<bool>("byCancel");
    QTest::newRow("cancel button") << true;
    QTest::newRow("close box") << false;
}

void tst_frmMain::closing_endsProgram() {
    QFETCH(bool, byCancel);
    m_wizard = std::make_unique<WizardHarness>(m_data.path());
    QVERIFY(m_wizard->open());
    goToPage(*m_wizard, 3);
    QSignalSpy lastWindowClosed(qApp, &QGuiApplication::lastWindowClosed);
    // The program ends by leaving its event loop; run one to see it end.
    QTimer::singleShot(0, this, [&] {
        if (byCancel)
            m_wizard->click(u"cmdCancel"_s);
        else
            m_wizard->window().close();
    });
    QTimer stopAnyway;
    stopAnyway.setSingleShot(true);
    connect(&stopAnyway, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    stopAnyway.start(10000);
    QCOMPARE(QApplication::exec(), 0);
    QCOMPARE(lastWindowClosed.count(), 1);
}

void tst_frmMain::enteringBuildPages_selectsHome_data() {
    QTest::addColumn<QStringList>("actions");
    QTest::newRow("by next") << QStringList{u"back"_s, u"next"_s};
    QTest::newRow("by back") << QStringList{u"next"_s, u"back"_s};
}

void tst_frmMain::enteringBuildPages_selectsHome() {
    QFETCH(QStringList, actions);
    m_wizard = std::make_unique<WizardHarness>(m_data.path());
    QVERIFY(m_wizard->open());
    goToPage(*m_wizard, 3);
    PageSet &pages = m_wizard->window().pageSet();
    QCOMPARE(pages.appendPage(u"About Us"_s), QString());
    QCOMPARE(pages.selectedPage(), 1);
    walk(*m_wizard, actions);
    QCOMPARE(m_wizard->window().currentPage(), WizardPage::BuildPages);
    QCOMPARE(pages.selectedPage(), 0);
    QCOMPARE(m_wizard->control<QListView>(u"lstMenu"_s)->currentIndex().data().toString(),
             u"Home"_s);
    QCOMPARE(pages.count(), 2);
}

void tst_frmMain::tabInPageList_goesIntoSelectedEditor() {
    m_wizard = std::make_unique<WizardHarness>(m_data.path());
    QVERIFY(m_wizard->open());
    goToPage(*m_wizard, 3);
    PageSet &pages = m_wizard->window().pageSet();
    QCOMPARE(pages.appendPage(u"About Us"_s), QString());
    auto *list = m_wizard->control<QListView>(u"lstMenu"_s);
    list->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(list->hasFocus());
    QTest::keyClick(list, Qt::Key_Tab);
    const QWidget *focus = QApplication::focusWidget();
    QVERIFY2(focus == pages.editor(1) || pages.editor(1)->isAncestorOf(focus),
             qPrintable(m_wizard->focusName()));
}

void tst_frmMain::buildPages_leftPressedOnArrivalAndOnPagesWithoutCaret() {
    m_wizard = std::make_unique<WizardHarness>(m_data.path());
    QVERIFY(m_wizard->open());
    goToPage(*m_wizard, 3);
    auto *toolbar = m_wizard->control<QToolBar>(u"tbrEdit"_s);
    auto button = [toolbar](const QString &key) {
        return toolbar->findChild<QAction *>(key)->isChecked();
    };
    PageSet &pages = m_wizard->window().pageSet();
    // The page's own report, which follows its first showing, agrees.
    QTRY_COMPARE_WITH_TIMEOUT(pages.editor(0)->QueryStatus(EditCommand::JustifyLeft),
                              CommandStatus::Latched, 15000);
    QVERIFY(button(u"Left"_s));

    pages.editor(0)->focusAtStart();
    pages.editor(0)->ExecCommand(EditCommand::JustifyCenter);
    QTRY_VERIFY_WITH_TIMEOUT(button(u"Center"_s) && !button(u"Left"_s), 15000);
    QCOMPARE(pages.appendPage(u"About Us"_s), QString());
    QVERIFY(button(u"Left"_s) && !button(u"Center"_s));
}

void tst_frmMain::addPage_eachWay_focusInNewPageAtItsStart_data() {
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("body"); // after typing "X"

    QTest::newRow("blank") << u"Blank"_s << u"<p>X</p>"_s;
    QTest::newRow("open") << u"Open"_s << u"<h2>XOpened</h2>"_s;
    QTest::newRow("ready-made") << u"Template"_s << u"<h1>XNews</h1>"_s;
}

void tst_frmMain::addPage_eachWay_focusInNewPageAtItsStart() {
    QFETCH(QString, way);
    QFETCH(QString, body);
    const QString opened = m_output.filePath(u"opened.htm"_s);
    QFile file(opened);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<h2>Opened</h2>");
    file.close();

    m_wizard = std::make_unique<WizardHarness>(m_data.path());
    QVERIFY(m_wizard->open());
    goToPage(*m_wizard, 3);
    QTimer::singleShot(0, this, [way, opened] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog)
            return;
        dialog->findChild<QAction *>(way)->trigger();
        dialog->findChild<QLineEdit *>(u"txtFile"_s)->setText(opened);
        auto *readyMade = dialog->findChild<QTreeWidget *>(u"lstPages"_s);
        if (readyMade->topLevelItemCount() > 0)
            readyMade->setCurrentItem(readyMade->topLevelItem(0));
        QTest::mouseClick(dialog->findChild<QPushButton *>(u"cmdAdd"_s), Qt::LeftButton);
    });
    m_wizard->control<QToolBar>(u"tbrMenu"_s)->findChild<QAction *>(u"Add"_s)->trigger();

    PageSet &pages = m_wizard->window().pageSet();
    QCOMPARE(pages.count(), 2);
    HtmlEditor *added = pages.editor(1);
    // The window manager gives the window back its activation when the dialog closes.
    m_wizard->window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m_wizard->window()));
    QTRY_VERIFY2(added->isAncestorOf(QApplication::focusWidget()),
                 qPrintable(m_wizard->focusName()));
    QTRY_VERIFY_WITH_TIMEOUT(added->hasCaret(), 15000);
    QTest::keyClicks(QApplication::focusWidget(), u"X"_s);
    QTRY_COMPARE_WITH_TIMEOUT(added->bodyHTML(), body, 15000);
}

void tst_frmMain::browse_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("destination");

    QTest::newRow("chosen folder replaces the text") << u"/srv/www"_s << u"/srv/www"_s;
    QTest::newRow("root folder") << u"/"_s << u"/"_s;
    QTest::newRow("cancel keeps the typed text") << QString() << u"/typed/by hand"_s;
}

void tst_frmMain::browse() {
    QFETCH(QString, answer);
    m_wizard = std::make_unique<WizardHarness>(m_data.path());
    m_wizard->desktop().folderAnswers = {answer};
    QVERIFY(m_wizard->open());
    goToPage(*m_wizard, 4);
    auto *destination = m_wizard->control<QLineEdit>(u"txtDestination"_s);
    destination->setText(u"/typed/by hand"_s);
    m_wizard->click(u"cmdBrowseDes"_s);
    QCOMPARE(m_wizard->desktop().folderTitles, QStringList{u"Select where you want to save."_s});
    QTEST(destination->text(), "destination");
    QTRY_COMPARE(m_wizard->focusName(), u"txtDestination"_s);
    QCOMPARE(destination->selectedText(), destination->text());
}

void tst_frmMain::finishPage_publishOpensTheDialog() {
    m_wizard = std::make_unique<WizardHarness>(m_data.path());
    QVERIFY(m_wizard->open());
    walk(*m_wizard, {u"next"_s, u"next"_s, u"txtTitle:Chess Club"_s, u"next"_s, u"next"_s,
                     u"txtDestination:$OUT/published"_s});
    auto *publish = m_wizard->control<QPushButton>(u"cmdPublish"_s);
    QVERIFY(!publish->isEnabled());
    m_wizard->click(u"cmdNext"_s);
    QCOMPARE(m_wizard->window().currentPage(), WizardPage::Finish);
    QVERIFY(publish->isVisible() && publish->isEnabled());
    QCOMPARE(publish->text(), u"&Publish..."_s);

    QString shownDialog;
    QTimer::singleShot(0, this, [&shownDialog] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (dialog) {
            shownDialog = dialog->windowTitle();
            dialog->close();
        }
    });
    m_wizard->click(u"cmdPublish"_s);
    QVERIFY2(shownDialog.startsWith(u"Publish"_s), qPrintable(shownDialog));
    QCOMPARE(m_wizard->window().currentPage(), WizardPage::Finish);
}

void tst_frmMain::about_leavesPageAndValues_data() {
    QTest::addColumn<int>("page");
    for (int page = 0; page <= 4; ++page)
        QTest::addRow("page %d", page) << page;
}

void tst_frmMain::about_leavesPageAndValues() {
    QFETCH(int, page);
    m_wizard = std::make_unique<WizardHarness>(m_data.path());
    QVERIFY(m_wizard->open());
    goToPage(*m_wizard, page);
    m_wizard->control<QLineEdit>(u"txtTitle"_s)->setText(u"Chess Club"_s);

    QString shownDialog;
    QTimer::singleShot(0, this, [&shownDialog] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (dialog) {
            shownDialog = dialog->objectName();
            dialog->close();
        }
    });
    m_wizard->click(u"cmdAbout"_s);
    QCOMPARE(shownDialog, u"frmAbout"_s);
    QCOMPARE(static_cast<int>(m_wizard->window().currentPage()), page);
    QCOMPARE(m_wizard->control<QStackedWidget>(u"stkWizard"_s)->currentIndex(), page);
    QCOMPARE(m_wizard->control<QLineEdit>(u"txtTitle"_s)->text(), u"Chess Club"_s);
    QCOMPARE(m_wizard->control<QWidget>(u"fraTop"_s)->isVisible(), page != 0);
}

void tst_frmMain::templateTexts_shownAsWritten_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::newRow("author") << u"lblAuthor"_s << u"<i>Markup</i> Author"_s;
    QTest::newRow("web address") << u"lblWebsite"_s << u"https://example.org/<b>x</b>"_s;
    QTest::newRow("description") << u"lblDescription"_s << u"The <i>Markup</i> look."_s;
}

void tst_frmMain::templateTexts_shownAsWritten() {
    QFETCH(QString, label);
    QTemporaryDir data;
    writeFixtureTemplate(data.filePath(u"templates"_s), {.folderName = u"markup"_s,
                                                         .name = u"<i>Markup</i>"_s,
                                                         .url = u"https://example.org/<b>x</b>"_s});
    m_wizard = std::make_unique<WizardHarness>(data.path());
    QVERIFY(m_wizard->open());
    goToPage(*m_wizard, 1);
    // What a template says is text, never markup that changes how the page looks.
    const auto *shown = m_wizard->control<QLabel>(label);
    QTEST(shown->text(), "text");
    QCOMPARE(shown->textFormat(), Qt::PlainText);
}

void tst_frmMain::noTemplateInstalled_saysSoAndNextRefuses_data() {
    QTest::addColumn<bool>("templatesFolder");
    QTest::newRow("empty templates folder") << true;
    QTest::newRow("no templates folder") << false;
}

void tst_frmMain::noTemplateInstalled_saysSoAndNextRefuses() {
    QFETCH(bool, templatesFolder);
    QTemporaryDir data;
    if (templatesFolder)
        QVERIFY(QDir(data.path()).mkdir(u"templates"_s));
    m_wizard = std::make_unique<WizardHarness>(data.path());
    QVERIFY(m_wizard->open());
    goToPage(*m_wizard, 1);
    const auto *notice = m_wizard->control<QLabel>(u"lblNoTemplates"_s);
    QVERIFY(notice->isVisible());
    QVERIFY(notice->text().startsWith(u"No website template is installed"_s));
    QVERIFY(notice->text().contains(data.filePath(u"templates"_s)));
    QVERIFY(!m_wizard->control<QWidget>(u"picSelTemp"_s)->isVisible());

    m_wizard->click(u"cmdNext"_s);
    QCOMPARE(m_wizard->window().currentPage(), WizardPage::SelectTemplate);
    QCOMPARE(m_wizard->desktop().warnings, QStringList{notice->text()});
}

void tst_frmMain::failedBuild_staysOnDestinationWithMessage() {
    const QString blocker = m_output.filePath(u"plain-file"_s);
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    m_wizard = std::make_unique<WizardHarness>(m_data.path());
    QVERIFY(m_wizard->open());
    walk(*m_wizard, {u"next"_s, u"next"_s, u"next"_s, u"next"_s,
                     u"txtDestination:"_s + blocker + u"/site"_s, u"next"_s});
    QCOMPARE(m_wizard->window().currentPage(), WizardPage::SelectDestination);
    QCOMPARE(m_wizard->control<QStackedWidget>(u"stkWizard"_s)->currentIndex(), 4);
    QCOMPARE(m_wizard->desktop().warnings.size(), 1);
    QVERIFY2(m_wizard->desktop().warnings.constFirst().contains(blocker),
             qPrintable(m_wizard->desktop().warnings.constFirst()));
    QCOMPARE(m_wizard->control<QPushButton>(u"cmdNext"_s)->text(), u"&Next >"_s);
    QVERIFY(m_wizard->control<QWidget>(u"fraTop"_s)->isVisible());
    QTRY_COMPARE(m_wizard->focusName(), u"txtDestination"_s);
    QVERIFY(!QFile::exists(blocker + u"/site/index.htm"_s));
}

QTEST_MAIN(tst_frmMain)
#include "tst_frmmain.moc"
