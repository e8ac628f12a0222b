// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "authoring/fontdialog.h"
#include "authoring/imagedialog.h"
#include "authoring/linkdialog.h"
#include "fakedesktopservices.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
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
    void linkDialog_eachKind_givesItsAddress_data();
    void linkDialog_eachKind_givesItsAddress();
    void linkDialog_existingLink_showsItAndCanBeRemoved();
    void linkDialog_browse_choosesFileOnThisComputer();
    void imageDialog_needsPictureAndGivesAlternativeText();
    void imageDialog_selectedPicture_isShownToBeChanged();
    void imageDialog_browse_data();
    void imageDialog_browse();
    void pictureAddress_data();
    void pictureAddress();
    void fontDialog_offersTemplateFontsAndGivesOnlyWhatChanged();
    void fontDialog_fontOfNoneOffered_isKeptUnlessChanged();
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

void tst_EditorDialogs::linkDialog_eachKind_givesItsAddress_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("address"); // empty: OK stays disabled, the problem is shown

    QTest::newRow("page of this site") << u"cboPage"_s << u"About Us"_s << u"about%20us.htm"_s;
    QTest::newRow("bare web address")
        << u"txtWeb"_s << u"example.org/beans"_s << u"https://example.org/beans"_s;
    QTest::newRow("not a web address") << u"txtWeb"_s << u"beans"_s << QString();
    QTest::newRow("e-mail address")
        << u"txtEmail"_s << u"ann@example.org"_s << u"mailto:ann@example.org"_s;
    QTest::newRow("not an e-mail address") << u"txtEmail"_s << u"ann"_s << QString();
    QTest::newRow("file not there") << u"txtFile"_s << u"/no/such/file.pdf"_s << QString();
}

void tst_EditorDialogs::linkDialog_eachKind_givesItsAddress() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, address);

    LinkDialog dialog(QString(), {u"Home"_s, u"About Us"_s}, m_desktop);
    if (auto *pages = dialog.findChild<QComboBox *>(field)) {
        pages->setCurrentText(typed);
        emit pages->activated(pages->currentIndex());
    } else {
        QTest::keyClicks(dialog.findChild<QLineEdit *>(field), typed);
    }
    QCOMPARE(okButton(dialog)->isEnabled(), !address.isEmpty());
    QCOMPARE(dialog.findChild<QLabel *>(u"lblProblem"_s)->text().isEmpty(), !address.isEmpty());
    if (!address.isEmpty())
        QCOMPARE(dialog.address(), address);
}

void tst_EditorDialogs::linkDialog_existingLink_showsItAndCanBeRemoved() {
    LinkDialog dialog(u"mailto:ann@example.org"_s, {u"Home"_s}, m_desktop);
    QVERIFY(dialog.findChild<QRadioButton *>(u"optEmail"_s)->isChecked());
    QCOMPARE(dialog.findChild<QLineEdit *>(u"txtEmail"_s)->text(), u"ann@example.org"_s);
    QCOMPARE(dialog.address(), u"mailto:ann@example.org"_s);
    QPushButton *remove = nullptr;
    for (QAbstractButton *button : dialog.findChild<QDialogButtonBox *>()->buttons()) {
        if (button->text() == u"&Remove Link"_s)
            remove = qobject_cast<QPushButton *>(button);
    }
    QVERIFY(remove);
    remove->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.address(), QString());
}

void tst_EditorDialogs::linkDialog_browse_choosesFileOnThisComputer() {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"notes.pdf"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    m_desktop.fileAnswers = {path};
    LinkDialog dialog(QString(), {u"Home"_s}, m_desktop);
    dialog.findChild<QPushButton *>(u"cmdBrowse"_s)->click();
    QCOMPARE(m_desktop.fileQuestions.size(), 1);
    QVERIFY(dialog.findChild<QRadioButton *>(u"optFile"_s)->isChecked());
    QVERIFY(okButton(dialog)->isEnabled());
    QCOMPARE(dialog.address(), QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded));
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

void tst_EditorDialogs::fontDialog_offersTemplateFontsAndGivesOnlyWhatChanged() {
    const QStringList templateFonts{u"Georgia, serif"_s, u"\"Trebuchet MS\", sans-serif"_s};
    FontDialog dialog(FontChoice{u"Georgia"_s, 18, QColor(Qt::blue), ParagraphStyle::Heading2},
                      templateFonts, m_desktop);
    auto *face = dialog.findChild<QComboBox *>(u"cboFace"_s);
    QStringList faces;
    for (int i = 0; i < face->count(); ++i)
        faces.append(face->itemData(i).toString());
    QCOMPARE(faces, (templateFonts + QStringList{u"serif"_s, u"sans-serif"_s, u"monospace"_s}));
    QCOMPARE(face->currentText(), u"Georgia"_s);
    auto *size = dialog.findChild<QComboBox *>(u"cboSize"_s);
    QCOMPARE(size->count(), 6);
    QCOMPARE(size->currentText(), u"18"_s);
    auto *style = dialog.findChild<QComboBox *>(u"cboStyle"_s);
    QCOMPARE(style->currentText(), u"Heading 2"_s);

    // Nothing changed: the selection keeps its formatting.
    FontChoice choice = dialog.choice();
    QVERIFY(choice.family.isEmpty() && choice.pointSize == 0 && !choice.color.isValid());
    QVERIFY(!choice.paragraphStyle);

    face->setCurrentIndex(face->findText(u"Trebuchet MS"_s));
    size->setCurrentIndex(size->findText(u"24"_s));
    style->setCurrentIndex(style->findText(u"Quote"_s));
    choice = dialog.choice();
    QCOMPARE(choice.family, u"\"Trebuchet MS\", sans-serif"_s);
    QCOMPARE(choice.pointSize, 24);
    QCOMPARE(choice.paragraphStyle, std::optional(ParagraphStyle::Quote));
    QVERIFY(!choice.color.isValid());
}

void tst_EditorDialogs::fontDialog_fontOfNoneOffered_isKeptUnlessChanged() {
    FontDialog dialog(FontChoice{u"Comic Sans MS"_s, 0, {}, std::nullopt}, {}, m_desktop);
    auto *face = dialog.findChild<QComboBox *>(u"cboFace"_s);
    QCOMPARE(face->currentText(), u"Comic Sans MS"_s);
    QVERIFY(dialog.choice().family.isEmpty());
    face->setCurrentIndex(face->findData(u"monospace"_s));
    QCOMPARE(dialog.choice().family, u"monospace"_s);
}

void tst_EditorDialogs::fontDialog_colour_data() {
    QTest::addColumn<QColor>("current");
    QTest::addColumn<QList<QColor>>("answers");
    QTest::addColumn<QColor>("offered");
    QTest::addColumn<QColor>("chosen");

    QTest::newRow("colour chosen") << QColor(Qt::blue) << QList<QColor>{QColor(Qt::red)}
                                   << QColor(Qt::blue) << QColor(Qt::red);
    QTest::newRow("cancelled, colour left as it is")
        << QColor(Qt::blue) << QList<QColor>() << QColor(Qt::blue) << QColor();
    QTest::newRow("no colour yet, black offered")
        << QColor() << QList<QColor>{QColor(Qt::green)} << QColor(Qt::black) << QColor(Qt::green);
}

void tst_EditorDialogs::fontDialog_colour() {
    QFETCH(QColor, current);
    QFETCH(QList<QColor>, answers);
    QFETCH(QColor, offered);
    QFETCH(QColor, chosen);
    m_desktop.colourAnswers = answers;
    FontDialog dialog(FontChoice{QString(), 0, current, std::nullopt}, {}, m_desktop);

    dialog.findChild<QPushButton *>(u"cmdColor"_s)->click();

    QCOMPARE(m_desktop.colourQuestions, QList<QColor>{offered});
    QCOMPARE(dialog.choice().color, chosen);
}

QTEST_MAIN(tst_EditorDialogs)
#include "tst_editordialogs.moc"
