#include "authoring/newpagecounter.h"

namespace quillsite {

using namespace Qt::StringLiterals;

namespace {
const QString defaultNamePrefix = u"New Page "_s;
}

QString NewPageCounter::defaultName() const {
    return defaultNamePrefix + QString::number(m_value);
}

void NewPageCounter::nameAdding(const QString &name) {
    if (name.startsWith(defaultNamePrefix, Qt::CaseSensitive))
        ++m_value;
}

} // namespace quillsite
