// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/commandline.h"

#include "builder/pagenames.h"
#include "builder/pagereader.h"
#include "builder/sitereader.h"
#include "buildinfo.h"
#include "cli/demosite.h"
#include "cli/sitelisting.h"
#include "cli/templatechoice.h"
#include "cli/templatelisting.h"
#include "library/templatecatalog.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QtConcurrentMap>

#include <algorithm>

namespace quillsite {

using namespace Qt::StringLiterals;

namespace {

// The help's description, printed before the options.
QString description() {
    return QCoreApplication::translate(
               "CommandLine",
               "Builds a website from a Quillsite template, as the wizard does.\n"
               "\n"
               "Without --page the site is a small demonstration with one \"Home\" page. Each\n"
               "--page NAME=FILE adds a page named NAME (in the order given) whose content is\n"
               "the body of the HTML file FILE, or the whole file when it is a fragment. The\n"
               "page named \"Home\" becomes index.htm; every other page its lower-case name and\n"
               "\".htm\".\n"
               "\n"
               "Relative paths (--out, --template, page files) are taken from the current\n"
               "folder; a leading ~/ stands for your home folder.\n"
               "\n"
               "Exit status: 0 when the site was written, 1 when building failed, 2 when the\n"
               "command itself is wrong.") +
           u"\n\n"_s +
           QCoreApplication::translate(
               "CommandLine",
               "--from DIR starts from the site in DIR, as a Quillsite build left it: its\n"
               "template, title, author and pages. --template, --title, --author and --page\n"
               "then change what was read; a --page with the name of a page read replaces its\n"
               "content. --list-pages DIR shows what would be read, without building. Both\n"
               "exit with status 2 when DIR is not a site that can be read.") +
           u"\n\n"_s +
           QCoreApplication::translate(
               "CommandLine",
               "Pictures and local files the pages show or link to are copied into the\n"
               "site's media folder; relative addresses in a page file are taken from that\n"
               "file's folder. With --strict a missing picture is a failure too.") +
           u"\n\n"_s +
           QCoreApplication::translate(
               "CommandLine",
               "Building into a folder that holds a Quillsite site removes the files that site\n"
               "owned and the new one no longer uses: pages left out of its menu, pictures no\n"
               "page shows any more, the support files of its old template. They are listed on\n"
               "standard error; --keep-unused keeps them. Other files in DIR are never removed.");
}

struct Options {
    QCommandLineOption list{
        u"list-templates"_s,
        QCoreApplication::translate("CommandLine", "List the installed templates.")};
    QCommandLineOption out{u"out"_s,
                           QCoreApplication::translate(
                               "CommandLine", "Write the site into the folder DIR (required)."),
                           QCoreApplication::translate("CommandLine", "DIR")};
    QCommandLineOption templateName{
        u"template"_s,
        QCoreApplication::translate("CommandLine",
                                    "The template: an installed one's name or folder name, or the "
                                    "path of a template folder. Default: the first installed "
                                    "template."),
        QCoreApplication::translate("CommandLine", "NAME")};
    QCommandLineOption title{
        u"title"_s,
        QCoreApplication::translate("CommandLine", "The site's title. Default: \"My Website\"."),
        QCoreApplication::translate("CommandLine", "T")};
    QCommandLineOption author{
        u"author"_s,
        QCoreApplication::translate("CommandLine", "The site's author. Default: your login name."),
        QCoreApplication::translate("CommandLine", "A")};
    QCommandLineOption page{u"page"_s,
                            QCoreApplication::translate(
                                "CommandLine", "Add the page NAME made from the HTML file FILE."),
                            QCoreApplication::translate("CommandLine", "NAME=FILE")};
    QCommandLineOption strict{
        u"strict"_s, QCoreApplication::translate(
                         "CommandLine", "Treat every warning (no page named Home, part of a file "
                                        "left out, a missing picture) as a failure: write nothing "
                                        "when there is one.")};
    QCommandLineOption keepUnused{
        u"keep-unused"_s, QCoreApplication::translate(
                              "CommandLine", "Keep the pages, pictures and template files of the "
                                             "site built in DIR before that the new one no longer "
                                             "uses.")};
    QCommandLineOption from{u"from"_s,
                            QCoreApplication::translate(
                                "CommandLine", "Start from the site built into the folder DIR."),
                            u"DIR"_s};
    QCommandLineOption listPages{
        u"list-pages"_s,
        QCoreApplication::translate("CommandLine", "Show the template, title, author and pages "
                                                   "read from the site in the folder DIR, "
                                                   "without building."),
        u"DIR"_s};
};

CommandLine failure(const QString &error) {
    CommandLine command;
    command.error = error;
    return command;
}

CommandLine showing(const QString &text) {
    CommandLine command;
    command.action = CommandAction::ShowText;
    command.text = text;
    return command;
}

QString absolutePath(const QString &path, const CommandLineContext &context) {
    QString expanded = path;
    if (path == u"~"_s || path.startsWith(u"~/"_s))
        expanded = context.homeFolder + path.mid(1);
    // Paths on a long command line are mostly absolute already, and need no QDir.
    if (!expanded.startsWith(u'/'))
        expanded = QDir(context.currentFolder).absoluteFilePath(expanded);
    return QDir::cleanPath(expanded);
}

// One --page value read into a page, or an error text saying why it can't
// be, with what the page leaves out of its file.
struct ArgumentPage {
    SitePage page;
    QString error;
    QStringList warnings;
};

// One --page value, "NAME=FILE", read into a page.
ArgumentPage pageFromArgument(const QString &argument, const CommandLineContext &context,
                              const TemplateForms &templateForms) {
    const qsizetype equals = argument.indexOf(u'=');
    if (equals < 0)
        return {{},
                QCoreApplication::translate(
                    "CommandLine", "--page needs a page name and a file, as NAME=FILE: \"%1\"")
                    .arg(argument),
                {}};
    const QString name = argument.first(equals);
    const QString file = argument.sliced(equals + 1);
    if (name.isEmpty() || file.isEmpty())
        return {{},
                QCoreApplication::translate(
                    "CommandLine", "--page needs both a page name and a file, as NAME=FILE: \"%1\"")
                    .arg(argument),
                {}};
    // The name's problem names the page itself.
    if (const QString problem = pageNameProblem(name); !problem.isEmpty())
        return {{}, problem, {}};
    const QString path = absolutePath(file, context);
    const InputPage read = readInputPage(path, templateForms);
    if (read.error.failed())
        return {{},
                read.error.message(
                    QCoreApplication::translate("CommandLine", "Could not read the page file")),
                {}};
    return {SitePage{name, read.body, QFileInfo(path).path()}, {}, read.warnings};
}

// Adds the --page pages to `pages`; one named like a page read by --from
// (the first `readCount`) gives that page its content instead. The files are
// read on every core; the first that can't be, in the order given, is the error.
QString pageProblems(const QStringList &arguments, const CommandLineContext &context,
                     const QStringList &templateFolders, CommandLine &command) {
    QList<SitePage> &pages = command.site.pages;
    const qsizetype readCount = pages.size();
    const TemplateForms forms(templateFolders);
    const QList<ArgumentPage> given =
        QtConcurrent::blockingMapped(arguments, [&](const QString &argument) {
            return pageFromArgument(argument, context, forms);
        });
    for (const ArgumentPage &argumentPage : given) {
        if (!argumentPage.error.isEmpty())
            return argumentPage.error;
        command.warnings.append(argumentPage.warnings);
        const auto read = std::find_if(
            pages.begin(), pages.begin() + readCount,
            [&name = argumentPage.page.name](const SitePage &old) { return old.name == name; });
        if (read != pages.begin() + readCount)
            *read = argumentPage.page;
        else
            pages.append(argumentPage.page);
    }
    return {};
}

bool hasHome(const QList<SitePage> &pages) {
    return std::any_of(pages.cbegin(), pages.cend(),
                       [](const SitePage &page) { return isHomePage(page.name); });
}

QString noHomeWarning(const SitePage &first) {
    return QCoreApplication::translate(
               "CommandLine",
               "No page is named \"Home\", so the site has no index.htm: visitors start at its "
               "first page, \"%1\", in \"%2\". Name a page Home to give the site its usual "
               "start page.")
        .arg(first.name, pageFileName(first.name));
}

QStringList templateFolders(const QList<TemplateInfo> &installed) {
    QStringList folders;
    for (const TemplateInfo &info : installed)
        folders.append(info.folder);
    return folders;
}

// What a site read back could not recover, with any control character a
// hand-edited page holds written out, so that it can't reach the terminal.
QStringList visibleProblems(const QStringList &problems) {
    QStringList shown;
    for (const QString &problem : problems)
        shown.append(visibleText(problem));
    return shown;
}

// The templates a site read back may have been built with: the one --template
// names, else every installed one.
std::pair<QStringList, QString> siteTemplates(const QCommandLineParser &parser,
                                              const Options &options,
                                              const QList<TemplateInfo> &installed,
                                              const CommandLineContext &context) {
    if (!parser.isSet(options.templateName))
        return {templateFolders(installed), {}};
    const TemplateChoice choice =
        chooseTemplate(parser.value(options.templateName), installed, context.currentFolder);
    if (!choice.error.isEmpty())
        return {{}, choice.error};
    return {{choice.folder}, {}};
}

CommandLine listPagesCommand(const QCommandLineParser &parser, const Options &options,
                             const CommandLineContext &context) {
    const QList<TemplateInfo> installed = discoverTemplates(context.templatesFolder);
    const auto [folders, error] = siteTemplates(parser, options, installed, context);
    if (!error.isEmpty())
        return failure(error);
    const ReadSite read =
        readBuiltSite(absolutePath(parser.value(options.listPages), context), folders);
    if (!read.error.isEmpty())
        return failure(read.error);
    CommandLine command = showing(siteListing(read, installed));
    command.warnings = visibleProblems(read.problems);
    return command;
}

// Why the title or author given can't be used; empty when they can.
QString siteTextProblems(const Website &site) {
    if (site.title.isEmpty())
        return QCoreApplication::translate("CommandLine",
                                           "The title can't be empty; give one with --title.");
    if (site.author.isEmpty())
        return QCoreApplication::translate("CommandLine",
                                           "The author can't be empty; give one with --author.");
    if (const QString problem = siteTextProblem(SiteText::Title, site.title); !problem.isEmpty())
        return problem;
    return siteTextProblem(SiteText::Author, site.author);
}

// The site --from names, or the defaults: what the other options then change.
std::pair<ReadSite, QString> startingSite(const QCommandLineParser &parser, const Options &options,
                                          const QList<TemplateInfo> &installed,
                                          const CommandLineContext &context) {
    ReadSite start;
    start.site.title = QCoreApplication::translate("CommandLine", "My Website");
    start.site.author = context.defaultAuthor;
    if (!parser.isSet(options.from))
        return {start, {}};
    const auto [folders, error] = siteTemplates(parser, options, installed, context);
    if (!error.isEmpty())
        return {start, error};
    start = readBuiltSite(absolutePath(parser.value(options.from), context), folders);
    if (!start.error.isEmpty())
        return {start, start.error};
    if (start.site.templateFolder.isEmpty() && !parser.isSet(options.templateName))
        return {start, QCoreApplication::translate("CommandLine",
                                                   "No installed template matches the site in "
                                                   "\"%1\"; choose one with --template.")
                           .arg(start.site.destination)};
    return {start, {}};
}

CommandLine buildCommand(const QCommandLineParser &parser, const Options &options,
                         const CommandLineContext &context) {
    if (!parser.isSet(options.out) || parser.value(options.out).isEmpty())
        return failure(QCoreApplication::translate("CommandLine",
                                                   "Say where to write the site with --out DIR."));

    const QList<TemplateInfo> installed = discoverTemplates(context.templatesFolder);
    auto [start, startError] = startingSite(parser, options, installed, context);
    if (!startError.isEmpty())
        return failure(startError);
    QString templateFolder = start.site.templateFolder;
    if (parser.isSet(options.templateName) || templateFolder.isEmpty()) {
        const TemplateChoice choice =
            chooseTemplate(parser.value(options.templateName), installed, context.currentFolder);
        if (!choice.error.isEmpty())
            return failure(choice.error);
        templateFolder = choice.folder;
    }

    CommandLine command;
    command.action = CommandAction::Build;
    command.warnings = visibleProblems(start.problems);
    Website &site = command.site;
    site = start.site;
    site.templateFolder = templateFolder;
    site.destination = absolutePath(parser.value(options.out), context);
    if (parser.isSet(options.title))
        site.title = parser.value(options.title);
    if (parser.isSet(options.author))
        site.author = parser.value(options.author);
    if (const QString problem = siteTextProblems(site); !problem.isEmpty())
        return failure(problem);

    command.strict = parser.isSet(options.strict);
    if (!parser.isSet(options.keepUnused))
        command.previous = filesOwnedBySiteIn(site.destination, templateFolders(installed) +
                                                                    QStringList{templateFolder});
    if (const QString error =
            pageProblems(parser.values(options.page), context, templateFolders(installed), command);
        !error.isEmpty())
        return failure(error);
    if (site.pages.isEmpty() && parser.isSet(options.from))
        return failure(QCoreApplication::translate("CommandLine",
                                                   "No page of the site in \"%1\" could be read.")
                           .arg(start.site.destination));
    if (site.pages.isEmpty())
        site.pages.append(demoHomePage());
    if (!hasHome(site.pages))
        command.warnings.append(noHomeWarning(site.pages.constFirst()));
    return command;
}

} // namespace

CommandLine interpretCommandLine(const QStringList &arguments, const CommandLineContext &context) {
    const Options options;
    QCommandLineParser parser;
    parser.setApplicationDescription(description());
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addOptions({options.list, options.out, options.templateName, options.title,
                       options.author, options.page, options.strict, options.keepUnused,
                       options.from, options.listPages});

    if (!parser.parse(arguments))
        return failure(parser.errorText() + u'\n' +
                       QCoreApplication::translate("CommandLine", "See --help for the options."));
    // --help-all comes with the help option; there are no Qt options worth showing here.
    if (parser.isSet(help) || parser.isSet(u"help-all"_s))
        return showing(parser.helpText());
    if (parser.isSet(version))
        return showing(u"quillsite-build "_s + QLatin1StringView(QUILLSITE_VERSION) + u'\n');
    if (!parser.positionalArguments().isEmpty())
        return failure(
            QCoreApplication::translate(
                "CommandLine", "Unexpected argument \"%1\". Options start with --; see --help.")
                .arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(options.list)) {
        CommandLine command;
        command.action = CommandAction::ListTemplates;
        return command;
    }
    if (parser.isSet(options.listPages))
        return listPagesCommand(parser, options, context);
    return buildCommand(parser, options, context);
}

QStringList missingFileWarnings(const BuildResult &result) {
    QStringList warnings;
    for (const MissingFiles &page : result.missingFiles) {
        for (const QString &file : page.files)
            warnings.append(QCoreApplication::translate(
                                "CommandLine", "The page \"%1\" shows or links to a file that is "
                                               "missing or can't be read: %2")
                                .arg(page.pageName, file));
    }
    return warnings;
}

QString buildReport(const BuildResult &result, const QString &destination) {
    const auto counted = [](qsizetype count, const QString &one, const QString &many) {
        return (count == 1 ? one : many).arg(count);
    };
    const QString pages =
        counted(result.pagesWritten, QCoreApplication::translate("CommandLine", "%1 page"),
                QCoreApplication::translate("CommandLine", "%1 pages"));
    const QString support = counted(result.supportFilesCopied,
                                    QCoreApplication::translate("CommandLine", "%1 support file"),
                                    QCoreApplication::translate("CommandLine", "%1 support files"));
    QString report =
        result.mediaFilesCopied == 0
            ? QCoreApplication::translate("CommandLine", "Wrote %1 and %2 to %3")
                  .arg(pages, support, destination)
            : QCoreApplication::translate("CommandLine", "Wrote %1, %2 and %3 to %4")
                  .arg(pages, support,
                       counted(result.mediaFilesCopied,
                               QCoreApplication::translate("CommandLine", "%1 picture or file"),
                               QCoreApplication::translate("CommandLine", "%1 pictures and files")),
                       destination);
    if (const qsizetype missing = missingFileWarnings(result).size(); missing > 0)
        report +=
            QCoreApplication::translate("CommandLine", "; %1 missing (see above)")
                .arg(counted(missing, QCoreApplication::translate("CommandLine", "%1 file is"),
                             QCoreApplication::translate("CommandLine", "%1 files are")));
    return report;
}

QString removedFilesReport(const BuildResult &result) {
    const qsizetype count = result.removedFiles.size();
    if (count == 0)
        return {};
    QString report = (count == 1 ? QCoreApplication::translate(
                                       "CommandLine", "Removed %1 file the site no longer uses:")
                                 : QCoreApplication::translate(
                                       "CommandLine", "Removed %1 files the site no longer uses:"))
                         .arg(count);
    for (const QString &file : result.removedFiles)
        report += u"\n  "_s + file;
    return report + u'\n';
}

} // namespace quillsite
