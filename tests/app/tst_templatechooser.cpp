// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/templatechooser.h"
#include "fakedesktopservices.h"
#include "templatefixture.h"

#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillsite;

namespace {

QImage plain(const QSize &size, const QColor &color) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

bool samePicture(const QPixmap &a, const QPixmap &b) {
    return a.toImage().convertToFormat(QImage::Format_RGB32) ==
           b.toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

// The Select Template page's controls, on their own.
struct ChooserPage {
    QWidget page;
    QListWidget *list = new QListWidget(&page);
    QLabel *preview = new QLabel(&page);
    QLabel *author = new QLabel(&page);
    QLabel *website = new QLabel(&page);
    QLabel *description = new QLabel(&page);
    FakeDesktopServices desktop;
    TemplateChooser chooser;

    ChooserPage()
        : chooser({list, preview, author, website, description,
                   QPixmap::fromImage(plain({190, 190}, Qt::white)),
                   QPixmap::fromImage(plain({80, 80}, Qt::yellow))},
                  desktop) {
        page.resize(600, 400);
        list->setGeometry(0, 0, 150, 380);
        list->setViewMode(QListView::IconMode);
        list->setIconSize({80, 80});
        preview->setGeometry(200, 0, 192, 192);
        preview->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        preview->setFrameShape(QFrame::Box);
        website->move(200, 200);
    }
};

class tst_TemplateChooser : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void listsTemplatesInFolderOrder_firstChosen();
    void thumbnail_data();
    void thumbnail();
    void preview_data();
    void preview();
    void missingKeys_emptyTheLabels();
    void keyboardSelection_keepsDetailsInStep();
    void clickOnEmptySpace_keepsChosenTemplate();
    void ctrlClickOnChosen_keepsIt();
    void largePreview_showsTopLeftCutOff();
    void websiteClick_data();
    void websiteClick();

private:
    QTemporaryDir m_data;
    QString m_templates;
};

void tst_TemplateChooser::initTestCase() {
    QVERIFY(m_data.isValid());
    m_templates = m_data.filePath(u"templates"_s);
    writeFixtureTemplate(m_templates, {.folderName = u"Alpha"_s,
                                       .name = u"Alpha"_s,
                                       .thumbColor = Qt::blue,
                                       .previewColor = Qt::green});
    writeFixtureTemplate(
        m_templates,
        {.folderName = u"beta"_s, .name = u"Beta (no thumbnail)"_s, .previewColor = Qt::cyan});
    writeFixtureTemplate(
        m_templates, {.folderName = u"Delta"_s, .name = u"Delta (no keys)"_s, .detailKeys = false});
    writeFixtureTemplate(m_templates, {.folderName = u"epsilon"_s,
                                       .name = u"Epsilon (broken)"_s,
                                       .thumbColor = Qt::red,
                                       .previewColor = Qt::red,
                                       .brokenPictures = true});
    writeFixtureTemplate(
        m_templates,
        {.folderName = u"gamma"_s, .name = u"Gamma (no preview)"_s, .thumbColor = Qt::magenta});
    writeFixtureTemplate(m_templates,
                         {.folderName = u"scratch"_s, .name = u"Scratch"_s, .dataIni = false});
    writeFixtureTemplate(m_templates, {.folderName = u"zeta"_s,
                                       .name = u"Zeta (big)"_s,
                                       .previewColor = Qt::darkGreen,
                                       .previewSize = {400, 300}});
}

void tst_TemplateChooser::listsTemplatesInFolderOrder_firstChosen() {
    ChooserPage page;
    page.chooser.LoadTemplates(m_templates);
    QStringList names;
    for (int row = 0; row < page.list->count(); ++row)
        names << page.list->item(row)->text();
    QCOMPARE(names, (QStringList{u"Alpha"_s, u"Beta (no thumbnail)"_s, u"Delta (no keys)"_s,
                                 u"Epsilon (broken)"_s, u"Gamma (no preview)"_s, u"Zeta (big)"_s}));
    QCOMPARE(page.list->selectedItems(), QList<QListWidgetItem *>{page.list->item(0)});
    QCOMPARE(page.chooser.chosenFolder(), m_templates + u"/Alpha"_s);
    QCOMPARE(page.author->text(), u"Alpha Author"_s);
    QCOMPARE(page.description->text(), u"The Alpha look."_s);
    QVERIFY(!page.chooser.isEmpty());
}

void tst_TemplateChooser::thumbnail_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QColor>("centre"); // invalid: the no-preview thumbnail

    QTest::newRow("own thumbnail") << 0 << QColor(Qt::blue);
    QTest::newRow("no screen_thumb.jpg") << 1 << QColor();
    QTest::newRow("undecodable thumbnail") << 3 << QColor();
    QTest::newRow("thumbnail without preview") << 4 << QColor(Qt::magenta);
}

void tst_TemplateChooser::thumbnail() {
    QFETCH(int, row);
    QFETCH(QColor, centre);
    ChooserPage page;
    page.chooser.LoadTemplates(m_templates);
    const QImage icon = page.list->item(row)->icon().pixmap(80, 80).toImage();
    QCOMPARE(icon.size(), QSize(80, 80));
    const QColor expected = centre.isValid() ? centre : QColor(Qt::yellow);
    const QColor actual = icon.pixelColor(40, 40);
    QVERIFY2(qAbs(actual.red() - expected.red()) < 8 &&
                 qAbs(actual.green() - expected.green()) < 8 &&
                 qAbs(actual.blue() - expected.blue()) < 8,
             qPrintable(actual.name()));
}

void tst_TemplateChooser::preview_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("noPreview");

    QTest::newRow("own preview") << 0 << false;
    QTest::newRow("preview without thumbnail") << 1 << false;
    QTest::newRow("no pictures at all") << 2 << true;
    QTest::newRow("undecodable preview") << 3 << true;
    QTest::newRow("thumbnail without preview") << 4 << true;
}

void tst_TemplateChooser::preview() {
    QFETCH(int, row);
    QFETCH(bool, noPreview);
    ChooserPage page;
    page.chooser.LoadTemplates(m_templates);
    page.list->setCurrentRow(row);
    const QPixmap shown = page.preview->pixmap();
    QVERIFY(!shown.isNull());
    QCOMPARE(samePicture(shown, QPixmap::fromImage(plain({190, 190}, Qt::white))), noPreview);
}

void tst_TemplateChooser::missingKeys_emptyTheLabels() {
    ChooserPage page;
    page.chooser.LoadTemplates(m_templates);
    QCOMPARE(page.website->text(), u"https://example.org/"_s);
    page.list->setCurrentRow(2);
    QCOMPARE(page.author->text(), QString());
    QCOMPARE(page.website->text(), QString());
    QCOMPARE(page.description->text(), QString());
}

void tst_TemplateChooser::keyboardSelection_keepsDetailsInStep() {
    ChooserPage page;
    page.chooser.LoadTemplates(m_templates);
    page.page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page.page));
    page.list->setFocus();
    QTest::keyClick(page.list, Qt::Key_Down);
    QCOMPARE(page.list->currentRow(), 1);
    QCOMPARE(page.author->text(), u"Beta (no thumbnail) Author"_s);
    QCOMPARE(page.chooser.chosenFolder(), m_templates + u"/beta"_s);
}

void tst_TemplateChooser::clickOnEmptySpace_keepsChosenTemplate() {
    ChooserPage page;
    page.chooser.LoadTemplates(m_templates);
    page.list->setCurrentRow(1);
    page.page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page.page));
    page.list->scrollToBottom();
    const QPoint empty(page.list->viewport()->width() - 3, page.list->viewport()->height() - 3);
    QVERIFY(!page.list->itemAt(empty));
    QTest::mouseClick(page.list->viewport(), Qt::LeftButton, {}, empty);
    QCOMPARE(page.list->selectedItems(), QList<QListWidgetItem *>{page.list->item(1)});
    QCOMPARE(page.chooser.chosenFolder(), m_templates + u"/beta"_s);
}

void tst_TemplateChooser::ctrlClickOnChosen_keepsIt() {
    ChooserPage page;
    page.chooser.LoadTemplates(m_templates);
    page.page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page.page));
    page.list->scrollToTop();
    const QRect chosen = page.list->visualItemRect(page.list->item(0));
    QTest::mouseClick(page.list->viewport(), Qt::LeftButton, Qt::ControlModifier, chosen.center());
    QCOMPARE(page.list->selectedItems(), QList<QListWidgetItem *>{page.list->item(0)});
    QCOMPARE(page.chooser.chosenFolder(), m_templates + u"/Alpha"_s);
}

void tst_TemplateChooser::largePreview_showsTopLeftCutOff() {
    ChooserPage page;
    page.chooser.LoadTemplates(m_templates);
    page.list->setCurrentRow(5);
    page.page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page.page));
    QCOMPARE(page.preview->size(), QSize(192, 192));
    QCOMPARE(page.preview->pixmap().size(), QSize(400, 300));
    const QImage shown = page.preview->grab().toImage();
    // Inside the one-pixel border: the red top-left corner of the picture, unscaled.
    const QColor corner = shown.pixelColor(4, 4);
    QVERIFY2(corner.red() > 200 && corner.green() < 60, qPrintable(corner.name()));
    const QColor beyond = shown.pixelColor(20, 20);
    QVERIFY2(beyond.green() > 60 && beyond.red() < 60, qPrintable(beyond.name()));
}

void tst_TemplateChooser::websiteClick_data() {
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("opened");

    QTest::newRow("https address opens") << u"https://example.org/"_s << true;
    QTest::newRow("http address opens") << u"http://example.org/designs"_s << true;
    QTest::newRow("mail address opens") << u"mailto:designer@example.org"_s << true;
    QTest::newRow("local file is ignored") << u"file:///etc/passwd"_s << false;
    QTest::newRow("script is ignored") << u"javascript:alert(1)"_s << false;
    QTest::newRow("address without scheme is ignored") << u"www.example.org"_s << false;
}

void tst_TemplateChooser::websiteClick() {
    QFETCH(QString, url);
    QFETCH(bool, opened);
    QTemporaryDir data;
    writeFixtureTemplate(data.path(), {.folderName = u"t"_s, .name = u"T"_s, .url = url});
    ChooserPage page;
    page.chooser.LoadTemplates(data.path());
    page.page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page.page));
    QCOMPARE(page.website->text(), url);
    QTest::mouseClick(page.website, Qt::LeftButton);
    QTest::mouseClick(page.website, Qt::LeftButton);
    QCOMPARE(page.desktop.openedUrls, opened ? (QList<QUrl>{QUrl(url), QUrl(url)}) : QList<QUrl>());
}

QTEST_MAIN(tst_TemplateChooser)
#include "tst_templatechooser.moc"
