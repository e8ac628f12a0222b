// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "publishwindow/frmpublish.h"

#include "fakedesktopservices.h"
#include "httpserver.h"
#include "keyringsession.h"
#include "publishservers.h"
#include "publishwindow/keyring.h"
#include "publishwindow/publishplace.h"
#include "testfiles.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <sys/stat.h>

using namespace quillsite;
using namespace quillsite::test;
using namespace Qt::StringLiterals;

namespace {

// Every file below `folder` with its bytes, the manifest left out.
QMap<QString, QByteArray> filesBelow(const QString &folder) {
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = QDir(folder).relativeFilePath(path);
        if (name != u".quillsite-manifest.json"_s)
            files.insert(name, readFile(path));
    }
    return files;
}

QByteArray randomBytes(int size) {
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
    return bytes;
}

} // namespace

// The Publish dialog as a user drives it: fields typed, buttons clicked, questions
// answered, against a folder, sshd and vsftpd on 127.0.0.1, and a keyring of its own.
class tst_frmPublish final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void publish_sendsTheSiteThenOnlyTheChangeAndUndoes_data();
    void publish_sendsTheSiteThenOnlyTheChangeAndUndoes();
    void cancelledPublish_isCompletedByTheNext();
    void foreignFiles_areReplacedOnlyAfterYes();
    void wrongPassword_saysSoAndStoresNothing();
    void changedHostKey_isRefusedWithoutAQuestion();
    void nextRun_findsTheSettingsAndTheKeyringPassword();

private:
    QString serverFolder() const { return m_servers.user->home() + u'/' + m_folder; }
    // What the server holds for a kind of place: its folder, or the Git branch's files.
    QMap<QString, QByteArray> published(const QString &kind);
    void makeSite(int pictures = 1, int pictureSize = 2000);
    std::unique_ptr<frmPublish> openDialog();
    // Types into the dialog's fields for a kind of place, as a user does.
    void fillIn(const QString &kind, const QString &password);
    void click(const QString &button);
    QString status() const;
    template <typename T> T *control(const QString &name) const {
        return m_dialog->findChild<T *>(name);
    }
    std::optional<QString> keyringPassword(const QString &place);

    PublishServers m_servers;
    KeyringSession m_keyring;
    HttpServer m_http;
    QString m_keyringProblem;
    FakeDesktopServices m_desktop;
    std::unique_ptr<frmPublish> m_dialog;
    QString m_site;
    QString m_folder;
    int m_testNumber = 0;
    int m_checkouts = 0;
};

void tst_frmPublish::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    const QString error = m_servers.start();
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const QString keyringError = m_keyring.start(m_servers.dir->filePath(u"keyring"_s));
    QVERIFY2(keyringError.isEmpty(), qPrintable(keyringError));
}

void tst_frmPublish::cleanupTestCase() {
    // Neither the settings nor anything else this program wrote holds the password.
    const QStringList holding =
        m_servers.filesHoldingPassword(m_servers.dir->filePath(u"keyring/"_s));
    QVERIFY2(holding.isEmpty(), qPrintable(holding.join(u' ')));
    m_dialog.reset();
    m_keyring.stop();
    m_servers.stop();
}

void tst_frmPublish::init() {
    m_folder = u"site%1"_s.arg(++m_testNumber);
    m_site = m_servers.dir->filePath(u"built/"_s + m_folder);
    m_desktop = FakeDesktopServices();
    // Every test meets the SSH server for the first time.
    QFile::remove(m_servers.dir->filePath(u".ssh/known_hosts"_s));
}

void tst_frmPublish::cleanup() {
    m_dialog.reset();
    m_http.stop();
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
}

void tst_frmPublish::makeSite(int pictures, int pictureSize) {
    QVERIFY(writeFile(m_site + u"/index.htm"_s, "<html><body>Chess club</body></html>"));
    QVERIFY(writeFile(m_site + u"/about.htm"_s, "<html><body>About us</body></html>"));
    for (int i = 0; i < pictures; ++i)
        QVERIFY(writeFile(m_site + u"/media/photo%1.jpg"_s.arg(i), randomBytes(pictureSize)));
}

std::unique_ptr<frmPublish> tst_frmPublish::openDialog() {
    auto dialog = std::make_unique<frmPublish>(m_desktop, m_site);
    dialog->show();
    if (!QTest::qWaitForWindowExposed(dialog.get()))
        return nullptr;
    return dialog;
}

void tst_frmPublish::fillIn(const QString &kind, const QString &password) {
    auto *kinds = control<QComboBox>(u"cboKind"_s);
    kinds->setCurrentIndex(kinds->findText(kind));
    const auto type = [this](const QString &field, const QString &text) {
        auto *edit = control<QLineEdit>(field);
        QVERIFY2(edit && edit->isVisible(), qPrintable(field));
        edit->clear();
        QTest::keyClicks(edit, text);
    };
    if (!m_http.url().isEmpty())
        type(u"txtAddress"_s, m_http.url());
    if (kind == u"Folder"_s) {
        type(u"txtFolder"_s, serverFolder());
        return;
    }
    if (kind == u"Git"_s) {
        type(u"txtRepository"_s, u"file://"_s + serverFolder());
        return;
    }
    type(u"txtHost"_s, u"127.0.0.1"_s);
    control<QSpinBox>(u"spnPort"_s)
        ->setValue(kind == u"SFTP"_s ? m_servers.ssh.port() : m_servers.ftp.port());
    type(u"txtUser"_s, m_servers.user->name());
    // SFTP paths are the server's own; FTP paths start in the folder it logs the user into.
    type(u"txtRemoteFolder"_s, kind == u"SFTP"_s ? serverFolder() : u'/' + m_folder);
    type(u"txtPassword"_s, password);
}

QMap<QString, QByteArray> tst_frmPublish::published(const QString &kind) {
    if (kind != u"Git"_s)
        return filesBelow(serverFolder());
    const QString checkout = m_servers.dir->filePath(u"checkout-%1"_s.arg(++m_checkouts));
    const std::optional<QByteArray> archive =
        runTool(u"git"_s, {u"--git-dir"_s, serverFolder(), u"archive"_s, u"gh-pages"_s});
    if (!archive || !QDir().mkpath(checkout) ||
        !runTool(u"tar"_s, {u"-x"_s, u"-C"_s, checkout}, *archive))
        return {};
    return filesBelow(checkout);
}

void tst_frmPublish::click(const QString &button) {
    auto *push = control<QPushButton>(button);
    QVERIFY2(push && push->isVisible() && push->isEnabled(), qPrintable(button));
    QTest::mouseClick(push, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!m_dialog->isWorking(), 60000);
}

QString tst_frmPublish::status() const {
    return control<QLabel>(u"lblStatus"_s)->text();
}

std::optional<QString> tst_frmPublish::keyringPassword(const QString &place) {
    std::optional<KeyringAnswer> answer;
    QObject context;
    readKeyring(&context, place, [&answer](const KeyringAnswer &read) { answer = read; });
    if (!QTest::qWaitFor([&answer] { return answer.has_value(); }, 10000))
        return u"(the keyring did not answer)"_s;
    return answer->password;
}

void tst_frmPublish::publish_sendsTheSiteThenOnlyTheChangeAndUndoes_data() {
    QTest::addColumn<QString>("kind");
    // What the user is asked before the first connection: a fingerprint, or the plain password.
    QTest::addColumn<QString>("question");
    QTest::newRow("folder") << u"Folder"_s << QString();
    QTest::newRow("sftp") << u"SFTP"_s << m_servers.ssh.fingerprint();
    QTest::newRow("ftps") << u"FTPS"_s << m_servers.ftp.fingerprint();
    QTest::newRow("ftp") << u"FTP"_s << u"readable"_s;
    QTest::newRow("git") << u"Git"_s << QString();
}

void tst_frmPublish::publish_sendsTheSiteThenOnlyTheChangeAndUndoes() {
    QFETCH(QString, kind);
    QFETCH(QString, question);
    const bool git = kind == u"Git"_s;
    makeSite();
    if (git) {
        QVERIFY(runTool(u"git"_s, {u"init"_s, u"--quiet"_s, u"--bare"_s, serverFolder()}));
    } else {
        // The published folder is served as a web server would, for the check afterwards.
        QVERIFY(QDir().mkpath(serverFolder()) && m_servers.user->own(serverFolder()));
        const QString serving = m_http.start(serverFolder());
        QVERIFY2(serving.isEmpty(), qPrintable(serving));
    }
    m_dialog = openDialog();
    QVERIFY(m_dialog);
    fillIn(kind, m_servers.user->password());
    if (!question.isEmpty())
        m_desktop.askAnswers = {true};
    click(u"cmdTest"_s);
    QCOMPARE(m_desktop.questions.size(), question.isEmpty() ? 0 : 1);
    if (!question.isEmpty())
        QVERIFY2(m_desktop.questions.first().contains(question),
                 qPrintable(m_desktop.questions.first()));
    QVERIFY2(status().contains(u"can write there"_s), qPrintable(status()));
    QCOMPARE(control<QTreeWidget>(u"tblChanges"_s)->topLevelItemCount(), 3);
    QVERIFY(published(kind).isEmpty());

    click(u"cmdPublish"_s);
    QVERIFY2(status().startsWith(u"Published to "_s), qPrintable(status()));
    if (!git)
        QVERIFY2(
            status().contains(u"the 3 changed pages and pictures are served as they were sent"_s),
            qPrintable(status()));
    QCOMPARE(published(kind), filesBelow(m_site));
    const ino_t homeBefore = inodeOf(serverFolder() + u"/index.htm"_s);

    QVERIFY(writeFile(m_site + u"/about.htm"_s, "<html><body>About the club</body></html>"));
    click(u"cmdShowChanges"_s);
    auto *changes = control<QTreeWidget>(u"tblChanges"_s);
    QCOMPARE(changes->topLevelItemCount(), 1);
    QCOMPARE(changes->topLevelItem(0)->text(0), u"about.htm"_s);
    click(u"cmdPublish"_s);
    QVERIFY2(status().contains(u"0 new, 1 changed, 0 removed, 2 unchanged"_s),
             qPrintable(status()));
    QCOMPARE(published(kind).value(u"about.htm"_s),
             QByteArray("<html><body>About the club</body></html>"));
    // Only the changed page was touched.
    QCOMPARE(inodeOf(serverFolder() + u"/index.htm"_s), homeBefore);

    m_desktop.askAnswers = {true};
    click(u"cmdUndo"_s);
    QVERIFY2(status().contains(u"previous version is back"_s), qPrintable(status()));
    QCOMPARE(published(kind).value(u"about.htm"_s),
             QByteArray("<html><body>About us</body></html>"));
}

void tst_frmPublish::cancelledPublish_isCompletedByTheNext() {
    makeSite(60, 512 * 1024);
    m_dialog = openDialog();
    QVERIFY(m_dialog);
    fillIn(u"SFTP"_s, m_servers.user->password());
    m_desktop.askAnswers = {true};
    click(u"cmdTest"_s);
    QVERIFY2(status().contains(u"can write there"_s), qPrintable(status()));

    auto *current = control<QLabel>(u"lblCurrentFile"_s);
    QTest::mouseClick(control<QPushButton>(u"cmdPublish"_s), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(current->text().startsWith(u"Sending"_s), 30000);
    // Closing asks first; the answer No leaves it running.
    m_desktop.askAnswers = {false};
    QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(m_desktop.questions.size(), 2);
    QTest::mouseClick(control<QPushButton>(u"cmdCancel"_s), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!m_dialog->isWorking(), 60000);
    QVERIFY2(status().startsWith(u"Stopped as you asked"_s), qPrintable(status()));
    QVERIFY(filesBelow(serverFolder()).size() < filesBelow(m_site).size());

    click(u"cmdPublish"_s);
    QVERIFY2(status().startsWith(u"Published to "_s), qPrintable(status()));
    QCOMPARE(filesBelow(serverFolder()), filesBelow(m_site));
}

void tst_frmPublish::foreignFiles_areReplacedOnlyAfterYes() {
    makeSite();
    QVERIFY(writeFile(serverFolder() + u"/index.htm"_s, "<html>someone else's</html>"));
    QVERIFY(writeFile(serverFolder() + u"/index.html"_s, "<html>the host's welcome</html>"));
    m_dialog = openDialog();
    QVERIFY(m_dialog);
    fillIn(u"Folder"_s, QString());
    click(u"cmdTest"_s);
    QVERIFY2(status().contains(u"Note: The server's folder holds index.html"_s),
             qPrintable(status()));

    m_desktop.askAnswers = {false};
    click(u"cmdPublish"_s);
    QCOMPARE(m_desktop.questions.size(), 1);
    QVERIFY2(m_desktop.questions.first().contains(u"index.htm"_s),
             qPrintable(m_desktop.questions.first()));
    QVERIFY2(status().startsWith(u"Nothing was sent"_s), qPrintable(status()));
    QCOMPARE(readFile(serverFolder() + u"/index.htm"_s), QByteArray("<html>someone else's</html>"));

    m_desktop.askAnswers = {true};
    click(u"cmdPublish"_s);
    QVERIFY2(status().startsWith(u"Published to "_s), qPrintable(status()));
    QCOMPARE(readFile(serverFolder() + u"/index.htm"_s), readFile(m_site + u"/index.htm"_s));
    // Not ours to remove.
    QVERIFY(QFileInfo::exists(serverFolder() + u"/index.html"_s));
}

void tst_frmPublish::wrongPassword_saysSoAndStoresNothing() {
    makeSite();
    m_dialog = openDialog();
    QVERIFY(m_dialog);
    fillIn(u"SFTP"_s, u"not-the-password"_s);
    m_desktop.askAnswers = {true};
    click(u"cmdTest"_s);
    QVERIFY2(status().contains(u"did not let you in"_s), qPrintable(status()));
    QVERIFY(!status().contains(u"not-the-password"_s));
    QVERIFY(filesBelow(serverFolder()).isEmpty());
    QVERIFY(loadPublishPlace(m_site).host.isEmpty());
    const QString place = u"sftp://%1@127.0.0.1:%2%3"_s.arg(m_servers.user->name())
                              .arg(m_servers.ssh.port())
                              .arg(serverFolder());
    QCOMPARE(keyringPassword(place), std::nullopt);
}

void tst_frmPublish::changedHostKey_isRefusedWithoutAQuestion() {
    makeSite();
    // known_hosts holds another key for the server: someone may be in between.
    QVERIFY(writeFile(m_servers.dir->filePath(u".ssh/known_hosts"_s),
                      m_servers.ssh.otherKeyLine().toLatin1()));
    m_dialog = openDialog();
    QVERIFY(m_dialog);
    fillIn(u"SFTP"_s, m_servers.user->password());
    m_desktop.askAnswers = {true};
    click(u"cmdPublish"_s);
    QVERIFY(m_desktop.questions.isEmpty());
    QVERIFY2(status().contains(u"key has changed"_s), qPrintable(status()));
    QVERIFY(filesBelow(serverFolder()).isEmpty());
    QCOMPARE(readFile(m_servers.dir->filePath(u".ssh/known_hosts"_s)),
             m_servers.ssh.otherKeyLine().toLatin1());
}

void tst_frmPublish::nextRun_findsTheSettingsAndTheKeyringPassword() {
    makeSite();
    m_dialog = openDialog();
    QVERIFY(m_dialog);
    fillIn(u"SFTP"_s, m_servers.user->password());
    m_desktop.askAnswers = {true};
    click(u"cmdPublish"_s);
    QVERIFY2(status().startsWith(u"Published to "_s), qPrintable(status()));
    const QString place = u"sftp://%1@127.0.0.1:%2%3"_s.arg(m_servers.user->name())
                              .arg(m_servers.ssh.port())
                              .arg(serverFolder());
    QTRY_COMPARE(keyringPassword(place), std::optional<QString>(m_servers.user->password()));
    m_dialog.reset();
    // Kept beside the user's other settings, never in the site that goes on the web.
    QVERIFY(QFileInfo::exists(publishPlacesFile()));
    QVERIFY(!publishPlacesFile().startsWith(m_site));

    m_dialog = openDialog();
    QVERIFY(m_dialog);
    QCOMPARE(control<QComboBox>(u"cboKind"_s)->currentText(), u"SFTP"_s);
    QCOMPARE(control<QLineEdit>(u"txtUser"_s)->text(), m_servers.user->name());
    QCOMPARE(control<QSpinBox>(u"spnPort"_s)->value(), int(m_servers.ssh.port()));
    QTRY_COMPARE(control<QLineEdit>(u"txtPassword"_s)->text(), m_servers.user->password());
    QVERIFY(writeFile(m_site + u"/about.htm"_s, "<html><body>New times</body></html>"));
    click(u"cmdPublish"_s);
    QVERIFY2(status().contains(u"0 new, 1 changed"_s), qPrintable(status()));
    // The host key was asked about once: the next run knows it.
    QCOMPARE(m_desktop.questions.size(), 1);
}

QTEST_MAIN(tst_frmPublish)
#include "tst_frmpublish.moc"
