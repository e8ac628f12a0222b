// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "library/fileexists.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace quillsite {

class TestFileExists : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void fileExists_data();
    void fileExists();
    void emptyPath_isFalse();
    void pipe_isFalse();

private:
    void touch(const QString &relative);

    QTemporaryDir m_dir;
};

void TestFileExists::touch(const QString &relative) {
    QFile file(m_dir.filePath(relative));
    QVERIFY(file.open(QIODevice::WriteOnly));
}

void TestFileExists::initTestCase() {
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir(m_dir.path()).mkpath(u"folder/inner"_s));
    QVERIFY(QDir(m_dir.path()).mkpath(u"hidden-only"_s));
    QVERIFY(QDir(m_dir.path()).mkpath(u"brackets"_s));
    touch(u"page.htm"_s);
    touch(u"README"_s);
    touch(u".hidden.htm"_s);
    touch(u"folder/inner/deep.txt"_s);
    touch(u"hidden-only/.secret"_s);
    touch(u"brackets/[a].txt"_s);
    QVERIFY(QFile::link(m_dir.filePath(u"page.htm"_s), m_dir.filePath(u"link.htm"_s)));
    QVERIFY(QFile::link(m_dir.filePath(u"gone.htm"_s), m_dir.filePath(u"dangling.htm"_s)));
}

void TestFileExists::fileExists_data() {
    QTest::addColumn<QString>("relative");
    QTest::addColumn<bool>("expected");

    QTest::newRow("normal file") << u"page.htm"_s << true;
    QTest::newRow("file without extension") << u"README"_s << true;
    QTest::newRow("missing file") << u"none.htm"_s << false;
    QTest::newRow("folder") << u"folder"_s << false;
    QTest::newRow("folder with trailing separator") << u"folder/"_s << false;
    QTest::newRow("hidden file") << u".hidden.htm"_s << false;
    QTest::newRow("file with trailing separator") << u"page.htm/"_s << false;
    QTest::newRow("file below a file") << u"page.htm/x.htm"_s << false;
    QTest::newRow("missing folder") << u"nowhere/page.htm"_s << false;
    QTest::newRow("link to a file") << u"link.htm"_s << true;
    QTest::newRow("dangling link") << u"dangling.htm"_s << false;
    QTest::newRow("case differs") << u"PAGE.HTM"_s << false;
    QTest::newRow("star matches a file") << u"*.htm"_s << true;
    QTest::newRow("question mark matches a file") << u"pag?.htm"_s << true;
    QTest::newRow("star matches nothing") << u"*.html"_s << false;
    QTest::newRow("star dot star matches a name without dot") << u"READ*.*"_s << true;
    QTest::newRow("pattern in a subfolder") << u"folder/inner/*.txt"_s << true;
    QTest::newRow("pattern matches only a folder") << u"fold*"_s << false;
    QTest::newRow("pattern matches only a hidden file") << u"hidden-only/*"_s << false;
    QTest::newRow("brackets are not a wildcard") << u"brackets/[a]*"_s << true;
    QTest::newRow("brackets are literal") << u"brackets/[b]*"_s << false;
    QTest::newRow("pattern in a missing folder") << u"nowhere/*"_s << false;
    QTest::newRow("wildcard in a folder name") << u"fold*/inner/deep.txt"_s << false;
}

void TestFileExists::fileExists() {
    QFETCH(QString, relative);
    QFETCH(bool, expected);

    QCOMPARE(FileExists(m_dir.path() + u'/' + relative), expected);
}

void TestFileExists::emptyPath_isFalse() {
    QVERIFY(!FileExists(QString()));
    QVERIFY(!FileExists(u""_s));
}

void TestFileExists::pipe_isFalse() {
    const QString path = m_dir.filePath(u"pipe"_s);
    QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    QVERIFY(!FileExists(path));
}

} // namespace quillsite

QTEST_GUILESS_MAIN(quillsite::TestFileExists)
#include "tst_fileexists.moc"
