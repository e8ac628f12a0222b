// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "builder/picturemetadata.h"

#include <QByteArrayView>
#include <QtEndian>

#include <exiv2/exiv2.hpp>

#include <mutex>
#include <optional>

namespace quillsite {

namespace {

constexpr QByteArrayView PngSignature("\x89PNG\r\n\x1a\n", 8);
constexpr char OrientationKey[] = "Exif.Image.Orientation";

// PNG is read chunk by chunk here: the metadata library rewrites only the
// text chunks it knows, and would keep a "Comment" or an "Author".
bool isPrivateChunk(QByteArrayView type) {
    return type == "tEXt" || type == "zTXt" || type == "iTXt" || type == "eXIf" || type == "tIME";
}

// The PNG without its private chunks; nullopt when it is not a whole PNG.
std::optional<QByteArray> pngWithoutPrivateChunks(const QByteArray &png, bool *found) {
    QByteArray kept = png.first(PngSignature.size());
    qsizetype at = PngSignature.size();
    while (at + 12 <= png.size()) {
        const quint32 length = qFromBigEndian<quint32>(png.constData() + at);
        const qsizetype end = at + 12 + qsizetype(length);
        if (length > quint32(png.size()) || end > png.size())
            return std::nullopt;
        const QByteArrayView type(png.constData() + at + 4, 4);
        if (isPrivateChunk(type))
            *found = true;
        else
            kept += QByteArrayView(png).sliced(at, end - at);
        at = end;
        if (type == "IEND")
            return kept;
    }
    return std::nullopt;
}

// The library keeps global state that must be set up before threads use it,
// with a lock for its XMP toolkit, and would otherwise print its complaints
// about odd files on the terminal.
void prepareLibrary() {
    static std::mutex xmpToolkit;
    static const bool prepared = [] {
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        return Exiv2::XmpParser::initialize(
            [](void *mutex, bool lock) {
                if (lock)
                    static_cast<std::mutex *>(mutex)->lock();
                else
                    static_cast<std::mutex *>(mutex)->unlock();
            },
            &xmpToolkit);
    }();
    Q_UNUSED(prepared);
}

Exiv2::Image::AutoPtr readMetadata(const QByteArray &picture) {
    prepareLibrary();
    Exiv2::Image::AutoPtr image = Exiv2::ImageFactory::open(
        reinterpret_cast<const Exiv2::byte *>(picture.constData()), long(picture.size()));
    image->readMetadata();
    return image;
}

bool holdsPrivateMetadata(Exiv2::Image &image) {
    for (const Exiv2::Exifdatum &datum : image.exifData()) {
        if (datum.key() != OrientationKey)
            return true;
    }
    return !image.iptcData().empty() || !image.xmpData().empty() || !image.xmpPacket().empty() ||
           !image.comment().empty();
}

QByteArray strippedByLibrary(const QByteArray &picture) {
    Exiv2::Image::AutoPtr image = readMetadata(picture);
    const Exiv2::ExifData &exif = image->exifData();
    const auto orientation = exif.findKey(Exiv2::ExifKey(OrientationKey));
    const std::optional<uint16_t> turn =
        orientation != exif.end() ? std::optional(uint16_t(orientation->toLong())) : std::nullopt;
    image->clearExifData();
    image->clearIptcData();
    image->clearXmpData();
    image->clearXmpPacket();
    image->clearComment();
    if (turn)
        image->exifData()[OrientationKey] = *turn;
    image->writeMetadata();
    Exiv2::BasicIo &io = image->io();
    io.seek(0, Exiv2::BasicIo::beg);
    const Exiv2::DataBuf bytes = io.read(long(io.size()));
    return {reinterpret_cast<const char *>(bytes.pData_), qsizetype(bytes.size_)};
}

} // namespace

bool holdsPrivateData(const QByteArray &picture) {
    if (picture.startsWith(PngSignature)) {
        bool found = false;
        return !pngWithoutPrivateChunks(picture, &found) || found;
    }
    try {
        return holdsPrivateMetadata(*readMetadata(picture));
    } catch (const std::exception &) {
        return false; // a format the library does not know holds nothing it could find
    }
}

QByteArray withoutPrivateData(const QByteArray &picture) {
    if (picture.startsWith(PngSignature)) {
        bool found = false;
        return pngWithoutPrivateChunks(picture, &found).value_or(QByteArray());
    }
    try {
        return strippedByLibrary(picture);
    } catch (const std::exception &) {
        return {};
    }
}

} // namespace quillsite
