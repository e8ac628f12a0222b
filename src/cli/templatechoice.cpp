// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/templatechoice.h"

#include "cli/templatelisting.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace quillsite {

using namespace Qt::StringLiterals;

namespace {

QString folderName(const TemplateInfo &info) {
    return QFileInfo(info.folder).fileName();
}

bool isTemplateFolder(const QString &path) {
    return QFileInfo(path).isDir() && QFileInfo(QDir(path).filePath(u"data.ini"_s)).isFile();
}

QList<TemplateInfo> matchingTemplates(const QString &request,
                                      const QList<TemplateInfo> &installed) {
    QList<TemplateInfo> matches;
    for (const TemplateInfo &info : installed) {
        if (info.name.compare(request, Qt::CaseInsensitive) == 0 ||
            folderName(info).compare(request, Qt::CaseInsensitive) == 0)
            matches.append(info);
    }
    return matches;
}

TemplateChoice templateAtPath(const QString &request, const QString &currentFolder) {
    const QString folder = QDir::cleanPath(QDir(currentFolder).absoluteFilePath(request));
    if (!QFileInfo(folder).isDir())
        return {{},
                QCoreApplication::translate("CommandLine", "The template folder does not exist: %1")
                    .arg(folder)};
    if (!isTemplateFolder(folder))
        return {{},
                QCoreApplication::translate("CommandLine",
                                            "This folder is not a template, it has no data.ini: %1")
                    .arg(folder)};
    return {folder, {}};
}

QString ambiguity(const QString &request, const QList<TemplateInfo> &matches) {
    QStringList lines{
        QCoreApplication::translate(
            "CommandLine",
            "More than one template is called \"%1\"; give the path of the one you mean:")
            .arg(request)};
    for (const TemplateInfo &info : matches)
        lines.append(u"  "_s + info.folder);
    return lines.join(u'\n');
}

QString unknown(const QString &request, const QList<TemplateInfo> &installed) {
    const QString problem =
        QCoreApplication::translate("CommandLine", "There is no template called \"%1\".")
            .arg(request);
    if (installed.isEmpty())
        return problem + u' ' +
               QCoreApplication::translate("CommandLine", "No templates are installed.");
    return problem + u' ' + QCoreApplication::translate("CommandLine", "Choose one of:") + u'\n' +
           templateChoices(installed);
}

} // namespace

TemplateChoice chooseTemplate(const QString &request, const QList<TemplateInfo> &installed,
                              const QString &currentFolder) {
    if (request.isEmpty()) {
        if (installed.isEmpty())
            return {{},
                    QCoreApplication::translate("CommandLine",
                                                "No templates are installed. Give the path of a "
                                                "template folder with --template.")};
        return {installed.first().folder, {}};
    }
    if (request.contains(u'/'))
        return templateAtPath(request, currentFolder);

    const QList<TemplateInfo> matches = matchingTemplates(request, installed);
    if (matches.size() == 1)
        return {matches.first().folder, {}};
    if (matches.size() > 1)
        return {{}, ambiguity(request, matches)};
    if (isTemplateFolder(QDir(currentFolder).absoluteFilePath(request)))
        return templateAtPath(request, currentFolder);
    return {{}, unknown(request, installed)};
}

QString templateChoices(const QList<TemplateInfo> &installed) {
    QStringList lines;
    for (const TemplateInfo &info : installed) {
        const QString folder = visibleText(folderName(info));
        lines.append(info.name.isEmpty() ? u"  [%1]"_s.arg(folder)
                                         : u"  %1 [%2]"_s.arg(visibleText(info.name), folder));
    }
    return lines.join(u'\n');
}

} // namespace quillsite
