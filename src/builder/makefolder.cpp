#include "builder/makefolder.h"

#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace quillsite {

FileError makeFolder(const QString &path) {
    // QDir::mkpath says only whether it worked; this way the user learns why not.
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(path).toStdString(), error);
    if (error && !QFileInfo(path).isDir())
        return {path, QString::fromLocal8Bit(error.message())};
    return {};
}

} // namespace quillsite
