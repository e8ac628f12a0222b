// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/buildchecks.h"
#include "builder/pagenames.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace quillsite {

class TestPageNames : public QObject {
    Q_OBJECT

private slots:
    void pageFileName_data();
    void pageFileName();
    void pageLink_data();
    void pageLink();
    void pageNameProblem_data();
    void pageNameProblem();
    void collapseSeparators_data();
    void collapseSeparators();
};

void TestPageNames::pageFileName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("fileName");

    QTest::newRow("Home is the index") << u"Home"_s << u"index.htm"_s;
    QTest::newRow("home in lower case is not") << u"home"_s << u"home.htm"_s;
    QTest::newRow("HOME in capitals is not") << u"HOME"_s << u"home.htm"_s;
    QTest::newRow("Home with a blank is not") << u"Home "_s << u"home .htm"_s;
    QTest::newRow("lower-cased") << u"FAQ"_s << u"faq.htm"_s;
    QTest::newRow("blank kept") << u"About Me"_s << u"about me.htm"_s;
    QTest::newRow("accented capital lower-cased") << u"Über Uns"_s << u"über uns.htm"_s;
    QTest::newRow("link characters kept") << u"Q&A #1?"_s << u"q&a #1?.htm"_s;
    QTest::newRow("capitals after ASCII lowered with them")
        << u"NEW \u0130STANBUL"_s << u"new i\u0307stanbul.htm"_s;
    QTest::newRow("characters beside the capitals kept") << u"@AZ[`az{"_s << u"@az[`az{.htm"_s;
}

void TestPageNames::pageFileName() {
    QFETCH(QString, name);
    QFETCH(QString, fileName);
    QCOMPARE(quillsite::pageFileName(name), fileName);
}

void TestPageNames::pageLink_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("link");

    QTest::newRow("Home") << u"Home"_s << u"index.htm"_s;
    QTest::newRow("blank encoded") << u"About Me"_s << u"about%20me.htm"_s;
    QTest::newRow("number sign") << u"Top#1"_s << u"top%231.htm"_s;
    QTest::newRow("question mark") << u"Why?"_s << u"why%3F.htm"_s;
    QTest::newRow("percent sign") << u"50%Off"_s << u"50%25off.htm"_s;
    QTest::newRow("double quote") << u"Say\"Hi\""_s << u"say%22hi%22.htm"_s;
    QTest::newRow("single quote") << u"Bob's"_s << u"bob%27s.htm"_s;
    QTest::newRow("brackets and bars") << u"<a>{b}|c^`\\"_s << u"%3Ca%3E%7Bb%7D%7Cc%5E%60%5C.htm"_s;
    QTest::newRow("ampersand encoded") << u"Q&A"_s << u"q%26a.htm"_s;
    QTest::newRow("entity not decoded") << u"a&amp;b"_s << u"a%26amp;b.htm"_s;
    QTest::newRow("script scheme")
        << u"javascript:alert(1);x"_s << u"javascript%3Aalert(1);x.htm"_s;
    QTest::newRow("another host") << u"http:evil.example"_s << u"http%3Aevil.example.htm"_s;
    QTest::newRow("colon and blank") << u"FAQ: Questions"_s << u"faq%3A%20questions.htm"_s;
    QTest::newRow("letters of any script kept")
        << u"Caf\u00e9 \u00dcber"_s << u"caf\u00e9%20\u00fcber.htm"_s;
    QTest::newRow("already encoded text encoded again") << u"a%23"_s << u"a%2523.htm"_s;
}

void TestPageNames::pageLink() {
    QFETCH(QString, name);
    QFETCH(QString, link);
    QCOMPARE(quillsite::pageLink(name), link);
}

void TestPageNames::pageNameProblem_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("problemPart"); // empty when the name is usable

    QTest::newRow("plain name") << u"About Me"_s << QString();
    QTest::newRow("Home") << u"Home"_s << QString();
    QTest::newRow("link characters are usable") << u"Q&A #1? 50%"_s << QString();
    QTest::newRow("dots inside are usable") << u"v1.2"_s << QString();
    QTest::newRow("three dots are usable") << u"..."_s << QString();
    QTest::newRow("empty") << QString() << u"must have a name"_s;
    QTest::newRow("slash") << u"a/b"_s << u"contains \"/\""_s;
    QTest::newRow("going up") << u"../escape"_s << u"contains \"/\""_s;
    QTest::newRow("backslash") << u"a\\b"_s << u"contains \"\\\""_s;
    QTest::newRow("tab") << u"a\tb"_s << u"control character"_s;
    QTest::newRow("line break") << u"a\nb"_s << u"control character"_s;
    QTest::newRow("delete character") << u"a\u007fb"_s << u"control character"_s;
    QTest::newRow("dot") << u"."_s << u"can't be used"_s;
    QTest::newRow("two dots") << u".."_s << u"can't be used"_s;
    QTest::newRow("too long") << QString(252, u'x') << u"too long"_s;
    QTest::newRow("longest usable") << QString(251, u'x') << QString();
    QTest::newRow("too long in bytes") << QString(126, u'é') << u"too long"_s;
}

void TestPageNames::pageNameProblem() {
    QFETCH(QString, name);
    QFETCH(QString, problemPart);

    const QString problem = quillsite::pageNameProblem(name);
    if (problemPart.isEmpty())
        QCOMPARE(problem, QString());
    else
        QVERIFY2(problem.contains(problemPart), qPrintable(problem));
}

void TestPageNames::collapseSeparators_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("collapsed");

    QTest::newRow("clean path unchanged")
        << u"/home/ann/site/index.htm"_s << u"/home/ann/site/index.htm"_s;
    QTest::newRow("trailing separator joined") << u"/site//index.htm"_s << u"/site/index.htm"_s;
    QTest::newRow("three in a row") << u"/site///files/"_s << u"/site/files/"_s;
    QTest::newRow("four in a row") << u"////site"_s << u"/site"_s;
    QTest::newRow("several places") << u"/a//b///c//"_s << u"/a/b/c/"_s;
    QTest::newRow("backslash is a name character") << u"/a\\\\b"_s << u"/a\\\\b"_s;
    QTest::newRow("empty") << QString() << QString();
}

void TestPageNames::collapseSeparators() {
    QFETCH(QString, path);
    QFETCH(QString, collapsed);
    QCOMPARE(quillsite::collapseSeparators(path), collapsed);
}

} // namespace quillsite

QTEST_GUILESS_MAIN(quillsite::TestPageNames)
#include "tst_pagenames.moc"
