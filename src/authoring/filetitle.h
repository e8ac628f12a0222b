#pragma once

#include <QString>

namespace quillsite {

// The file name of `path` without its folder and without the extension that
// starts at the name's last ".": "/site/pages/About Us.htm" gives "About Us".
QString FileTitle(const QString &path);

} // namespace quillsite
