// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "artwork.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillsite;

namespace {

// Share of pixels that are not fully transparent: a picture that renders
// empty or as a blank square is a broken picture.
double paintedShare(const QImage &image) {
    qsizetype painted = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            painted += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    return double(painted) / double(image.width() * image.height());
}

QImage render(QSvgRenderer &renderer) {
    QImage image(renderer.defaultSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

} // namespace

class tst_Artwork final : public QObject {
    Q_OBJECT

private slots:
    void picture_isCompiledInAtItsSize_data();
    void picture_isCompiledInAtItsSize();
    void toolbarImages_areThirteenDistinctPictures();
    void noPreviewPictures_areWhiteSquaresWithDarkLettering_data();
    void noPreviewPictures_areWhiteSquaresWithDarkLettering();
    void programIcon_offersSmallAndLargeSizes();
    void wordMark_shadesFromLightAtTopToDarkAtBottom();
    void bluePictures_areMostlyBlue_data();
    void bluePictures_areMostlyBlue();
};

void tst_Artwork::picture_isCompiledInAtItsSize_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");

    QTest::newRow("program icon") << artwork::Globe.toString() << QSize(48, 48);
    QTest::newRow("program icon, 16 pixel drawing")
        << artwork::GlobeSmall.toString() << QSize(16, 16);
    QTest::newRow("banner globe on a hand") << artwork::BannerGlobeHand.toString() << QSize(48, 48);
    QTest::newRow("welcome side picture") << artwork::WelcomeSide.toString() << QSize(164, 314);
    QTest::newRow("no preview, large") << artwork::NoPreviewLarge.toString() << QSize(190, 190);
    QTest::newRow("no preview, small") << artwork::NoPreviewSmall.toString() << QSize(80, 80);
    QTest::newRow("word mark") << artwork::WordMark.toString() << QSize(136, 67);
    QTest::newRow("tab blank") << artwork::TabBlank.toString() << QSize(16, 16);
    QTest::newRow("tab open") << artwork::TabOpen.toString() << QSize(16, 16);
    QTest::newRow("tab template") << artwork::TabTemplate.toString() << QSize(16, 16);
    QTest::newRow("page list item") << artwork::PageItem.toString() << QSize(16, 16);
    QTest::newRow("quill and pages") << artwork::QuillPages.toString() << QSize(65, 114);
    const QStringList toolbar = artwork::toolbarImages();
    for (qsizetype i = 0; i < toolbar.size(); ++i)
        QTest::addRow("toolbar image %lld", qlonglong(i + 1)) << toolbar.at(i) << QSize(16, 16);
}

void tst_Artwork::picture_isCompiledInAtItsSize() {
    QFETCH(QString, path);
    QFETCH(QSize, size);

    QVERIFY2(QFile::exists(path), qPrintable(path));
    QSvgRenderer renderer(path);
    QVERIFY(renderer.isValid());
    QCOMPARE(renderer.defaultSize(), size);
    QVERIFY(paintedShare(render(renderer)) > 0.05);
}

void tst_Artwork::toolbarImages_areThirteenDistinctPictures() {
    const QStringList paths = artwork::toolbarImages();
    QCOMPARE(paths.size(), 13);

    QList<QImage> images;
    for (const QString &path : paths) {
        QSvgRenderer renderer(path);
        images.append(render(renderer));
    }
    for (qsizetype i = 0; i < images.size(); ++i)
        for (qsizetype j = i + 1; j < images.size(); ++j)
            QVERIFY2(images.at(i) != images.at(j),
                     qPrintable(paths.at(i) + u" = "_s + paths.at(j)));
}

void tst_Artwork::noPreviewPictures_areWhiteSquaresWithDarkLettering_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("large") << artwork::NoPreviewLarge.toString();
    QTest::newRow("small") << artwork::NoPreviewSmall.toString();
}

void tst_Artwork::noPreviewPictures_areWhiteSquaresWithDarkLettering() {
    QFETCH(QString, path);

    QSvgRenderer renderer(path);
    const QImage image = render(renderer);
    QCOMPARE(image.pixel(0, 0), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(image.width() - 1, image.height() - 1), qRgb(255, 255, 255));
    qsizetype black = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            black += qGray(image.pixel(x, y)) < 64 ? 1 : 0;
    QVERIFY(black > image.width() * image.height() / 50);
}

void tst_Artwork::programIcon_offersSmallAndLargeSizes() {
    const QIcon icon = artwork::programIcon();
    const QList<QSize> sizes = icon.availableSizes();
    for (const QSize size : {QSize(16, 16), QSize(32, 32), QSize(48, 48)})
        QVERIFY2(sizes.contains(size), qPrintable(QString::number(size.width())));

    // The 16 pixel drawing is its own, not the large globe scaled down.
    QSvgRenderer large(artwork::Globe.toString());
    QImage scaled(16, 16, QImage::Format_ARGB32_Premultiplied);
    scaled.fill(Qt::transparent);
    QPainter painter(&scaled);
    large.render(&painter);
    painter.end();
    QVERIFY(icon.pixmap(16, 16).toImage().convertToFormat(scaled.format()) != scaled);
}

void tst_Artwork::wordMark_shadesFromLightAtTopToDarkAtBottom() {
    QSvgRenderer renderer(artwork::WordMark.toString());
    const QImage image = render(renderer);

    // Mean grey of the lettering in each row that has any.
    QList<double> rowGrey;
    for (int y = 0; y < image.height(); ++y) {
        double sum = 0;
        int count = 0;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) == 255) {
                sum += qGray(pixel);
                ++count;
            }
        }
        if (count > 0)
            rowGrey.append(sum / count);
    }
    QVERIFY(rowGrey.size() > 30); // large lettering
    QVERIFY2(rowGrey.first() - rowGrey.last() > 80, "the lettering does not shade light to dark");
}

void tst_Artwork::bluePictures_areMostlyBlue_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("program icon") << artwork::Globe.toString();
    QTest::newRow("program icon, 16 pixel drawing") << artwork::GlobeSmall.toString();
    QTest::newRow("banner globe on a hand") << artwork::BannerGlobeHand.toString();
    QTest::newRow("welcome side picture") << artwork::WelcomeSide.toString();
}

void tst_Artwork::bluePictures_areMostlyBlue() {
    QFETCH(QString, path);
    QSvgRenderer renderer(path);
    const QImage image = render(renderer);

    int blue = 0;
    int painted = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = QColor::fromRgba(image.pixel(x, y));
            if (colour.alpha() < 128)
                continue;
            ++painted;
            blue += colour.blue() > colour.red() + 40 && colour.blue() > colour.green() ? 1 : 0;
        }
    QVERIFY(painted > 0);
    QVERIFY2(blue * 2 > painted,
             qPrintable(QString::number(blue) + u" of "_s + QString::number(painted)));
}

QTEST_MAIN(tst_Artwork)
#include "tst_artwork.moc"
