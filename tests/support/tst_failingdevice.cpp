// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "failingdevice.h"

#include <QTest>

using namespace quillsite;

class tst_FailingDevice final : public QObject {
    Q_OBJECT

private slots:
    void write_data();
    void write();
    void read_fails();
};

void tst_FailingDevice::write_data() {
    QTest::addColumn<qint64>("capacity");
    QTest::addColumn<QByteArrayList>("writes");
    QTest::addColumn<QList<qint64>>("results");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("room for all") << qint64(10) << QByteArrayList{"abc", "def"}
                                  << QList<qint64>{3, 3} << QByteArray("abcdef");
    QTest::newRow("exactly full, then fails") << qint64(6) << QByteArrayList{"abc", "def", "g"}
                                              << QList<qint64>{3, 3, -1} << QByteArray("abcdef");
    QTest::newRow("part of a write, then fails") << qint64(4) << QByteArrayList{"abc", "def", "g"}
                                                 << QList<qint64>{3, 1, -1} << QByteArray("abcd");
    QTest::newRow("no room at all")
        << qint64(0) << QByteArrayList{"abc"} << QList<qint64>{-1} << QByteArray();
}

void tst_FailingDevice::write() {
    QFETCH(qint64, capacity);
    QFETCH(QByteArrayList, writes);
    QFETCH(QList<qint64>, results);
    QFETCH(QByteArray, written);
    FailingDevice device(capacity);
    QVERIFY(device.open(QIODevice::WriteOnly));

    QList<qint64> actual;
    for (const QByteArray &bytes : std::as_const(writes))
        actual.append(device.write(bytes));

    QCOMPARE(actual, results);
    QCOMPARE(device.written(), written);
    if (results.contains(-1))
        QCOMPARE(device.errorString(), QStringLiteral("No space left on device"));
}

void tst_FailingDevice::read_fails() {
    FailingDevice device(10);
    QVERIFY(device.open(QIODevice::ReadWrite));
    device.write("abc");
    QVERIFY(device.seek(0));

    char byte;
    QCOMPARE(device.read(&byte, 1), qint64(-1));
}

QTEST_GUILESS_MAIN(tst_FailingDevice)
#include "tst_failingdevice.moc"
