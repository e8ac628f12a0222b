#include "authoring/webengineconfig.h"

#include <QTest>

using namespace quillsite;

class tst_WebEngineConfig : public QObject {
    Q_OBJECT

private slots:
    void chromiumFlagsWithProcessLimit_data();
    void chromiumFlagsWithProcessLimit();
};

void tst_WebEngineConfig::chromiumFlagsWithProcessLimit_data() {
    QTest::addColumn<QByteArray>("flags");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("no flags") << QByteArray() << QByteArray("--renderer-process-limit=3");
    QTest::newRow("other flags kept")
        << QByteArray("--disable-gpu") << QByteArray("--disable-gpu --renderer-process-limit=3");
    QTest::newRow("trailing blank")
        << QByteArray("--disable-gpu ") << QByteArray("--disable-gpu --renderer-process-limit=3");
    QTest::newRow("limit already given is respected")
        << QByteArray("--renderer-process-limit=1 --disable-gpu")
        << QByteArray("--renderer-process-limit=1 --disable-gpu");
    QTest::newRow("similar flag is not the limit")
        << QByteArray("--renderer-process-limit-x=1")
        << QByteArray("--renderer-process-limit-x=1 --renderer-process-limit=3");
}

void tst_WebEngineConfig::chromiumFlagsWithProcessLimit() {
    QFETCH(QByteArray, flags);
    QFETCH(QByteArray, expected);
    QCOMPARE(quillsite::chromiumFlagsWithProcessLimit(flags, 3), expected);
}

QTEST_GUILESS_MAIN(tst_WebEngineConfig)
#include "tst_webengineconfig.moc"
