#include "cli/pagebody.h"
#include "cli/pagereader.h"

#include <QTemporaryDir>
#include <QTest>

using namespace quillsite;
using namespace Qt::StringLiterals;

class tst_PageBody : public QObject {
    Q_OBJECT

private slots:
    void bodyMarkup_data();
    void bodyMarkup();
    void readInputPage_data();
    void readInputPage();
    void missingFile_namesIt();
    void folder_isRefused();

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
    QTest::newRow("empty file") << QString() << QString();
}

void tst_PageBody::bodyMarkup() {
    QFETCH(QString, html);
    QFETCH(QString, body);
    QCOMPARE(quillsite::bodyMarkup(html), body);
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
}

void tst_PageBody::readInputPage() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, body);
    const InputPage page = quillsite::readInputPage(writeFile(u"page.html"_s, bytes));
    QVERIFY(!page.error.failed());
    QCOMPARE(page.body, body);
}

void tst_PageBody::missingFile_namesIt() {
    const QString path = m_folder.filePath(u"no such page.html"_s);
    const InputPage page = quillsite::readInputPage(path);
    QVERIFY(page.body.isEmpty());
    QCOMPARE(page.error.path, path);
    QCOMPARE(page.error.reason, u"No such file or directory"_s);
}

void tst_PageBody::folder_isRefused() {
    const InputPage page = quillsite::readInputPage(m_folder.path());
    QCOMPARE(page.error.path, m_folder.path());
    QCOMPARE(page.error.reason, u"It is a folder, not a file"_s);
}

QString tst_PageBody::writeFile(const QString &name, const QByteArray &bytes) {
    QFile file(m_folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("can't write the test file %s", qPrintable(file.fileName()));
    return file.fileName();
}

QTEST_GUILESS_MAIN(tst_PageBody)
#include "tst_pagebody.moc"
