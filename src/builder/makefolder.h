#pragma once

#include "builder/fileerror.h"

namespace quillsite {

// Makes `path` with every missing parent folder; the system's reason when it
// could not and the folder is not there.
FileError makeFolder(const QString &path);

} // namespace quillsite
