// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace quillsite {

// How a text file of a template was stored on disk.
enum class TextEncoding { Utf8, Windows1252 };

struct DecodedText {
    QString text;
    TextEncoding encoding = TextEncoding::Utf8;
};

// Template files are UTF-8; older ones were written in the Windows-1252 code
// page, so a file that is not valid UTF-8 is read as Windows-1252 instead.
// A UTF-8 byte order mark is dropped.
DecodedText decodeTemplateText(const QByteArray &bytes);

// Every byte has a character in Windows-1252 (the five unassigned ones map to
// the control characters of the same number, as Windows does).
QString fromWindows1252(const QByteArray &bytes);

// Writes `text` in Windows-1252; a character the code page can't hold becomes
// an HTML numeric character reference, so nothing is lost in a web page.
QByteArray toWindows1252Html(QStringView text);

// `text` written in `encoding`. A byte kept by fromUtf8KeepingBytes is
// written back as that byte, in either encoding.
QByteArray encodeText(QStringView text, TextEncoding encoding);

// The UTF-8 in `bytes` as text, and every byte that is not part of valid
// UTF-8 as a character of its own (U+DC80 to U+DCFF, which valid text never
// holds alone), so that encodeText writes the same bytes again.
QString fromUtf8KeepingBytes(QByteArrayView bytes);

// Whether `bytes` is valid UTF-8 throughout.
bool isValidUtf8(QByteArrayView bytes);

} // namespace quillsite
