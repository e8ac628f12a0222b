// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/frmabout.h"

#include "buildinfo.h"
#include "fakedesktopservices.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

using namespace Qt::StringLiterals;
using namespace quillsite;

class tst_About final : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void texts_andNames();
    void window_isFixedDialogOfDesignedSize();
    void texts_areNotCutOff();
    void enter_pressesOkAndCloses();
    void enterDuringExec_returnsAccepted();
    void linkClickedTwice_opensAddressTwiceAndStaysOpen();
    void linkWithNonWebAddress_isNotOpened();
    void rightClickOnLink_opensNothing();
    void link_showsHandPointer_data();
    void link_showsHandPointer();
    void pictures_areShown();
    void labels_haveDesignedLettering_data();
    void labels_haveDesignedLettering();
    void rule_isLightGrey();

private:
    FakeDesktopServices m_desktop;
};

void tst_About::cleanup() {
    m_desktop = FakeDesktopServices();
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
}

void tst_About::texts_andNames() {
    frmAbout dialog(m_desktop);

    QCOMPARE(dialog.objectName(), u"frmAbout"_s);
    QCOMPARE(dialog.windowTitle(), u"About Quillsite"_s);
    QCOMPARE(dialog.findChild<QLabel *>(u"Label1"_s)->text(), u"Created and programmed by:"_s);
    QCOMPARE(dialog.findChild<QLabel *>(u"Label2"_s)->text(), QString::fromUtf8(QUILLSITE_MAKER));
    QCOMPARE(dialog.findChild<QLabel *>(u"lblLink_0"_s)->text(),
             QString::fromUtf8(QUILLSITE_HOMEPAGE));
    auto *ok = dialog.findChild<QPushButton *>(u"cmdOK"_s);
    QVERIFY(ok);
    QCOMPARE(ok->text(), u"&OK"_s);
    QVERIFY(ok->isDefault());
    for (const QString &name : {u"Picture1"_s, u"Picture2"_s, u"Picture3"_s, u"Line1"_s})
        QVERIFY2(dialog.findChild<QWidget *>(name), qPrintable(name));
}

void tst_About::window_isFixedDialogOfDesignedSize() {
    frmAbout dialog(m_desktop);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QVERIFY(dialog.width() >= 452);
    QVERIFY(dialog.height() >= 193);
    QVERIFY(!(dialog.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(dialog.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
    dialog.close();
}

void tst_About::texts_areNotCutOff() {
    frmAbout dialog(m_desktop);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    for (const QString &name : {u"Label1"_s, u"Label2"_s, u"lblLink_0"_s}) {
        const auto *label = dialog.findChild<QLabel *>(name);
        QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(name));
        QVERIFY2(label->height() >= label->sizeHint().height(), qPrintable(name));
    }
    const auto *ok = dialog.findChild<QPushButton *>(u"cmdOK"_s);
    QVERIFY(ok->width() >= ok->sizeHint().width());
    QVERIFY(dialog.rect().contains(ok->geometry()));
    dialog.close();
}

void tst_About::enter_pressesOkAndCloses() {
    frmAbout dialog(m_desktop);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QTest::keyClick(&dialog, Qt::Key_Return);

    QTRY_VERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void tst_About::enterDuringExec_returnsAccepted() {
    frmAbout dialog(m_desktop);
    QTimer::singleShot(0, &dialog, [&dialog] { QTest::keyClick(&dialog, Qt::Key_Enter); });

    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
}

void tst_About::linkClickedTwice_opensAddressTwiceAndStaysOpen() {
    frmAbout dialog(m_desktop);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *link = dialog.findChild<QLabel *>(u"lblLink_0"_s);

    QTest::mouseClick(link, Qt::LeftButton);
    QTest::mouseClick(link, Qt::LeftButton);

    const QUrl address(QString::fromUtf8(QUILLSITE_HOMEPAGE));
    QCOMPARE(m_desktop.openedUrls, QList<QUrl>({address, address}));
    QVERIFY(dialog.isVisible());
    dialog.close();
}

void tst_About::linkWithNonWebAddress_isNotOpened() {
    frmAbout dialog(m_desktop);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *link = dialog.findChild<QLabel *>(u"lblLink_0"_s);
    link->setText(u"file:///etc/passwd"_s);

    QTest::mouseClick(link, Qt::LeftButton);

    QVERIFY(m_desktop.openedUrls.isEmpty());
    QVERIFY(dialog.isVisible());
    dialog.close();
}

void tst_About::rightClickOnLink_opensNothing() {
    frmAbout dialog(m_desktop);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QTest::mouseClick(dialog.findChild<QLabel *>(u"lblLink_0"_s), Qt::RightButton);

    QVERIFY(m_desktop.openedUrls.isEmpty());
    dialog.close();
}

void tst_About::link_showsHandPointer_data() {
    QTest::addColumn<QString>("dataFolder");
    QTest::addColumn<Qt::CursorShape>("shape");

    QTest::newRow("hand.cur in the data folder")
        << QStringLiteral(QUILLSITE_SOURCE_DIR "/share") << Qt::BitmapCursor;
    QTest::newRow("no hand.cur: the system's hand") << QString() << Qt::PointingHandCursor;
}

void tst_About::link_showsHandPointer() {
    QFETCH(QString, dataFolder);
    QFETCH(Qt::CursorShape, shape);
    QTemporaryDir empty;
    m_desktop.dataFolder = dataFolder.isEmpty() ? empty.path() : dataFolder;
    frmAbout dialog(m_desktop);

    const QCursor cursor = dialog.findChild<QLabel *>(u"lblLink_0"_s)->cursor();

    QCOMPARE(cursor.shape(), shape);
}

void tst_About::pictures_areShown() {
    frmAbout dialog(m_desktop);

    const auto *wordMark = dialog.findChild<QLabel *>(u"Picture3"_s);
    const auto *globe = dialog.findChild<QLabel *>(u"Picture2"_s);
    QCOMPARE(wordMark->pixmap().deviceIndependentSize().toSize(), QSize(136, 67));
    QCOMPARE(globe->pixmap().deviceIndependentSize().toSize(), QSize(48, 48));
}

void tst_About::labels_haveDesignedLettering_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("family");
    QTest::addColumn<qreal>("pointSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("heading, grey bold")
        << u"Label1"_s << u"Verdana"_s << 8.25 << true << false << QColor(128, 128, 128);
    QTest::newRow("maker, black bold")
        << u"Label2"_s << u"Verdana"_s << 9.75 << true << false << QColor(0, 0, 0);
    QTest::newRow("link, blue underlined")
        << u"lblLink_0"_s << u"Verdana"_s << 8.25 << false << true << QColor(0, 0, 255);
}

void tst_About::labels_haveDesignedLettering() {
    QFETCH(QString, name);
    QFETCH(QString, family);
    QFETCH(qreal, pointSize);
    QFETCH(bool, bold);
    QFETCH(bool, underline);
    QFETCH(QColor, colour);
    frmAbout dialog(m_desktop);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    const auto *label = dialog.findChild<QLabel *>(name);
    QCOMPARE(label->font().family(), family);
    QCOMPARE(label->font().pointSizeF(), pointSize);
    QCOMPARE(label->font().bold(), bold);
    QCOMPARE(label->font().underline(), underline);
    QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    dialog.close();
}

void tst_About::rule_isLightGrey() {
    frmAbout dialog(m_desktop);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *rule = dialog.findChild<QWidget *>(u"Line1"_s);

    const QImage image = rule->grab().toImage();
    QCOMPARE(rule->height(), 1);
    QCOMPARE(QColor(image.pixel(image.width() / 2, 0)), QColor(224, 224, 224));
    // The rule crosses the whole white panel.
    QCOMPARE(rule->width(), dialog.findChild<QWidget *>(u"Picture1"_s)->width());
    dialog.close();
}

QTEST_MAIN(tst_About)
#include "tst_about.moc"
