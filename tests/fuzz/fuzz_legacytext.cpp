// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Decoding a file's bytes as UTF-8 or Windows-1252, and writing the text back.

#include "library/legacytext.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace quillsite;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const DecodedText decoded = decodeTemplateText(bytes);
    const QByteArray written = encodeText(decoded.text, decoded.encoding);
    // A file read as Windows-1252 is written back byte for byte; one read as
    // UTF-8 likewise, but for the byte order mark that reading drops.
    const QByteArrayView withoutMark =
        bytes.startsWith("\xef\xbb\xbf") ? QByteArrayView(bytes).sliced(3) : QByteArrayView(bytes);
    const QByteArrayView expected =
        decoded.encoding == TextEncoding::Utf8 ? withoutMark : QByteArrayView(bytes);
    if (written != expected)
        std::abort();
    encodeText(decoded.text, decoded.encoding == TextEncoding::Utf8 ? TextEncoding::Windows1252
                                                                    : TextEncoding::Utf8);
    // A page that is not UTF-8 keeps its stray bytes through reading and
    // writing; only a byte order mark is dropped, as in any UTF-8 reading.
    if (encodeText(fromUtf8KeepingBytes(bytes), TextEncoding::Utf8) != withoutMark)
        std::abort();
    return 0;
}
