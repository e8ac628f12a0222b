// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/pagebody.h"
#include "builder/pagereader.h"
#include "builder/textfile.h"

#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace quillsite;
using namespace Qt::StringLiterals;

class tst_PageBody : public QObject {
    Q_OBJECT

private slots:
    void bodyMarkup_data();
    void bodyMarkup();
    void leftOutContent_isReported_data();
    void leftOutContent_isReported();
    void readInputPage_data();
    void readInputPage();
    void unusableFile_isRefused_data();
    void unusableFile_isRefused();
    void leftOutContent_warnsNamingTheFile();

private:
    QString writeFile(const QString &name, const QByteArray &bytes);
    QTemporaryDir m_folder;
};

void tst_PageBody::bodyMarkup_data() {
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("body");

    QTest::newRow("whole document")
        << u"<!DOCTYPE html>\n<html><head><title>T</title></head><body>\n<p>Hello</p>\n"
           "</body></html>\n"_s
        << u"\n<p>Hello</p>\n"_s;
    QTest::newRow("attributes on body")
        << u"<html><body class=\"main\" onload=\"go()\"><p>Hi</p></body></html>"_s
        << u"<p>Hi</p>"_s;
    QTest::newRow("quoted > in a body attribute")
        << u"<html><body title=\"a>b\"><p>Hi</p></body></html>"_s << u"<p>Hi</p>"_s;
    QTest::newRow("no </body>, to the end of the file")
        << u"<html><head></head><body><p>Hi</p>\n<p>there</p>\n"_s
        << u"<p>Hi</p>\n<p>there</p>\n"_s;
    QTest::newRow("no </body>, up to </html>")
        << u"<html><body><p>Hi</p></html>\n"_s << u"<p>Hi</p>"_s;
    QTest::newRow("no <body> tag at all")
        << u"<html><head><title>T</title></head><p>Hi</p><div>x</div></html>"_s
        << u"<p>Hi</p><div>x</div>"_s;
    QTest::newRow("doctype and title only, no html or body tags")
        << u"<!DOCTYPE html><title>T</title><p>Hi</p> and more"_s << u"<p>Hi</p> and more"_s;
    QTest::newRow("fragment") << u"<h2>News</h2>\n<p>Hi <b>there</b></p>\n<ul><li>x</li></ul>"_s
                              << u"<h2>News</h2>\n<p>Hi <b>there</b></p>\n<ul><li>x</li></ul>"_s;
    QTest::newRow("plain text fragment")
        << u"  Just words & more\n"_s << u"  Just words & more\n"_s;
    QTest::newRow("uppercase tags")
        << u"<HTML><HEAD><TITLE>T</TITLE></HEAD><BODY BGCOLOR=white><P>Hi</P></BODY></HTML>"_s
        << u"<P>Hi</P>"_s;
    QTest::newRow("mixed case end tag") << u"<Body>x</bODY>"_s << u"x"_s;
    QTest::newRow("tag name ended by a tab")
        << u"<body\tclass=\"x\"><p>a</p></body>"_s << u"<p>a</p>"_s;
    QTest::newRow("tag name ended by a slash") << u"<body/><p>a</p>"_s << u"<p>a</p>"_s;
    QTest::newRow("</body> inside a comment")
        << u"<html><body><!-- </body> --><p>a</p></body></html>"_s << u"<!-- </body> --><p>a</p>"_s;
    QTest::newRow("</body> inside a script string")
        << u"<html><body><script>var s = \"</body>\";</script><p>a</p></body></html>"_s
        << u"<script>var s = \"</body>\";</script><p>a</p>"_s;
    QTest::newRow("non-ASCII text")
        << u"<html><head><title>Grüße</title></head><body><p>Grüße, 日本語 😀</p></body></html>"_s
        << u"<p>Grüße, 日本語 😀</p>"_s;
    QTest::newRow("CR LF line ends")
        << u"<html>\r\n<head>\r\n<title>T</title>\r\n</head>\r\n<body>\r\n<p>a</p>\r\n</body>\r\n"
           "</html>\r\n"_s
        << u"\r\n<p>a</p>\r\n"_s;
    QTest::newRow("empty body") << u"<html><body></body></html>"_s << QString();
    QTest::newRow("head only") << u"<!DOCTYPE html><html><head><title>T</title></head></html>"_s
                               << QString();
    QTest::newRow("comment before the document")
        << u"<!-- saved from somewhere --><html><body><p>a</p></body></html>"_s << u"<p>a</p>"_s;
    QTest::newRow("long comment with tags before the document")
        << u"<!-- saved from https://example.org/garden/news/2024/spring.html <b>, <h2> -->\n"
           "<html><body><p>a</p></body></html>"_s
        << u"<p>a</p>"_s;
    QTest::newRow("empty file") << QString() << QString();
}

void tst_PageBody::bodyMarkup() {
    QFETCH(QString, html);
    QFETCH(QString, body);
    const PageBody page = quillsite::bodyMarkup(html);
    QCOMPARE(page.markup, body);
    QCOMPARE(page.leftOut, LeftOutContent::None);
}

void tst_PageBody::leftOutContent_isReported_data() {
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("body");
    QTest::addColumn<LeftOutContent>("leftOut");

    QTest::newRow("text after </body>") << u"<html><body><p>a</p></body>\n<p>late</p></html>"_s
                                        << u"<p>a</p>"_s << LeftOutContent::AfterEnd;
    QTest::newRow("text after </html>") << u"<html><body><p>a</p></body></html>\nTrailing words"_s
                                        << u"<p>a</p>"_s << LeftOutContent::AfterEnd;
    QTest::newRow("only blanks and comments after </html>")
        << u"<html><body><p>a</p></body></html>\n<!-- saved -->\n\n"_s << u"<p>a</p>"_s
        << LeftOutContent::None;
    QTest::newRow("frameset")
        << u"<!DOCTYPE html><html><frameset><frame src=\"a.htm\"></frameset></html>"_s << QString()
        << LeftOutContent::Frameset;
    QTest::newRow("frameset without html tags")
        << u"<frameset cols=\"50%,50%\"><frame src=\"a.htm\"></frameset>"_s << QString()
        << LeftOutContent::Frameset;
    QTest::newRow("fragment that mentions <body> in a comment")
        << u"<!-- <body> --><p>a</p>"_s << u"<!-- <body> --><p>a</p>"_s << LeftOutContent::None;
    QTest::newRow("header element is no head tag")
        << u"<header>Top</header><p>a</p>"_s << u"<header>Top</header><p>a</p>"_s
        << LeftOutContent::None;
}

void tst_PageBody::leftOutContent_isReported() {
    QFETCH(QString, html);
    QFETCH(QString, body);
    QFETCH(LeftOutContent, leftOut);
    const PageBody page = quillsite::bodyMarkup(html);
    QCOMPARE(page.markup, body);
    QCOMPARE(page.leftOut, leftOut);
}

void tst_PageBody::readInputPage_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("body");

    QTest::newRow("UTF-8 document")
        << QByteArray("<html><body><p>Caf\xc3\xa9 \xe2\x80\x9cquoted\xe2\x80\x9d</p></body></html>")
        << u"<p>Café “quoted”</p>"_s;
    QTest::newRow("UTF-8 with byte order mark")
        << QByteArray("\xef\xbb\xbf<p>Caf\xc3\xa9</p>") << u"<p>Café</p>"_s;
    QTest::newRow("Windows-1252 document")
        << QByteArray("<html><body><p>Caf\xe9 \x93quoted\x94 \x80 5</p></body></html>")
        << u"<p>Café “quoted” € 5</p>"_s;
    QTest::newRow("Windows-1252 fragment") << QByteArray("<p>na\xefve</p>") << u"<p>naïve</p>"_s;
    // The text in UTF-16 after its byte order mark.
    const auto utf16 = [](const QString &text, QSysInfo::Endian order) {
        QByteArray bytes(order == QSysInfo::LittleEndian ? "\xff\xfe" : "\xfe\xff");
        for (QChar ch : text) {
            const char low = char(ch.unicode() & 0xff);
            const char high = char(ch.unicode() >> 8);
            bytes.append(order == QSysInfo::LittleEndian ? low : high);
            bytes.append(order == QSysInfo::LittleEndian ? high : low);
        }
        return bytes;
    };
    const QString utf16Text = u"<p>Café 😀</p>"_s;
    QTest::newRow("UTF-16 little-endian with byte order mark")
        << utf16(utf16Text, QSysInfo::LittleEndian) << utf16Text;
    QTest::newRow("UTF-16 big-endian with byte order mark")
        << utf16(utf16Text, QSysInfo::BigEndian) << utf16Text;
    // Half a surrogate pair has no UTF-8 form; the document is read all the same.
    const QString straySurrogate = u"<html><head><title>"_s + QChar(char16_t(0xdc81)) +
                                   u"</title></head><body>a</body></html>"_s;
    QTest::newRow("UTF-16 document with a stray surrogate")
        << utf16(straySurrogate, QSysInfo::LittleEndian) << u"a"_s;
}

void tst_PageBody::readInputPage() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, body);
    const InputPage page = quillsite::readInputPage(writeFile(u"page.html"_s, bytes));
    QVERIFY(!page.error.failed());
    QCOMPARE(page.body, body);
}

void tst_PageBody::unusableFile_isRefused_data() {
    QTest::addColumn<QString>("path"); // "<folder>" stands for the test's folder
    QTest::addColumn<QString>("reason");

    QTest::newRow("missing") << u"<folder>/no such page.html"_s << u"No such file or directory"_s;
    QTest::newRow("folder") << u"<folder>"_s << u"It is a folder, not a file"_s;
    QTest::newRow("pipe") << u"<folder>/pipe"_s
                          << u"It is not an ordinary file but a pipe, device or socket. Give an "
                             "ordinary file"_s;
    QTest::newRow("endless device")
        << u"/dev/zero"_s
        << u"It is not an ordinary file but a pipe, device or socket. Give an ordinary file"_s;
    QTest::newRow("larger than 64 MB") << u"<folder>/huge.html"_s
                                       << u"It is larger than 64 MB, too large for a page. Give a "
                                          "smaller file"_s;
}

void tst_PageBody::unusableFile_isRefused() {
    QFETCH(QString, path);
    QFETCH(QString, reason);
    path.replace(u"<folder>"_s, m_folder.path());
    if (path.endsWith(u"/pipe"_s))
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    if (path.endsWith(u"/huge.html"_s)) {
        QFile huge(writeFile(u"huge.html"_s, "<p>"));
        QVERIFY(huge.resize(maxTextFileBytes + 1));
    }

    const InputPage page = quillsite::readInputPage(path);
    QCOMPARE(page.error.path, path);
    QCOMPARE(page.error.reason, reason);
    QVERIFY(page.body.isEmpty());
}

void tst_PageBody::leftOutContent_warnsNamingTheFile() {
    const QString path = writeFile(u"frames.html"_s, "<html><frameset></frameset></html>");
    const InputPage page = quillsite::readInputPage(path);
    QVERIFY(!page.error.failed());
    QCOMPARE(page.warnings, QStringList{u"The page file \"%1\" is a frameset document, which has "
                                        "no body, so its page is empty."_s.arg(path)});
}

QString tst_PageBody::writeFile(const QString &name, const QByteArray &bytes) {
    QFile file(m_folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("can't write the test file %s", qPrintable(file.fileName()));
    return file.fileName();
}

QTEST_GUILESS_MAIN(tst_PageBody)
#include "tst_pagebody.moc"
