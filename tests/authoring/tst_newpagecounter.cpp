// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "authoring/newpagecounter.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillsite;

class tst_NewPageCounter : public QObject {
    Q_OBJECT

private slots:
    void defaultName_startsAtZero();
    void nameAdding_advancesOnlyForDefaultStyleNames_data();
    void nameAdding_advancesOnlyForDefaultStyleNames();
    void nameAdding_keepsCountingForTheRun();
};

void tst_NewPageCounter::defaultName_startsAtZero() {
    const NewPageCounter counter;
    QCOMPARE(counter.value(), 0);
    QCOMPARE(counter.defaultName(), u"New Page 0"_s);
}

void tst_NewPageCounter::nameAdding_advancesOnlyForDefaultStyleNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("after");

    QTest::newRow("the default name") << u"New Page 0"_s << 1;
    QTest::newRow("another number") << u"New Page 41"_s << 1;
    QTest::newRow("prefix and anything") << u"New Page about us"_s << 1;
    QTest::newRow("the prefix alone") << u"New Page "_s << 1;
    QTest::newRow("no blank after Page") << u"New Page"_s << 0;
    QTest::newRow("lower case") << u"new page 1"_s << 0;
    QTest::newRow("leading blank") << u" New Page 1"_s << 0;
    QTest::newRow("other name") << u"About"_s << 0;
    QTest::newRow("two blanks") << u"New  Page 1"_s << 0;
}

void tst_NewPageCounter::nameAdding_advancesOnlyForDefaultStyleNames() {
    QFETCH(QString, name);
    QFETCH(int, after);
    NewPageCounter counter;
    counter.nameAdding(name);
    QCOMPARE(counter.value(), after);
    QCOMPARE(counter.defaultName(), u"New Page "_s + QString::number(after));
}

void tst_NewPageCounter::nameAdding_keepsCountingForTheRun() {
    NewPageCounter counter;
    counter.nameAdding(u"New Page 0"_s);
    counter.nameAdding(u"News"_s);
    counter.nameAdding(u"New Page 0"_s);
    QCOMPARE(counter.defaultName(), u"New Page 2"_s);
}

QTEST_APPLESS_MAIN(tst_NewPageCounter)
#include "tst_newpagecounter.moc"
