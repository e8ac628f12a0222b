// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

// A site written in the wizard with everything the editor offers builds into valid HTML5.

#include "../authoring/editorselection.h"
#include "../e2e/sitefixture.h"
#include "authoring/editcommand.h"
#include "authoring/htmleditor.h"
#include "authoring/linktarget.h"
#include "authoring/pageset.h"
#include "builder/pagenames.h"
#include "wizardharness.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

using namespace Qt::StringLiterals;
using namespace quillsite;

namespace {

constexpr int Timeout = 15000;

} // namespace

class tst_EditedSiteHtml : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyEditingWay_buildsValidHtml5();

private:
    void select(int paragraph);
    void press(const QString &key);
    void addPage(const QString &way, const QString &file = {});

    QTemporaryDir m_dir;
    std::unique_ptr<WizardHarness> m_wizard;
    HtmlEditor *m_editor = nullptr;
};

void tst_EditedSiteHtml::initTestCase() {
    if (const QString missing = e2e::htmlCheckerMissing(); !missing.isEmpty())
        QSKIP(qPrintable(missing));
    QVERIFY(m_dir.isValid());
}

// Selects the whole of the page's paragraph (counted from 1) as a user does with the mouse.
void tst_EditedSiteHtml::select(int paragraph) {
    QVERIFY(selectContents(*m_editor, u"body > :nth-child(%1)"_s.arg(paragraph)));
}

void tst_EditedSiteHtml::press(const QString &key) {
    m_wizard->control<QToolBar>(u"tbrEdit"_s)->findChild<QAction *>(key)->trigger();
}

void tst_EditedSiteHtml::addPage(const QString &way, const QString &file) {
    QTimer::singleShot(0, this, [way, file] {
        QWidget *dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        dialog->findChild<QAction *>(way)->trigger();
        dialog->findChild<QLineEdit *>(u"txtFile"_s)->setText(file);
        auto *readyMade = dialog->findChild<QTreeWidget *>(u"lstPages"_s);
        if (readyMade->topLevelItemCount() > 0)
            readyMade->setCurrentItem(readyMade->topLevelItem(0));
        dialog->findChild<QPushButton *>(u"cmdAdd"_s)->click();
    });
    m_wizard->control<QToolBar>(u"tbrMenu"_s)->findChild<QAction *>(u"Add"_s)->trigger();
    PageSet &pages = m_wizard->window().pageSet();
    m_editor = pages.editor(pages.count() - 1);
    QTRY_VERIFY_WITH_TIMEOUT(m_editor->hasCaret(), Timeout);
}

void tst_EditedSiteHtml::everyEditingWay_buildsValidHtml5() {
    const QString opened = m_dir.filePath(u"old page.htm"_s);
    QFile old(opened);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("<html><body><p><font face=\"Arial\" size=\"2\" color=\"green\">old</font>"
              "<b></b></p><center>centred</center></body></html>");
    old.close();

    m_wizard = std::make_unique<WizardHarness>(QStringLiteral(QUILLSITE_BIN_DIR));
    FakeEditorDialogs &dialogs = m_wizard->dialogs();
    QVERIFY(m_wizard->open());
    for (int step = 0; step < 3; ++step)
        m_wizard->click(u"cmdNext"_s);
    PageSet &pages = m_wizard->window().pageSet();
    m_editor = pages.editor(0);
    m_editor->focusAtStart();
    QTRY_VERIFY_WITH_TIMEOUT(m_editor->hasCaret(), Timeout);
    const QStringList paragraphs{u"Welcome"_s,        u"Heading two"_s,  u"Heading three"_s,
                                 u"Back to normal"_s, u"Quoted words"_s, u"Made a heading"_s,
                                 u"Formatted"_s,      u"to home"_s,      u"to the web"_s,
                                 u"to a mailbox"_s,   u"to a file"_s,    u"picture here"_s,
                                 u"numbered"_s,       u"bulleted"_s};
    QTest::keyClicks(editorKeys(*m_editor), paragraphs.join(u'\r'));
    QTRY_COMPARE_WITH_TIMEOUT(m_editor->bodyHTML().count(u"<p>"_s), paragraphs.size(), Timeout);

    // Paragraph styles by keys, by the menu's command and by the font dialog.
    const struct {
        int paragraph;
        int key;
        QString made;
    } styleKeys[] = {{1, Qt::Key_1, u"<h1>Welcome</h1>"_s},
                     {2, Qt::Key_2, u"<h2>Heading two</h2>"_s},
                     {3, Qt::Key_3, u"<h3>Heading three</h3>"_s},
                     {4, Qt::Key_1, u"<h1>Back to normal</h1>"_s},
                     {4, Qt::Key_0, u"<p>Back to normal</p>"_s}};
    for (const auto &step : styleKeys) {
        select(step.paragraph);
        QTest::keyClick(editorKeys(*m_editor), Qt::Key(step.key), Qt::ControlModifier);
        QTRY_VERIFY2_WITH_TIMEOUT(m_editor->bodyHTML().contains(step.made),
                                  qPrintable(m_editor->bodyHTML()), Timeout);
    }
    select(5);
    m_editor->setParagraphStyle(ParagraphStyle::Quote);
    dialogs.fontAnswers = {
        FontChoice{u"Georgia, serif"_s, 18, QColor(Qt::red), ParagraphStyle::Heading2},
        FontChoice{u"monospace"_s, 10, QColor(), std::nullopt}};
    select(6);
    press(u"Font"_s);
    select(7);
    press(u"Font"_s);
    for (const QString &key : {u"Bold"_s, u"Italic"_s, u"Underline"_s, u"Center"_s, u"Right"_s})
        press(key);

    // A link of each kind, a picture, a paste from another program, and the lists.
    dialogs.linkAnswers = {pageLink(u"Home"_s), u"https://example.org/beans"_s,
                           u"mailto:ann@example.org"_s,
                           linkAddressOf({LinkKind::File, opened}).address};
    for (int paragraph = 8; paragraph <= 11; ++paragraph) {
        select(paragraph);
        press(u"Hyperlink"_s);
    }
    dialogs.imageAnswers = {ImageChoice{u"files/picture.png"_s, u"A picture"_s}};
    select(12);
    press(u"Image"_s);
    select(13);
    for (const QString &key : {u"Ordered"_s, u"Ordered"_s, u"Ordered"_s})
        press(key);
    select(14);
    press(u"Unordered"_s);
    QTRY_VERIFY2_WITH_TIMEOUT(m_editor->bodyHTML().contains(u"<ul><li>bulleted"_s),
                              qPrintable(m_editor->bodyHTML()), Timeout);
    m_editor->findChild<QWebEngineView *>()->page()->runJavaScript(
        u"(() => { const data = new DataTransfer(); data.setData('text/html', "
        "'<p><font face=\"Arial\" size=\"5\">pasted</font><span></span></p><ul><li>x</li></ul>"
        "<img src=\"files/picture.png\">'); "
        "document.body.children[11].dispatchEvent(new ClipboardEvent('paste', "
        "{clipboardData: data, bubbles: true, cancelable: true})); })()"_s,
        QWebEngineScript::ApplicationWorld);
    QTRY_VERIFY_WITH_TIMEOUT(m_editor->bodyHTML().contains(u"pasted"_s), Timeout);

    // The three ways of adding a page, typed into at once.
    addPage(u"Blank"_s);
    QTest::keyClicks(editorKeys(*m_editor), u"A blank page"_s);
    addPage(u"Open"_s, opened);
    QTest::keyClicks(editorKeys(*m_editor), u"Opened: "_s);
    addPage(u"Template"_s);
    QTest::keyClicks(editorKeys(*m_editor), u"Ready-made: "_s);
    QTRY_VERIFY_WITH_TIMEOUT(m_editor->bodyHTML().contains(u"Ready-made: "_s), Timeout);

    m_wizard->click(u"cmdNext"_s);
    const QString site = m_dir.filePath(u"site"_s);
    m_wizard->control<QLineEdit>(u"txtDestination"_s)->setText(site);
    m_wizard->click(u"cmdNext"_s);
    QCOMPARE(m_wizard->desktop().warnings, QStringList());
    QCOMPARE(m_wizard->window().currentPage(), WizardPage::Finish);

    QStringList files;
    for (const QString &name : QDir(site).entryList({u"*.htm"_s}, QDir::Files, QDir::Name))
        files.append(QDir(site).filePath(name));
    QCOMPARE(files.size(), 4);
    // The session did make what it set out to.
    QFile home(QDir(site).filePath(u"index.htm"_s));
    QVERIFY(home.open(QIODevice::ReadOnly));
    const QString homePage = QString::fromUtf8(home.readAll());
    for (const QString &made :
         {u"<h1>Welcome"_s, u"<h2>Heading two"_s, u"<h3>Heading three"_s, u"<blockquote>"_s,
          u"<span style=\"font-family"_s, u"<b>"_s, u"<ol>"_s, u"<ul>"_s, u"text-align"_s,
          u"href=\"index.htm\""_s, u"href=\"https://example.org/beans\""_s,
          u"href=\"mailto:ann@example.org\""_s, u"href=\"media/"_s, u"alt=\"A picture\""_s,
          u"pasted"_s})
        QVERIFY2(homePage.contains(made), qPrintable(made + u" missing from\n"_s + homePage));
    const QString errors = e2e::htmlCheckerErrors(files);
    QVERIFY2(errors.trimmed().isEmpty(), qPrintable(errors));
}

QTEST_MAIN(tst_EditedSiteHtml)
#include "tst_editedsitehtml.moc"
