#include "../authoring/editorselection.h"
#include "authoring/htmleditor.h"
#include "authoring/pageset.h"
#include "templatefixture.h"
#include "wizardharness.h"

#include <QAction>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillsite;

class tst_WizardEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void welcomeToFinish_writesTypedSiteAndOpensIt();
};

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

    // Enter on arrival finishes: the focus is on Finish, not on "View my website".
    QTRY_COMPARE(wizard.focusName(), u"cmdNext"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(wizard.desktop().openedUrls,
             QList<QUrl>{QUrl::fromLocalFile(destination + u"/index.htm"_s)});
    QVERIFY(!wizard.window().isVisible());
}

QTEST_MAIN(tst_WizardEndToEnd)
#include "tst_wizardendtoend.moc"
