// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "builder/fileerror.h"
#include "library/legacytext.h"

#include <QString>

namespace quillsite {

// A template text file as the builder uses it: every line taken whole and
// followed by CR LF, in file order.
struct TemplateText {
    QString text;
    TextEncoding encoding = TextEncoding::Utf8;
    FileError error; // when the file could not be read
};

// Reads the file `fileName` of the template in `templateFolder`; a link to a
// file outside the template is refused rather than followed.
TemplateText readTemplateFile(const QString &templateFolder, const QString &fileName);

// `text` with every line end (CR LF, LF or a lone CR) made CR LF, and CR LF
// after a last line that had none. The empty text stays empty.
QString withCrLfLines(QStringView text);

} // namespace quillsite
