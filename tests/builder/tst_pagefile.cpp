#include "builder/pagefile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <sys/resource.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace quillsite {

class TestPageFile : public QObject {
    Q_OBJECT

private slots:
    void init();
    void newFile_writtenWhole();
    void existingFile_replacedByANewFile();
    void existingFile_keepsItsPermissions();
    void failedWrite_leavesNoPartNewFile();
    void failedWrite_keepsOldFileAndLeavesNoTemporary();
    void missingFolder_failsWithReason();
    void morePiecesThanOneCallTakes_allWritten();

private:
    QString pagePath() const { return m_dir->filePath(u"page.htm"_s); }
    void writeOld(const QString &path);
    QByteArray contents(const QString &path) const;
    QStringList entries() const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

namespace {

// Makes every write past `bytes` into any file fail with "File too large"
// for as long as it lives, as a full disk would.
class FileSizeLimit final {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit limited = m_saved;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_saved); }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_saved{};
};

const QByteArray newPage = "<html>the new page, longer than the limit</html>"_ba;
const QList<QByteArrayView> newPieces{QByteArrayView("<html>the new page, "), QByteArrayView(),
                                      QByteArrayView("longer than the limit</html>")};

} // namespace

void TestPageFile::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestPageFile::writeOld(const QString &path) {
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    QCOMPARE(old.write("old page"), 8);
}

QByteArray TestPageFile::contents(const QString &path) const {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QStringList TestPageFile::entries() const {
    return QDir(m_dir->path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

void TestPageFile::newFile_writtenWhole() {
    QCOMPARE(writePageFile(pagePath(), newPieces), QString());
    QCOMPARE(contents(pagePath()), newPage);
    QCOMPARE(entries(), QStringList{u"page.htm"_s});
}

void TestPageFile::existingFile_replacedByANewFile() {
    // A second name for the old file shows whether it was overwritten in
    // place (a crash then would leave a cut-off page) or replaced.
    writeOld(pagePath());
    const QString secondName = m_dir->filePath(u"second-name"_s);
    QCOMPARE(::link(QFile::encodeName(pagePath()).constData(),
                    QFile::encodeName(secondName).constData()),
             0);

    QCOMPARE(writePageFile(pagePath(), newPieces), QString());
    QCOMPARE(contents(pagePath()), newPage);
    QCOMPARE(contents(secondName), QByteArray("old page"));
    QCOMPARE(entries(), (QStringList{u"page.htm"_s, u"second-name"_s}));
}

void TestPageFile::existingFile_keepsItsPermissions() {
    writeOld(pagePath());
    QVERIFY(QFile::setPermissions(pagePath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    const QFileDevice::Permissions permissions = QFile::permissions(pagePath());
    QCOMPARE(writePageFile(pagePath(), newPieces), QString());
    QCOMPARE(contents(pagePath()), newPage);
    QCOMPARE(QFile::permissions(pagePath()), permissions);
}

void TestPageFile::failedWrite_leavesNoPartNewFile() {
    QString reason;
    {
        FileSizeLimit limit(8);
        reason = writePageFile(pagePath(), newPieces);
    }
    QVERIFY2(reason.contains(u"too large"_s), qPrintable(reason));
    QCOMPARE(entries(), QStringList{});
}

void TestPageFile::failedWrite_keepsOldFileAndLeavesNoTemporary() {
    writeOld(pagePath());
    QString reason;
    {
        FileSizeLimit limit(8);
        reason = writePageFile(pagePath(), newPieces);
    }
    QVERIFY(!reason.isEmpty());
    QCOMPARE(contents(pagePath()), QByteArray("old page"));
    QCOMPARE(entries(), QStringList{u"page.htm"_s});
}

void TestPageFile::missingFolder_failsWithReason() {
    const QString path = m_dir->filePath(u"missing/page.htm"_s);
    QCOMPARE(writePageFile(path, newPieces), u"No such file or directory"_s);
    QCOMPARE(entries(), QStringList{});
}

void TestPageFile::morePiecesThanOneCallTakes_allWritten() {
    // The system takes only so many pieces in one call (1024 on Linux).
    QByteArray expected;
    QList<QByteArrayView> pieces;
    static const QByteArray parts[] = {"<p>"_ba, QByteArray(), "a longer piece of text"_ba};
    for (int i = 0; i < 3000; ++i) {
        pieces.append(parts[i % 3]);
        expected += parts[i % 3];
    }
    QCOMPARE(writePageFile(pagePath(), pieces), QString());
    QCOMPARE(contents(pagePath()), expected);
}

} // namespace quillsite

QTEST_GUILESS_MAIN(quillsite::TestPageFile)
#include "tst_pagefile.moc"
