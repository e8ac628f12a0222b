// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "builder/fileerror.h"
#include "builder/sitereader.h"

#include <QString>
#include <QStringList>

namespace quillsite {

// A page read from an HTML file, the one way every page file given by the
// user comes in (the command line's --page, the wizard's Open).
struct InputPage {
    QString body;         // the markup the page contributes (see bodyMarkup)
    QString builtName;    // the page's name, when one of the templates built it
    QStringList warnings; // what of the file the page leaves out, one sentence each
    FileError error;
};

// Reads `path`, an ordinary file of at most maxTextFileBytes, as UTF-16 when
// it starts with a UTF-16 byte order mark, else as UTF-8, or as Windows-1252
// when it is not valid UTF-8. A page one of `templateForms` built gives
// only its content; any other file its body markup.
InputPage readInputPage(const QString &path, const TemplateForms &templateForms = {});

} // namespace quillsite
