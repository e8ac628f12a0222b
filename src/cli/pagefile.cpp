#include "cli/pagefile.h"

#include "cli/pagebody.h"
#include "library/legacytext.h"

#include <QFile>
#include <QFileInfo>

namespace quillsite {

using namespace Qt::StringLiterals;

PageFile readPageFile(const QString &path) {
    if (QFileInfo(path).isDir())
        return {{}, u"The page file is a folder, not a file: %1"_s.arg(path)};
    QFile file(path);
    if (!file.exists())
        return {{}, u"The page file does not exist: %1"_s.arg(path)};
    if (!file.open(QIODevice::ReadOnly))
        return {{}, u"The page file can't be read (%1): %2"_s.arg(file.errorString(), path)};
    return {bodyMarkup(decodeTemplateText(file.readAll()).text), {}};
}

} // namespace quillsite
