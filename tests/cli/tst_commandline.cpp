// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "buildinfo.h"
#include "cli/commandline.h"
#include "cli/templatechoice.h"
#include "cli/templatelisting.h"
#include "library/templatecatalog.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace quillsite;
using namespace Qt::StringLiterals;

namespace {

const QString dataFolder = QStringLiteral(QUILLSITE_SOURCE_DIR "/tests/cli/data");
const QString templatesFolder = dataFolder + u"/templates"_s;
const QString pagesFolder = dataFolder + u"/pages"_s;

CommandLineContext testContext() {
    return {templatesFolder, dataFolder, u"/home/ann"_s, u"ann"_s};
}

CommandLine interpret(const QStringList &options) {
    return interpretCommandLine(QStringList{u"quillsite-build"_s} + options, testContext());
}

QString templateFolder(const QString &name) {
    return templatesFolder + u'/' + name;
}

} // namespace

class tst_CommandLine : public QObject {
    Q_OBJECT

private slots:
    void defaults_firstTemplateTitleAuthorAndDemoHome();
    void pages_keepTheirOrderAndBodies();
    void noHomePage_warnsButBuilds();
    void fromSite_startsFromWhatWasRead_data();
    void fromSite_startsFromWhatWasRead();
    void outFolder_isMadeAbsolute_data();
    void outFolder_isMadeAbsolute();
    void templateRequest_findsTemplate_data();
    void templateRequest_findsTemplate();
    void wrongCommand_isRefused_data();
    void wrongCommand_isRefused();
    void helpAndVersion_showText();
    void listTemplates_isAnAction();
    void templateListing_showsEveryTemplateInOrder();
    void templateListing_escapesControlCharacters_data();
    void templateListing_escapesControlCharacters();
    void buildReport_countsPagesAndSupportFiles_data();
    void buildReport_countsPagesAndSupportFiles();
};

void tst_CommandLine::defaults_firstTemplateTitleAuthorAndDemoHome() {
    const CommandLine command = interpret({u"--out"_s, u"/tmp/site"_s});
    QCOMPARE(command.error, QString());
    QCOMPARE(command.action, CommandAction::Build);
    QCOMPARE(command.site.templateFolder, templateFolder(u"classic"_s));
    QCOMPARE(command.site.title, u"My Website"_s);
    QCOMPARE(command.site.author, u"ann"_s);
    QCOMPARE(command.site.destination, u"/tmp/site"_s);
    QCOMPARE(command.site.pages.size(), 1);
    QCOMPARE(command.site.pages.first().name, u"Home"_s);
    QVERIFY(command.site.pages.first().body.contains(u"<p>"_s));
    QCOMPARE(command.warnings, QStringList());
}

void tst_CommandLine::pages_keepTheirOrderAndBodies() {
    const CommandLine command = interpret(
        {u"--out=/tmp/site"_s, u"--title"_s, u"Ann's <Site>"_s, u"--author"_s, u"Ann Example"_s,
         u"--page"_s, u"Zeta=pages/about.html"_s, u"--page"_s,
         u"Home="_s + pagesFolder + u"/home.html"_s, u"--page"_s, u"Zeta=pages/about.html"_s});
    QCOMPARE(command.error, QString());
    QCOMPARE(command.site.title, u"Ann's <Site>"_s);
    QCOMPARE(command.site.author, u"Ann Example"_s);
    const QList<SitePage> &pages = command.site.pages;
    QCOMPARE(pages.size(), 3);
    QCOMPARE(pages[0].name, u"Zeta"_s);
    QCOMPARE(pages[0].body, u"<h2>About Me</h2>\n<p>Fragments are taken as they are.</p>\n"_s);
    QCOMPARE(pages[1].name, u"Home"_s);
    QCOMPARE(pages[1].body, u"\n<p>Welcome to the <b>test</b> site.</p>\n"_s);
    QCOMPARE(pages[2].name, u"Zeta"_s); // the same name twice is the builder's to judge
    for (const SitePage &page : pages)  // relative pictures are found beside the page file
        QCOMPARE(page.sourceFolder, pagesFolder);
    QVERIFY(command.warnings.isEmpty());
    QVERIFY(!command.strict);
}

void tst_CommandLine::fromSite_startsFromWhatWasRead_data() {
    QTest::addColumn<QString>("builtWith"); // the template's folder, or an installed one's name
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("templateName");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("pageNames");
    QTest::addColumn<QString>("aboutBody");

    const QString builtAbout = u"<p>About the club</p>"_s;
    const QString fileAbout = u"<h2>About Me</h2>\n<p>Fragments are taken as they are.</p>\n"_s;
    const QString classic = u"classic"_s;
    QTest::newRow("as read") << classic << QStringList() << classic << u"Club"_s
                             << QStringList{u"Home"_s, u"About Me"_s} << builtAbout;
    QTest::newRow("a new look and title")
        << classic << QStringList{u"--template=modern"_s, u"--title=New"_s} << u"modern"_s
        << u"New"_s << QStringList{u"Home"_s, u"About Me"_s} << builtAbout;
    QTest::newRow("a page replaced and one added")
        << classic
        << QStringList{u"--page"_s, u"About Me=pages/about.html"_s, u"--page"_s,
                       u"News=pages/about.html"_s}
        << classic << u"Club"_s << QStringList{u"Home"_s, u"About Me"_s, u"News"_s} << fileAbout;
    QTest::newRow("markup and quotes in a new title")
        << classic << QStringList{u"--title=<b>Tom</b> & \"Jerry\""_s} << classic
        << u"<b>Tom</b> & \"Jerry\""_s << QStringList{u"Home"_s, u"About Me"_s} << builtAbout;
    // {site} stands for the folder of the site read, {marked} for its index.htm
    // saved again elsewhere with a byte order mark.
    QTest::newRow("a built page given with --page brings only its content")
        << classic << QStringList{u"--page"_s, u"About Me={site}/index.htm"_s} << classic
        << u"Club"_s << QStringList{u"Home"_s, u"About Me"_s} << u"<p>Hi</p>"_s;
    QTest::newRow("so does one saved with a byte order mark")
        << classic << QStringList{u"--page"_s, u"About Me={marked}"_s} << classic << u"Club"_s
        << QStringList{u"Home"_s, u"About Me"_s} << u"<p>Hi</p>"_s;
    const QString byPath = QStringLiteral(QUILLSITE_SOURCE_DIR "/share/templates/paper");
    QTest::newRow("recognised by the template given by its path")
        << byPath << QStringList{u"--template="_s + byPath} << byPath << u"Club"_s
        << QStringList{u"Home"_s, u"About Me"_s} << builtAbout;
}

void tst_CommandLine::fromSite_startsFromWhatWasRead() {
    QFETCH(QString, builtWith);
    QFETCH(QStringList, options);
    QFETCH(QString, templateName);
    QFETCH(QString, title);
    QFETCH(QStringList, pageNames);
    QFETCH(QString, aboutBody);
    const auto folderOf = [](const QString &name) {
        return name.startsWith(u'/') ? name : templateFolder(name);
    };
    QTemporaryDir folder;
    const BuildResult built = BuildWebsite(
        {folderOf(builtWith),
         u"Club"_s,
         u"Bea"_s,
         {{u"Home"_s, u"<p>Hi</p>"_s, {}}, {u"About Me"_s, u"<p>About the club</p>"_s, {}}},
         folder.path()});
    QVERIFY2(built.ok, qPrintable(built.message()));

    QTemporaryDir elsewhere;
    QFile home(folder.filePath(u"index.htm"_s));
    QFile marked(elsewhere.filePath(u"marked.htm"_s));
    QVERIFY(home.open(QIODevice::ReadOnly) && marked.open(QIODevice::WriteOnly));
    QVERIFY(marked.write("\xEF\xBB\xBF" + home.readAll()) > 0);
    marked.close();
    options.replaceInStrings(u"{site}"_s, folder.path());
    options.replaceInStrings(u"{marked}"_s, marked.fileName());
    const CommandLine command =
        interpret(QStringList{u"--out=/tmp/new"_s, u"--from"_s, folder.path()} + options);
    QCOMPARE(command.error, QString());
    QCOMPARE(command.action, CommandAction::Build);
    QCOMPARE(command.site.templateFolder, folderOf(templateName));
    QCOMPARE(command.site.title, title);
    QCOMPARE(command.site.author, u"Bea"_s);
    QCOMPARE(command.site.destination, u"/tmp/new"_s);
    QStringList names;
    for (const SitePage &page : command.site.pages)
        names.append(page.name);
    QCOMPARE(names, pageNames);
    QCOMPARE(command.site.pages[1].body, aboutBody);
}

void tst_CommandLine::noHomePage_warnsButBuilds() {
    const CommandLine command =
        interpret({u"--out=/tmp/site"_s, u"--page"_s, u"home=pages/about.html"_s});
    QCOMPARE(command.action, CommandAction::Build);
    QCOMPARE(command.warnings,
             QStringList{u"No page is named \"Home\", so the site has no index.htm: visitors start "
                         "at its first page, \"home\", in \"home.htm\". Name a page Home to give "
                         "the site its usual start page."_s});
    QVERIFY(!command.strict);
}

void tst_CommandLine::outFolder_isMadeAbsolute_data() {
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("destination");

    QTest::newRow("absolute") << u"/srv/www/site"_s << u"/srv/www/site"_s;
    QTest::newRow("relative") << u"site"_s << dataFolder + u"/site"_s;
    QTest::newRow("relative with dots")
        << u"../site/"_s << QDir::cleanPath(dataFolder + u"/../site"_s);
    QTest::newRow("doubled slashes") << u"/srv//site"_s << u"/srv/site"_s;
    QTest::newRow("home folder") << u"~/My Website"_s << u"/home/ann/My Website"_s;
    QTest::newRow("tilde inside a name") << u"a~/b"_s << dataFolder + u"/a~/b"_s;
}

void tst_CommandLine::outFolder_isMadeAbsolute() {
    QFETCH(QString, out);
    QFETCH(QString, destination);
    const CommandLine command = interpret({u"--out"_s, out});
    QCOMPARE(command.error, QString());
    QCOMPARE(command.site.destination, destination);
}

void tst_CommandLine::templateRequest_findsTemplate_data() {
    QTest::addColumn<QString>("request");
    QTest::addColumn<QString>("folder");

    QTest::newRow("display name") << u"Modern Blue"_s << templateFolder(u"modern"_s);
    QTest::newRow("display name in other case") << u"mODERN bLUE"_s << templateFolder(u"modern"_s);
    QTest::newRow("folder name") << u"twin-b"_s << templateFolder(u"twin-b"_s);
    QTest::newRow("folder name in other case") << u"CLASSIC"_s << templateFolder(u"classic"_s);
    QTest::newRow("absolute path")
        << dataFolder + u"/broken-template"_s << dataFolder + u"/broken-template"_s;
    QTest::newRow("relative path") << u"templates/twin-a/"_s << templateFolder(u"twin-a"_s);
    QTest::newRow("folder in the current folder")
        << u"broken-template"_s << dataFolder + u"/broken-template"_s;
}

void tst_CommandLine::templateRequest_findsTemplate() {
    QFETCH(QString, request);
    QFETCH(QString, folder);
    const CommandLine command = interpret({u"--out=/tmp/site"_s, u"--template"_s, request});
    QCOMPARE(command.error, QString());
    QCOMPARE(command.site.templateFolder, folder);
}

void tst_CommandLine::wrongCommand_isRefused_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("error");

    QTest::newRow("no --out") << QStringList{u"--title=T"_s}
                              << u"Say where to write the site with --out DIR."_s;
    QTest::newRow("empty --out") << QStringList{u"--out="_s}
                                 << u"Say where to write the site with --out DIR."_s;
    QTest::newRow("--page without =")
        << QStringList{u"--out=/s"_s, u"--page"_s, u"pages/about.html"_s}
        << u"--page needs a page name and a file, as NAME=FILE: \"pages/about.html\""_s;
    QTest::newRow("--page without a name")
        << QStringList{u"--out=/s"_s, u"--page==pages/about.html"_s}
        << u"--page needs both a page name and a file, as NAME=FILE: \"=pages/about.html\""_s;
    QTest::newRow("--page without a file")
        << QStringList{u"--out=/s"_s, u"--page"_s, u"Home="_s}
        << u"--page needs both a page name and a file, as NAME=FILE: \"Home=\""_s;
    QTest::newRow("page name with a slash")
        << QStringList{u"--out=/s"_s, u"--page"_s, u"a/b=pages/about.html"_s}
        << u"The page name \"a/b\" contains \"/\", which can't be part of a file name. Choose "
           "a name without it."_s;
    QTest::newRow("page name ..") << QStringList{u"--out=/s"_s, u"--page"_s,
                                                 u"..=pages/about.html"_s}
                                  << u"\"..\" can't be used as a page name. Choose another name."_s;
    QTest::newRow("template path without data.ini")
        << QStringList{u"--out=/s"_s, u"--template=templates/notes"_s}
        << u"This folder is not a template, it has no data.ini: "_s + templateFolder(u"notes"_s);
    QTest::newRow("template path that does not exist")
        << QStringList{u"--out=/s"_s, u"--template=./nowhere"_s}
        << u"The template folder does not exist: "_s + dataFolder + u"/nowhere"_s;
    QTest::newRow("empty title") << QStringList{u"--out=/s"_s, u"--title="_s}
                                 << u"The title can't be empty; give one with --title."_s;
    QTest::newRow("empty author") << QStringList{u"--out=/s"_s, u"--author"_s, u""_s}
                                  << u"The author can't be empty; give one with --author."_s;
    QTest::newRow("control character in the title")
        << QStringList{u"--out=/s"_s, u"--title=My\nSite"_s}
        << u"The title contains a control character (such as a tab or a line break), which a "
           "web page can't show. Type the title without it."_s;
    QTest::newRow("control character in the author")
        << QStringList{u"--out=/s"_s, u"--author=Ann\u009b31m"_s}
        << u"The author contains a control character (such as a tab or a line break), which a "
           "web page can't show. Type the author without it."_s;
    QTest::newRow("unknown option") << QStringList{u"--out=/s"_s, u"--colour=red"_s}
                                    << u"Unknown option 'colour'.\nSee --help for the options."_s;
    QTest::newRow("option without its value")
        << QStringList{u"--out"_s}
        << u"Missing value after '--out'.\nSee --help for the options."_s;
    QTest::newRow("--from a folder that does not exist")
        << QStringList{u"--out=/s"_s, u"--from=nowhere"_s}
        << u"The folder \"%1/nowhere\" does not exist."_s.arg(dataFolder);
    QTest::newRow("--list-pages of a folder without pages")
        << QStringList{u"--list-pages=templates"_s}
        << u"The folder \"%1\" holds no website made with Quillsite: it has no .htm page files."_s
               .arg(templatesFolder);
    QTest::newRow("stray argument")
        << QStringList{u"--out=/s"_s, u"Home"_s}
        << u"Unexpected argument \"Home\". Options start with --; see --help."_s;
    QTest::newRow("unknown template: the choices listed")
        << QStringList{u"--out=/tmp/site"_s, u"--template=Fancy"_s}
        << u"There is no template called \"Fancy\". Choose one of:\n"
           "  Classic [classic]\n"
           "  Modern Blue [modern]\n"
           "  Twin [twin-a]\n"
           "  twin [twin-b]"_s;
    QTest::newRow("ambiguous template: the candidates listed")
        << QStringList{u"--out=/tmp/site"_s, u"--template=TWIN"_s}
        << u"More than one template is called \"TWIN\"; give the path of the one you mean:\n  "_s +
               templateFolder(u"twin-a"_s) + u"\n  "_s + templateFolder(u"twin-b"_s);
    QTest::newRow("the first missing page file named")
        << QStringList{u"--out=/s"_s,
                       u"--page"_s,
                       u"Home=pages/home.html"_s,
                       u"--page"_s,
                       u"News=pages/news=old.html"_s,
                       u"--page"_s,
                       u"Old=pages/gone.html"_s}
        << u"Could not read the page file \"%1/news=old.html\": No such file or directory."_s.arg(
               pagesFolder);
}

void tst_CommandLine::wrongCommand_isRefused() {
    QFETCH(QStringList, options);
    QFETCH(QString, error);
    const CommandLine command = interpret(options);
    QCOMPARE(command.action, CommandAction::Fail);
    QCOMPARE(command.error, error);
}

void tst_CommandLine::helpAndVersion_showText() {
    const CommandLine help = interpret({u"--help"_s});
    QCOMPARE(help.action, CommandAction::ShowText);
    for (const QString &option : {u"--out"_s, u"--template"_s, u"--title"_s, u"--author"_s,
                                  u"--page"_s, u"--list-templates"_s, u"Relative paths"_s})
        QVERIFY2(help.text.contains(option), qPrintable(option));
    // The help is read in a terminal: no line runs past its 80 columns.
    for (const QString &line : help.text.split(u'\n'))
        QVERIFY2(line.size() < 80, qPrintable(line));

    QCOMPARE(interpret({u"--help-all"_s}).text, help.text);
    QCOMPARE(interpret({u"-h"_s, u"--out=/s"_s}).text, help.text);

    const CommandLine version = interpret({u"--version"_s});
    QCOMPARE(version.action, CommandAction::ShowText);
    QCOMPARE(version.text, u"quillsite-build "_s + QLatin1StringView(QUILLSITE_VERSION) + u'\n');
}

void tst_CommandLine::listTemplates_isAnAction() {
    QCOMPARE(interpret({u"--list-templates"_s}).action, CommandAction::ListTemplates);
}

void tst_CommandLine::templateListing_showsEveryTemplateInOrder() {
    QCOMPARE(templateListing(discoverTemplates(templatesFolder)),
             u"Classic [classic]\n"
             "    by Jane Roe, https://example.org/classic\n"
             "    A quiet layout with the menu on the left.\n"
             "\n"
             "Modern Blue [modern]\n"
             "    by Sam Poe\n"
             "\n"
             "Twin [twin-a]\n"
             "    The first of two templates of one name.\n"
             "\n"
             "twin [twin-b]\n"
             "    The second of two templates of one name.\n"_s);
}

void tst_CommandLine::templateListing_escapesControlCharacters_data() {
    QTest::addColumn<QByteArray>("dataIni");
    QTest::addColumn<QString>("listing");

    QTest::newRow("escape sequence in the name")
        << "[Data]\nName=Red\x1b[31mAlert\x1b[0m\n"_ba << u"Red\\x1b[31mAlert\\x1b[0m [t]\n"_s;
    QTest::newRow("bell and backspace in the author")
        << "[Data]\nName=T\nAuthor=A\x07\x08\n"_ba << u"T [t]\n    by A\\x07\\x08\n"_s;
    QTest::newRow("eight-bit control in the description") << "[Data]\nName=T\nDescription=a\xc2\x9b"
                                                             "2Jb\n"_ba
                                                          << u"T [t]\n    a\\u009b2Jb\n"_s;
    QTest::newRow("delete in the address")
        << "[Data]\nName=T\nURL=https://x\x7f\n"_ba << u"T [t]\n    https://x\\x7f\n"_s;
    QTest::newRow("letters of any script kept")
        << "[Data]\nName=Gr\xc3\xbc\xc3\x9f\xe6\x97\xa5\n"_ba << u"Grüß日 [t]\n"_s;
}

void tst_CommandLine::templateListing_escapesControlCharacters() {
    QFETCH(QByteArray, dataIni);
    QFETCH(QString, listing);
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(u"t"_s));
    QFile ini(folder.filePath(u"t/data.ini"_s));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    QCOMPARE(ini.write(dataIni), dataIni.size());
    ini.close();
    QCOMPARE(templateListing(discoverTemplates(folder.path())), listing);
}

void tst_CommandLine::buildReport_countsPagesAndSupportFiles_data() {
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("supportFiles");
    QTest::addColumn<int>("mediaFiles");
    QTest::addColumn<QList<MissingFiles>>("missing");
    QTest::addColumn<QString>("report");
    QTest::addColumn<QStringList>("warnings");

    const QList<MissingFiles> none;
    QTest::newRow("one of each") << 1 << 1 << 0 << none
                                 << u"Wrote 1 page and 1 support file to /s"_s << QStringList();
    QTest::newRow("several") << 3 << 5 << 0 << none << u"Wrote 3 pages and 5 support files to /s"_s
                             << QStringList();
    QTest::newRow("none") << 0 << 0 << 0 << none << u"Wrote 0 pages and 0 support files to /s"_s
                          << QStringList();
    QTest::newRow("one picture") << 1 << 2 << 1 << none
                                 << u"Wrote 1 page, 2 support files and 1 picture or file to /s"_s
                                 << QStringList();
    const QString lacks = u"The page \"%1\" shows or links to a file that is missing or can't "
                          "be read: %2"_s;
    QTest::newRow("missing files on two pages")
        << 2 << 2 << 3
        << QList<MissingFiles>{{u"Home"_s, {u"/p/a.jpg"_s, u"/p/b.pdf"_s}},
                               {u"News"_s, {u"/p/a.jpg"_s}}}
        << u"Wrote 2 pages, 2 support files and 3 pictures and files to /s; 3 files are "
           "missing (see above)"_s
        << QStringList{lacks.arg(u"Home"_s, u"/p/a.jpg"_s), lacks.arg(u"Home"_s, u"/p/b.pdf"_s),
                       lacks.arg(u"News"_s, u"/p/a.jpg"_s)};
    QTest::newRow("one missing, nothing copied")
        << 1 << 0 << 0 << QList<MissingFiles>{{u"Home"_s, {u"/p/a.jpg"_s}}}
        << u"Wrote 1 page and 0 support files to /s; 1 file is missing (see above)"_s
        << QStringList{lacks.arg(u"Home"_s, u"/p/a.jpg"_s)};
}

void tst_CommandLine::buildReport_countsPagesAndSupportFiles() {
    QFETCH(int, pages);
    QFETCH(int, supportFiles);
    QFETCH(int, mediaFiles);
    QFETCH(QList<MissingFiles>, missing);
    QFETCH(QString, report);
    QFETCH(QStringList, warnings);
    BuildResult result;
    result.ok = true;
    result.pagesWritten = pages;
    result.supportFilesCopied = supportFiles;
    result.mediaFilesCopied = mediaFiles;
    result.missingFiles = missing;
    QCOMPARE(buildReport(result, u"/s"_s), report);
    QCOMPARE(missingFileWarnings(result), warnings);
}

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
