// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/supportfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace quillsite {

class TestSupportFiles : public QObject {
    Q_OBJECT

private slots:
    void init();
    void plan_listsFoldersBeforeTheirFiles();
    void plan_missingSourceIsEmpty();
    void plan_symlinkCycleEnds();
    void plan_linkWithinTemplateCopied();
    void plan_linksOutOfTemplateLeftOut();
    void plan_danglingLinkIsAProblem();
    void plan_targetInTheWayIsAProblem_data();
    void plan_targetInTheWayIsAProblem();
    void copy_replacesFilesAndCountsBytes();
    void copy_vanishedSourceIsReported();
    void copy_neverWidensPermissions();

private:
    void write(const QString &relative, const QByteArray &content);
    QByteArray read(const QString &relative) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_source;
    QString m_target;
};

void TestSupportFiles::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_source = m_dir->filePath(u"template/files"_s);
    m_target = m_dir->filePath(u"site/files"_s);
}

void TestSupportFiles::write(const QString &relative, const QByteArray &content) {
    const QString path = m_dir->filePath(relative);
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

QByteArray TestSupportFiles::read(const QString &relative) const {
    QFile file(m_dir->filePath(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void TestSupportFiles::plan_listsFoldersBeforeTheirFiles() {
    write(u"template/files/style.css"_s, "body{}");
    write(u"template/files/img/logo.png"_s, "png!");
    write(u"template/files/img/icons/a.gif"_s, "gif");
    write(u"template/files/.hidden"_s, "h");

    const SupportFilePlan plan = planSupportFiles(m_source, m_target);
    QVERIFY(!plan.error.failed());
    QCOMPARE(plan.folders, (QList<QString>{u"img"_s, u"img/icons"_s}));
    QCOMPARE(plan.files, (QList<QString>{u".hidden"_s, u"img/icons/a.gif"_s, u"img/logo.png"_s,
                                         u"style.css"_s}));
    QCOMPARE(plan.totalBytes, qint64(6 + 4 + 3 + 1));
}

void TestSupportFiles::plan_missingSourceIsEmpty() {
    const SupportFilePlan plan = planSupportFiles(m_source, m_target);
    QVERIFY(plan.files.isEmpty());
    QVERIFY(plan.folders.isEmpty());
    QVERIFY(!plan.error.failed());
}

void TestSupportFiles::plan_symlinkCycleEnds() {
    write(u"template/files/sub/a.txt"_s, "a");
    QVERIFY(QFile::link(m_source, m_source + u"/sub/loop"_s));

    const SupportFilePlan plan = planSupportFiles(m_source, m_target);
    QVERIFY(!plan.error.failed());
    QCOMPARE(plan.folders, QList<QString>{u"sub"_s});
    QCOMPARE(plan.files, QList<QString>{u"sub/a.txt"_s});
}

void TestSupportFiles::plan_linkWithinTemplateCopied() {
    write(u"template/shared/common.css"_s, "c");
    write(u"template/main.txt"_s, "m");
    QVERIFY(QDir().mkpath(m_source));
    QVERIFY(QFile::link(m_dir->filePath(u"template/shared"_s), m_source + u"/common"_s));
    QVERIFY(QFile::link(u"../main.txt"_s, m_source + u"/main.txt"_s));

    const SupportFilePlan plan = planSupportFiles(m_source, m_target);
    QCOMPARE(plan.files, (QList<QString>{u"common/common.css"_s, u"main.txt"_s}));
    QVERIFY(plan.leftOut.isEmpty());
}

void TestSupportFiles::plan_linksOutOfTemplateLeftOut() {
    write(u"secret/key"_s, "k");
    write(u"template/files/style.css"_s, "s");
    QVERIFY(QFile::link(m_dir->filePath(u"secret"_s), m_source + u"/folder"_s));
    QVERIFY(QFile::link(m_dir->filePath(u"secret/key"_s), m_source + u"/key"_s));
    QVERIFY(QFile::link(u"/etc"_s, m_source + u"/etc"_s));

    const SupportFilePlan plan = planSupportFiles(m_source, m_target);
    QCOMPARE(plan.files, QList<QString>{u"style.css"_s});
    QVERIFY(plan.folders.isEmpty());
    QCOMPARE(plan.leftOut.size(), 3);
    QCOMPARE(plan.leftOut[0].path, m_source + u"/etc"_s);
    QCOMPARE(plan.leftOut[0].reason, u"It is a link to \"/etc\", outside the template"_s);
    QVERIFY(!plan.error.failed());
}

void TestSupportFiles::plan_danglingLinkIsAProblem() {
    QVERIFY(QDir().mkpath(m_source));
    QVERIFY(QFile::link(m_dir->filePath(u"gone.css"_s), m_source + u"/gone.css"_s));

    const SupportFilePlan plan = planSupportFiles(m_source, m_target);
    QCOMPARE(plan.error.path, m_source + u"/gone.css"_s);
    QVERIFY(plan.error.failed());
}

void TestSupportFiles::plan_targetInTheWayIsAProblem_data() {
    QTest::addColumn<QString>("source"); // a file under template/files
    QTest::addColumn<QString>("target"); // what stands in the way, under site/files
    QTest::addColumn<QString>("kind");   // "folder", "file" or "link" to a folder elsewhere
    QTest::addColumn<QString>("reason");

    QTest::newRow("folder in place of a file")
        << u"style.css"_s << u"style.css"_s << u"folder"_s << u"A folder stands"_s;
    QTest::newRow("file in place of a folder")
        << u"img/logo.png"_s << u"img"_s << u"file"_s << u"A file stands"_s;
    QTest::newRow("files folder links elsewhere")
        << u"style.css"_s << QString() << u"link"_s << u"symbolic link"_s;
    QTest::newRow("subfolder links elsewhere")
        << u"img/logo.png"_s << u"img"_s << u"link"_s << u"symbolic link"_s;
    QTest::newRow("file links elsewhere")
        << u"style.css"_s << u"style.css"_s << u"link"_s << u"symbolic link"_s;
}

void TestSupportFiles::plan_targetInTheWayIsAProblem() {
    QFETCH(QString, source);
    QFETCH(QString, target);
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    write(u"template/files/"_s + source, "new");
    write(u"elsewhere/style.css"_s, "the user's own");
    const QString inTheWay = target.isEmpty() ? m_target : m_target + u'/' + target;
    QVERIFY(QDir().mkpath(QFileInfo(inTheWay).path()));
    if (kind == u"folder")
        QVERIFY(QDir().mkpath(inTheWay));
    else if (kind == u"file")
        write(u"site/files/"_s + target, "a file");
    else
        QVERIFY(QFile::link(m_dir->filePath(u"elsewhere"_s), inTheWay));

    const SupportFilePlan plan = planSupportFiles(m_source, m_target);
    QCOMPARE(plan.error.path, inTheWay);
    QVERIFY2(plan.error.reason.contains(reason), qPrintable(plan.error.reason));
    QCOMPARE(read(u"elsewhere/style.css"_s), "the user's own"_ba);
}

void TestSupportFiles::copy_replacesFilesAndCountsBytes() {
    write(u"template/files/style.css"_s, "new style");
    write(u"template/files/img/logo.png"_s, "new logo");
    write(u"site/files/style.css"_s, "old style, longer");
    write(u"site/files/mine.txt"_s, "kept");

    const SupportFilePlan plan = planSupportFiles(m_source, m_target);
    qint64 lastBytes = 0;
    const CopyOutcome outcome =
        copySupportFiles(plan, m_source, m_target, [&](qint64 bytes) { lastBytes = bytes; });
    QVERIFY(!outcome.error.failed());
    QCOMPARE(outcome.filesCopied, 2);
    QCOMPARE(lastBytes, plan.totalBytes);
    QCOMPARE(read(u"site/files/style.css"_s), QByteArray("new style"));
    QCOMPARE(read(u"site/files/img/logo.png"_s), QByteArray("new logo"));
    QCOMPARE(read(u"site/files/mine.txt"_s), QByteArray("kept"));
}

void TestSupportFiles::copy_vanishedSourceIsReported() {
    write(u"template/files/a.css"_s, "a");
    write(u"template/files/b.css"_s, "b");
    const SupportFilePlan plan = planSupportFiles(m_source, m_target);
    QVERIFY(QFile::remove(m_source + u"/b.css"_s));
    QVERIFY(QDir().mkpath(m_target));

    const CopyOutcome outcome = copySupportFiles(plan, m_source, m_target, {});
    QCOMPARE(outcome.filesCopied, 1);
    QCOMPARE(outcome.error.path, m_source + u"/b.css"_s);
    QCOMPARE(outcome.error.reason, u"No such file or directory"_s);
}

void TestSupportFiles::copy_neverWidensPermissions() {
    // A template's file open to everyone, and one of its owner's alone.
    write(u"template/files/open.sh"_s, "#!/bin/sh");
    write(u"template/files/private.txt"_s, "mine");
    QVERIFY(QFile::setPermissions(m_source + u"/open.sh"_s,
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                      QFile::ReadOther | QFile::WriteOther | QFile::ExeOther));
    QVERIFY(QFile::setPermissions(m_source + u"/private.txt"_s, QFile::ReadOwner));
    QVERIFY(QDir().mkpath(m_target));

    const mode_t saved = ::umask(022);
    const CopyOutcome outcome =
        copySupportFiles(planSupportFiles(m_source, m_target), m_source, m_target, {});
    ::umask(saved);
    QVERIFY(!outcome.error.failed());
    const auto ordinary = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                          QFile::WriteUser | QFile::ReadGroup | QFile::ReadOther;
    QCOMPARE(QFile::permissions(m_target + u"/open.sh"_s), ordinary);
    QCOMPARE(QFile::permissions(m_target + u"/private.txt"_s), ordinary);
}

} // namespace quillsite

QTEST_GUILESS_MAIN(quillsite::TestSupportFiles)
#include "tst_supportfiles.moc"
