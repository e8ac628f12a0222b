// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "publishservers.h"

#include "publish/ftpdestination.h"
#include "publish/publishengine.h"
#include "publish/sftpdestination.h"
#include "testfiles.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>
#include <thread>

#include <sys/stat.h>

using namespace quillsite;
using namespace quillsite::test;
using namespace Qt::StringLiterals;

namespace {

using Kind = PublishError::Kind;

// Every file below `folder` with its inode and change time: a file touched in any way differs.
QMap<QString, QPair<ino_t, qint64>> fileStamps(const QString &folder) {
    QMap<QString, QPair<ino_t, qint64>> stamps;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        struct stat status {};
        ::stat(QFile::encodeName(path).constData(), &status);
        stamps.insert(
            QDir(folder).relativeFilePath(path),
            {status.st_ino, qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec});
    }
    return stamps;
}

// The names below `folder`, relative to it, sorted.
QStringList namesBelow(const QString &folder) {
    QStringList names;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        names << QDir(folder).relativeFilePath(it.next());
    names.sort();
    return names;
}

} // namespace

// The SFTP, FTPS and FTP destinations against real servers on 127.0.0.1: sshd and vsftpd,
// started here, with a user made for the run.
class tst_NetworkDestinations : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void put_sendsWholeFilesIntoNewFolders_data();
    void put_sendsWholeFilesIntoNewFolders();
    void put_replacesByRenameLeavingNoTemporaryFile_data();
    void put_replacesByRenameLeavingNoTemporaryFile();
    void remove_deletesOnlyThatFile_data();
    void remove_deletesOnlyThatFile();
    void readFile_missingOrTooLarge_data();
    void readFile_missingOrTooLarge();
    void readFileFinding_asksAlongWhereItCan_data();
    void readFileFinding_asksAlongWhereItCan();
    void putEachThen_movesTheLastOnlyAfterTheOthers_data();
    void putEachThen_movesTheLastOnlyAfterTheOthers();
    void logIn_asksPasswordOnlyWhenNeeded_data();
    void logIn_asksPasswordOnlyWhenNeeded();
    void untrustedServer_stopsWithFingerprintUntilAccepted_data();
    void untrustedServer_stopsWithFingerprintUntilAccepted();
    void changedTrust_isRefusedWhateverTheOptions_data();
    void changedTrust_isRefusedWhateverTheOptions();
    void fullFolder_failsLeavingNoPartOfTheFile_data();
    void fullFolder_failsLeavingNoPartOfTheFile();
    void lostConnection_isTransientAndTheRetryReconnects();
    void refusedSession_saysSftpDidNotStart();
    void silentServer_failsWithinTheTimeLimit_data();
    void silentServer_failsWithinTheTimeLimit();
    void cancel_stopsTheTransferInFlight_data();
    void cancel_stopsTheTransferInFlight();
    void publish_bringsServerInStepTouchingNothingElse_data();
    void publish_bringsServerInStepTouchingNothingElse();
    void failedFile_isNeverClaimedByTheManifest_data();
    void failedFile_isNeverClaimedByTheManifest();
    void killedPublish_isCompletedByTheNext_data();
    void killedPublish_isCompletedByTheNext();

private:
    void addKinds(const QStringList &kinds = {u"sftp"_s, u"ftps"_s, u"ftp"_s});
    DestinationAddress address(const QString &kind) const;
    // Options under which the server is trusted and the test user's password is given.
    ConnectionOptions trusted(const QString &kind) const;
    std::unique_ptr<Destination> make(const QString &kind, const ConnectionOptions &options,
                                      quint16 port = 0) const;
    // An opened destination for the current row, or null after a failed check.
    std::unique_ptr<Destination> opened(const QString &kind);
    QString serverPath(const QString &path = {}) const {
        return m_servers.user->home() + u'/' + m_folder +
               (path.isEmpty() ? QString() : u'/' + path);
    }
    QString localFile(const QString &name, const QByteArray &bytes);
    void checkNoPassword(const PublishError &error);
    // Publishes `site` through the engine; the files sent, or nullopt when it failed.
    std::optional<QStringList> publish(const QString &kind, const QString &site);

    PublishServers m_servers;
    QString m_folder;
    int m_testNumber = 0;
};

void tst_NetworkDestinations::initTestCase() {
    const QString error = m_servers.start();
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(writeFile(m_servers.dir->filePath(u"known_hosts"_s),
                      m_servers.ssh.knownHostsLine().toLatin1()));
}

void tst_NetworkDestinations::cleanupTestCase() {
    // Whatever the servers and the destinations wrote, the password is in none of it.
    const QStringList holding = m_servers.filesHoldingPassword();
    QVERIFY2(holding.isEmpty(), qPrintable(holding.join(u' ')));
    m_servers.stop();
}

void tst_NetworkDestinations::init() {
    // Every test publishes into a folder of its own.
    m_folder = u"site%1"_s.arg(++m_testNumber);
}

void tst_NetworkDestinations::addKinds(const QStringList &kinds) {
    QTest::addColumn<QString>("kind");
    for (const QString &kind : kinds)
        QTest::newRow(qPrintable(kind)) << kind;
}

DestinationAddress tst_NetworkDestinations::address(const QString &kind) const {
    DestinationAddress address;
    address.kind = kind == u"sftp"_s   ? DestinationAddress::Kind::Sftp
                   : kind == u"ftps"_s ? DestinationAddress::Kind::Ftps
                                       : DestinationAddress::Kind::Ftp;
    address.user = m_servers.user->name();
    address.host = u"127.0.0.1"_s;
    address.port = kind == u"sftp"_s ? m_servers.ssh.port() : m_servers.ftp.port();
    // SFTP paths are the server's own; FTP paths start in the folder it logs the user into.
    address.path = kind == u"sftp"_s ? serverPath() : u'/' + m_folder;
    return address;
}

ConnectionOptions tst_NetworkDestinations::trusted(const QString &kind) const {
    ConnectionOptions options;
    options.knownHostsFile = m_servers.dir->filePath(u"known_hosts"_s);
    options.caCertFile = m_servers.ftp.certificate();
    options.allowPlainFtp = kind == u"ftp"_s;
    const QString password = m_servers.user->password();
    options.password = [password] {
        return std::optional<QString>(password);
    };
    return options;
}

std::unique_ptr<Destination> tst_NetworkDestinations::make(const QString &kind,
                                                           const ConnectionOptions &options,
                                                           quint16 port) const {
    DestinationAddress to = address(kind);
    if (port != 0)
        to.port = port;
    return kind == u"sftp"_s ? makeSftpDestination(to, options) : makeFtpDestination(to, options);
}

std::unique_ptr<Destination> tst_NetworkDestinations::opened(const QString &kind) {
    std::unique_ptr<Destination> destination = make(kind, trusted(kind));
    const PublishError error = destination->open();
    if (error.failed()) {
        qWarning("open: %s", qPrintable(error.message));
        return nullptr;
    }
    return destination;
}

QString tst_NetworkDestinations::localFile(const QString &name, const QByteArray &bytes) {
    const QString path = m_servers.dir->filePath(u"local/"_s + m_folder + u'/' + name);
    return writeFile(path, bytes) ? path : QString();
}

void tst_NetworkDestinations::checkNoPassword(const PublishError &error) {
    QVERIFY2(!error.message.contains(m_servers.user->password()), qPrintable(error.message));
}

void tst_NetworkDestinations::put_sendsWholeFilesIntoNewFolders_data() {
    addKinds();
}

void tst_NetworkDestinations::put_sendsWholeFilesIntoNewFolders() {
    QFETCH(QString, kind);
    std::unique_ptr<Destination> destination = opened(kind);
    QVERIFY(destination);
    // Larger than any one write, so that many are in flight at once; and an empty file.
    QByteArray large(3 * 1024 * 1024 + 17, Qt::Uninitialized);
    for (qsizetype i = 0; i < large.size(); ++i)
        large[i] = char(i * 7 + i / 4099);
    const QMap<QString, QByteArray> files{{u"index.htm"_s, "<html>home</html>"},
                                          {u"pictures/deep/photo one.jpg"_s, large},
                                          {u"empty.css"_s, QByteArray()}};
    for (auto it = files.begin(); it != files.end(); ++it) {
        const PublishError error = destination->put(it.key(), localFile(it.key(), it.value()));
        QVERIFY2(!error.failed(), qPrintable(error.message));
    }
    for (auto it = files.begin(); it != files.end(); ++it)
        QVERIFY2(readFile(serverPath(it.key())) == it.value(), qPrintable(it.key()));
    QCOMPARE(namesBelow(serverPath()),
             QStringList({u"empty.css"_s, u"index.htm"_s, u"pictures"_s, u"pictures/deep"_s,
                          u"pictures/deep/photo one.jpg"_s}));
    QList<RemoteEntry> entries;
    QVERIFY(!destination->list(&entries).failed());
    QStringList listed;
    for (const RemoteEntry &entry : entries) {
        listed << entry.path;
        if (files.contains(entry.path))
            QCOMPARE(entry.size, files.value(entry.path).size());
        QCOMPARE(entry.isFolder, !files.contains(entry.path));
    }
    listed.sort();
    QCOMPARE(listed, namesBelow(serverPath()));
}

void tst_NetworkDestinations::put_replacesByRenameLeavingNoTemporaryFile_data() {
    addKinds();
}

void tst_NetworkDestinations::put_replacesByRenameLeavingNoTemporaryFile() {
    QFETCH(QString, kind);
    std::unique_ptr<Destination> destination = opened(kind);
    QVERIFY(destination);
    QVERIFY(!destination->put(u"page.htm"_s, localFile(u"old.htm"_s, "old page")).failed());
    const ino_t before = inodeOf(serverPath(u"page.htm"_s));
    QVERIFY(!destination->put(u"page.htm"_s, localFile(u"new.htm"_s, "new page")).failed());
    QCOMPARE(readFile(serverPath(u"page.htm"_s)), QByteArray("new page"));
    // A new file renamed over the old one: a visitor never meets a half-written page.
    QVERIFY(inodeOf(serverPath(u"page.htm"_s)) != before);
    QCOMPARE(namesBelow(serverPath()), QStringList{u"page.htm"_s});
}

void tst_NetworkDestinations::remove_deletesOnlyThatFile_data() {
    addKinds();
}

void tst_NetworkDestinations::remove_deletesOnlyThatFile() {
    QFETCH(QString, kind);
    std::unique_ptr<Destination> destination = opened(kind);
    QVERIFY(destination);
    QVERIFY(!destination->put(u"old/page.htm"_s, localFile(u"page.htm"_s, "page")).failed());
    QVERIFY(writeFile(serverPath(u"CNAME"_s), "example.org"));
    QVERIFY(writeFile(serverPath(u"old/.htaccess"_s), "Options -Indexes"));
    QVERIFY(!destination->remove(u"old/page.htm"_s).failed());
    QCOMPARE(namesBelow(serverPath()), QStringList({u"CNAME"_s, u"old"_s, u"old/.htaccess"_s}));
    const PublishError again = destination->remove(u"old/page.htm"_s);
    QCOMPARE(again.kind, Kind::NotFound);
    QCOMPARE(namesBelow(serverPath()), QStringList({u"CNAME"_s, u"old"_s, u"old/.htaccess"_s}));
}

void tst_NetworkDestinations::readFile_missingOrTooLarge_data() {
    addKinds();
}

void tst_NetworkDestinations::readFile_missingOrTooLarge() {
    QFETCH(QString, kind);
    std::unique_ptr<Destination> destination = opened(kind);
    QVERIFY(destination);
    QByteArray bytes;
    // The published folder does not exist yet.
    QCOMPARE(destination->readFile(u".quillsite-manifest.json"_s, 1000, &bytes).kind,
             Kind::NotFound);
    QVERIFY(writeFile(serverPath(u".quillsite-manifest.json"_s), QByteArray(2000, 'm')));
    const PublishError tooLarge =
        destination->readFile(u".quillsite-manifest.json"_s, 1000, &bytes);
    QCOMPARE(tooLarge.kind, Kind::Failed);
    QVERIFY2(tooLarge.message.contains(u".quillsite-manifest.json"_s),
             qPrintable(tooLarge.message));
    QVERIFY(!destination->readFile(u".quillsite-manifest.json"_s, 2000, &bytes).failed());
    QCOMPARE(bytes, QByteArray(2000, 'm'));
}

void tst_NetworkDestinations::readFileFinding_asksAlongWhereItCan_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("asks");
    // Sizes around where the reads in flight at once end, and past them.
    for (const int size : {0, 64 * 1024, 1024 * 1024, 1024 * 1024 + 5}) {
        QTest::addRow("sftp %d", size) << u"sftp"_s << size << true;
        QTest::addRow("ftp %d", size) << u"ftp"_s << size << false;
    }
}

void tst_NetworkDestinations::readFileFinding_asksAlongWhereItCan() {
    QFETCH(QString, kind);
    QFETCH(int, size);
    QFETCH(bool, asks);
    std::unique_ptr<Destination> destination = opened(kind);
    QVERIFY(destination);
    QByteArray content(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        content[i] = char(i % 251);
    QVERIFY(writeFile(serverPath(u".quillsite-manifest.json"_s), content));
    QVERIFY(writeFile(serverPath(u"media/p.jpg"_s), "jpeg"));
    QVERIFY(writeFile(serverPath(u"index.html"_s), "someone else's"));
    const QStringList asked{u"media"_s, u"index.html"_s, u"index.php"_s, u"gone/deeper"_s};
    QByteArray bytes;
    std::optional<QList<RemoteEntry>> found;
    const PublishError error = destination->readFileFinding(u".quillsite-manifest.json"_s,
                                                            2 * 1024 * 1024, &bytes, asked, &found);
    QVERIFY2(!error.failed(), qPrintable(error.message));
    QCOMPARE(bytes, content);
    QCOMPARE(found.has_value(), asks);
    if (!asks)
        return;
    QMap<QString, RemoteEntry> byPath;
    for (const RemoteEntry &entry : *found)
        byPath.insert(entry.path, entry);
    QCOMPARE(byPath.keys(), QStringList({u"index.html"_s, u"media"_s}));
    QVERIFY(byPath.value(u"media"_s).isFolder);
    QCOMPARE(byPath.value(u"index.html"_s).size, 14);
    // A missing file is still told apart from a failure, and the names are still asked after.
    QCOMPARE(destination->readFileFinding(u"none.json"_s, 1000, &bytes, asked, &found).kind,
             Kind::NotFound);
    QVERIFY(found);
    QCOMPARE(found->size(), 2);
}

void tst_NetworkDestinations::putEachThen_movesTheLastOnlyAfterTheOthers_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("keep");
    for (const QString &kind : {u"sftp"_s, u"ftp"_s}) {
        QTest::addRow("%s kept", qPrintable(kind)) << kind << true;
        QTest::addRow("%s not kept", qPrintable(kind)) << kind << false;
    }
}

void tst_NetworkDestinations::putEachThen_movesTheLastOnlyAfterTheOthers() {
    QFETCH(QString, kind);
    QFETCH(bool, keep);
    std::unique_ptr<Destination> destination = opened(kind);
    QVERIFY(destination);
    QVERIFY(
        !destination->put(u".quillsite-manifest.json"_s, localFile(u"old.json"_s, "old")).failed());
    const QList<SiteFile> files{{u"index.htm"_s, 4, {}, localFile(u"index.htm"_s, "home")},
                                {u"media/p.jpg"_s, 4, {}, localFile(u"p.jpg"_s, "jpeg")}};
    const SiteFile manifest{u".quillsite-manifest.json"_s, 3, {}, localFile(u"new.json"_s, "new")};
    qsizetype given = 0;
    QStringList done;
    // What the server held when the last file was to be moved.
    std::optional<QStringList> doneThen;
    QByteArray pictureThen, manifestThen;
    const std::optional<PublishError> result = destination->putEachThen(
        [&]() -> const SiteFile * { return given < files.size() ? &files.at(given++) : nullptr; },
        [&](const SiteFile &file, const PublishError &error) {
            QVERIFY2(!error.failed(), qPrintable(error.message));
            done << file.path;
        },
        manifest,
        [&] {
            doneThen = done;
            pictureThen = readFile(serverPath(u"media/p.jpg"_s));
            manifestThen = readFile(serverPath(u".quillsite-manifest.json"_s));
            return keep;
        });
    // The others are in place before the last may be: the manifest never names a file that
    // is not there yet.
    QVERIFY(doneThen);
    QCOMPARE(doneThen->size(), files.size());
    QCOMPARE(pictureThen, QByteArray("jpeg"));
    QCOMPARE(manifestThen, QByteArray("old"));
    QCOMPARE(result.has_value(), keep);
    if (result)
        QVERIFY2(!result->failed(), qPrintable(result->message));
    QCOMPARE(readFile(serverPath(u".quillsite-manifest.json"_s)),
             keep ? QByteArray("new") : QByteArray("old"));
    // No copy under a temporary name is left either way.
    QCOMPARE(namesBelow(serverPath()), QStringList({u".quillsite-manifest.json"_s, u"index.htm"_s,
                                                    u"media"_s, u"media/p.jpg"_s}));
}

void tst_NetworkDestinations::logIn_asksPasswordOnlyWhenNeeded_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("withKey");
    QTest::addColumn<QString>("password");
    QTest::addColumn<Kind>("expected");
    QTest::addColumn<int>("passwordAsks");
    QTest::newRow("sftp key") << u"sftp"_s << true << QString() << Kind::None << 0;
    QTest::newRow("sftp password") << u"sftp"_s << false << QString() << Kind::None << 1;
    QTest::newRow("sftp wrong password")
        << u"sftp"_s << false << u"not-the-password"_s << Kind::Authenticate << 1;
    QTest::newRow("ftps password") << u"ftps"_s << false << QString() << Kind::None << 1;
    QTest::newRow("ftps wrong password")
        << u"ftps"_s << false << u"not-the-password"_s << Kind::Authenticate << 1;
}

void tst_NetworkDestinations::logIn_asksPasswordOnlyWhenNeeded() {
    QFETCH(QString, kind);
    QFETCH(bool, withKey);
    QFETCH(QString, password);
    QFETCH(Kind, expected);
    QFETCH(int, passwordAsks);
    ConnectionOptions options = trusted(kind);
    if (withKey)
        options.identityFile = m_servers.ssh.clientKey();
    int asks = 0;
    const QString given = password.isEmpty() ? m_servers.user->password() : password;
    options.password = [&asks, given] {
        ++asks;
        return std::optional<QString>(given);
    };
    const PublishError error = make(kind, options)->open();
    QCOMPARE(error.kind, expected);
    QCOMPARE(asks, passwordAsks);
    checkNoPassword(error);
    QVERIFY(!error.message.contains(given));
    if (expected == Kind::Authenticate)
        QVERIFY2(error.message.contains(m_servers.user->name() + u"@127.0.0.1"_s) &&
                     error.message.contains(u"password"_s),
                 qPrintable(error.message));
}

void tst_NetworkDestinations::untrustedServer_stopsWithFingerprintUntilAccepted_data() {
    addKinds({u"sftp"_s, u"ftps"_s});
}

void tst_NetworkDestinations::untrustedServer_stopsWithFingerprintUntilAccepted() {
    QFETCH(QString, kind);
    const bool ssh = kind == u"sftp"_s;
    ConnectionOptions options = trusted(kind);
    options.knownHostsFile = m_servers.dir->filePath(m_folder + u"/known_hosts"_s);
    options.caCertFile.clear();
    const QString fingerprint = ssh ? m_servers.ssh.fingerprint() : m_servers.ftp.fingerprint();
    QVERIFY(fingerprint.startsWith(u"SHA256:"_s));

    const PublishError error = make(kind, options)->open();
    QCOMPARE(error.kind, Kind::Trust);
    QCOMPARE(error.fingerprint, fingerprint);
    const QString option = (ssh ? u"--accept-host-key "_s : u"--pin "_s) + fingerprint;
    QVERIFY2(error.message.contains(option), qPrintable(error.message));

    (ssh ? options.acceptHostKey : options.pin) = fingerprint;
    const PublishError accepted = make(kind, options)->open();
    QVERIFY2(!accepted.failed(), qPrintable(accepted.message));
    if (ssh) {
        // Recorded, so that the next publish needs no option.
        QVERIFY(readFile(options.knownHostsFile)
                    .contains(m_servers.ssh.knownHostsLine().toLatin1().split(' ').value(2)));
        options.acceptHostKey.clear();
        const PublishError later = make(kind, options)->open();
        QVERIFY2(!later.failed(), qPrintable(later.message));
    }
}

void tst_NetworkDestinations::changedTrust_isRefusedWhateverTheOptions_data() {
    addKinds({u"sftp"_s, u"ftps"_s});
}

void tst_NetworkDestinations::changedTrust_isRefusedWhateverTheOptions() {
    QFETCH(QString, kind);
    ConnectionOptions options = trusted(kind);
    if (kind == u"sftp"_s) {
        // known_hosts holds another key for the server: someone may be in between.
        options.knownHostsFile = m_servers.dir->filePath(m_folder + u"/known_hosts"_s);
        QVERIFY(writeFile(options.knownHostsFile, m_servers.ssh.otherKeyLine().toLatin1()));
        options.acceptHostKey = m_servers.ssh.fingerprint();
    } else {
        // A pin of another certificate, where the system's CAs would trust this one.
        options.pin = u"SHA256:47DEQpj8HBSa+/TImW+5JCeuQeRkm5NMpJWZG3hSuFU"_s;
    }
    const PublishError error = make(kind, options)->open();
    QCOMPARE(error.kind, Kind::Trust);
    QVERIFY2(error.message.contains(kind == u"sftp"_s ? m_servers.ssh.fingerprint()
                                                      : m_servers.ftp.fingerprint()),
             qPrintable(error.message));
    if (kind == u"sftp"_s) {
        QVERIFY2(error.message.contains(u"changed"_s), qPrintable(error.message));
        QVERIFY(error.fingerprint.isEmpty());
        QCOMPARE(readFile(options.knownHostsFile), m_servers.ssh.otherKeyLine().toLatin1());
    }
}

void tst_NetworkDestinations::fullFolder_failsLeavingNoPartOfTheFile_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<Kind>("expected");
    QTest::newRow("sftp") << u"sftp"_s << Kind::NoSpace;
    // vsftpd answers a full disk only with "451 Failure writing to local file".
    QTest::newRow("ftps") << u"ftps"_s << Kind::Transient;
}

void tst_NetworkDestinations::fullFolder_failsLeavingNoPartOfTheFile() {
    QFETCH(QString, kind);
    QFETCH(Kind, expected);
    QVERIFY(QDir().mkpath(serverPath()));
    const QByteArray mountPoint = QFile::encodeName(serverPath());
    if (!runTool(u"mount"_s,
                 {u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size=512k"_s, u"tmpfs"_s, serverPath()}))
        QSKIP("mounting a small tmpfs is not permitted here");
    const auto unmount = qScopeGuard([this] { runTool(u"umount"_s, {serverPath()}); });
    QVERIFY(m_servers.user->own(serverPath()));
    std::unique_ptr<Destination> destination = opened(kind);
    QVERIFY(destination);
    QVERIFY(!destination->put(u"small.htm"_s, localFile(u"small.htm"_s, "fits")).failed());
    const PublishError error = destination->put(
        u"photo.jpg"_s, localFile(u"photo.jpg"_s, QByteArray(2 * 1024 * 1024, 'p')));
    QCOMPARE(error.kind, expected);
    QVERIFY2(error.message.contains(u"photo.jpg"_s), qPrintable(error.message));
    QCOMPARE(namesBelow(serverPath()), QStringList{u"small.htm"_s});
}

void tst_NetworkDestinations::lostConnection_isTransientAndTheRetryReconnects() {
    std::unique_ptr<Destination> destination = opened(u"sftp"_s);
    QVERIFY(destination);
    QVERIFY(!destination->put(u"a.htm"_s, localFile(u"a.htm"_s, "a")).failed());
    m_servers.ssh.dropConnections();
    const PublishError lost = destination->put(u"b.htm"_s, localFile(u"b.htm"_s, "b"));
    QCOMPARE(lost.kind, Kind::Transient);
    QVERIFY2(lost.message.contains(u"b.htm"_s), qPrintable(lost.message));
    const PublishError retried = destination->put(u"b.htm"_s, localFile(u"b.htm"_s, "b"));
    QVERIFY2(!retried.failed(), qPrintable(retried.message));
    QCOMPARE(readFile(serverPath(u"b.htm"_s)), QByteArray("b"));
}

// A server that lets the user in and then opens no session: said as soon as it refuses.
void tst_NetworkDestinations::refusedSession_saysSftpDidNotStart() {
    ConnectionOptions options = trusted(u"sftp"_s);
    options.identityFile = m_servers.ssh.clientKey();
    options.knownHostsFile = m_servers.dir->filePath(m_folder + u"/known_hosts"_s);
    options.acceptHostKey = m_servers.ssh.fingerprint();
    // Longer than the test may take: a failure that waited for the limit can't pass.
    options.stallTimeoutSeconds = 3600;
    const PublishError error = make(u"sftp"_s, options, m_servers.ssh.refusingPort())->open();
    QCOMPARE(error.kind, Kind::Connect);
    QVERIFY2(error.message.contains(u"did not start its SFTP service"_s),
             qPrintable(error.message));
}

void tst_NetworkDestinations::silentServer_failsWithinTheTimeLimit_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("afterLogin");
    for (const QString &kind : {u"sftp"_s, u"ftps"_s}) {
        QTest::addRow("%s never greets", qPrintable(kind)) << kind << false;
        QTest::addRow("%s stops answering after the login", qPrintable(kind)) << kind << true;
    }
}

// A server that takes the connection and then says nothing more: the wait ends at the limit.
void tst_NetworkDestinations::silentServer_failsWithinTheTimeLimit() {
    QFETCH(QString, kind);
    QFETCH(bool, afterLogin);
    // The system takes the connections; nothing ever reads them or writes to them.
    QTcpServer silent;
    QVERIFY(silent.listen(QHostAddress::LocalHost));
    ConnectionOptions options = trusted(kind);
    options.connectTimeoutSeconds = 2;
    options.stallTimeoutSeconds = 2;
    std::unique_ptr<Destination> destination =
        make(kind, options, afterLogin ? 0 : silent.serverPort());
    QElapsedTimer timer;
    timer.start();
    PublishError error = destination->open();
    const auto drop = qScopeGuard([this] {
        m_servers.ssh.dropConnections();
        m_servers.ftp.dropConnections();
    });
    if (afterLogin) {
        QVERIFY2(!error.failed(), qPrintable(error.message));
        kind == u"sftp"_s ? m_servers.ssh.stopAnswering() : m_servers.ftp.stopAnswering();
        timer.restart();
        error = destination->put(u"page.htm"_s, localFile(u"page.htm"_s, "page"));
    }
    QVERIFY(error.failed());
    checkNoPassword(error);
    // Far below the usual limits of 15 and 60 seconds, however busy the machine.
    QVERIFY2(timer.elapsed() < 12000, qPrintable(QString::number(timer.elapsed())));
}

void tst_NetworkDestinations::cancel_stopsTheTransferInFlight_data() {
    addKinds({u"sftp"_s, u"ftps"_s});
}

void tst_NetworkDestinations::cancel_stopsTheTransferInFlight() {
    QFETCH(QString, kind);
    std::unique_ptr<Destination> destination = opened(kind);
    QVERIFY(destination);
    const QString large = localFile(u"large.bin"_s, QByteArray(64 * 1024 * 1024, 'x'));
    PublishError error;
    std::thread sender([&] { error = destination->put(u"large.bin"_s, large); });
    // Once the first bytes arrived, the transfer is stopped from this thread.
    const QString partial = serverPath(u".large.bin.quillsite-upload"_s);
    for (int i = 0; i < 2000 && QFileInfo(partial).size() == 0; ++i)
        QThread::msleep(5);
    destination->cancel();
    sender.join();
    QCOMPARE(error.kind, Kind::Failed);
    QVERIFY(!QFileInfo::exists(serverPath(u"large.bin"_s)));
    // A stopped destination sends nothing more.
    QVERIFY(destination->put(u"small.htm"_s, localFile(u"small.htm"_s, "small")).failed());
    QVERIFY(!QFileInfo::exists(serverPath(u"small.htm"_s)));
}

std::optional<QStringList> tst_NetworkDestinations::publish(const QString &kind,
                                                            const QString &site) {
    QList<SiteFile> files;
    QStringList warnings;
    QString why;
    if (!scanSite(site, &files, &warnings, &why))
        return std::nullopt;
    PublishSettings settings;
    settings.jobs = 2;
    PublishEngine engine([this, kind] { return make(kind, trusted(kind)); }, settings);
    if (engine.prepare(files) != PublishStatus::Done || engine.publish() != PublishStatus::Done) {
        qWarning("publish: %s", qPrintable(engine.errors().join(u'\n')));
        return std::nullopt;
    }
    QStringList sent;
    for (const SiteFile &file : engine.sent())
        sent << file.path;
    sent.sort();
    return sent;
}

void tst_NetworkDestinations::publish_bringsServerInStepTouchingNothingElse_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("change");
    // What the second publish is expected to send.
    QTest::addColumn<QStringList>("sent");
    for (const QString &kind : {u"sftp"_s, u"ftps"_s, u"ftp"_s}) {
        QTest::addRow("%s nothing changed", qPrintable(kind)) << kind << u"none"_s << QStringList();
        QTest::addRow("%s one page changed", qPrintable(kind))
            << kind << u"page"_s << QStringList{u"about.htm"_s};
        QTest::addRow("%s page deleted", qPrintable(kind)) << kind << u"delete"_s << QStringList();
    }
}

void tst_NetworkDestinations::publish_bringsServerInStepTouchingNothingElse() {
    QFETCH(QString, kind);
    QFETCH(QString, change);
    QFETCH(QStringList, sent);
    const QString site = m_servers.dir->filePath(u"local/"_s + m_folder + u"-site"_s);
    const QMap<QString, QByteArray> pages{{u"index.htm"_s, "<p>home</p>"},
                                          {u"about.htm"_s, "<p>about</p>"},
                                          {u"contact.htm"_s, "<p>contact</p>"},
                                          {u"media/photo.jpg"_s, QByteArray(200000, 'j')}};
    for (auto it = pages.begin(); it != pages.end(); ++it)
        QVERIFY(writeFile(site + u'/' + it.key(), it.value()));
    // Files of the user's own on the server, which no publish may touch.
    QVERIFY(writeFile(serverPath(u"CNAME"_s), "example.org"));
    QVERIFY(writeFile(serverPath(u"media/.htaccess"_s), "Options -Indexes"));
    QVERIFY(m_servers.user->own(serverPath()) && m_servers.user->own(serverPath(u"media"_s)));

    const std::optional<QStringList> first = publish(kind, site);
    QVERIFY(first);
    QCOMPARE(*first,
             QStringList({u"about.htm"_s, u"contact.htm"_s, u"index.htm"_s, u"media/photo.jpg"_s}));
    for (auto it = pages.begin(); it != pages.end(); ++it)
        QCOMPARE(readFile(serverPath(it.key())), it.value());
    const auto before = fileStamps(serverPath());

    if (change == u"page"_s)
        QVERIFY(writeFile(site + u"/about.htm"_s, "<p>about us</p>"));
    if (change == u"delete"_s)
        QVERIFY(QFile::remove(site + u"/contact.htm"_s));
    const std::optional<QStringList> second = publish(kind, site);
    QVERIFY(second);
    QCOMPARE(*second, sent);

    auto after = fileStamps(serverPath());
    QCOMPARE(readFile(serverPath(u"CNAME"_s)), QByteArray("example.org"));
    QCOMPARE(readFile(serverPath(u"media/.htaccess"_s)), QByteArray("Options -Indexes"));
    QCOMPARE(QFileInfo::exists(serverPath(u"contact.htm"_s)), change != u"delete"_s);
    if (change == u"page"_s)
        QCOMPARE(readFile(serverPath(u"about.htm"_s)), QByteArray("<p>about us</p>"));
    // Besides the files the change concerns and the manifest, not one file was touched.
    auto expected = before;
    for (const QString &path : {u"about.htm"_s, u"contact.htm"_s, u".quillsite-manifest.json"_s}) {
        if (path == u".quillsite-manifest.json"_s || change != u"none"_s) {
            expected.remove(path);
            after.remove(path);
        }
    }
    QCOMPARE(after, expected);
}

void tst_NetworkDestinations::failedFile_isNeverClaimedByTheManifest_data() {
    addKinds({u"sftp"_s, u"ftp"_s});
}

void tst_NetworkDestinations::failedFile_isNeverClaimedByTheManifest() {
    QFETCH(QString, kind);
    const QString site = m_servers.dir->filePath(u"local/"_s + m_folder + u"-site"_s);
    for (const QString &page : {u"a.htm"_s, u"b.htm"_s, u"c.htm"_s})
        QVERIFY(writeFile(site + u'/' + page, page.toUtf8()));
    QVERIFY(publish(kind, site));
    // b.htm can't be replaced: a folder that is not empty stands in its place.
    QVERIFY(writeFile(site + u"/b.htm"_s, "new b"));
    QVERIFY(writeFile(site + u"/c.htm"_s, "new c"));
    QVERIFY(QFile::remove(serverPath(u"b.htm"_s)));
    QVERIFY(writeFile(serverPath(u"b.htm/inside"_s), "in the way"));
    QVERIFY(!publish(kind, site));
    QString why;
    const std::optional<Manifest> manifest =
        readManifest(readFile(serverPath(manifestFileName())), {}, &why);
    QVERIFY2(manifest, qPrintable(why));
    // What the manifest claims is what the server holds; b.htm it can't claim.
    QVERIFY(manifest->files.value(u"b.htm"_s).sha256.isEmpty());
    for (const ManifestEntry &entry : manifest->files) {
        QVERIFY2(entry.sha256.isEmpty() || entry.sha256 == fileSha256(serverPath(entry.path)),
                 qPrintable(entry.path));
    }
    QCOMPARE(readFile(serverPath(u"b.htm/inside"_s)), QByteArray("in the way"));
}

void tst_NetworkDestinations::killedPublish_isCompletedByTheNext_data() {
    addKinds({u"sftp"_s, u"ftps"_s});
}

void tst_NetworkDestinations::killedPublish_isCompletedByTheNext() {
    QFETCH(QString, kind);
    const QString site = m_servers.dir->filePath(u"local/"_s + m_folder + u"-site"_s);
    QMap<QString, QByteArray> files;
    for (int i = 0; i < 40; ++i)
        files.insert(u"page%1.htm"_s.arg(i), QByteArray(20000 + i, char('a' + i % 26)));
    for (int i = 0; i < 4; ++i)
        files.insert(u"media/photo%1.jpg"_s.arg(i), QByteArray(1500000, char('0' + i)));
    for (auto it = files.begin(); it != files.end(); ++it)
        QVERIFY(writeFile(site + u'/' + it.key(), it.value()));
    const DestinationAddress to = address(kind);
    const QString destination = u"%1://%2@127.0.0.1:%3%4"_s.arg(kind, to.user)
                                    .arg(to.port)
                                    .arg(kind == u"sftp"_s ? to.path : u"/"_s + m_folder);
    const QStringList arguments{site,
                                destination,
                                u"--identity"_s,
                                m_servers.ssh.clientKey(),
                                u"--known-hosts"_s,
                                m_servers.dir->filePath(u"known_hosts"_s),
                                u"--cacert"_s,
                                m_servers.ftp.certificate(),
                                u"--yes"_s};
    // The password reaches the program through its environment only.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QUILLSITE_PASSWORD"_s, m_servers.user->password());
    environment.insert(u"XDG_DATA_HOME"_s, m_servers.dir->filePath(u"data"_s));
    const auto run = [&](QProcess &process) {
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QStringLiteral(QUILLSITE_BIN_DIR "/quillsite-publish"), arguments);
        return process.waitForStarted(30000);
    };

    // Killed once a random number of files is on the server: in the middle of sending.
    const int killAt = QRandomGenerator::global()->bounded(1, int(files.size()));
    QProcess killed;
    QVERIFY(run(killed));
    for (int i = 0; i < 3000 && killed.state() == QProcess::Running &&
                    namesBelow(serverPath()).size() < killAt;
         ++i)
        killed.waitForFinished(10);
    // It may have finished first, on a quick machine; the second publish must then send nothing.
    if (killed.state() == QProcess::Running) {
        killed.kill();
        QVERIFY(killed.waitForFinished(30000));
    }
    const QByteArray killedOutput = killed.readAll();
    QVERIFY2(killed.exitStatus() == QProcess::CrashExit || killed.exitCode() == 0,
             killedOutput.constData());
    QVERIFY(!killedOutput.contains(m_servers.user->password().toUtf8()));

    QProcess again;
    QVERIFY(run(again));
    QVERIFY(again.waitForFinished(120000));
    const QByteArray output = again.readAll();
    QVERIFY(!output.contains(m_servers.user->password().toUtf8()));
    QVERIFY2(again.exitStatus() == QProcess::NormalExit && again.exitCode() == 0,
             qPrintable(u"killed after %1 files: "_s.arg(killAt) + QString::fromUtf8(output)));
    // Every file whole, no temporary file left, and the manifest beside them.
    for (auto it = files.begin(); it != files.end(); ++it)
        QVERIFY2(readFile(serverPath(it.key())) == it.value(), qPrintable(it.key()));
    QStringList expected = files.keys();
    expected << u".quillsite-manifest.json"_s << u"media"_s;
    expected.sort();
    QCOMPARE(namesBelow(serverPath()), expected);
}

QTEST_GUILESS_MAIN(tst_NetworkDestinations)
#include "tst_networkdestinations.moc"
