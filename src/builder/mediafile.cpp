#include "builder/mediafile.h"

#include "builder/atomicfile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>

#include <memory>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

constexpr int JpegQuality = 85;
constexpr qint64 CopyChunk = 1 << 20;

std::unique_ptr<QImageReader> pictureReader(const MediaFile &file, QBuffer &buffer) {
    if (file.sourcePath.isEmpty()) {
        buffer.setData(file.sourceData);
        return std::make_unique<QImageReader>(&buffer);
    }
    return std::make_unique<QImageReader>(file.sourcePath);
}

// Fills in the picture's format and written size from its header. Only the
// formats Qt can write are encoded anew; the rest travel as they are (a
// browser turns a tagged picture upright by itself).
void describePicture(QImageReader &reader, MediaFile &file) {
    if (!reader.canRead())
        return;
    file.format = reader.format();
    const QSize stored = reader.size();
    const bool sideways = reader.transformation() & QImageIOHandler::TransformationRotate90;
    file.size = sideways ? stored.transposed() : stored;
    const bool writable = file.format == "jpeg" || file.format == "png";
    if (!writable || !file.size.isValid())
        return;
    if (std::max(file.size.width(), file.size.height()) > WebPictureSide) {
        file.size = file.size.scaled(WebPictureSide, WebPictureSide, Qt::KeepAspectRatio);
        file.decodedSize = sideways ? file.size.transposed() : file.size;
    } else if (reader.transformation() != QImageIOHandler::TransformationNone) {
        file.decodedSize = stored;
    }
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

// Decodes at the reduced size, upright, and encodes anew. The new file holds
// none of the original's metadata (camera, time, place).
FileError encodeAnew(const MediaFile &file, AtomicFile &out) {
    QBuffer buffer;
    const std::unique_ptr<QImageReader> reader = pictureReader(file, buffer);
    reader->setAutoTransform(true);
    reader->setScaledSize(file.decodedSize);
    QImage image = reader->read();
    if (image.isNull())
        return {file.sourcePath, reader->errorString()};
    if (!image.textKeys().isEmpty()) // comments would be written back into the copy
        image = QImage(image.constBits(), image.width(), image.height(), image.bytesPerLine(),
                       image.format())
                    .copy();
    QByteArray encoded;
    QBuffer encoding(&encoded);
    encoding.open(QIODevice::WriteOnly);
    QImageWriter writer(&encoding, file.format);
    if (file.format == "jpeg")
        writer.setQuality(JpegQuality);
    if (!writer.write(image))
        return {file.sourcePath, writer.errorString()};
    return out.write({encoded});
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
    return file;
}

bool mediaFileIsCurrent(const MediaFile &file, const QString &targetPath) {
    const QFileInfo target(targetPath);
    if (!target.isFile() || target.isSymLink())
        return false;
    if (!file.decodedSize.isValid())
        return sameBytes(targetPath, file);
    return !file.sourcePath.isEmpty() && target.lastModified() == file.modified &&
           QImageReader(targetPath).size() == file.size;
}

FileError writeMediaFile(const MediaFile &file, const QString &targetPath, RenamePass *pass) {
    AtomicFile out(targetPath, pass);
    if (FileError error = out.open(); error.failed())
        return error;
    const bool anew = file.decodedSize.isValid();
    if (FileError error = anew ? encodeAnew(file, out) : copyBytes(file, out); error.failed())
        return error;
    // A copy encoded anew carries its source's time, so that a rebuild can
    // tell it was made from that version of the source.
    if (anew && !file.sourcePath.isEmpty())
        out.setModificationTime(file.modified);
    return out.commit();
}

} // namespace quillsite
