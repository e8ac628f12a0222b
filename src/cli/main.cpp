// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

// quillsite-build: builds a website from a template without the wizard.

#include "builder/pagelinks.h"
#include "builder/sitebuilder.h"
#include "buildinfo.h"
#include "cli/commandline.h"
#include "cli/templatelisting.h"
#include "library/templatecatalog.h"
#include "platform/systeminfo.h"
#include "platform/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

using namespace quillsite;
using namespace Qt::StringLiterals;

namespace {

enum ExitStatus { Success = 0, BuildFailed = 1, UsageError = 2 };

void sayWarnings(const QStringList &warnings, const QString &label, QTextStream &err) {
    for (const QString &warning : warnings)
        err << label << warning << '\n';
}

// Says the warnings (as errors under --strict) and builds the site.
int build(const CommandLine &command, QTextStream &out, QTextStream &err) {
    const QString label = command.strict ? QCoreApplication::translate("CommandLine", "Error: ")
                                         : QCoreApplication::translate("CommandLine", "Warning: ");
    QStringList warnings = command.warnings;
    // Links to pages no longer in the site are known from the pages alone, so under
    // --strict they are refused before anything is written, like the command's own warnings.
    if (command.strict)
        warnings += danglingPageLinks(command.site.pages);
    sayWarnings(warnings, label, err);
    if (command.strict && !warnings.isEmpty())
        return BuildFailed;
    err.flush();
    const BuildResult result = BuildWebsite(
        command.site, {}, command.strict ? WarningPolicy::Refuse : WarningPolicy::Report,
        command.previous);
    sayWarnings(result.warnings, label, err);
    if (!result.ok) {
        err << result.message() << '\n';
        return BuildFailed;
    }
    for (const QString &warning : missingFileWarnings(result))
        err << label << warning << '\n';
    err << removedFilesReport(result);
    err.flush();
    out << buildReport(result, command.site.destination) << '\n';
    return Success;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"quillsite-build"_s);
    QCoreApplication::setApplicationVersion(QLatin1StringView(QUILLSITE_VERSION));
    installTranslations();
    QTextStream out(stdout);
    QTextStream err(stderr);

    const QString templatesFolder = programDataFolder() + u"/templates"_s;
    const CommandLine command =
        interpretCommandLine(QCoreApplication::arguments(),
                             {templatesFolder, QDir::currentPath(), QDir::homePath(), loginName()});

    switch (command.action) {
    case CommandAction::ShowText:
        // What --list-pages could not recover of the site.
        sayWarnings(command.warnings, QCoreApplication::translate("CommandLine", "Warning: "), err);
        out << command.text;
        return Success;
    case CommandAction::ListTemplates: {
        const QList<TemplateInfo> templates = discoverTemplates(templatesFolder);
        if (templates.isEmpty())
            err << QCoreApplication::translate("CommandLine", "No templates are installed in %1")
                       .arg(templatesFolder)
                << '\n';
        out << templateListing(templates);
        return Success;
    }
    case CommandAction::Fail:
        err << command.error << '\n';
        return UsageError;
    case CommandAction::Build:
        break;
    }

    return build(command, out, err);
}
