// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/sitelisting.h"

#include "builder/pagenames.h"
#include "cli/templatelisting.h"

#include <QCoreApplication>

#include <QFileInfo>
#include <QStringList>

namespace quillsite {

using namespace Qt::StringLiterals;

namespace {

QString templateLine(const QString &folder, const QList<TemplateInfo> &installed) {
    if (folder.isEmpty())
        return QCoreApplication::translate("CommandLine",
                                           "Template: none of the installed templates matches");
    for (const TemplateInfo &info : installed) {
        if (info.folder == folder)
            return QCoreApplication::translate("CommandLine", "Template: %1 [%2]")
                .arg(visibleText(info.name), visibleText(QFileInfo(folder).fileName()));
    }
    // One given by its path is named by the path, as --template took it.
    return QCoreApplication::translate("CommandLine", "Template: %1").arg(visibleText(folder));
}

} // namespace

QString siteListing(const ReadSite &read, const QList<TemplateInfo> &installed) {
    QStringList lines{
        templateLine(read.site.templateFolder, installed),
        QCoreApplication::translate("CommandLine", "Title: %1").arg(visibleText(read.site.title)),
        QCoreApplication::translate("CommandLine", "Author: %1").arg(visibleText(read.site.author)),
        QCoreApplication::translate("CommandLine", "Pages:")};
    for (qsizetype i = 0; i < read.site.pages.size(); ++i) {
        const QString file =
            i < read.pageFiles.size() ? read.pageFiles[i] : pageFileName(read.site.pages[i].name);
        lines.append(u"    %1 (%2)"_s.arg(visibleText(read.site.pages[i].name), visibleText(file)));
    }
    return lines.join(u'\n') + u'\n';
}

} // namespace quillsite
