// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "authoring/spelling.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillsite;

class tst_Spelling : public QObject {
    Q_OBJECT

private slots:
    void spellCheckLanguage_data();
    void spellCheckLanguage();
};

void tst_Spelling::spellCheckLanguage_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("dictionaries");
    QTest::addColumn<QString>("language");

    const QStringList both{u"de-DE"_s, u"en-US"_s};
    QTest::newRow("language and country") << u"de_DE"_s << both << u"de-DE"_s;
    QTest::newRow("same language, other country") << u"de_AT"_s << both << u"de-DE"_s;
    QTest::newRow("British English") << u"en_GB"_s << both << u"en-US"_s;
    QTest::newRow("exact country preferred")
        << u"en_GB"_s << QStringList{u"en-US"_s, u"en-GB"_s} << u"en-GB"_s;
    QTest::newRow("no dictionary for French") << u"fr_FR"_s << both << u"en-US"_s;
    QTest::newRow("C locale") << u"C"_s << both << u"en-US"_s;
    QTest::newRow("no dictionaries at all") << u"de_DE"_s << QStringList{} << u"en-US"_s;
}

void tst_Spelling::spellCheckLanguage() {
    QFETCH(QString, locale);
    QFETCH(QStringList, dictionaries);
    QFETCH(QString, language);
    QCOMPARE(quillsite::spellCheckLanguage(QLocale(locale), dictionaries), language);
}

QTEST_GUILESS_MAIN(tst_Spelling)
#include "tst_spelling.moc"
