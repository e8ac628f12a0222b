#pragma once

#include "builder/fileerror.h"

#include <QString>

namespace quillsite {

// A page read from an HTML file for the command-line build.
struct InputPage {
    QString body; // the markup the page contributes (see bodyMarkup)
    FileError error;
};

// Reads `path` as UTF-8, or as Windows-1252 when it is not valid UTF-8, and
// takes its body markup.
InputPage readInputPage(const QString &path);

} // namespace quillsite
