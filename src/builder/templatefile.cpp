#include "builder/templatefile.h"

#include <QFile>
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

TemplateText readTemplateFile(const QString &path) {
    if (QFileInfo(path).isDir())
        return {{}, {}, {path, u"It is a folder, not a file"_s}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, {}, {path, file.errorString()}};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {{}, {}, {path, file.errorString()}};
    DecodedText decoded = decodeTemplateText(bytes);
    return {withCrLfLines(decoded.text), decoded.encoding, {}};
}

} // namespace quillsite
