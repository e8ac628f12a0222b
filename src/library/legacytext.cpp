// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "library/legacytext.h"

#include <QStringDecoder>

#include <array>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

// Windows-1252 bytes 0x80 to 0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> highControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t windows1252ToUnicode(uchar byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return highControls[byte - 0x80];
    return byte;
}

// The byte for `ch`, or -1 when Windows-1252 has no such character.
int unicodeToWindows1252(char16_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return ch;
    for (size_t i = 0; i < highControls.size(); ++i) {
        if (highControls[i] == ch)
            return int(0x80 + i);
    }
    return -1;
}

// A byte fromUtf8KeepingBytes kept: a low surrogate of U+DC80 to U+DCFF that
// follows no high surrogate.
constexpr char16_t keptByteBase = 0xDC00;

bool isInKeptRange(char16_t ch) {
    return char16_t(ch - (keptByteBase + 0x80)) < 0x80;
}

bool isKeptByte(QStringView text, qsizetype at) {
    return isInKeptRange(text[at].unicode()) && (at == 0 || !text[at - 1].isHighSurrogate());
}

bool holdsKeptByteIn(QStringView text, qsizetype from, qsizetype to) {
    for (qsizetype i = from; i < to; ++i) {
        if (isKeptByte(text, i))
            return true;
    }
    return false;
}

bool holdsKeptBytes(QStringView text) {
    // Nearly all text has no code unit in the kept bytes' range at all. Blocks
    // of a fixed size, looked at without stopping early, let the compiler
    // check many units at once; only a block with one is looked at closely.
    constexpr qsizetype blockSize = 64;
    const char16_t *units = text.utf16();
    qsizetype from = 0;
    for (; from + blockSize <= text.size(); from += blockSize) {
        char16_t inRange = 0; // as wide as a unit: a bool would not be vectorised
        for (qsizetype i = 0; i < blockSize; ++i)
            inRange |= char16_t(isInKeptRange(units[from + i]));
        if (inRange && holdsKeptByteIn(text, from, from + blockSize))
            return true;
    }
    return holdsKeptByteIn(text, from, text.size());
}

bool isContinuation(uchar byte, uchar low = 0x80, uchar high = 0xBF) {
    return byte >= low && byte <= high;
}

// The length of the valid UTF-8 sequence at `at`, or 0 when there is none.
qsizetype sequenceLength(QByteArrayView bytes, qsizetype at) {
    const auto byte = [&](qsizetype i) {
        return at + i < bytes.size() ? uchar(bytes[at + i]) : 0;
    };
    const uchar lead = byte(0);
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return isContinuation(byte(1)) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        const uchar low = lead == 0xE0 ? 0xA0 : 0x80;
        const uchar high = lead == 0xED ? 0x9F : 0xBF;
        return isContinuation(byte(1), low, high) && isContinuation(byte(2)) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const uchar low = lead == 0xF0 ? 0x90 : 0x80;
        const uchar high = lead == 0xF4 ? 0x8F : 0xBF;
        return isContinuation(byte(1), low, high) && isContinuation(byte(2)) &&
                       isContinuation(byte(3))
                   ? 4
                   : 0;
    }
    return 0;
}

void appendCharacterReference(QByteArray &out, char32_t codePoint) {
    out += "&#";
    out += QByteArray::number(uint(codePoint));
    out += ';';
}

} // namespace

QString fromWindows1252(const QByteArray &bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (char byte : bytes)
        *out++ = QChar(windows1252ToUnicode(uchar(byte)));
    return text;
}

DecodedText decodeTemplateText(const QByteArray &bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return {text, TextEncoding::Utf8};
    return {fromWindows1252(bytes), TextEncoding::Windows1252};
}

QByteArray toWindows1252Html(QStringView text) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        const int byte = unicodeToWindows1252(ch.unicode());
        if (byte >= 0) {
            out += char(byte);
        } else if (isKeptByte(text, i)) {
            out += char(ch.unicode() - keptByteBase);
        } else if (ch.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            appendCharacterReference(out, QChar::surrogateToUcs4(ch, text[i + 1]));
            ++i;
        } else {
            appendCharacterReference(out, ch.unicode());
        }
    }
    return out;
}

QByteArray encodeText(QStringView text, TextEncoding encoding) {
    if (encoding == TextEncoding::Windows1252)
        return toWindows1252Html(text);
    if (!holdsKeptBytes(text))
        return text.toUtf8();
    QByteArray out;
    out.reserve(text.size());
    qsizetype from = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isKeptByte(text, i))
            continue;
        out += text.sliced(from, i - from).toUtf8();
        out += char(text[i].unicode() - keptByteBase);
        from = i + 1;
    }
    out += text.sliced(from).toUtf8();
    return out;
}

bool isValidUtf8(QByteArrayView bytes) {
    for (qsizetype at = 0; at < bytes.size();) {
        // Most of a page is ASCII.
        if (uchar(bytes[at]) < 0x80) {
            ++at;
            continue;
        }
        const qsizetype length = sequenceLength(bytes, at);
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

QString fromUtf8KeepingBytes(QByteArrayView bytes) {
    // A byte order mark counts as one only at the very start; after a kept
    // byte it is a character of the text like any other.
    const auto piece = [bytes](qsizetype from, qsizetype length) {
        if (from == 0)
            return QString::fromUtf8(bytes.first(length));
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        return QString(decoder.decode(bytes.sliced(from, length)));
    };
    QString text;
    text.reserve(bytes.size());
    qsizetype from = 0;
    for (qsizetype at = 0; at < bytes.size();) {
        if (const qsizetype length = sequenceLength(bytes, at); length > 0) {
            at += length;
            continue;
        }
        text += piece(from, at - from);
        text += QChar(char16_t(keptByteBase + uchar(bytes[at])));
        from = ++at;
    }
    text += piece(from, bytes.size() - from);
    return text;
}

} // namespace quillsite
