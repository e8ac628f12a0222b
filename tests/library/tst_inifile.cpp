// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "library/inifile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace quillsite {

class TestIniFile : public QObject {
    Q_OBJECT

private slots:
    void readIniString_data();
    void readIniString();
    void missingFile_givesEmpty();
    void folder_givesEmpty();
    void reading_leavesFileUnchanged();

private:
    QString writeIni(const QByteArray &content);

    QTemporaryDir m_dir;
};

QString TestIniFile::writeIni(const QByteArray &content) {
    const QString path = m_dir.filePath(u"data.ini"_s);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) < 0)
        qFatal("cannot write the INI file");
    return path;
}

void TestIniFile::readIniString_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QByteArray blue = "[Data]\r\nName=Blue\r\nAuthor=Ann\r\n";
    const QByteArray longValue = "[Data]\r\nName=" + QByteArray(300, 'x') + "\r\n";
    QTest::newRow("plain value") << blue << u"Data"_s << u"Name"_s << u"Blue"_s;
    QTest::newRow("second key") << blue << u"Data"_s << u"Author"_s << u"Ann"_s;
    QTest::newRow("lower-case section and key") << blue << u"data"_s << u"name"_s << u"Blue"_s;
    QTest::newRow("lower-case names in the file")
        << QByteArray("[data]\nname=Green\n") << u"Data"_s << u"Name"_s << u"Green"_s;
    QTest::newRow("LF line ends") << QByteArray("[Data]\nName=Blue\n") << u"Data"_s << u"Name"_s
                                  << u"Blue"_s;
    QTest::newRow("missing key") << blue << u"Data"_s << u"URL"_s << QString();
    QTest::newRow("missing section") << blue << u"Other"_s << u"Name"_s << QString();
    QTest::newRow("key of another section") << QByteArray("[Other]\nName=No\n[Data]\nAuthor=Ann\n")
                                            << u"Data"_s << u"Name"_s << QString();
    QTest::newRow("key before any section")
        << QByteArray("Name=No\n[Data]\n") << u"Data"_s << u"Name"_s << QString();
    QTest::newRow("blanks around value dropped")
        << QByteArray("[Data]\nName =   Blue Sky  \t\n") << u"Data"_s << u"Name"_s << u"Blue Sky"_s;
    QTest::newRow("blanks around names")
        << QByteArray("  [ Data ]  \n   Name   =Blue\n") << u"Data"_s << u"Name"_s << u"Blue"_s;
    QTest::newRow("double quotes removed")
        << QByteArray("[Data]\nName=\"Blue Sky\"\n") << u"Data"_s << u"Name"_s << u"Blue Sky"_s;
    QTest::newRow("single quotes removed")
        << QByteArray("[Data]\nName='Blue'\n") << u"Data"_s << u"Name"_s << u"Blue"_s;
    QTest::newRow("blanks inside quotes kept")
        << QByteArray("[Data]\nName=\" Blue \"\n") << u"Data"_s << u"Name"_s << u" Blue "_s;
    QTest::newRow("only one pair of quotes removed")
        << QByteArray("[Data]\nName=\"\"Blue\"\"\n") << u"Data"_s << u"Name"_s << u"\"Blue\""_s;
    QTest::newRow("unbalanced quote kept")
        << QByteArray("[Data]\nName=\"Blue\n") << u"Data"_s << u"Name"_s << u"\"Blue"_s;
    QTest::newRow("mixed quotes kept")
        << QByteArray("[Data]\nName=\"Blue'\n") << u"Data"_s << u"Name"_s << u"\"Blue'"_s;
    QTest::newRow("quotes inside kept") << QByteArray("[Data]\nName=Say \"hi\" now\n") << u"Data"_s
                                        << u"Name"_s << u"Say \"hi\" now"_s;
    QTest::newRow("single quote alone kept")
        << QByteArray("[Data]\nName=\"\n") << u"Data"_s << u"Name"_s << u"\""_s;
    QTest::newRow("value cut to 254 characters")
        << longValue << u"Data"_s << u"Name"_s << QString(254, u'x');
    QTest::newRow("value of 254 characters whole")
        << QByteArray("[Data]\nName=" + QByteArray(254, 'y') + "\n") << u"Data"_s << u"Name"_s
        << QString(254, u'y');
    QTest::newRow("equals sign in value kept") << QByteArray("[Data]\nURL=http://x.org/?a=b\n")
                                               << u"Data"_s << u"URL"_s << u"http://x.org/?a=b"_s;
    QTest::newRow("empty value") << QByteArray("[Data]\nName=\n") << u"Data"_s << u"Name"_s
                                 << QString();
    QTest::newRow("comment line ignored") << QByteArray("[Data]\n;Name=Commented\nName=Real\n")
                                          << u"Data"_s << u"Name"_s << u"Real"_s;
    QTest::newRow("line without equals ignored")
        << QByteArray("[Data]\nName\nName=Real\n") << u"Data"_s << u"Name"_s << u"Real"_s;
    QTest::newRow("first of two keys wins")
        << QByteArray("[Data]\nName=First\nName=Second\n") << u"Data"_s << u"Name"_s << u"First"_s;
    QTest::newRow("first of two sections wins")
        << QByteArray("[Data]\nAuthor=Ann\n[Data]\nName=Later\n") << u"Data"_s << u"Name"_s
        << QString();
    QTest::newRow("UTF-8 value") << QByteArray("[Data]\nName=Caf\xc3\xa9 \xe2\x82\xac\n")
                                 << u"Data"_s << u"Name"_s << u"Café €"_s;
    QTest::newRow("Windows-1252 value")
        << QByteArray("[Data]\nName=Caf\xe9 \x80\n") << u"Data"_s << u"Name"_s << u"Café €"_s;
    QTest::newRow("byte order mark skipped")
        << QByteArray("\xef\xbb\xbf[Data]\nName=Blue\n") << u"Data"_s << u"Name"_s << u"Blue"_s;
    QTest::newRow("empty file") << QByteArray() << u"Data"_s << u"Name"_s << QString();
}

void TestIniFile::readIniString() {
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);

    QCOMPARE(ReadIniString(section, key, writeIni(content)), expected);
}

void TestIniFile::missingFile_givesEmpty() {
    QCOMPARE(ReadIniString(u"Data"_s, u"Name"_s, m_dir.filePath(u"none.ini"_s)), QString());
    QCOMPARE(ReadIniString(u"Data"_s, u"Name"_s, QString()), QString());
}

void TestIniFile::folder_givesEmpty() {
    QCOMPARE(ReadIniString(u"Data"_s, u"Name"_s, m_dir.path()), QString());
}

void TestIniFile::reading_leavesFileUnchanged() {
    const QByteArray content = "[Data]\r\nName=Blue\r\n";
    const QString path = writeIni(content);
    ReadIniString(u"Other"_s, u"Missing"_s, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), content);
}

} // namespace quillsite

QTEST_GUILESS_MAIN(quillsite::TestIniFile)
#include "tst_inifile.moc"
