#pragma once

#include "builder/fileerror.h"

#include <QString>
#include <QStringList>

namespace quillsite {

// A page read from an HTML file for the command-line build.
struct InputPage {
    QString body;         // the markup the page contributes (see bodyMarkup)
    QStringList warnings; // what of the file the page leaves out, one sentence each
    FileError error;
};

// Reads `path`, an ordinary file, as UTF-16 when it starts with a UTF-16
// byte order mark, else as UTF-8, or as Windows-1252 when it is not valid
// UTF-8, and takes its body markup.
InputPage readInputPage(const QString &path);

} // namespace quillsite
