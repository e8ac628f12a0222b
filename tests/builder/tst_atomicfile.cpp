// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/atomicfile.h"

#include "filesizelimit.h"

#include <QDateTime>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace quillsite {

class TestAtomicFile : public QObject {
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
    void abandonedWrite_keepsOldFileAndLeavesNoTemporary();
    void newFile_getsPermissionsOfAnyNewFile();
    void leftoverTemporaries_ofEndedProcessesRemoved();
    void renamePass_data();
    void renamePass();
    void modificationTime_keptInPlace();

private:
    QString pagePath() const { return m_dir->filePath(u"page.htm"_s); }
    void writeOld(const QString &path);
    QByteArray contents(const QString &path) const;
    QStringList entries() const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

namespace {

const QByteArray newPage = "<html>the new page, longer than the limit</html>"_ba;
const QList<QByteArrayView> newPieces{QByteArrayView("<html>the new page, "), QByteArrayView(),
                                      QByteArrayView("longer than the limit</html>")};

} // namespace

void TestAtomicFile::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestAtomicFile::writeOld(const QString &path) {
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    QCOMPARE(old.write("old page"), 8);
}

QByteArray TestAtomicFile::contents(const QString &path) const {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QStringList TestAtomicFile::entries() const {
    return QDir(m_dir->path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

void TestAtomicFile::newFile_writtenWhole() {
    QVERIFY(!writeFileAtomically(pagePath(), newPieces).failed());
    QCOMPARE(contents(pagePath()), newPage);
    QCOMPARE(entries(), QStringList{u"page.htm"_s});
}

void TestAtomicFile::existingFile_replacedByANewFile() {
    // A second name for the old file shows whether it was overwritten in
    // place (a crash then would leave a cut-off page) or replaced.
    writeOld(pagePath());
    const QString secondName = m_dir->filePath(u"second-name"_s);
    QCOMPARE(::link(QFile::encodeName(pagePath()).constData(),
                    QFile::encodeName(secondName).constData()),
             0);

    QVERIFY(!writeFileAtomically(pagePath(), newPieces).failed());
    QCOMPARE(contents(pagePath()), newPage);
    QCOMPARE(contents(secondName), QByteArray("old page"));
    QCOMPARE(entries(), (QStringList{u"page.htm"_s, u"second-name"_s}));
}

void TestAtomicFile::existingFile_keepsItsPermissions() {
    writeOld(pagePath());
    QVERIFY(QFile::setPermissions(pagePath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    const QFileDevice::Permissions permissions = QFile::permissions(pagePath());
    QVERIFY(!writeFileAtomically(pagePath(), newPieces).failed());
    QCOMPARE(contents(pagePath()), newPage);
    QCOMPARE(QFile::permissions(pagePath()), permissions);
}

void TestAtomicFile::failedWrite_leavesNoPartNewFile() {
    FileError error;
    {
        FileSizeLimit limit(8);
        error = writeFileAtomically(pagePath(), newPieces);
    }
    QCOMPARE(error.path, pagePath());
    QCOMPARE(error.reason, u"File too large"_s);
    QCOMPARE(entries(), QStringList{});
}

void TestAtomicFile::failedWrite_keepsOldFileAndLeavesNoTemporary() {
    writeOld(pagePath());
    FileError error;
    {
        FileSizeLimit limit(8);
        error = writeFileAtomically(pagePath(), newPieces);
    }
    QVERIFY(error.failed());
    QCOMPARE(contents(pagePath()), QByteArray("old page"));
    QCOMPARE(entries(), QStringList{u"page.htm"_s});
}

void TestAtomicFile::missingFolder_failsWithReason() {
    const QString path = m_dir->filePath(u"missing/page.htm"_s);
    QCOMPARE(writeFileAtomically(path, newPieces).reason, u"No such file or directory"_s);
    QCOMPARE(entries(), QStringList{});
}

void TestAtomicFile::morePiecesThanOneCallTakes_allWritten() {
    // The system takes only so many pieces in one call (1024 on Linux).
    QByteArray expected;
    QList<QByteArrayView> pieces;
    static const QByteArray parts[] = {"<p>"_ba, QByteArray(), "a longer piece of text"_ba};
    for (int i = 0; i < 3000; ++i) {
        pieces.append(parts[i % 3]);
        expected += parts[i % 3];
    }
    QVERIFY(!writeFileAtomically(pagePath(), pieces).failed());
    QCOMPARE(contents(pagePath()), expected);
}

void TestAtomicFile::abandonedWrite_keepsOldFileAndLeavesNoTemporary() {
    writeOld(pagePath());
    {
        AtomicFile file(pagePath());
        QVERIFY(!file.open().failed());
        QVERIFY(!file.write({QByteArrayView("half a pa")}).failed());
    }
    QCOMPARE(contents(pagePath()), QByteArray("old page"));
    QCOMPARE(entries(), QStringList{u"page.htm"_s});
}

void TestAtomicFile::newFile_getsPermissionsOfAnyNewFile() {
    const mode_t saved = ::umask(027);
    const FileError error = writeFileAtomically(pagePath(), newPieces);
    ::umask(saved);
    QVERIFY(!error.failed());
    QCOMPARE(QFile::permissions(pagePath()), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                 QFileDevice::ReadUser | QFileDevice::WriteUser |
                                                 QFileDevice::ReadGroup);
}

void TestAtomicFile::leftoverTemporaries_ofEndedProcessesRemoved() {
    // A process that has ended, and one that still runs (this one's parent).
    QProcess ended;
    ended.start(u"true"_s, {});
    QVERIFY(ended.waitForStarted());
    const QString endedName = u".quillsite-%1-0.tmp"_s.arg(ended.processId());
    QVERIFY(ended.waitForFinished());
    const QString runningName = u".quillsite-%1-0.tmp"_s.arg(::getppid());
    for (const QString &name : {endedName, runningName, u".quillsite-notes.tmp"_s})
        writeOld(m_dir->filePath(name));

    removeLeftoverTemporaryFiles(m_dir->path());
    QCOMPARE(entries(), (QStringList{runningName, u".quillsite-notes.tmp"_s}));
}

void TestAtomicFile::renamePass_data() {
    QTest::addColumn<bool>("run");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QByteArray>("page"); // page.htm afterwards

    QTest::newRow("run: every file in place")
        << true << QStringList{u"new.htm"_s, u"page.htm"_s} << newPage;
    QTest::newRow("never run: the old files only, no temporaries")
        << false << QStringList{u"page.htm"_s} << "old page"_ba;
}

void TestAtomicFile::renamePass() {
    QFETCH(bool, run);
    writeOld(pagePath());
    {
        RenamePass pass;
        QVERIFY(!writeFileAtomically(m_dir->filePath(u"new.htm"_s), newPieces, &pass).failed());
        QVERIFY(!writeFileAtomically(pagePath(), newPieces, &pass).failed());
        // Complete, but waiting: nothing has taken its name yet.
        QCOMPARE(contents(pagePath()), "old page"_ba);
        QVERIFY(!QFileInfo::exists(m_dir->filePath(u"new.htm"_s)));
        QCOMPARE(entries().size(), 3);
        if (run)
            QVERIFY(!pass.run().failed());
    }
    QTEST(entries(), "entries");
    QTEST(contents(pagePath()), "page");
}

void TestAtomicFile::modificationTime_keptInPlace() {
    const QDateTime time = QDateTime::fromSecsSinceEpoch(1'600'000'000).addMSecs(250);
    RenamePass pass;
    AtomicFile file(pagePath(), &pass);
    QVERIFY(!file.open().failed());
    QVERIFY(!file.write(newPieces).failed());
    QVERIFY(!file.setModificationTime(time).failed());
    QVERIFY(!file.commit().failed());
    QVERIFY(!pass.run().failed());
    QCOMPARE(QFileInfo(pagePath()).lastModified(), time);
}

} // namespace quillsite

QTEST_GUILESS_MAIN(quillsite::TestAtomicFile)
#include "tst_atomicfile.moc"
