#pragma once

#include <QString>

namespace quillsite {

// Makes `path` with every missing parent folder. Returns the system's reason
// when it could not, or an empty text when the folder is there.
QString makeFolder(const QString &path);

} // namespace quillsite
