// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/sitebuilder.h"

#include "filesizelimit.h"

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace quillsite {

enum class Fault;

class TestSiteBuilder : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void builtPage_data();
    void builtPage();
    void pageFiles_data();
    void pageFiles();
    void trailingSeparators_giveCleanPaths_data();
    void trailingSeparators_giveCleanPaths();
    void missingParents_areCreated();
    void emptyPageList_copiesSupportFilesOnly();
    void noFilesFolder_isNotAnError();
    void supportFiles_copiedWithSubfolders();
    void symlinkCycle_buildEnds();
    void rebuild_replacesPagesAndSupportFiles();
    void rebuildKeepingSamePages_writesOnlyChangedPages();
    void rebuild_removesOnlyWhatTheOldSiteOwned_data();
    void rebuild_removesOnlyWhatTheOldSiteOwned();
    void windows1252Skeleton_roundTrips();
    void progress_reachesTotal();
    void failure_writesNothing_data();
    void failure_writesNothing();
    void missingSkeleton_namesFileAndReason();
    void fullDisk_givesSystemReasonAndKeepsOldFiles_data();
    void fullDisk_givesSystemReasonAndKeepsOldFiles();
    void leftoverTemporaries_removedByNextBuild();
    void linkOutOfTemplate_leftOutWithWarningOrRefused();
    void collision_namesBothPages_data();
    void collision_namesBothPages();
    void picturesThatCantEnter_warnOrFailUnderStrict_data();
    void picturesThatCantEnter_warnOrFailUnderStrict();

private:
    using Files = QMap<QString, QByteArray>;

    void writeFile(const QString &path, const QByteArray &content);
    QString makeTemplate(const QByteArray &skeleton, const QByteArray &fragment,
                         const Files &support = {});
    Website site(const QStringList &names, const QString &destination = {}) const;
    void makeFault(Fault fault, QString &destination);
    Files snapshot(const QString &folder) const;
    QByteArray read(const QString &path) const;
    // "caf\xe9.css" among the support files, a name in Latin-1, not UTF-8.
    QByteArray nonUtf8SupportFile() const {
        return QFile::encodeName(m_template) + QByteArray("/files/caf\xe9.css");
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_template;
    QString m_destination;
};

void TestSiteBuilder::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_destination = m_dir->filePath(u"site"_s);
    m_template = makeTemplate("<title><!--Title--></title>\r\n<!--MenuItems--><!--PageContent-->",
                              "<a href=\"<!--ItemPath-->\"><!--ItemName--></a>");
}

void TestSiteBuilder::cleanup() {
    // What a test made read-only or unreadable, so that the folder can be removed.
    const auto all = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    for (const QString &path : QStringList{m_destination, m_destination + u"/files"_s,
                                           m_template + u"/files/style.css"_s})
        QFile::setPermissions(path, all);
    // Qt neither lists nor removes a name that is not UTF-8.
    ::unlink(nonUtf8SupportFile().constData());
}

void TestSiteBuilder::writeFile(const QString &path, const QByteArray &content) {
    if (!QDir().mkpath(QFileInfo(path).path()))
        qFatal("cannot make a folder for %s", qPrintable(path));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) < 0)
        qFatal("cannot write %s", qPrintable(path));
}

QString TestSiteBuilder::makeTemplate(const QByteArray &skeleton, const QByteArray &fragment,
                                      const Files &support) {
    const QString folder = m_dir->filePath(u"template"_s);
    writeFile(folder + u"/data.ini"_s, "[Data]\r\nName=Test\r\n");
    writeFile(folder + u"/main.txt"_s, skeleton);
    writeFile(folder + u"/menuitem.txt"_s, fragment);
    for (auto it = support.cbegin(); it != support.cend(); ++it)
        writeFile(folder + u"/files/"_s + it.key(), it.value());
    return folder;
}

Website TestSiteBuilder::site(const QStringList &names, const QString &destination) const {
    Website website{m_template, u"My Site"_s, u"Ann"_s, {}, destination};
    if (destination.isEmpty())
        website.destination = m_destination;
    for (const QString &name : names)
        website.pages.append({name, u"<p>%1 text</p>"_s.arg(name)});
    return website;
}

TestSiteBuilder::Files TestSiteBuilder::snapshot(const QString &folder) const {
    Files files;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        files.insert(QDir(folder).relativeFilePath(path), info.isDir() ? QByteArray("<folder>")
                                                          : info.isFile()
                                                              ? read(path)
                                                              : QByteArray("<pipe or device>"));
    }
    return files;
}

QByteArray TestSiteBuilder::read(const QString &path) const {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void TestSiteBuilder::builtPage_data() {
    QTest::addColumn<QByteArray>("skeleton");
    QTest::addColumn<QByteArray>("fragment");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("page");

    const QStringList home{u"Home"_s};
    QTest::newRow("title typed as Author stays text")
        << QByteArray("<!--Title-->|<!--Author-->") << QByteArray() << home << u"<!--Author-->"_s
        << u"index.htm"_s << QByteArray("&lt;!--Author--&gt;|Ann\r\n");
    QTest::newRow("title twice") << QByteArray("<!--Title--> and <!--Title-->") << QByteArray()
                                 << home << u"T"_s << u"index.htm"_s << QByteArray("T and T\r\n");
    QTest::newRow("placeholder in capitals kept")
        << QByteArray("<!--TITLE--><!--Title-->") << QByteArray() << home << u"T"_s
        << u"index.htm"_s << QByteArray("<!--TITLE-->T\r\n");
    QTest::newRow("title with markup shown as typed")
        << QByteArray("<h1><!--Title--></h1>") << QByteArray() << home << u"<b>A & B</b>"_s
        << u"index.htm"_s << QByteArray("<h1>&lt;b&gt;A &amp; B&lt;/b&gt;</h1>\r\n");
    QTest::newRow("content keeps a Title placeholder")
        << QByteArray("<!--PageContent-->") << QByteArray() << QStringList{u"<!--Title-->"_s}
        << u"T"_s << u"<!--title-->.htm"_s << QByteArray("<p><!--Title--> text</p>\r\n");
    QTest::newRow("paragraph body exactly")
        << QByteArray("<body><!--PageContent--></body>") << QByteArray() << home << u"T"_s
        << u"index.htm"_s << QByteArray("<body><p>Home text</p></body>\r\n");
    QTest::newRow("two-line menu item")
        << QByteArray("<!--MenuItems-->") << QByteArray("<li>\r\n<!--ItemName--></li>")
        << QStringList{u"Home"_s, u"News"_s} << u"T"_s << u"news.htm"_s
        << QByteArray("<li>\r\nHome</li>\r\n<li>\r\nNews</li>\r\n\r\n");
    QTest::newRow("three-line menu item with LF line ends")
        << QByteArray("<!--MenuItems-->") << QByteArray("<li>\n<!--ItemPath-->\n</li>\n")
        << QStringList{u"Home"_s, u"FAQ"_s} << u"T"_s << u"index.htm"_s
        << QByteArray("<li>\r\nindex.htm\r\n</li>\r\n<li>\r\nfaq.htm\r\n</li>\r\n\r\n");
    QTest::newRow("menu item shows the current page's name")
        << QByteArray("<!--MenuItems-->") << QByteArray("<!--ItemName-->:<!--PageName-->")
        << QStringList{u"Home"_s, u"About"_s} << u"T"_s << u"about.htm"_s
        << QByteArray("Home:About\r\nAbout:About\r\n\r\n");
    QTest::newRow("Title in the menu item stays")
        << QByteArray("<!--MenuItems-->") << QByteArray("<!--Title-->") << home << u"T"_s
        << u"index.htm"_s << QByteArray("<!--Title-->\r\n\r\n");
    QTest::newRow("menu links to every page in order")
        << QByteArray("<!--MenuItems-->")
        << QByteArray("<a href=\"<!--ItemPath-->\"><!--ItemName--></a>")
        << QStringList{u"Home"_s, u"About Me"_s, u"FAQ"_s} << u"T"_s << u"faq.htm"_s
        << QByteArray("<a href=\"index.htm\">Home</a>\r\n<a href=\"about%20me.htm\">About Me</a>"
                      "\r\n<a href=\"faq.htm\">FAQ</a>\r\n\r\n");
    QTest::newRow("link characters percent-encoded in links, names shown as typed")
        << QByteArray("<!--MenuItems-->")
        << QByteArray("<a href=\"<!--ItemPath-->\"><!--ItemName--></a>")
        << QStringList{u"Home"_s, u"Q&A #1?"_s, u"50% \"Off\""_s} << u"T"_s << u"50% \"off\".htm"_s
        << QByteArray(
               "<a href=\"index.htm\">Home</a>\r\n<a href=\"q%26a%20%231%3F.htm\">Q&amp;A "
               "#1?</a>\r\n<a href=\"50%25%20%22off%22.htm\">50% &quot;Off&quot;</a>\r\n\r\n");
    QTest::newRow("lines with commas, quotes and leading blanks unchanged")
        << QByteArray("  <p class=\"a, b\">'x', \"y\"</p>  \r\n\t<!--PageName-->\r\n")
        << QByteArray() << home << u"T"_s << u"index.htm"_s
        << QByteArray("  <p class=\"a, b\">'x', \"y\"</p>  \r\n\tHome\r\n");
    QTest::newRow("empty lines kept")
        << QByteArray("a\r\n\r\n\nb\n") << QByteArray() << home << u"T"_s << u"index.htm"_s
        << QByteArray("a\r\n\r\n\r\nb\r\n");
    QTest::newRow("empty skeleton gives an empty page")
        << QByteArray() << QByteArray() << home << u"T"_s << u"index.htm"_s << QByteArray();
    QTest::newRow("UTF-8 skeleton and values")
        << QByteArray("\xc3\xa9<!--Title-->") << QByteArray() << home << u"Ω 😀"_s << u"index.htm"_s
        << QByteArray("\xc3\xa9\xce\xa9 \xf0\x9f\x98\x80\r\n");
}

void TestSiteBuilder::builtPage() {
    QFETCH(QByteArray, skeleton);
    QFETCH(QByteArray, fragment);
    QFETCH(QStringList, names);
    QFETCH(QString, title);
    QFETCH(QString, fileName);
    QFETCH(QByteArray, page);

    m_template = makeTemplate(skeleton, fragment);
    Website website = site(names);
    website.title = title;
    const BuildResult result = BuildWebsite(website);
    QVERIFY2(result.ok, qPrintable(result.message()));
    QCOMPARE(result.pagesWritten, names.size());
    QCOMPARE(read(m_destination + u'/' + fileName), page);
}

void TestSiteBuilder::pageFiles_data() {
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("fileNames");

    QTest::newRow("Home, About Me, FAQ")
        << QStringList{u"Home"_s, u"About Me"_s, u"FAQ"_s}
        << QStringList{u"about me.htm"_s, u"faq.htm"_s, u"files"_s, u"index.htm"_s};
    QTest::newRow("home in lower case")
        << QStringList{u"home"_s} << QStringList{u"files"_s, u"home.htm"_s};
    QTest::newRow("no page named Home")
        << QStringList{u"News"_s} << QStringList{u"files"_s, u"news.htm"_s};
}

void TestSiteBuilder::pageFiles() {
    QFETCH(QStringList, names);
    QFETCH(QStringList, fileNames);

    const BuildResult result = BuildWebsite(site(names));
    QVERIFY2(result.ok, qPrintable(result.message()));
    QCOMPARE(QDir(m_destination).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name),
             fileNames);
}

void TestSiteBuilder::trailingSeparators_giveCleanPaths_data() {
    QTest::addColumn<QString>("suffix");
    QTest::newRow("trailing separator") << u"/"_s;
    QTest::newRow("two trailing separators") << u"//"_s;
    QTest::newRow("three trailing separators") << u"///"_s;
}

void TestSiteBuilder::trailingSeparators_giveCleanPaths() {
    QFETCH(QString, suffix);

    const BuildResult result = BuildWebsite(site({u"Home"_s}, m_destination + suffix));
    QVERIFY2(result.ok, qPrintable(result.message()));
    QVERIFY(QFileInfo(m_destination + u"/index.htm"_s).isFile());
    QVERIFY(QFileInfo(m_destination + u"/files"_s).isDir());
}

void TestSiteBuilder::missingParents_areCreated() {
    const QString deep = m_dir->filePath(u"new/nested/site"_s);
    const BuildResult result = BuildWebsite(site({u"Home"_s}, deep));
    QVERIFY2(result.ok, qPrintable(result.message()));
    QVERIFY(QFileInfo(deep + u"/files"_s).isDir());
    QVERIFY(QFileInfo(deep + u"/index.htm"_s).isFile());
}

void TestSiteBuilder::emptyPageList_copiesSupportFilesOnly() {
    m_template = makeTemplate("<!--PageContent-->", "", {{u"style.css"_s, "body{}"}});
    const BuildResult result = BuildWebsite(site({}));
    QVERIFY2(result.ok, qPrintable(result.message()));
    QCOMPARE(result.pagesWritten, 0);
    QCOMPARE(result.supportFilesCopied, 1);
    QCOMPARE(snapshot(m_destination),
             (Files{{u"files"_s, "<folder>"}, {u"files/style.css"_s, "body{}"}}));
}

void TestSiteBuilder::noFilesFolder_isNotAnError() {
    const BuildResult result = BuildWebsite(site({u"Home"_s}));
    QVERIFY2(result.ok, qPrintable(result.message()));
    QCOMPARE(result.supportFilesCopied, 0);
    QVERIFY(QFileInfo(m_destination + u"/files"_s).isDir());
}

void TestSiteBuilder::supportFiles_copiedWithSubfolders() {
    const Files support{{u"style.css"_s, "body{}"},
                        {u"img/logo.png"_s, QByteArray("\x89PNG\0\x01", 6)},
                        {u"img/icons/home.gif"_s, "GIF89a"},
                        {u".htaccess"_s, "Options -Indexes"}};
    m_template = makeTemplate("x", "", support);
    const BuildResult result = BuildWebsite(site({u"Home"_s}));
    QVERIFY2(result.ok, qPrintable(result.message()));
    QCOMPARE(result.supportFilesCopied, 4);
    QCOMPARE(snapshot(m_destination + u"/files"_s),
             (Files{{u"style.css"_s, "body{}"},
                    {u"img"_s, "<folder>"},
                    {u"img/icons"_s, "<folder>"},
                    {u"img/logo.png"_s, QByteArray("\x89PNG\0\x01", 6)},
                    {u"img/icons/home.gif"_s, "GIF89a"},
                    {u".htaccess"_s, "Options -Indexes"}}));
}

void TestSiteBuilder::symlinkCycle_buildEnds() {
    m_template = makeTemplate("x", "", {{u"sub/a.css"_s, "a"}});
    QVERIFY(QFile::link(m_template + u"/files"_s, m_template + u"/files/sub/back"_s));

    const BuildResult result = BuildWebsite(site({u"Home"_s}));
    QVERIFY2(result.ok, qPrintable(result.message()));
    QCOMPARE(result.supportFilesCopied, 1);
    QCOMPARE(read(m_destination + u"/files/sub/a.css"_s), QByteArray("a"));
}

void TestSiteBuilder::rebuild_replacesPagesAndSupportFiles() {
    m_template = makeTemplate("first <!--PageContent-->", "", {{u"style.css"_s, "old style"}});
    QVERIFY(BuildWebsite(site({u"Home"_s, u"About"_s})).ok);
    writeFile(m_destination + u"/notes.txt"_s, "the user's own file");

    m_template = makeTemplate("second <!--PageName-->", "", {{u"style.css"_s, "new"}});
    const BuildResult result = BuildWebsite(site({u"Home"_s, u"About"_s}));
    QVERIFY2(result.ok, qPrintable(result.message()));
    QCOMPARE(snapshot(m_destination), (Files{{u"index.htm"_s, "second Home\r\n"},
                                             {u"about.htm"_s, "second About\r\n"},
                                             {u"notes.txt"_s, "the user's own file"},
                                             {u"files"_s, "<folder>"},
                                             {u"files/style.css"_s, "new"}}));
}

void TestSiteBuilder::rebuildKeepingSamePages_writesOnlyChangedPages() {
    Website website = site({u"Home"_s, u"About"_s, u"News"_s});
    QVERIFY(BuildWebsite(website, {}, WarningPolicy::Report, {}, SamePages::Keep).ok);
    const QByteArray about = QFile::encodeName(m_destination + u"/about.htm"_s);
    const auto inode = [&about] {
        struct stat status {};
        return ::stat(about.constData(), &status) == 0 ? status.st_ino : ino_t(0);
    };
    const ino_t aboutFile = inode();
    const QByteArray aboutBytes = snapshot(m_destination).value(u"about.htm"_s);

    website.pages[2].body = u"<p>Changed</p>"_s;
    const BuildResult result =
        BuildWebsite(website, {}, WarningPolicy::Report, {}, SamePages::Keep);
    QVERIFY2(result.ok, qPrintable(result.message()));
    QCOMPARE(result.pagesWritten, 1);
    // The page that did not change is the same file, never replaced.
    QCOMPARE(inode(), aboutFile);
    QCOMPARE(snapshot(m_destination).value(u"about.htm"_s), aboutBytes);
    QVERIFY(snapshot(m_destination).value(u"news.htm"_s).contains("<p>Changed</p>"));
}

void TestSiteBuilder::rebuild_removesOnlyWhatTheOldSiteOwned_data() {
    QTest::addColumn<bool>("otherTemplate");
    QTest::addColumn<QStringList>("pages");
    QTest::addColumn<bool>("picture"); // whether Home still shows pic.png
    QTest::addColumn<bool>("keepUnused");
    QTest::addColumn<QStringList>("removed");

    const QStringList both{u"Home"_s, u"About"_s};
    QTest::newRow("removed picture")
        << false << both << false << false << QStringList{u"media/pic.png"_s};
    QTest::newRow("removed page") << false << QStringList{u"Home"_s} << true << false
                                  << QStringList{u"about.htm"_s};
    QTest::newRow("change of template")
        << true << both << true << false << QStringList{u"files/a.css"_s, u"files/img/a.svg"_s};
    QTest::newRow("user files kept") << false << both << true << false << QStringList();
    QTest::newRow("all removed at once")
        << true << QStringList{u"Home"_s} << false << false
        << QStringList{u"about.htm"_s, u"media/pic.png"_s, u"files/a.css"_s, u"files/img/a.svg"_s};
    QTest::newRow("media folder made a link elsewhere: nothing removed through it")
        << false << both << false << false << QStringList();
    QTest::newRow("kept when asked")
        << true << QStringList{u"Home"_s} << false << true << QStringList();
}

void TestSiteBuilder::rebuild_removesOnlyWhatTheOldSiteOwned() {
    QFETCH(bool, otherTemplate);
    QFETCH(QStringList, pages);
    QFETCH(bool, picture);
    QFETCH(bool, keepUnused);
    QFETCH(QStringList, removed);

    const QByteArray skeleton = "<html><head><title><!--Title--></title></head><body><ul>"
                                "<!--MenuItems--></ul><main><!--PageContent--></main></body>"
                                "</html>";
    const QByteArray item = "<li><a href=\"<!--ItemPath-->\"><!--ItemName--></a></li>";
    const QString first = makeTemplate(
        skeleton, item, {{u"style.css"_s, "a"}, {u"a.css"_s, "a"}, {u"img/a.svg"_s, "<svg/>"}});
    QImage red(4, 4, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(m_dir->filePath(u"pic.png"_s)));
    Website website = site({u"Home"_s, u"About"_s});
    website.pages[0] = {u"Home"_s, u"<p>Home <img src=\"pic.png\"></p>"_s, m_dir->path()};
    const BuildResult built = BuildWebsite(website);
    QVERIFY2(built.ok, qPrintable(built.message()));
    QVERIFY(QFileInfo::exists(m_destination + u"/media/pic.png"_s));
    // The user's own files, among the site's.
    const QStringList own{u"notes.txt"_s, u"media/keep.png"_s, u"files/mine.css"_s};
    for (const QString &file : own)
        writeFile(m_destination + u'/' + file, "the user's");
    if (QTest::currentDataTag() == QByteArrayView("media folder made a link elsewhere: nothing "
                                                  "removed through it")) {
        QVERIFY(QDir(m_destination).rename(u"media"_s, u"../elsewhere"_s));
        QVERIFY(QFile::link(m_dir->filePath(u"elsewhere"_s), m_destination + u"/media"_s));
    }
    QDir(m_dir->path()).rename(u"template"_s, u"first"_s);
    const QString firstFolder = m_dir->filePath(u"first"_s);

    QByteArray otherSkeleton = skeleton;
    otherSkeleton.replace("<body>", "<body class=\"b\">");
    m_template =
        otherTemplate
            ? makeTemplate(otherSkeleton, item, {{u"style.css"_s, "b"}, {u"b.css"_s, "b"}})
            : makeTemplate(skeleton, item,
                           {{u"style.css"_s, "a"}, {u"a.css"_s, "a"}, {u"img/a.svg"_s, "<svg/>"}});
    Website second = site(pages);
    if (picture)
        second.pages[0] = website.pages[0];
    const OwnedFiles previous =
        keepUnused ? OwnedFiles() : filesOwnedBySiteIn(m_destination, {firstFolder, m_template});
    const BuildResult result = BuildWebsite(second, {}, WarningPolicy::Report, previous);
    QVERIFY2(result.ok, qPrintable(result.message()));
    QCOMPARE(result.removedFiles, removed);
    for (const QString &file : removed)
        QVERIFY2(!QFileInfo::exists(m_destination + u'/' + file), qPrintable(file));
    for (const QString &file : own)
        QCOMPARE(read(m_destination + u'/' + file), "the user's"_ba);
    for (const SitePage &page : second.pages)
        QVERIFY(QFileInfo::exists(m_destination + u'/' + pageFileName(page.name)));
    QCOMPARE(QFileInfo::exists(m_destination + u"/media/pic.png"_s),
             !removed.contains(u"media/pic.png"_s));
    // A folder the old template made goes with its last file.
    QCOMPARE(QFileInfo::exists(m_destination + u"/files/img"_s),
             !removed.contains(u"files/img/a.svg"_s));
}

void TestSiteBuilder::windows1252Skeleton_roundTrips() {
    m_template = makeTemplate("<p>caf\xe9 \x80</p><!--Title--><!--PageContent-->\r\n",
                              "<li>\x93<!--ItemName-->\x94</li>");
    Website website = site({u"Home"_s});
    website.title = u"Ωé"_s;
    website.pages[0].body = u"<!--MenuItems-->€ 😀"_s;
    const BuildResult result = BuildWebsite(website);
    QVERIFY2(result.ok, qPrintable(result.message()));
    QCOMPARE(read(m_destination + u"/index.htm"_s),
             QByteArray("<p>caf\xe9 \x80</p>&#937;\xe9<!--MenuItems-->\x80 &#128512;\r\n"));
}

void TestSiteBuilder::progress_reachesTotal() {
    m_template = makeTemplate("<!--PageContent-->", "", {{u"a.css"_s, QByteArray(5000, 'a')}});
    QStringList names{u"Home"_s};
    for (int i = 1; i < 1000; ++i)
        names.append(u"Page %1"_s.arg(i));
    QList<std::pair<qint64, qint64>> calls;
    const BuildResult result = BuildWebsite(site(names), [&](qint64 done, qint64 total) {
        calls.append({done, total});
    });
    QVERIFY(result.ok);
    QVERIFY(calls.size() >= 3);
    QVERIFY2(calls.size() <= 202, qPrintable(QString::number(calls.size())));
    for (qsizetype i = 0; i < calls.size(); ++i) {
        QVERIFY(calls[i].first <= calls[i].second);
        QCOMPARE(calls[i].second, calls.first().second);
        if (i > 0)
            QVERIFY(calls[i].first >= calls[i - 1].first);
    }
    QCOMPARE(calls.first().first, 0);
    QCOMPARE(calls.last().first, calls.last().second);
}

enum class Fault {
    MissingSkeleton,
    SkeletonIsFolder,
    FragmentIsFolder,
    DestinationIsFile,
    DestinationUnderFile,
    FilesIsFile,
    IndexBesideHome,
    NamesDifferingInCase,
    NameWithSlash,
    NameDotDot,
    FolderInPlaceOfPage,
    DanglingSupportLink,
    SkeletonIsPipe,
    SkeletonIsDevice,
    SkeletonTooLarge,
    SkeletonLinksOutOfTemplate,
    FragmentLinksOutOfTemplate,
    NonUtf8SupportName,
    DestinationInTemplateFiles,
    FilesIsLinkOut,
    SupportFolderIsLinkOut,
    PageIsLinkOut,
    UnreadableSupportFile,
    ReadOnlyFilesFolder,
    ReadOnlyDestination,
};

void TestSiteBuilder::failure_writesNothing_data() {
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("failedPath"); // relative to the temporary folder
    QTest::addColumn<QString>("messagePart");

    QTest::newRow("missing main.txt")
        << Fault::MissingSkeleton << u"template/main.txt"_s << u"No such file"_s;
    QTest::newRow("main.txt is a folder")
        << Fault::SkeletonIsFolder << u"template/main.txt"_s << u"folder, not a file"_s;
    QTest::newRow("menuitem.txt is a folder")
        << Fault::FragmentIsFolder << u"template/menuitem.txt"_s << u"folder, not a file"_s;
    QTest::newRow("destination is a file")
        << Fault::DestinationIsFile << u"site"_s << u"a file, not a folder"_s;
    QTest::newRow("destination under a file")
        << Fault::DestinationUnderFile << u"site/old.htm"_s << u"a file, not a folder"_s;
    QTest::newRow("files is a file") << Fault::FilesIsFile << u"site/files"_s << u"in the way"_s;
    QTest::newRow("Index beside Home")
        << Fault::IndexBesideHome << u"site/index.htm"_s << u"\"Home\" and \"Index\""_s;
    QTest::newRow("News beside news")
        << Fault::NamesDifferingInCase << u"site/news.htm"_s << u"\"News\" and \"news\""_s;
    QTest::newRow("name with a slash")
        << Fault::NameWithSlash << u"site/a/b.htm"_s << u"contains \"/\""_s;
    QTest::newRow("name of two dots")
        << Fault::NameDotDot << u"site/...htm"_s << u"can't be used"_s;
    QTest::newRow("folder in place of a page")
        << Fault::FolderInPlaceOfPage << u"site/about.htm"_s << u"folder of that name"_s;
    QTest::newRow("dangling link among support files")
        << Fault::DanglingSupportLink << u"template/files/gone.css"_s << u"leads nowhere"_s;
    QTest::newRow("main.txt is a pipe")
        << Fault::SkeletonIsPipe << u"template/main.txt"_s << u"pipe, device or socket"_s;
    QTest::newRow("main.txt links to an endless device")
        << Fault::SkeletonIsDevice << u"template/main.txt"_s << u"link to \"/dev/zero\""_s;
    QTest::newRow("main.txt larger than 64 MB")
        << Fault::SkeletonTooLarge << u"template/main.txt"_s << u"larger than 64 MB"_s;
    QTest::newRow("main.txt links out of the template")
        << Fault::SkeletonLinksOutOfTemplate << u"template/main.txt"_s << u"outside the template"_s;
    QTest::newRow("menuitem.txt links out of the template")
        << Fault::FragmentLinksOutOfTemplate << u"template/menuitem.txt"_s
        << u"outside the template"_s;
    QTest::newRow("support file name not UTF-8")
        << Fault::NonUtf8SupportName << u"template/files/caf\ufffd.css"_s << u"not valid UTF-8"_s;
    QTest::newRow("files folder links out of the site")
        << Fault::FilesIsLinkOut << u"site/files"_s << u"symbolic link"_s;
    QTest::newRow("support subfolder links out of the site")
        << Fault::SupportFolderIsLinkOut << u"site/files/img"_s << u"symbolic link"_s;
    QTest::newRow("page file links out of the site")
        << Fault::PageIsLinkOut << u"site/about.htm"_s << u"symbolic link"_s;
    QTest::newRow("destination inside the template's files")
        << Fault::DestinationInTemplateFiles << u"template/files/site"_s
        << u"inside the template's files folder"_s;
    QTest::newRow("unreadable support file")
        << Fault::UnreadableSupportFile << u"template/files/style.css"_s
        << u"not allowed to read"_s;
    QTest::newRow("read-only files folder")
        << Fault::ReadOnlyFilesFolder << u"site/files"_s << u"not allowed to write"_s;
    QTest::newRow("read-only destination that exists")
        << Fault::ReadOnlyDestination << u"site"_s << u"Could not write in the folder"_s;
}

void TestSiteBuilder::failure_writesNothing() {
    QFETCH(Fault, fault);
    QFETCH(QString, failedPath);
    QFETCH(QString, messagePart);

    writeFile(m_destination + u"/index.htm"_s, "old home");
    writeFile(m_destination + u"/old.htm"_s, "old page");
    QStringList names{u"Home"_s, u"About"_s};
    QString destination = m_destination;
    const bool permissionFault = fault == Fault::UnreadableSupportFile ||
                                 fault == Fault::ReadOnlyFilesFolder ||
                                 fault == Fault::ReadOnlyDestination;
    if (permissionFault && ::geteuid() == 0)
        QSKIP("Permissions do not bind the superuser");
    switch (fault) {
    case Fault::MissingSkeleton:
        QVERIFY(QFile::remove(m_template + u"/main.txt"_s));
        break;
    case Fault::SkeletonIsFolder:
        QVERIFY(QFile::remove(m_template + u"/main.txt"_s));
        QVERIFY(QDir().mkpath(m_template + u"/main.txt"_s));
        break;
    case Fault::FragmentIsFolder:
        QVERIFY(QFile::remove(m_template + u"/menuitem.txt"_s));
        QVERIFY(QDir().mkpath(m_template + u"/menuitem.txt"_s));
        break;
    case Fault::DestinationIsFile:
        QVERIFY(QDir(m_destination).removeRecursively());
        writeFile(m_destination, "a file");
        break;
    case Fault::DestinationUnderFile:
        destination = m_destination + u"/old.htm/sub"_s;
        break;
    case Fault::FilesIsFile:
        writeFile(m_destination + u"/files"_s, "a file");
        break;
    case Fault::IndexBesideHome:
        names.append(u"Index"_s);
        break;
    case Fault::NamesDifferingInCase:
        names << u"News"_s << u"news"_s;
        break;
    case Fault::NameWithSlash:
        names.append(u"a/b"_s);
        break;
    case Fault::NameDotDot:
        names.append(u".."_s);
        break;
    case Fault::FolderInPlaceOfPage:
        QVERIFY(QDir().mkpath(m_destination + u"/about.htm"_s));
        break;
    case Fault::DanglingSupportLink:
        QVERIFY(QDir().mkpath(m_template + u"/files"_s));
        QVERIFY(QFile::link(m_dir->filePath(u"gone"_s), m_template + u"/files/gone.css"_s));
        break;
    default:
        makeFault(fault, destination);
        break;
    }
    if (QTest::currentTestFailed())
        return;
    const Files before = snapshot(m_dir->path());

    const BuildResult result = BuildWebsite(site(names, destination));
    QVERIFY(!result.ok);
    QCOMPARE(result.error.path, m_dir->filePath(failedPath));
    QVERIFY2(result.message().contains(messagePart), qPrintable(result.message()));
    QVERIFY2(result.message().contains(u'"' + result.error.path + u'"'),
             qPrintable(result.message()));
    QCOMPARE(result.pagesWritten, 0);
    QCOMPARE(snapshot(m_dir->path()), before);
}

// The faults that need more than a line to make.
void TestSiteBuilder::makeFault(Fault fault, QString &destination) {
    const QString skeleton = m_template + u"/main.txt"_s;
    switch (fault) {
    case Fault::SkeletonIsPipe:
        QVERIFY(QFile::remove(skeleton));
        QCOMPARE(::mkfifo(QFile::encodeName(skeleton).constData(), 0600), 0);
        break;
    case Fault::SkeletonIsDevice:
        QVERIFY(QFile::remove(skeleton));
        QVERIFY(QFile::link(u"/dev/zero"_s, skeleton));
        break;
    case Fault::SkeletonTooLarge:
        QVERIFY(QFile::resize(skeleton, 64 * 1024 * 1024 + 1));
        break;
    case Fault::SkeletonLinksOutOfTemplate:
    case Fault::FragmentLinksOutOfTemplate: {
        const QString linked =
            m_template +
            (fault == Fault::SkeletonLinksOutOfTemplate ? u"/main.txt"_s : u"/menuitem.txt"_s);
        writeFile(m_dir->filePath(u"secret.txt"_s), "secret");
        QVERIFY(QFile::remove(linked));
        QVERIFY(QFile::link(m_dir->filePath(u"secret.txt"_s), linked));
        break;
    }
    case Fault::NonUtf8SupportName:
        writeFile(m_template + u"/files/style.css"_s, "css");
        // Made by its bytes: Qt would write any name it is given in UTF-8.
        QVERIFY(::close(::creat(nonUtf8SupportFile().constData(), 0644)) == 0);
        break;
    case Fault::FilesIsLinkOut:
        // The user's own folder elsewhere, with a style sheet of their own.
        writeFile(m_template + u"/files/style.css"_s, "css");
        writeFile(m_dir->filePath(u"elsewhere/style.css"_s), "the user's style");
        QVERIFY(QFile::link(m_dir->filePath(u"elsewhere"_s), m_destination + u"/files"_s));
        break;
    case Fault::SupportFolderIsLinkOut:
        writeFile(m_template + u"/files/img/logo.svg"_s, "<svg/>");
        writeFile(m_dir->filePath(u"elsewhere/logo.svg"_s), "the user's logo");
        QVERIFY(QDir().mkpath(m_destination + u"/files"_s));
        QVERIFY(QFile::link(m_dir->filePath(u"elsewhere"_s), m_destination + u"/files/img"_s));
        break;
    case Fault::PageIsLinkOut:
        writeFile(m_dir->filePath(u"elsewhere/notes.htm"_s), "the user's notes");
        QVERIFY(QFile::link(m_dir->filePath(u"elsewhere/notes.htm"_s),
                            m_destination + u"/about.htm"_s));
        break;
    case Fault::DestinationInTemplateFiles:
        writeFile(m_template + u"/files/style.css"_s, "css");
        destination = m_template + u"/files/site"_s;
        break;
    case Fault::UnreadableSupportFile:
        writeFile(m_template + u"/files/style.css"_s, "css");
        QVERIFY(QFile::setPermissions(m_template + u"/files/style.css"_s, {}));
        break;
    case Fault::ReadOnlyFilesFolder:
        writeFile(m_template + u"/files/style.css"_s, "css");
        QVERIFY(QDir().mkpath(m_destination + u"/files"_s));
        QVERIFY(
            QFile::setPermissions(m_destination + u"/files"_s, QFile::ReadOwner | QFile::ExeOwner));
        break;
    case Fault::ReadOnlyDestination:
        QVERIFY(QFile::setPermissions(m_destination, QFile::ReadOwner | QFile::ExeOwner));
        break;
    default:
        QFAIL("No such fault");
    }
}

void TestSiteBuilder::fullDisk_givesSystemReasonAndKeepsOldFiles_data() {
    QTest::addColumn<QString>("pageBody");
    QTest::addColumn<QByteArray>("supportFile");
    QTest::addColumn<QString>("failedPath"); // relative to the temporary folder

    const QString large = QString(2000, u'x');
    QTest::newRow("replacing a page") << large << "css"_ba << u"site/index.htm"_s;
    QTest::newRow("copying a support file")
        << u"small"_s << QByteArray(2000, 'c') << u"site/files/style.css"_s;
}

void TestSiteBuilder::fullDisk_givesSystemReasonAndKeepsOldFiles() {
    QFETCH(QString, pageBody);
    QFETCH(QByteArray, supportFile);
    QFETCH(QString, failedPath);
    writeFile(m_template + u"/files/style.css"_s, supportFile);
    writeFile(m_destination + u"/index.htm"_s, "old home");
    writeFile(m_destination + u"/files/style.css"_s, "old style");
    Website website = site({});
    website.pages.append({u"Home"_s, pageBody});
    const Files before = snapshot(m_destination);

    BuildResult result;
    {
        FileSizeLimit limit(1000);
        result = BuildWebsite(website);
    }
    QVERIFY(!result.ok);
    QCOMPARE(result.message(),
             u"%1 \"%2\": File too large."_s.arg(result.action, m_dir->filePath(failedPath)));
    QCOMPARE(read(m_destination + u"/files/style.css"_s), "old style"_ba);
    if (failedPath.endsWith(u"index.htm"_s))
        QCOMPARE(snapshot(m_destination), before);
    else
        QCOMPARE(snapshot(m_destination).keys(), before.keys());
}

void TestSiteBuilder::leftoverTemporaries_removedByNextBuild() {
    // One left by a process that has ended (its number is not in use), one by
    // a process that still runs, which may be writing it now.
    const QString ended = m_destination + u"/.quillsite-999999999-0.tmp"_s;
    const QString running = m_destination + u"/files/.quillsite-%1-0.tmp"_s.arg(::getppid());
    writeFile(ended, "cut off");
    writeFile(running, "being written");

    const BuildResult result = BuildWebsite(site({u"Home"_s}));
    QVERIFY2(result.ok, qPrintable(result.message()));
    QVERIFY(!QFileInfo::exists(ended));
    QVERIFY(QFileInfo::exists(running));
}

void TestSiteBuilder::linkOutOfTemplate_leftOutWithWarningOrRefused() {
    writeFile(m_template + u"/files/style.css"_s, "css");
    writeFile(m_dir->filePath(u"home/.ssh/id_rsa"_s), "private key");
    const QString link = m_template + u"/files/keys"_s;
    QVERIFY(QFile::link(m_dir->filePath(u"home/.ssh"_s), link));

    const BuildResult refused = BuildWebsite(site({u"Home"_s}), {}, WarningPolicy::Refuse);
    QCOMPARE(refused.message(),
             u"Could not copy the support file \"%1\": It is a link to \"%2\", outside the "
             "template."_s.arg(link, m_dir->filePath(u"home/.ssh"_s)));
    QVERIFY(!QFileInfo::exists(m_destination));

    const BuildResult built = BuildWebsite(site({u"Home"_s}));
    QVERIFY2(built.ok, qPrintable(built.message()));
    QCOMPARE(built.warnings,
             QStringList{u"Left out the support file \"%1\": It is a link to \"%2\", outside "
                         "the template."_s.arg(link, m_dir->filePath(u"home/.ssh"_s))});
    QCOMPARE(snapshot(m_destination + u"/files"_s), (Files{{u"style.css"_s, "css"_ba}}));
}

void TestSiteBuilder::missingSkeleton_namesFileAndReason() {
    QVERIFY(QFile::remove(m_template + u"/main.txt"_s));
    const BuildResult result = BuildWebsite(site({u"Home"_s}));
    QCOMPARE(result.message(), u"Could not read the template file \"%1/main.txt\": "
                               "No such file or directory."_s.arg(m_template));
    QVERIFY(!QFileInfo::exists(m_destination));
}

void TestSiteBuilder::collision_namesBothPages_data() {
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("earlier");
    QTest::addColumn<QString>("later");

    QTest::newRow("names differing in case")
        << QStringList{u"Home"_s, u"News"_s, u"news"_s} << u"news.htm"_s << u"News"_s << u"news"_s;
    QTest::newRow("first clash in page order")
        << QStringList{u"A"_s, u"B"_s, u"b"_s, u"a"_s} << u"b.htm"_s << u"B"_s << u"b"_s;
    QTest::newRow("Index before Home") << QStringList{u"x"_s, u"Index"_s, u"y"_s, u"Home"_s}
                                       << u"index.htm"_s << u"Index"_s << u"Home"_s;
    QStringList many;
    for (int i = 0; i < 500; ++i)
        many.append(u"Page %1"_s.arg(i));
    many << u"PAGE 250"_s << u"page 7"_s;
    QTest::newRow("among many pages")
        << many << u"page 250.htm"_s << u"Page 250"_s << u"PAGE 250"_s;
}

void TestSiteBuilder::collision_namesBothPages() {
    QFETCH(QStringList, names);
    QFETCH(QString, fileName);
    QFETCH(QString, earlier);
    QFETCH(QString, later);

    const BuildResult result = BuildWebsite(site(names));
    QCOMPARE(result.message(),
             u"Could not write the page file \"%1/%2\": The pages \"%3\" and \"%4\" "
             "would both be written to this file. Rename one of them."_s.arg(
                 m_destination, fileName, earlier, later));
    QVERIFY(!QFileInfo::exists(m_destination));
}

void TestSiteBuilder::picturesThatCantEnter_warnOrFailUnderStrict_data() {
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("file"); // what the warning names, in the pages' folder
    QTest::addColumn<bool>("strict");

    // A picture that promises 50000 x 50000 pixels: more than a desktop can hold.
    const QString huge = uR"(<img src="huge.png">)"_s;
    const QString secret = uR"(<img src="photo.jpg">)"_s;
    const QString notPicture = uR"(<img src="{pages}/passwd">)"_s;
    for (const bool strict : {false, true}) {
        const char *const policy = strict ? "strict" : "warning";
        QTest::addRow("symbolic link to a secret, %s", policy)
            << secret << u"photo.jpg"_s << strict;
        QTest::addRow("absolute path of a text file, %s", policy)
            << notPicture << u"passwd"_s << strict;
        QTest::addRow("picture too large to read, %s", policy) << huge << u"huge.png"_s << strict;
    }
}

void TestSiteBuilder::picturesThatCantEnter_warnOrFailUnderStrict() {
    QFETCH(QString, body);
    QFETCH(QString, file);
    QFETCH(bool, strict);

    const QString pages = m_dir->filePath(u"pages"_s);
    writeFile(m_dir->filePath(u"shadow"_s), "root:$6$secret:19000:0:99999:7:::\n");
    writeFile(pages + u"/passwd"_s, "root:x:0:0:root:/root:/bin/sh\n");
    QVERIFY(QFile::link(m_dir->filePath(u"shadow"_s), pages + u"/photo.jpg"_s));
    // A valid PNG of 50000 x 50000 pixels, cut short after its first row.
    writeFile(pages + u"/huge.png"_s, QByteArray::fromHex("89504e470d0a1a0a0000000d49484452"
                                                          "0000c3500000c35008060000004baf3d"
                                                          "ca0000000b49444154789c6360400500"
                                                          "0010000139bd8f650000000049454e44"
                                                          "ae426082"));
    Website website = site({u"Home"_s});
    website.pages.first().body = QString(body).replace(u"{pages}"_s, pages);
    website.pages.first().sourceFolder = pages;

    const BuildResult result =
        BuildWebsite(website, {}, strict ? WarningPolicy::Refuse : WarningPolicy::Report);
    QCOMPARE(result.ok, !strict);
    const QString named = pages + u'/' + file;
    if (strict)
        QVERIFY2(result.message().contains(named), qPrintable(result.message()));
    else
        QVERIFY2(result.missingFiles.size() == 1 &&
                     result.missingFiles.first().files.first().startsWith(named + u" ("_s),
                 qPrintable(result.missingFiles.isEmpty()
                                ? u"nothing missing"_s
                                : result.missingFiles.first().files.first()));
    const QStringList media = QDir(m_destination + u"/media"_s).entryList(QDir::Files);
    QVERIFY2(media.isEmpty(), qPrintable(media.join(u", "_s)));
}

} // namespace quillsite

QTEST_GUILESS_MAIN(quillsite::TestSiteBuilder)
#include "tst_sitebuilder.moc"
