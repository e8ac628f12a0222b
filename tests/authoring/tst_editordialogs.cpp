#include "authoring/fontdialog.h"
#include "authoring/imagedialog.h"
#include "authoring/linkdialog.h"
#include "fakedesktopservices.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillsite;

namespace {

QPushButton *okButton(QDialog &dialog) {
    return dialog.findChild<QDialogButtonBox *>(u"buttons"_s)->button(QDialogButtonBox::Ok);
}

} // namespace

class tst_EditorDialogs : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void linkDialog_newLink_needsAnAddress();
    void linkDialog_existingLink_offersAddressAndAllowsRemoval();
    void imageDialog_needsPictureAndGivesAlternativeText();
    void imageDialog_selectedPicture_isShownToBeChanged();
    void imageDialog_browse_data();
    void imageDialog_browse();
    void pictureAddress_data();
    void pictureAddress();
    void fontDialog_offersCurrentFontAndGivesChoice();
    void fontDialog_colour_data();
    void fontDialog_colour();

private:
    FakeDesktopServices m_desktop;
};

void tst_EditorDialogs::cleanup() {
    m_desktop = FakeDesktopServices();
    QVERIFY(QApplication::topLevelWidgets().isEmpty() ||
            std::none_of(QApplication::topLevelWidgets().cbegin(),
                         QApplication::topLevelWidgets().cend(),
                         [](QWidget *w) { return w->isVisible(); }));
}

void tst_EditorDialogs::linkDialog_newLink_needsAnAddress() {
    LinkDialog dialog{QString()};
    auto *address = dialog.findChild<QLineEdit *>(u"txtAddress"_s);
    QVERIFY(address->text().isEmpty());
    QVERIFY(!okButton(dialog)->isEnabled());
    QTest::keyClicks(address, u"  news.htm "_s);
    QVERIFY(okButton(dialog)->isEnabled());
    QCOMPARE(dialog.address(), u"news.htm"_s);
}

void tst_EditorDialogs::linkDialog_existingLink_offersAddressAndAllowsRemoval() {
    LinkDialog dialog(u"https://example.com/"_s);
    auto *address = dialog.findChild<QLineEdit *>(u"txtAddress"_s);
    QCOMPARE(address->text(), u"https://example.com/"_s);
    address->clear();
    QVERIFY(okButton(dialog)->isEnabled());
    QCOMPARE(dialog.address(), QString());
}

void tst_EditorDialogs::imageDialog_needsPictureAndGivesAlternativeText() {
    ImageDialog dialog(m_desktop);
    QVERIFY(!okButton(dialog)->isEnabled());
    QTest::keyClicks(dialog.findChild<QLineEdit *>(u"txtPicture"_s), u"/home/me/cat.jpg"_s);
    QTest::keyClicks(dialog.findChild<QLineEdit *>(u"txtAlternative"_s), u"Our cat"_s);
    QVERIFY(okButton(dialog)->isEnabled());
    const ImageChoice choice = dialog.choice();
    QCOMPARE(choice.address, u"file:///home/me/cat.jpg"_s);
    QCOMPARE(choice.alternativeText, u"Our cat"_s);
}

void tst_EditorDialogs::imageDialog_selectedPicture_isShownToBeChanged() {
    ImageDialog dialog(
        m_desktop, ImageChoice{u"file:///home/me/my%20cat.jpg"_s, u"Cat"_s, PictureSize::Medium});
    auto *picture = dialog.findChild<QLineEdit *>(u"txtPicture"_s);
    QCOMPARE(picture->text(), u"/home/me/my cat.jpg"_s);
    QVERIFY(okButton(dialog)->isEnabled());
    QTest::keyClicks(dialog.findChild<QLineEdit *>(u"txtAlternative"_s), u" asleep"_s);
    dialog.findChild<QComboBox *>(u"cboSize"_s)->setCurrentIndex(3);
    const ImageChoice choice = dialog.choice();
    QCOMPARE(choice.address, u"file:///home/me/my%20cat.jpg"_s);
    QCOMPARE(choice.alternativeText, u"Cat asleep"_s);
    QCOMPARE(choice.size, PictureSize::FullWidth);
}

void tst_EditorDialogs::imageDialog_browse_data() {
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("picture");

    QTest::newRow("file chosen") << QStringList{u"/home/me/dog.png"_s} << u"/home/me/dog.png"_s;
    QTest::newRow("cancelled, typed text kept") << QStringList() << u"typed.gif"_s;
}

void tst_EditorDialogs::imageDialog_browse() {
    QFETCH(QStringList, answers);
    QFETCH(QString, picture);
    m_desktop.fileAnswers = answers;
    ImageDialog dialog(m_desktop);
    auto *txtPicture = dialog.findChild<QLineEdit *>(u"txtPicture"_s);
    txtPicture->setText(u"typed.gif"_s);

    dialog.findChild<QPushButton *>(u"cmdBrowse"_s)->click();

    QCOMPARE(m_desktop.fileQuestions.size(), 1);
    QCOMPARE(m_desktop.fileQuestions[0].title, u"Choose a Picture"_s);
    QCOMPARE(txtPicture->text(), picture);
}

void tst_EditorDialogs::pictureAddress_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("address");

    QTest::newRow("file on disk") << u"/home/me/cat.jpg"_s << u"file:///home/me/cat.jpg"_s;
    QTest::newRow("file with blank and accent")
        << u"/home/me/my caf\u00e9.png"_s << u"file:///home/me/my%20caf%C3%A9.png"_s;
    QTest::newRow("web address kept")
        << u"https://example.com/a.png"_s << u"https://example.com/a.png"_s;
    QTest::newRow("relative path kept") << u"files/logo.gif"_s << u"files/logo.gif"_s;
    QTest::newRow("blanks around dropped") << u"  files/logo.gif "_s << u"files/logo.gif"_s;
}

void tst_EditorDialogs::pictureAddress() {
    QFETCH(QString, typed);
    QFETCH(QString, address);
    QCOMPARE(quillsite::pictureAddress(typed), address);
}

void tst_EditorDialogs::fontDialog_offersCurrentFontAndGivesChoice() {
    const QString family = QFontComboBox().currentFont().family();
    FontDialog dialog(FontChoice{family, 18, QColor(Qt::blue)}, m_desktop);
    auto *size = dialog.findChild<QComboBox *>(u"cboSize"_s);
    QCOMPARE(size->count(), 7);
    QCOMPARE(size->currentText(), u"18"_s);
    QCOMPARE(dialog.choice().color, QColor(Qt::blue));

    size->setCurrentIndex(size->findText(u"36"_s));
    const FontChoice choice = dialog.choice();
    QCOMPARE(choice.family, family);
    QCOMPARE(choice.pointSize, 36);
}

void tst_EditorDialogs::fontDialog_colour_data() {
    QTest::addColumn<QColor>("current");
    QTest::addColumn<QList<QColor>>("answers");
    QTest::addColumn<QColor>("offered");
    QTest::addColumn<QColor>("chosen");

    QTest::newRow("colour chosen") << QColor(Qt::blue) << QList<QColor>{QColor(Qt::red)}
                                   << QColor(Qt::blue) << QColor(Qt::red);
    QTest::newRow("cancelled, colour kept")
        << QColor(Qt::blue) << QList<QColor>() << QColor(Qt::blue) << QColor(Qt::blue);
    QTest::newRow("no colour yet, black offered")
        << QColor() << QList<QColor>{QColor(Qt::green)} << QColor(Qt::black) << QColor(Qt::green);
}

void tst_EditorDialogs::fontDialog_colour() {
    QFETCH(QColor, current);
    QFETCH(QList<QColor>, answers);
    QFETCH(QColor, offered);
    QFETCH(QColor, chosen);
    m_desktop.colourAnswers = answers;
    FontDialog dialog(FontChoice{QString(), 0, current}, m_desktop);

    dialog.findChild<QPushButton *>(u"cmdColor"_s)->click();

    QCOMPARE(m_desktop.colourQuestions, QList<QColor>{offered});
    QCOMPARE(dialog.choice().color, chosen);
}

QTEST_MAIN(tst_EditorDialogs)
#include "tst_editordialogs.moc"
