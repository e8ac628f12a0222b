#pragma once

#include <QList>
#include <QString>

namespace quillsite {

// The site menu: for every page in order, a copy of `fragment` appended and
// then "<!--ItemName-->" and "<!--ItemPath-->" replaced over the whole menu by
// that page's name and link.
QString buildMenu(const QString &fragment, const QList<QString> &pageNames);

} // namespace quillsite
