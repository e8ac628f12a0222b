// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/mediafile.h"

#include "builder/atomicfile.h"
#include "builder/picturecodec.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <memory>

namespace quillsite {

namespace {

constexpr qint64 CopyChunk = 1 << 20;

// The source, ready for the codec to read.
std::unique_ptr<QIODevice> pictureSource(const MediaFile &file) {
    if (file.sourcePath.isEmpty()) {
        auto buffer = std::make_unique<QBuffer>();
        buffer->setData(file.sourceData);
        return buffer;
    }
    return std::make_unique<QFile>(file.sourcePath);
}

// Fills in the picture's format and written size from its header. Only the
// formats Qt can write are scaled; the rest travel at their size.
void describePicture(MediaFile &file) {
    const std::unique_ptr<QIODevice> source = pictureSource(file);
    const PictureHeader header = pictureCodec().header(*source);
    if (!header.readable())
        return;
    file.format = header.format;
    file.size = header.uprightSize();
    const bool writable = file.format == "jpeg" || file.format == "png" || file.format == "webp";
    if (writable && file.size.isValid() &&
        std::max(file.size.width(), file.size.height()) > WebPictureSide) {
        file.size = file.size.scaled(WebPictureSide, WebPictureSide, Qt::KeepAspectRatio);
        file.decodedSize = header.sideways ? file.size.transposed() : file.size;
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
    const std::unique_ptr<QIODevice> source = pictureSource(file);
    const EncodedPicture encoded = pictureCodec().encode(*source, file.decodedSize, file.format);
    if (!encoded.unreadable.isEmpty())
        return {{}, unreadablePicture(encoded.unreadable)};
    if (!encoded.unwritable.isEmpty())
        return {{file.sourcePath, encoded.unwritable}, {}};
    return {out.write({encoded.bytes}), {}};
}

// Removes the private data without touching the pixels; a picture whose
// format does not allow that is encoded anew instead.
MediaWritten writeWithoutPrivateData(const MediaFile &file, AtomicFile &out) {
    const QByteArray cleaned = pictureCodec().withoutPrivateData(sourceBytes(file));
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
        describePicture(file);
        file.privateData =
            !file.decodedSize.isValid() && pictureCodec().holdsPrivateData(sourceBytes(file));
    }
    return file;
}

MediaFile describeMediaData(const QByteArray &data) {
    MediaFile file;
    file.sourceData = data;
    file.picture = true;
    file.bytes = data.size();
    describePicture(file);
    file.privateData = !file.decodedSize.isValid() && pictureCodec().holdsPrivateData(data);
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
               pictureHeader(targetPath).storedSize == file.size;
    if (file.decodedSize.isValid())
        return false;
    MediaFile cleaned;
    cleaned.sourceData = pictureCodec().withoutPrivateData(file.sourceData);
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
