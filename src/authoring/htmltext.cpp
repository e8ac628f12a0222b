// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "authoring/htmltext.h"

#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

QString decodeWindows1252(const QByteArray &bytes) {
    QStringDecoder decoder("windows-1252");
    if (!decoder.isValid()) // a Qt without ICU: Latin-1 differs only in 0x80 to 0x9F
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

} // namespace

QString decodeHtmlText(const QByteArray &bytes) {
    if (const auto encoding = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*encoding);
        return decoder.decode(bytes);
    }
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return decodeWindows1252(bytes);
}

} // namespace quillsite
