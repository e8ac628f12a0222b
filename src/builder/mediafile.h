#pragma once

#include "builder/atomicfile.h"
#include "builder/fileerror.h"

#include <QByteArray>
#include <QDateTime>
#include <QSize>
#include <QString>

namespace quillsite {

// One file to put into the site's media folder: a picture or linked file
// from the disk, or a picture that a page held as a data: address.
struct MediaFile {
    QString sourcePath;    // the file on disk, or empty for `sourceData`
    QByteArray sourceData; // the picture's bytes when it came as a data: address
    bool picture = false;  // shown by an img element, so scaled when large
    QByteArray format;     // the picture's format as Qt names it ("jpeg", "png"), when known
    QSize size;            // the size of the written picture, upright; invalid when unknown
    QSize decodedSize;     // valid: decode at this size (as stored) and encode anew
    qint64 bytes = 0;      // the source's size
    QDateTime modified;    // the source file's modification time
};

// The longest side, in pixels, of a picture put into a site.
inline constexpr int WebPictureSide = 1920;

// Looks at the source's header only: its format and size, and whether it
// must be encoded anew: larger than WebPictureSide, or stored sideways with
// an orientation tag. Other files are copied byte for byte.
MediaFile describeMediaFile(const QString &path, bool picture);
MediaFile describeMediaData(const QByteArray &data);

// Whether `targetPath` already holds what writeMediaFile would write, so a
// rebuild need not write it again.
bool mediaFileIsCurrent(const MediaFile &file, const QString &targetPath);

// Writes the copy (scaled, upright and without metadata when it is encoded
// anew) through a temporary file, which `pass`, when given, puts in place
// later; the file at fault and why when it can't.
FileError writeMediaFile(const MediaFile &file, const QString &targetPath,
                         RenamePass *pass = nullptr);

} // namespace quillsite
