// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture codec's module: Qt's image readers and writers, and the
// metadata library.

#include "builder/picturecodec.h"
#include "builder/picturemetadata.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>

#include <mutex>

namespace quillsite {

namespace {

constexpr int JpegQuality = 85;
// What one decoded picture may take: a 60-megapixel photo fits. Qt's own limit
// of 128 MB refuses an ordinary 7000 x 5000 picture.
constexpr int PictureMemoryMB = 1024;
// Pictures decoded to more than this are decoded one at a time, so that the
// threads together never hold more than about one such picture.
constexpr qint64 LargePictureBytes = qint64(128) << 20;

std::mutex &largePictureTurn() {
    static std::mutex turn;
    return turn;
}

// A picture's comments would be written back into its copy.
QImage withoutText(const QImage &image) {
    if (image.textKeys().isEmpty())
        return image;
    QImage bare = QImage(image.constBits(), image.width(), image.height(), image.bytesPerLine(),
                         image.format())
                      .copy();
    bare.setColorSpace(image.colorSpace());
    return bare;
}

class QtPictureCodec final : public PictureCodec {
public:
    QtPictureCodec() { QImageReader::setAllocationLimit(PictureMemoryMB); }

    PictureHeader header(QIODevice &source) const override {
        QImageReader reader(&source);
        if (!reader.canRead())
            return {};
        return {reader.format(), reader.size(),
                bool(reader.transformation() & QImageIOHandler::TransformationRotate90)};
    }

    EncodedPicture encode(QIODevice &source, QSize decodedSize,
                          const QByteArray &format) const override {
        QImageReader reader(&source);
        reader.setAutoTransform(true);
        reader.setScaledSize(decodedSize);
        const QSize stored = reader.size();
        std::unique_lock turn(largePictureTurn(), std::defer_lock); // held until encoded
        if (qint64(stored.width()) * stored.height() * 4 > LargePictureBytes)
            turn.lock();
        const QImage image = reader.read();
        if (image.isNull())
            return {{}, reader.errorString(), {}};
        EncodedPicture encoded;
        QBuffer encoding(&encoded.bytes);
        encoding.open(QIODevice::WriteOnly);
        QImageWriter writer(&encoding, format);
        if (format == "jpeg")
            writer.setQuality(JpegQuality);
        if (!writer.write(withoutText(image)))
            return {{}, {}, writer.errorString()};
        return encoded;
    }

    bool holdsPrivateData(const QByteArray &picture) const override {
        return quillsite::holdsPrivateData(picture);
    }

    QByteArray withoutPrivateData(const QByteArray &picture) const override {
        return quillsite::withoutPrivateData(picture);
    }
};

} // namespace

} // namespace quillsite

// The module's one entry point.
extern "C" Q_DECL_EXPORT const quillsite::PictureCodec *quillsitePictureCodec() {
    static const quillsite::QtPictureCodec codec;
    return &codec;
}
