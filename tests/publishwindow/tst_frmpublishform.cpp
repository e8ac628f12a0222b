// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "publishwindow/frmpublish.h"

#include "fakedesktopservices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace quillsite;
using namespace Qt::StringLiterals;

namespace {

// The letter after the '&' of an access key, lower case; none when the text has none.
QChar accessKey(const QString &text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) == u'&' && text.at(i + 1) != u'&')
            return text.at(i + 1).toLower();
        if (text.at(i) == u'&')
            ++i;
    }
    return {};
}

} // namespace

// The Publish dialog's form as a keyboard user and a screen reader meet it, here on a
// desktop without a keyring: no session bus answers this test.
class tst_frmPublishForm final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void noKeyring_saysSoAndOffersNoRemembering();
    void tabOrder_followsTheForm_data();
    void tabOrder_followsTheForm();
    void accessKeys_reachEveryShownControlOnce_data();
    void accessKeys_reachEveryShownControlOnce();

private:
    std::unique_ptr<frmPublish> open(int kind);

    QTemporaryDir m_site;
    FakeDesktopServices m_desktop;
    std::unique_ptr<frmPublish> m_dialog;
};

void tst_frmPublishForm::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    qputenv("DBUS_SESSION_BUS_ADDRESS",
            QFile::encodeName(u"unix:path="_s + m_site.filePath(u"no-bus"_s)));
}

void tst_frmPublishForm::cleanup() {
    m_dialog.reset();
}

std::unique_ptr<frmPublish> tst_frmPublishForm::open(int kind) {
    auto dialog = std::make_unique<frmPublish>(m_desktop, m_site.path());
    dialog->findChild<QComboBox *>(u"cboKind"_s)->setCurrentIndex(kind);
    dialog->show();
    dialog->activateWindow();
    if (!QTest::qWaitForWindowActive(dialog.get()))
        return nullptr;
    return dialog;
}

void tst_frmPublishForm::noKeyring_saysSoAndOffersNoRemembering() {
    m_dialog = open(0);
    QVERIFY(m_dialog);
    auto *notice = m_dialog->findChild<QLabel *>(u"lblKeyring"_s);
    QTRY_VERIFY_WITH_TIMEOUT(notice->isVisible(), 20000);
    QVERIFY2(notice->text().contains(u"type it each time"_s), qPrintable(notice->text()));
    auto *remember = m_dialog->findChild<QCheckBox *>(u"chkRemember"_s);
    QVERIFY(!remember->isEnabled());
    QVERIFY(!remember->isChecked());
}

void tst_frmPublishForm::tabOrder_followsTheForm_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("sftp") << 0
                          << QStringList{u"cboKind"_s,     u"txtHost"_s,         u"spnPort"_s,
                                         u"txtUser"_s,     u"txtRemoteFolder"_s, u"cboSignIn"_s,
                                         u"txtPassword"_s, u"txtAddress"_s,      u"tblChanges"_s,
                                         u"cmdTest"_s,     u"cmdShowChanges"_s,  u"cmdPublish"_s,
                                         u"cmdClose"_s,    u"cboKind"_s};
    QTest::newRow("git") << 3
                         << QStringList{u"cboKind"_s,        u"txtRepository"_s, u"txtBranch"_s,
                                        u"txtAddress"_s,     u"tblChanges"_s,    u"cmdTest"_s,
                                        u"cmdShowChanges"_s, u"cmdPublish"_s,    u"cmdClose"_s,
                                        u"cboKind"_s};
    QTest::newRow("folder") << 4 << QStringList{u"cboKind"_s,         u"txtFolder"_s,
                                                u"cmdBrowseFolder"_s, u"txtAddress"_s,
                                                u"tblChanges"_s,      u"cmdTest"_s,
                                                u"cmdShowChanges"_s,  u"cmdPublish"_s,
                                                u"cmdClose"_s,        u"cboKind"_s};
}

void tst_frmPublishForm::tabOrder_followsTheForm() {
    QFETCH(int, kind);
    QFETCH(QStringList, order);
    m_dialog = open(kind);
    QVERIFY(m_dialog);
    // The keyring's answer may still change which rows show; it comes first.
    QTRY_VERIFY_WITH_TIMEOUT(
        m_dialog->findChild<QLabel *>(u"lblKeyring"_s)->isVisible() || kind != 0, 20000);
    m_dialog->findChild<QWidget *>(order.constFirst())->setFocus(Qt::OtherFocusReason);
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (qsizetype i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, order);
}

void tst_frmPublishForm::accessKeys_reachEveryShownControlOnce_data() {
    QTest::addColumn<int>("kind");
    for (int kind = 0; kind < 5; ++kind)
        QTest::addRow("kind %d", kind) << kind;
}

void tst_frmPublishForm::accessKeys_reachEveryShownControlOnce() {
    QFETCH(int, kind);
    m_dialog = open(kind);
    QVERIFY(m_dialog);
    QMap<QChar, QString> keys;
    const auto note = [&keys](const QString &text, const QString &name) {
        const QChar key = accessKey(text);
        QVERIFY2(!key.isNull(), qPrintable(name + u" has no access key"_s));
        QVERIFY2(!keys.contains(key), qPrintable(name + u" and "_s + keys.value(key)));
        keys.insert(key, name);
    };
    for (const QLabel *label : m_dialog->findChildren<QLabel *>()) {
        // Every label of a field names it, for screen readers and for its access key.
        if (label->isVisible() && label->buddy()) {
            QVERIFY2(label->buddy()->isVisible(), qPrintable(label->objectName()));
            note(label->text(), label->objectName());
        }
    }
    for (const QAbstractButton *button : m_dialog->findChildren<QAbstractButton *>()) {
        if (button->isVisible() && button->objectName() != u"cmdCancel"_s)
            note(button->text(), button->objectName());
    }
}

QTEST_MAIN(tst_frmPublishForm)
#include "tst_frmpublishform.moc"
