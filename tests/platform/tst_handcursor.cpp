// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/handcursor.h"

#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillsite;

namespace {

const QString shippedCursor = QStringLiteral(QUILLSITE_SOURCE_DIR) + u"/share/hand.cur"_s;

QByteArray shippedCursorBytes() {
    QFile file(shippedCursor);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_HandCursor final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void shippedCursor_pointsWithTheFingertip();
    void unreadableFile_givesFallback_data();
    void unreadableFile_givesFallback();
    void hotSpotOutsidePicture_givesMiddle();

private:
    QTemporaryDir m_dir;
};

void tst_HandCursor::initTestCase() {
    QVERIFY(m_dir.isValid());
    QVERIFY(!shippedCursorBytes().isEmpty());
}

void tst_HandCursor::shippedCursor_pointsWithTheFingertip() {
    const QCursor cursor = cursorFromFile(shippedCursor, Qt::ArrowCursor);

    QCOMPARE(cursor.shape(), Qt::BitmapCursor);
    const QImage image = cursor.pixmap().toImage();
    QCOMPARE(image.size(), QSize(32, 32));
    const QPoint hotSpot = cursor.hotSpot();
    QCOMPARE(qAlpha(image.pixel(hotSpot)), 255);
    // Nothing of the hand lies above the hot spot: it is the fingertip.
    for (int y = 0; y < hotSpot.y(); ++y)
        for (int x = 0; x < image.width(); ++x)
            QCOMPARE(qAlpha(image.pixel(x, y)), 0);
    // The fingertip is the tip of a hand, not of a lone pixel: the hand fills
    // a good part of the picture.
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            opaque += qAlpha(image.pixel(x, y)) == 255 ? 1 : 0;
    QVERIFY(opaque > 200);
}

void tst_HandCursor::unreadableFile_givesFallback_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("exists");

    QTest::newRow("missing file") << QByteArray() << false;
    QTest::newRow("empty file") << QByteArray() << true;
    QTest::newRow("text, not a picture") << QByteArray("not a cursor\n") << true;
    QTest::newRow("cut-off cursor") << shippedCursorBytes().left(300) << true;
}

void tst_HandCursor::unreadableFile_givesFallback() {
    QFETCH(QByteArray, content);
    QFETCH(bool, exists);

    const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + u".cur"_s);
    if (exists) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QCOMPARE(cursorFromFile(path, Qt::PointingHandCursor).shape(), Qt::PointingHandCursor);
}

void tst_HandCursor::hotSpotOutsidePicture_givesMiddle() {
    QByteArray bytes = shippedCursorBytes();
    bytes[10] = bytes[11] = bytes[12] = bytes[13] = char(0xff);
    const QString path = m_dir.filePath(u"far-hot-spot.cur"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    const QCursor cursor = cursorFromFile(path, Qt::ArrowCursor);
    QCOMPARE(cursor.shape(), Qt::BitmapCursor);
    QCOMPARE(cursor.hotSpot(), QPoint(16, 16));
}

QTEST_MAIN(tst_HandCursor)
#include "tst_handcursor.moc"
