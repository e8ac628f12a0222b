#include "authoring/fontdialog.h"
#include "authoring/imagedialog.h"
#include "authoring/linkdialog.h"

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
    void pictureAddress_data();
    void pictureAddress();
    void fontDialog_offersCurrentFontAndGivesChoice();
};

void tst_EditorDialogs::cleanup() {
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
    ImageDialog dialog;
    QVERIFY(!okButton(dialog)->isEnabled());
    QTest::keyClicks(dialog.findChild<QLineEdit *>(u"txtPicture"_s), u"/home/me/cat.jpg"_s);
    QTest::keyClicks(dialog.findChild<QLineEdit *>(u"txtAlternative"_s), u"Our cat"_s);
    QVERIFY(okButton(dialog)->isEnabled());
    const ImageChoice choice = dialog.choice();
    QCOMPARE(choice.address, u"file:///home/me/cat.jpg"_s);
    QCOMPARE(choice.alternativeText, u"Our cat"_s);
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
    FontDialog dialog(FontChoice{family, 18, QColor(Qt::blue)});
    auto *size = dialog.findChild<QComboBox *>(u"cboSize"_s);
    QCOMPARE(size->count(), 7);
    QCOMPARE(size->currentText(), u"18"_s);
    QCOMPARE(dialog.choice().color, QColor(Qt::blue));

    size->setCurrentIndex(size->findText(u"36"_s));
    const FontChoice choice = dialog.choice();
    QCOMPARE(choice.family, family);
    QCOMPARE(choice.pointSize, 36);
}

QTEST_MAIN(tst_EditorDialogs)
#include "tst_editordialogs.moc"
