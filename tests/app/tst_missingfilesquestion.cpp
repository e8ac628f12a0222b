// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/missingfilesquestion.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillsite;

class tst_MissingFilesQuestion : public QObject {
    Q_OBJECT

private slots:
    void question_namesPagesAndFiles_data();
    void question_namesPagesAndFiles();
};

void tst_MissingFilesQuestion::question_namesPagesAndFiles_data() {
    QTest::addColumn<QList<MissingFiles>>("missing");
    QTest::addColumn<QString>("list");

    QTest::newRow("one file") << QList<MissingFiles>{{u"Home"_s, {u"/p/cat.jpg"_s}}}
                              << u"\"Home\": /p/cat.jpg"_s;
    QTest::newRow("pages in order, files in order")
        << QList<MissingFiles>{{u"Home"_s, {u"/p/a.jpg"_s, u"/p/b.pdf"_s}},
                               {u"News"_s, {u"/p/a.jpg"_s}}}
        << u"\"Home\": /p/a.jpg\n\"Home\": /p/b.pdf\n\"News\": /p/a.jpg"_s;
    QStringList many;
    QStringList listed;
    for (int i = 1; i <= 14; ++i) {
        many.append(u"/p/%1.jpg"_s.arg(i));
        if (i <= 12)
            listed.append(u"\"Home\": /p/%1.jpg"_s.arg(i));
    }
    QTest::newRow("a long list is cut short")
        << QList<MissingFiles>{{u"Home"_s, many}} << listed.join(u'\n') + u"\nand 2 more"_s;
}

void tst_MissingFilesQuestion::question_namesPagesAndFiles() {
    QFETCH(QList<MissingFiles>, missing);
    QFETCH(QString, list);
    const QString question = missingFilesQuestion(missing);
    QVERIFY2(question.contains(u"\n\n"_s + list + u"\n\n"_s), qPrintable(question));
    QVERIFY(question.contains(u"go back to Build Pages"_s));
}

QTEST_GUILESS_MAIN(tst_MissingFilesQuestion)
#include "tst_missingfilesquestion.moc"
