// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "authoring/filetitle.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillsite;

class tst_FileTitle : public QObject {
    Q_OBJECT

private slots:
    void fileTitle_dropsFolderAndExtension_data();
    void fileTitle_dropsFolderAndExtension();
};

void tst_FileTitle::fileTitle_dropsFolderAndExtension_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("title");

    QTest::newRow("name with a blank") << u"/site/pages/About Us.htm"_s << u"About Us"_s;
    QTest::newRow("only the last dot starts the extension") << u"/a/b.c.html"_s << u"b.c"_s;
    QTest::newRow("no extension") << u"/a/notes"_s << u"notes"_s;
    QTest::newRow("no folder") << u"News.htm"_s << u"News"_s;
    QTest::newRow("dot in a folder only") << u"/my.site/readme"_s << u"readme"_s;
    QTest::newRow("backslash is part of the name") << u"/a/x\\y.htm"_s << u"x\\y"_s;
    QTest::newRow("trailing dot") << u"/a/page."_s << u"page"_s;
    QTest::newRow("empty path") << QString() << QString();
}

void tst_FileTitle::fileTitle_dropsFolderAndExtension() {
    QFETCH(QString, path);
    QFETCH(QString, title);
    QCOMPARE(FileTitle(path), title);
}

QTEST_APPLESS_MAIN(tst_FileTitle)
#include "tst_filetitle.moc"
