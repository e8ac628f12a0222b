// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The work in the wizard: kept as a draft and taken up again from the Welcome page,
// previewed without touching the destination, and written in a large editor.

#include "../authoring/editorselection.h"
#include "authoring/htmleditor.h"
#include "authoring/pageset.h"
#include "project/draftstore.h"
#include "templatefixture.h"
#include "wizardharness.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTest>
#include <QToolBar>

#include <memory>

using namespace Qt::StringLiterals;
using namespace quillsite;

class tst_WizardWork : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void untouchedWizard_leavesNoDraft();
    void typedWork_keptThroughCancel_andTakenUpByItsAccessKey();
    void drafts_newestFirst_discardAsksThenRemoves_data();
    void drafts_newestFirst_discardAsksThenRemoves();
    void successfulBuild_removesTheDraft();
    void preview_buildsIntoPrivateFolder_destinationUntouched();
    void largeEditor_editsTheSamePage_andRemembersItsSize();

private:
    std::unique_ptr<WizardHarness> openWizard();
    void walkToBuildPages(WizardHarness &wizard);
    void typeIntoSelectedPage(WizardHarness &wizard, const QString &text);
    QStringList draftIds() const;

    QTemporaryDir m_data;
    std::unique_ptr<QTemporaryDir> m_state;
    std::unique_ptr<QTemporaryDir> m_output;
};

void tst_WizardWork::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_data.isValid());
    writeFixtureTemplate(m_data.filePath(u"templates"_s),
                         {.folderName = u"alpha"_s, .name = u"Alpha"_s});
}

void tst_WizardWork::init() {
    m_state = std::make_unique<QTemporaryDir>();
    m_output = std::make_unique<QTemporaryDir>();
    QSettings().clear();
}

void tst_WizardWork::cleanup() {
    QTRY_VERIFY(noWindowLeftOpen());
}

std::unique_ptr<WizardHarness> tst_WizardWork::openWizard() {
    auto wizard = std::make_unique<WizardHarness>(m_data.path());
    wizard->desktop().state = m_state->path();
    wizard->desktop().desktop = m_output->path();
    if (!wizard->open())
        return nullptr;
    return wizard;
}

QStringList tst_WizardWork::draftIds() const {
    return QDir(m_state->filePath(u"quillsite/drafts"_s))
        .entryList(QDir::Dirs | QDir::NoDotAndDotDot);
}

void tst_WizardWork::walkToBuildPages(WizardHarness &wizard) {
    for (int step = 0; step < 3; ++step)
        wizard.click(u"cmdNext"_s);
    QCOMPARE(wizard.window().currentPage(), WizardPage::BuildPages);
}

void tst_WizardWork::typeIntoSelectedPage(WizardHarness &wizard, const QString &text) {
    PageSet &pages = wizard.window().pageSet();
    HtmlEditor *page = pages.editor(pages.selectedPage());
    // Every document given to the editor shown first, so that the keys go into the last.
    QVERIFY(page->waitUntilCurrent());
    // The caret at the end of the last paragraph, as a click after the text puts it.
    QVERIFY(selectInEditor(*page, u"r.selectNodeContents(document.body.lastElementChild || "
                                  "document.body); r.collapse(false)"_s));
    page->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(editorKeys(*page), text);
    QTRY_VERIFY2_WITH_TIMEOUT(page->bodyHTML().contains(text), qPrintable(page->bodyHTML()), 15000);
}

void tst_WizardWork::untouchedWizard_leavesNoDraft() {
    auto wizard = openWizard();
    QVERIFY(wizard);
    walkToBuildPages(*wizard);
    HtmlEditor *home = wizard->window().pageSet().editor(0);
    QTRY_VERIFY_WITH_TIMEOUT(home->isReady(), 15000);
    wizard->window().close();
    QVERIFY(draftIds().isEmpty());
}

void tst_WizardWork::typedWork_keptThroughCancel_andTakenUpByItsAccessKey() {
    {
        auto wizard = openWizard();
        QVERIFY(wizard);
        QVERIFY(!wizard->control<QWidget>(u"scrDrafts"_s)->isVisible());
        wizard->click(u"cmdNext"_s);
        wizard->click(u"cmdNext"_s);
        wizard->control<QLineEdit>(u"txtTitle"_s)->setText(u"Chess Club"_s);
        wizard->click(u"cmdNext"_s);
        typeIntoSelectedPage(*wizard, u"We meet on Tuesdays."_s);
        // Cancel asks nothing and closes at once; what was typed is in the draft.
        wizard->click(u"cmdCancel"_s);
        QVERIFY(!wizard->window().isVisible());
        QVERIFY(wizard->desktop().questions.isEmpty());
    }
    QCOMPARE(draftIds().size(), 1);

    auto wizard = openWizard();
    QVERIFY(wizard);
    auto *offer = wizard->control<QPushButton>(u"cmdContinueDraft_0"_s);
    QVERIFY(offer && offer->isVisible());
    QVERIFY2(offer->text().remove(u'&').startsWith(
                 u"Continue the website you were writing (1 page, today "_s),
             qPrintable(offer->text()));
    QCOMPARE(wizard->window().currentPage(), WizardPage::Welcome);

    QTest::keyClick(&wizard->window(), Qt::Key_T, Qt::AltModifier);
    QTRY_COMPARE(wizard->window().currentPage(), WizardPage::BuildPages);
    QCOMPARE(wizard->control<QLineEdit>(u"txtTitle"_s)->text(), u"Chess Club"_s);
    QVERIFY2(wizard->window().pageSet().editor(0)->bodyHTML().contains(u"We meet on Tuesdays."_s),
             qPrintable(wizard->window().pageSet().editor(0)->bodyHTML()));
    QVERIFY(wizard->control<QWidget>(u"cmdBack"_s)->isVisible());
    QVERIFY(!offer->isVisible());
    // Carried on in the same draft, not in a second one.
    wizard->control<QLineEdit>(u"txtTitle"_s)->setText(u"Chess and Go Club"_s);
    wizard->window().close();
    wizard.reset(); // the window's end lets go of its draft
    QCOMPARE(draftIds().size(), 1);
    const DraftListing listing = DraftStore(m_state->path()).list();
    QCOMPARE(listing.drafts.size(), 1);
    QCOMPARE(listing.drafts[0].draft.title, u"Chess and Go Club"_s);
}

void tst_WizardWork::drafts_newestFirst_discardAsksThenRemoves_data() {
    QTest::addColumn<bool>("answer");
    QTest::newRow("yes: gone") << true;
    QTest::newRow("no: kept") << false;
}

void tst_WizardWork::drafts_newestFirst_discardAsksThenRemoves() {
    QFETCH(bool, answer);
    {
        DraftStore store(m_state->path());
        for (const QString &name : {u"older"_s, u"newer"_s}) {
            Draft draft{m_data.filePath(u"templates/alpha"_s),
                        name,
                        u"Ann"_s,
                        {{0, u"Home"_s, u"<p>"_s + name + u"</p>"_s, m_data.path()}},
                        m_output->path()};
            if (name == u"newer")
                draft.openedFolder = m_output->filePath(u"Club Site"_s);
            QCOMPARE(store.save(name, draft), QString());
            QTRY_VERIFY(QDateTime::currentDateTimeUtc() > draft.saved);
        }
    }
    auto wizard = openWizard();
    QVERIFY(wizard);
    auto *first = wizard->control<QPushButton>(u"cmdContinueDraft_0"_s);
    auto *second = wizard->control<QPushButton>(u"cmdContinueDraft_1"_s);
    QVERIFY(first && second);
    QVERIFY2(first->text().contains(u"(Club Site, 1 page, today"_s), qPrintable(first->text()));
    QVERIFY2(!second->text().contains(u"Club Site"_s), qPrintable(second->text()));

    wizard->desktop().askAnswers = {answer};
    wizard->click(u"cmdDiscardDraft_0"_s);
    QCOMPARE(wizard->desktop().questions.size(), 1);
    QCOMPARE(first->isVisible(), !answer);
    QCOMPARE(draftIds(), answer ? QStringList{u"older"_s} : (QStringList{u"newer"_s, u"older"_s}));
    wizard->window().close();
}

void tst_WizardWork::successfulBuild_removesTheDraft() {
    auto wizard = openWizard();
    QVERIFY(wizard);
    walkToBuildPages(*wizard);
    typeIntoSelectedPage(*wizard, u"Hello."_s);
    QTRY_COMPARE_WITH_TIMEOUT(draftIds().size(), 1, 10000);
    wizard->click(u"cmdNext"_s);
    wizard->control<QLineEdit>(u"txtDestination"_s)->setText(m_output->filePath(u"site"_s));
    wizard->click(u"cmdNext"_s);
    QCOMPARE(wizard->window().currentPage(), WizardPage::Finish);
    QVERIFY(draftIds().isEmpty());
    wizard->window().close();
    QVERIFY(draftIds().isEmpty());
}

void tst_WizardWork::preview_buildsIntoPrivateFolder_destinationUntouched() {
    auto wizard = openWizard();
    QVERIFY(wizard);
    const QString destination = wizard->control<QLineEdit>(u"txtDestination"_s)->text();
    walkToBuildPages(*wizard);
    typeIntoSelectedPage(*wizard, u"First words."_s);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F5);
    QTRY_COMPARE(wizard->desktop().openedUrls.size(), 1);
    const QString opened = wizard->desktop().openedUrls[0].toLocalFile();
    QVERIFY2(opened.endsWith(u"/index.htm"_s), qPrintable(opened));
    QVERIFY(!opened.startsWith(m_output->path()));
    const QString folder = QFileInfo(opened).path();
    QVERIFY((QFileInfo(folder).permissions() & (QFile::ReadOther | QFile::ReadGroup)) == 0);
    QFile page(opened);
    QVERIFY(page.open(QIODevice::ReadOnly));
    QVERIFY(page.readAll().contains("First words."));
    page.close();
    QVERIFY(QFileInfo::exists(folder + u"/files"_s));
    QVERIFY(!QFileInfo::exists(destination));

    // A second preview, from the button, in the same folder with the change.
    typeIntoSelectedPage(*wizard, u" More."_s);
    auto *button = wizard->control<QToolBar>(u"tbrEdit"_s)
                       ->widgetForAction(wizard->window().findChild<QAction *>(u"Preview"_s));
    QTest::mouseClick(button, Qt::LeftButton);
    QTRY_COMPARE(wizard->desktop().openedUrls.size(), 2);
    QCOMPARE(wizard->desktop().openedUrls[1].toLocalFile(), opened);
    QVERIFY(page.open(QIODevice::ReadOnly));
    QVERIFY(page.readAll().contains("First words. More."));
    QVERIFY(!QFileInfo::exists(destination));
    wizard->window().close();
}

void tst_WizardWork::largeEditor_editsTheSamePage_andRemembersItsSize() {
    auto wizard = openWizard();
    QVERIFY(wizard);
    walkToBuildPages(*wizard);
    typeIntoSelectedPage(*wizard, u"Before."_s);
    HtmlEditor *home = wizard->window().pageSet().editor(0);
    const QSize wizardSize = wizard->window().size();

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_E,
                    Qt::ControlModifier | Qt::ShiftModifier);
    QDialog *large = nullptr;
    QTRY_VERIFY((large = wizard->window().findChild<QDialog *>(u"frmLargeEditor"_s)) &&
                large->isVisible());
    QCOMPARE(home->window(), large);
    QVERIFY(large->minimumSize() != large->maximumSize());
    large->resize(700, 520);
    typeIntoSelectedPage(*wizard, u" In the large window."_s);
    large->close();
    QTRY_COMPARE(home->window(), &wizard->window());
    QCOMPARE(wizard->control<QStackedWidget>(u"stkPages"_s)->currentWidget(), home);
    QVERIFY(home->bodyHTML().contains(u"Before. In the large window."_s));
    QCOMPARE(wizard->window().size(), wizardSize);

    QAction *button = wizard->window().findChild<QAction *>(u"LargeEditor"_s);
    button->trigger();
    QTRY_VERIFY((large = wizard->window().findChild<QDialog *>(u"frmLargeEditor"_s)) &&
                large->isVisible());
    QCOMPARE(large->size(), QSize(700, 520));
    large->close();
    wizard->window().close();
}

QTEST_MAIN(tst_WizardWork)
#include "tst_wizardwork.moc"
