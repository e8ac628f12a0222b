// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "builder/fileerror.h"

#include <QByteArray>
#include <QSize>
#include <QString>

class QIODevice;

namespace quillsite {

// What a picture's header says, read without decoding the picture.
struct PictureHeader {
    QByteArray format;     // as Qt names it ("jpeg", "png"); empty: no reader knows the bytes
    QSize storedSize;      // as its pixels are stored; invalid when the header does not say
    bool sideways = false; // shown turned by a quarter, so upright its sides swap

    bool readable() const { return !format.isEmpty(); }
    QSize uprightSize() const { return sideways ? storedSize.transposed() : storedSize; }
};

// A picture decoded and encoded anew, or why it could not be.
struct EncodedPicture {
    QByteArray bytes;
    QString unreadable; // why the source could not be decoded
    QString unwritable; // why the picture could not be encoded
};

// Reading, scaling and writing pictures and removing their private data. It
// lives in a module of its own, loaded the first time a build meets a
// picture: the graphics libraries it needs take longer to load than a site
// without pictures takes to build. Safe to use from several threads.
class PictureCodec {
public:
    virtual ~PictureCodec() = default;

    virtual PictureHeader header(QIODevice &source) const = 0;
    // Decodes at `decodedSize` (as stored) when it is valid, upright, and
    // encodes in `format`, with none of the source's metadata.
    virtual EncodedPicture encode(QIODevice &source, QSize decodedSize,
                                  const QByteArray &format) const = 0;
    // Whether the picture tells anything about where, when, with what or by
    // whom it was taken: Exif (GPS, camera, serial, owner, maker notes,
    // thumbnail), XMP, IPTC or comments. Its colour profile and orientation
    // don't count.
    virtual bool holdsPrivateData(const QByteArray &picture) const = 0;
    // The picture with all of that removed and nothing else changed: the same
    // compressed pixels, the colour profile, and the orientation as its only
    // tag. Empty when the format or the file does not allow it.
    virtual QByteArray withoutPrivateData(const QByteArray &picture) const = 0;
};

// The codec, loaded on first use. When its module can't be loaded, a codec
// that reads no picture stands in, and pictureCodecFailure() says why.
const PictureCodec &pictureCodec();

// The header of the picture file at `path`, read by the codec.
PictureHeader pictureHeader(const QString &path);

// Why the codec's module could not be loaded, once something asked for it;
// else nothing.
FileError pictureCodecFailure();

} // namespace quillsite
