#include "cli/sitelisting.h"

#include "builder/pagenames.h"

#include <QFileInfo>
#include <QStringList>

namespace quillsite {

using namespace Qt::StringLiterals;

namespace {

QString templateLine(const QString &folder, const QList<TemplateInfo> &installed) {
    if (folder.isEmpty())
        return u"Template: none of the installed templates matches"_s;
    QString name;
    for (const TemplateInfo &info : installed) {
        if (info.folder == folder)
            name = info.name;
    }
    return u"Template: %1 [%2]"_s.arg(name, QFileInfo(folder).fileName());
}

} // namespace

QString siteListing(const ReadSite &read, const QList<TemplateInfo> &installed) {
    QStringList lines{templateLine(read.site.templateFolder, installed),
                      u"Title: "_s + read.site.title, u"Author: "_s + read.site.author,
                      u"Pages:"_s};
    for (qsizetype i = 0; i < read.site.pages.size(); ++i) {
        const QString file =
            i < read.pageFiles.size() ? read.pageFiles[i] : pageFileName(read.site.pages[i].name);
        lines.append(u"    %1 (%2)"_s.arg(read.site.pages[i].name, file));
    }
    return lines.join(u'\n') + u'\n';
}

} // namespace quillsite
