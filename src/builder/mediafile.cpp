// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/mediafile.h"

#include "builder/atomicfile.h"
#include "builder/picturemetadata.h"

#include <QBuffer>
#include <QColorSpace>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>

#include <memory>
#include <mutex>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

constexpr int JpegQuality = 85;
constexpr qint64 CopyChunk = 1 << 20;
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

std::unique_ptr<QImageReader> pictureReader(const MediaFile &file, QBuffer &buffer) {
    if (file.sourcePath.isEmpty()) {
        buffer.setData(file.sourceData);
        return std::make_unique<QImageReader>(&buffer);
    }
    return std::make_unique<QImageReader>(file.sourcePath);
}

// Fills in the picture's format and written size from its header. Only the
// formats Qt can write are scaled; the rest travel at their size.
void describePicture(QImageReader &reader, MediaFile &file) {
    if (!reader.canRead())
        return;
    file.format = reader.format();
    const QSize stored = reader.size();
    const bool sideways = reader.transformation() & QImageIOHandler::TransformationRotate90;
    file.size = sideways ? stored.transposed() : stored;
    const bool writable = file.format == "jpeg" || file.format == "png" || file.format == "webp";
    if (writable && file.size.isValid() &&
        std::max(file.size.width(), file.size.height()) > WebPictureSide) {
        file.size = file.size.scaled(WebPictureSide, WebPictureSide, Qt::KeepAspectRatio);
        file.decodedSize = sideways ? file.size.transposed() : file.size;
    }
}

QByteArray sourceBytes(const MediaFile &file) {
    if (file.sourcePath.isEmpty())
        return file.sourceData;
    QFile source(file.sourcePath);
    return source.open(QIODevice::ReadOnly) ? source.readAll() : QByteArray();
}

bool sameBytes(const QString &targetPath, const MediaFile &file) {
    QFile target(targetPath);
    if (target.size() != file.bytes || !target.open(QIODevice::ReadOnly))
        return false;
    if (file.sourcePath.isEmpty())
        return target.readAll() == file.sourceData;
    QFile source(file.sourcePath);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    while (!source.atEnd()) {
        if (source.read(CopyChunk) != target.read(CopyChunk))
            return false;
    }
    return true;
}

FileError copyBytes(const MediaFile &file, AtomicFile &out) {
    if (file.sourcePath.isEmpty())
        return out.write({file.sourceData});
    QFile source(file.sourcePath);
    if (!source.open(QIODevice::ReadOnly))
        return {file.sourcePath, source.errorString()};
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(CopyChunk);
        if (chunk.isEmpty() && source.error() != QFileDevice::NoError)
            return {file.sourcePath, source.errorString()};
        if (FileError error = out.write({chunk}); error.failed())
            return error;
    }
    return {};
}

QString unreadablePicture(const QString &reason) {
    return QCoreApplication::translate("Builder", "The picture could not be read: %1").arg(reason);
}

// Decodes, at the reduced size when one is given, upright, and encodes anew.
// The new file holds none of the original's metadata (camera, time, place).
MediaWritten encodeAnew(const MediaFile &file, AtomicFile &out) {
    QBuffer buffer;
    const std::unique_ptr<QImageReader> reader = pictureReader(file, buffer);
    QImageReader::setAllocationLimit(PictureMemoryMB);
    reader->setAutoTransform(true);
    reader->setScaledSize(file.decodedSize);
    const QSize stored = reader->size();
    std::unique_lock turn(largePictureTurn(), std::defer_lock); // held until written
    if (qint64(stored.width()) * stored.height() * 4 > LargePictureBytes)
        turn.lock();
    QImage image = reader->read();
    if (image.isNull())
        return {{}, unreadablePicture(reader->errorString())};
    if (!image.textKeys().isEmpty()) { // comments would be written back into the copy
        const QColorSpace profile = image.colorSpace();
        image = QImage(image.constBits(), image.width(), image.height(), image.bytesPerLine(),
                       image.format())
                    .copy();
        image.setColorSpace(profile);
    }
    QByteArray encoded;
    QBuffer encoding(&encoded);
    encoding.open(QIODevice::WriteOnly);
    QImageWriter writer(&encoding, file.format);
    if (file.format == "jpeg")
        writer.setQuality(JpegQuality);
    if (!writer.write(image))
        return {{file.sourcePath, writer.errorString()}, {}};
    return {out.write({encoded}), {}};
}

// Removes the private data without touching the pixels; a picture whose
// format does not allow that is encoded anew instead.
MediaWritten writeWithoutPrivateData(const MediaFile &file, AtomicFile &out) {
    const QByteArray cleaned = withoutPrivateData(sourceBytes(file));
    if (!cleaned.isEmpty())
        return {out.write({cleaned}), {}};
    if (file.format == "jpeg" || file.format == "png" || file.format == "webp")
        return encodeAnew(file, out);
    return {{},
            unreadablePicture(QCoreApplication::translate(
                "Builder", "its camera and place data could not be removed"))};
}

} // namespace

MediaFile describeMediaFile(const QString &path, bool picture) {
    const QFileInfo info(path);
    MediaFile file;
    file.sourcePath = path;
    file.picture = picture;
    file.bytes = info.size();
    file.modified = info.lastModified();
    if (picture) {
        QImageReader reader(path);
        describePicture(reader, file);
        file.privateData = !file.decodedSize.isValid() && holdsPrivateData(sourceBytes(file));
    }
    return file;
}

MediaFile describeMediaData(const QByteArray &data) {
    MediaFile file;
    file.sourceData = data;
    file.picture = true;
    file.bytes = data.size();
    QBuffer buffer;
    const std::unique_ptr<QImageReader> reader = pictureReader(file, buffer);
    describePicture(*reader, file);
    file.privateData = !file.decodedSize.isValid() && holdsPrivateData(data);
    return file;
}

bool mediaFileIsCurrent(const MediaFile &file, const QString &targetPath) {
    const QFileInfo target(targetPath);
    if (!target.isFile() || target.isSymLink())
        return false;
    if (!file.decodedSize.isValid() && !file.privateData)
        return sameBytes(targetPath, file);
    if (!file.sourcePath.isEmpty())
        return target.lastModified() == file.modified &&
               QImageReader(targetPath).size() == file.size;
    if (file.decodedSize.isValid())
        return false;
    MediaFile cleaned;
    cleaned.sourceData = withoutPrivateData(file.sourceData);
    cleaned.bytes = cleaned.sourceData.size();
    return !cleaned.sourceData.isEmpty() && sameBytes(targetPath, cleaned);
}

MediaWritten writeMediaFile(const MediaFile &file, const QString &targetPath, RenamePass *pass) {
    AtomicFile out(targetPath, pass);
    if (FileError error = out.open(); error.failed())
        return {error, {}};
    const bool changed = file.decodedSize.isValid() || file.privateData;
    MediaWritten written = file.decodedSize.isValid() ? encodeAnew(file, out)
                           : file.privateData         ? writeWithoutPrivateData(file, out)
                                                      : MediaWritten{copyBytes(file, out), {}};
    if (written.error.failed() || !written.unreadable.isEmpty())
        return written;
    // A copy changed from its source carries its source's time, so that a
    // rebuild can tell it was made from that version of the source.
    if (changed && !file.sourcePath.isEmpty())
        out.setModificationTime(file.modified);
    return {out.commit(), {}};
}

bool sameSource(const MediaFile &one, const MediaFile &other) {
    return one.bytes == other.bytes && sourceBytes(one) == sourceBytes(other);
}

} // namespace quillsite
