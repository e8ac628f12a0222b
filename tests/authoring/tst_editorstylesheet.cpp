// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "authoring/editorstylesheet.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillsite;

class tst_EditorStyleSheet : public QObject {
    Q_OBJECT

private slots:
    void templateWithSheet_givesItsSheetFromItsFilesFolder();
    void templateWithoutSheet_givesReadableDefault();
    void fontFamilyLists_data();
    void fontFamilyLists();
};

void tst_EditorStyleSheet::templateWithSheet_givesItsSheetFromItsFilesFolder() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(u"files"_s));
    QFile sheet(dir.filePath(u"files/editor.css"_s));
    QVERIFY(sheet.open(QIODevice::WriteOnly));
    sheet.write("body { background: url(night.png) #101820; color: #e0e0e0; }");
    sheet.close();

    const EditorStyleSheet found = editorStyleSheetOf(dir.path());
    QCOMPARE(found.css, u"body { background: url(night.png) #101820; color: #e0e0e0; }"_s);
    QCOMPARE(found.baseUrl.resolved(QUrl(u"night.png"_s)).toLocalFile(),
             dir.filePath(u"files/night.png"_s));
}

void tst_EditorStyleSheet::templateWithoutSheet_givesReadableDefault() {
    QTemporaryDir dir;
    const EditorStyleSheet found = editorStyleSheetOf(dir.path());
    QVERIFY(found.css.contains(u"body"_s));
    QVERIFY(!quillsite::fontFamilyLists(found.css).isEmpty());
    QCOMPARE(found, editorStyleSheetOf(dir.filePath(u"no such template"_s)));
}

void tst_EditorStyleSheet::fontFamilyLists_data() {
    QTest::addColumn<QString>("css");
    QTest::addColumn<QStringList>("lists");

    QTest::newRow("in order, each once")
        << u"body { font-family: Georgia, serif; } h1 { font-family:\"Trebuchet MS\",\n  "
           "sans-serif } p { font-family: Georgia, serif }"_s
        << QStringList{u"Georgia, serif"_s, u"\"Trebuchet MS\", sans-serif"_s};
    QTest::newRow("important and comments")
        << u"/* font-family: Old; */ code { font-family: monospace !important; }"_s
        << QStringList{u"monospace"_s};
    QTest::newRow("custom properties are not fonts")
        << u":root { --font-family: x; } p { font-family: var(--text-font); }"_s << QStringList{};
}

void tst_EditorStyleSheet::fontFamilyLists() {
    QFETCH(QString, css);
    QFETCH(QStringList, lists);
    QCOMPARE(quillsite::fontFamilyLists(css), lists);
}

QTEST_GUILESS_MAIN(tst_EditorStyleSheet)
#include "tst_editorstylesheet.moc"
