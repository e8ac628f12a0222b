#pragma once

#include <QByteArray>
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

QByteArray encodeText(QStringView text, TextEncoding encoding);

} // namespace quillsite
