// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/templatefile.h"

#include "builder/templatelinks.h"
#include "builder/textfile.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace quillsite {

QString withCrLfLines(QStringView text) {
    QString lines;
    lines.reserve(text.size() + text.size() / 32 + 2);
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch != u'\r' && ch != u'\n')
            continue;
        lines += text.sliced(lineStart, i - lineStart);
        lines += u"\r\n";
        if (ch == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        lineStart = i + 1;
    }
    if (lineStart < text.size()) {
        lines += text.sliced(lineStart);
        lines += u"\r\n";
    }
    return lines;
}

TemplateText readTemplateFile(const QString &templateFolder, const QString &fileName) {
    const QString path = templateFolder + u'/' + fileName;
    const QString canonicalTemplate = QFileInfo(templateFolder).canonicalFilePath();
    if (const QString problem = linkOutOfTemplate(QFileInfo(path), canonicalTemplate);
        !problem.isEmpty())
        return {{}, {}, {path, problem}};
    const TextFileBytes file = readTextFile(path);
    if (file.error.failed())
        return {{}, {}, file.error};
    DecodedText decoded = decodeTemplateText(file.bytes);
    return {withCrLfLines(decoded.text), decoded.encoding, {}};
}

} // namespace quillsite
