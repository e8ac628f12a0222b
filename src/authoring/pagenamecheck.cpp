#include "authoring/pagenamecheck.h"

#include "builder/pagenames.h"

namespace quillsite {

using namespace Qt::StringLiterals;

QString newPageNameProblem(const QString &name, const QStringList &existing) {
    if (existing.contains(name, Qt::CaseInsensitive))
        return u"This page already exists, please choose a different page name."_s;
    if (QString problem = pageNameProblem(name); !problem.isEmpty())
        return problem;
    const QString fileName = pageFileName(name);
    for (const QString &other : existing) {
        if (pageFileName(other).compare(fileName, Qt::CaseInsensitive) == 0) {
            return u"The page \"%1\" would be saved as \"%2\", the file of the page \"%3\". "
                   "Please choose a different page name."_s.arg(name, fileName, other);
        }
    }
    return {};
}

} // namespace quillsite
