#include "builder/atomicfile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace quillsite {

class TestAtomicFile : public QObject {
    Q_OBJECT

private slots:
    void init();
    void commit_writesNewFile();
    void commit_replacesOldFileAndKeepsItsPermissions();
    void abandonedWrite_keepsOldFileAndLeavesNoTemporary();
    void missingFolder_failsWithReason();

private:
    QByteArray contents(const QString &path) const;
    QStringList entries() const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestAtomicFile::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QByteArray TestAtomicFile::contents(const QString &path) const {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QStringList TestAtomicFile::entries() const {
    return QDir(m_dir->path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

void TestAtomicFile::commit_writesNewFile() {
    const QString path = m_dir->filePath(u"page.htm"_s);
    AtomicFile file(path);
    QVERIFY(file.open());
    QCOMPARE(file.device().write("new page"), 8);
    QVERIFY(file.commit());
    QCOMPARE(contents(path), QByteArray("new page"));
    QCOMPARE(entries(), QStringList{u"page.htm"_s});
}

void TestAtomicFile::commit_replacesOldFileAndKeepsItsPermissions() {
    const QString path = m_dir->filePath(u"page.htm"_s);
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old page, longer than the new one");
    old.close();
    const auto permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                             QFile::WriteUser | QFile::ReadOther;
    QVERIFY(QFile::setPermissions(path, permissions));

    AtomicFile file(path);
    QVERIFY(file.open());
    file.device().write("new");
    QVERIFY(file.commit());
    QCOMPARE(contents(path), QByteArray("new"));
    QCOMPARE(QFile::permissions(path), permissions);
}

void TestAtomicFile::abandonedWrite_keepsOldFileAndLeavesNoTemporary() {
    const QString path = m_dir->filePath(u"page.htm"_s);
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old page");
    old.close();
    {
        AtomicFile file(path);
        QVERIFY(file.open());
        file.device().write("half a pa");
    }
    QCOMPARE(contents(path), QByteArray("old page"));
    QCOMPARE(entries(), QStringList{u"page.htm"_s});
}

void TestAtomicFile::missingFolder_failsWithReason() {
    AtomicFile file(m_dir->filePath(u"none/page.htm"_s));
    QVERIFY(!file.open());
    QVERIFY(!file.errorString().isEmpty());
    QVERIFY(!file.commit());
}

} // namespace quillsite

QTEST_GUILESS_MAIN(quillsite::TestAtomicFile)
#include "tst_atomicfile.moc"
