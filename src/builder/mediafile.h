// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

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
    QString sourcePath;       // the file on disk, or empty for `sourceData`
    QByteArray sourceData;    // the picture's bytes when it came as a data: address
    bool picture = false;     // shown by an img element, so scaled when large
    QByteArray format;        // the picture's format as Qt names it ("jpeg", "png"), when known
    QSize size;               // the size of the written picture, upright; invalid when unknown
    QSize decodedSize;        // valid: decode at this size (as stored) and encode anew
    bool privateData = false; // holds data about camera, place or owner, removed from the copy
    qint64 bytes = 0;         // the source's size
    QDateTime modified;       // the source file's modification time
};

// The longest side, in pixels, of a picture put into a site.
inline constexpr int WebPictureSide = 1920;

// Looks at the source's header and metadata: its format and size, whether it
// must be encoded anew (larger than WebPictureSide), and whether it holds
// private data to remove. Other files are copied byte for byte.
MediaFile describeMediaFile(const QString &path, bool picture);
MediaFile describeMediaData(const QByteArray &data);

// Whether `targetPath` already holds what writeMediaFile would write, so a
// rebuild need not write it again.
bool mediaFileIsCurrent(const MediaFile &file, const QString &targetPath);

// What became of one copy.
struct MediaWritten {
    FileError error;    // the copy could not be written
    QString unreadable; // else, why the picture could not be read, so it was left out
};

// Writes the copy (scaled and upright when it is encoded anew, never with
// private data) through a temporary file, which `pass`, when given, puts in
// place later.
MediaWritten writeMediaFile(const MediaFile &file, const QString &targetPath,
                            RenamePass *pass = nullptr);

// Whether two sources hold the same bytes.
bool sameSource(const MediaFile &one, const MediaFile &other);

} // namespace quillsite
