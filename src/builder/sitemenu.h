#pragma once

#include "library/legacytext.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace quillsite {

// The site menu, written in `encoding`: for every page in order, a copy of
// `fragment` appended and then "<!--ItemName-->" and "<!--ItemPath-->"
// replaced over the whole menu by that page's name and link.
//
// Built as bytes, never as a whole text, to take half the memory. Both
// encodings write every ASCII character as its own byte and no other
// character as a byte a placeholder holds, so a placeholder is found in the
// bytes exactly where it stands in the text.
QByteArray buildMenu(const QString &fragment, const QList<QString> &pageNames,
                     TextEncoding encoding);

} // namespace quillsite
