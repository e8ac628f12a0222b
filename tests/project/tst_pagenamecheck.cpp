// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/pagenamecheck.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillsite;

namespace {
const QString duplicate = u"This page already exists, please choose a different page name."_s;
}

class tst_PageNameCheck : public QObject {
    Q_OBJECT

private slots:
    void newPageNameProblem_saysWhatIsWrong_data();
    void newPageNameProblem_saysWhatIsWrong();
    void newPageNameProblem_refusesCollidingFileNames_data();
    void newPageNameProblem_refusesCollidingFileNames();
};

void tst_PageNameCheck::newPageNameProblem_saysWhatIsWrong_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("mentioned"); // in the problem; none when the name is usable

    QTest::newRow("plain") << u"About"_s << QString();
    QTest::newRow("Home followed by a blank") << u"Home "_s << QString();
    QTest::newRow("default style") << u"New Page 0"_s << QString();
    QTest::newRow("dots inside") << u"v1.2 notes"_s << QString();
    QTest::newRow("three dots") << u"..."_s << QString();
    QTest::newRow("Home") << u"Home"_s << duplicate;
    QTest::newRow("home") << u"home"_s << duplicate;
    QTest::newRow("HOME") << u"HOME"_s << duplicate;
    QTest::newRow("another page in other case") << u"nEWS"_s << duplicate;
    QTest::newRow("slash") << u"a/b"_s << u"\"/\""_s;
    QTest::newRow("backslash") << u"a\\b"_s << u"\"\\\""_s;
    QTest::newRow("parent folder") << u".."_s << u"\"..\""_s;
    QTest::newRow("this folder") << u"."_s << u"\".\""_s;
    QTest::newRow("tab") << u"a\tb"_s << u"control character"_s;
    QTest::newRow("line break") << u"a\nb"_s << u"control character"_s;
}

void tst_PageNameCheck::newPageNameProblem_saysWhatIsWrong() {
    QFETCH(QString, name);
    QFETCH(QString, mentioned);
    const QString problem = newPageNameProblem(name, {u"Home"_s, u"News"_s});
    QCOMPARE(problem.isEmpty(), mentioned.isEmpty());
    QVERIFY2(problem.contains(mentioned), qPrintable(problem));
}

void tst_PageNameCheck::newPageNameProblem_refusesCollidingFileNames_data() {
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("otherPage");

    QTest::newRow("Index beside Home")
        << QStringList{u"Home"_s} << u"Index"_s << u"index.htm"_s << u"Home"_s;
    QTest::newRow("INDEX beside Home")
        << QStringList{u"Home"_s} << u"INDEX"_s << u"index.htm"_s << u"Home"_s;
    QTest::newRow("index beside Home and others")
        << QStringList{u"Home"_s, u"News"_s} << u"index"_s << u"index.htm"_s << u"Home"_s;
}

void tst_PageNameCheck::newPageNameProblem_refusesCollidingFileNames() {
    QFETCH(QStringList, existing);
    QFETCH(QString, name);
    QFETCH(QString, fileName);
    QFETCH(QString, otherPage);
    QCOMPARE(newPageNameProblem(name, existing),
             u"The page \"%1\" would be saved as \"%2\", the file of the page \"%3\". Please "
             "choose a different page name."_s.arg(name, fileName, otherPage));
}

QTEST_APPLESS_MAIN(tst_PageNameCheck)
#include "tst_pagenamecheck.moc"
