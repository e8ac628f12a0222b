// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "authoring/webengineconfig.h"

#include <QTest>

using namespace quillsite;

class tst_WebEngineConfig : public QObject {
    Q_OBJECT

private slots:
    void chromiumFlagsWith_data();
    void chromiumFlagsWith();
};

void tst_WebEngineConfig::chromiumFlagsWith_data() {
    QTest::addColumn<QByteArray>("flags");
    QTest::addColumn<QByteArray>("option");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray limit = "--renderer-process-limit";
    const QByteArray lowEnd = "--enable-low-end-device-mode";

    QTest::newRow("no flags") << QByteArray() << limit << QByteArray("3")
                              << QByteArray("--renderer-process-limit=3");
    QTest::newRow("other flags kept") << QByteArray("--disable-gpu") << limit << QByteArray("3")
                                      << QByteArray("--disable-gpu --renderer-process-limit=3");
    QTest::newRow("trailing blank") << QByteArray("--disable-gpu ") << limit << QByteArray("3")
                                    << QByteArray("--disable-gpu --renderer-process-limit=3");
    QTest::newRow("limit already given is respected")
        << QByteArray("--renderer-process-limit=1 --disable-gpu") << limit << QByteArray("3")
        << QByteArray("--renderer-process-limit=1 --disable-gpu");
    QTest::newRow("similar flag is not the limit")
        << QByteArray("--renderer-process-limit-x=1") << limit << QByteArray("3")
        << QByteArray("--renderer-process-limit-x=1 --renderer-process-limit=3");
    QTest::newRow("switch without value added")
        << QByteArray("--disable-gpu") << lowEnd << QByteArray()
        << QByteArray("--disable-gpu --enable-low-end-device-mode");
    QTest::newRow("switch already given")
        << QByteArray("--enable-low-end-device-mode") << lowEnd << QByteArray()
        << QByteArray("--enable-low-end-device-mode");
}

void tst_WebEngineConfig::chromiumFlagsWith() {
    QFETCH(QByteArray, flags);
    QFETCH(QByteArray, option);
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, expected);
    QCOMPARE(quillsite::chromiumFlagsWith(flags, option, value), expected);
}

QTEST_GUILESS_MAIN(tst_WebEngineConfig)
#include "tst_webengineconfig.moc"
