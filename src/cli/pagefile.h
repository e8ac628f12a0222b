#pragma once

#include <QString>

namespace quillsite {

// A page read from an HTML file for the command-line build.
struct PageFile {
    QString body;  // the markup the page contributes (see bodyMarkup)
    QString error; // why the file can't be used, naming it; empty on success
};

// Reads `path` as UTF-8, or as Windows-1252 when it is not valid UTF-8, and
// takes its body markup.
PageFile readPageFile(const QString &path);

} // namespace quillsite
