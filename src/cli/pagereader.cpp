#include "cli/pagereader.h"

#include "cli/pagebody.h"
#include "library/legacytext.h"

#include <QFile>
#include <QFileInfo>

namespace quillsite {

using namespace Qt::StringLiterals;

InputPage readInputPage(const QString &path) {
    if (QFileInfo(path).isDir())
        return {{}, {path, u"It is a folder, not a file"_s}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, {path, file.errorString()}};
    return {bodyMarkup(decodeTemplateText(file.readAll()).text), {}};
}

} // namespace quillsite
