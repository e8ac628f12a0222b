#include "cli/templatelisting.h"

#include <QFileInfo>
#include <QStringList>

namespace quillsite {

using namespace Qt::StringLiterals;

namespace {

QString templateBlock(const TemplateInfo &info) {
    const TemplateDetails details = readTemplateDetails(info.folder);
    const QString folder = QFileInfo(info.folder).fileName();
    QStringList lines{info.name.isEmpty() ? u"(no name) [%1]"_s.arg(folder)
                                          : u"%1 [%2]"_s.arg(info.name, folder)};
    QStringList credit;
    if (!details.author.isEmpty())
        credit.append(u"by "_s + details.author);
    if (!details.url.isEmpty())
        credit.append(details.url);
    if (!credit.isEmpty())
        lines.append(u"    "_s + credit.join(u", "_s));
    if (!details.description.isEmpty())
        lines.append(u"    "_s + details.description);
    return lines.join(u'\n') + u'\n';
}

} // namespace

QString templateListing(const QList<TemplateInfo> &templates) {
    QStringList blocks;
    for (const TemplateInfo &info : templates)
        blocks.append(templateBlock(info));
    return blocks.join(u'\n');
}

} // namespace quillsite
