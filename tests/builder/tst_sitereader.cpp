// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/sitereader.h"

#include "builder/sitebuilder.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace quillsite {

namespace {

const QString bundledTemplates = QStringLiteral(QUILLSITE_SOURCE_DIR) + u"/share/templates/"_s;

const QList<SitePage> plainPages{{u"Home"_s, u"<p>Welcome to the club.</p>"_s, {}},
                                 {u"About Me"_s, u"<h2>Me</h2>\n<p>Line one.</p>"_s, {}},
                                 {u"FAQ"_s, u""_s, {}}};

} // namespace

class TestSiteReader : public QObject {
    Q_OBJECT

private slots:
    void init();
    void unchangedSite_rebuildsByteForByte_data();
    void unchangedSite_rebuildsByteForByte();
    void similarTemplates_eachRecognised_data();
    void similarTemplates_eachRecognised();
    void damagedSite_reportsAndOpensTheRest();
    void noMatchingTemplate_opensMainElements_data();
    void noMatchingTemplate_opensMainElements();
    void pageFile_readOnlyAsItIs_data();
    void pageFile_readOnlyAsItIs();
    void olderSite_opensAsTyped();
    void notASite_isRefused_data();
    void notASite_isRefused();

private:
    using Files = QMap<QString, QByteArray>;

    void writeFile(const QString &path, const QByteArray &content);
    QString makeTemplate(const QString &name, const QByteArray &skeleton,
                         const QByteArray &fragment);
    QString windows1252Template();
    QStringList installed() const;
    Website builtSite(const QString &templateFolder, const QList<SitePage> &pages,
                      const QString &title = u"Garden Club"_s,
                      const QString &author = u"Ann Example"_s);
    Files pageFiles(const QString &folder) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QStringList m_extraTemplates;
    QString m_site;
};

void TestSiteReader::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_site = m_dir->filePath(u"site"_s);
    m_extraTemplates.clear();
}

void TestSiteReader::writeFile(const QString &path, const QByteArray &content) {
    if (!QDir().mkpath(QFileInfo(path).path()))
        qFatal("cannot make a folder for %s", qPrintable(path));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) < 0)
        qFatal("cannot write %s", qPrintable(path));
}

QString TestSiteReader::makeTemplate(const QString &name, const QByteArray &skeleton,
                                     const QByteArray &fragment) {
    const QString folder = m_dir->filePath(u"templates/"_s + name);
    writeFile(folder + u"/data.ini"_s, "[Data]\r\nName=" + name.toUtf8() + "\r\n");
    writeFile(folder + u"/main.txt"_s, skeleton);
    writeFile(folder + u"/menuitem.txt"_s, fragment);
    m_extraTemplates.append(folder);
    return folder;
}

// A skeleton from before UTF-8, with LF line ends and "é" as one byte.
QString TestSiteReader::windows1252Template() {
    return makeTemplate(u"legacy"_s,
                        "<html><head><title><!--Title--> \xe9 <!--PageName--></title></head>\n"
                        "<body><ul>\n<!--MenuItems--></ul>\n<h1><!--PageName--></h1>\n"
                        "<!--PageContent-->\n<p>\xa9 <!--Author--></p></body></html>\n",
                        "<li><a href=\"<!--ItemPath-->\"><!--ItemName--></a></li>\n");
}

QStringList TestSiteReader::installed() const {
    QStringList folders;
    for (const QString &name : QDir(bundledTemplates).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        folders.append(bundledTemplates + name);
    return folders + m_extraTemplates;
}

Website TestSiteReader::builtSite(const QString &templateFolder, const QList<SitePage> &pages,
                                  const QString &title, const QString &author) {
    const Website site{templateFolder, title, author, pages, m_site};
    const BuildResult result = BuildWebsite(site);
    if (!result.ok)
        qFatal("the site could not be built: %s", qPrintable(result.message()));
    return site;
}

TestSiteReader::Files TestSiteReader::pageFiles(const QString &folder) const {
    Files files;
    for (const QString &name : QDir(folder).entryList({u"*.htm"_s}, QDir::Files)) {
        QFile file(folder + u'/' + name);
        if (!file.open(QIODevice::ReadOnly))
            qFatal("cannot read %s", qPrintable(file.fileName()));
        files.insert(name, file.readAll());
    }
    return files;
}

void TestSiteReader::unchangedSite_rebuildsByteForByte_data() {
    QTest::addColumn<QString>("templateName"); // a bundled one, or "legacy"
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("author");
    QTest::addColumn<QList<SitePage>>("pages");

    for (const QString &name : QDir(bundledTemplates).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        QTest::newRow(qPrintable(name)) << name << u"Garden Club"_s << u"Ann"_s << plainPages;
    QTest::newRow("names that links encode")
        << u"paper"_s << u"Club"_s << u"Ann"_s
        << QList<SitePage>{{u"Home"_s, u"<p>a</p>"_s, {}},    {u"Our Garden"_s, u"b"_s, {}},
                           {u"C# & Co"_s, u"c"_s, {}},        {u"Why? Because"_s, u"d"_s, {}},
                           {u"Time: 10 & 50%"_s, u"e"_s, {}}, {u"Café Über"_s, u"f"_s, {}}};
    QTest::newRow("title and author holding markup")
        << u"meadow"_s << u"<b>Club</b> &amp; Co</title>"_s << u"Ann <i>Example</i>"_s
        << plainPages;
    QTest::newRow("content holding template text")
        << u"paper"_s << u"Club"_s << u"Ann"_s
        << QList<SitePage>{
               {u"Home"_s,
                u"<p>x</p>\r\n  </div>\r\n</main>\r\n<footer class=\"colophon\">\r\n  <p>&copy; "
                "Ann &middot; Club</p>\r\n</footer>\r\n"_s,
                {}},
               {u"Menu"_s,
                u"<!--Title--><!--PageName--> <li><a href=\"index.htm\">Home</a></li>\r\n"_s,
                {}}};
    QTest::newRow("page named like the title")
        << u"studio"_s << u"Home"_s << u"Home"_s
        << QList<SitePage>{{u"Home"_s, u"Home"_s, {}}, {u"home"_s, u"<p>Home</p>"_s, {}}};
    QTest::newRow("windows-1252 template")
        << u"legacy"_s << u"Café"_s << u"Zoë"_s
        << QList<SitePage>{{u"Home"_s, u"<p>Crème brûlée</p>"_s, {}},
                           {u"Über uns"_s, u"<p>\u4e2d</p>"_s, {}}};
    const QList<SitePage> textNames{{u"Home"_s, u"<p>a</p>"_s, {}},
                                    {u"Tom & Jerry <b>"_s, u"<p>b</p>"_s, {}},
                                    {u"Say \"Hi\""_s, u"c"_s, {}},
                                    {u"&amp; as typed"_s, u"d"_s, {}}};
    QTest::newRow("text in title, author and names")
        << u"meadow"_s << u"<script>alert(1)</script> & \"Co\""_s << u"Ann <ann@example.org>"_s
        << textNames;
    QTest::newRow("text in a windows-1252 site")
        << u"legacy"_s << u"\u03a9 & <Co>"_s << u"Zoë \"Z\" &#937;"_s << textNames;
}

void TestSiteReader::unchangedSite_rebuildsByteForByte() {
    QFETCH(QString, templateName);
    QFETCH(QString, title);
    QFETCH(QString, author);
    QFETCH(QList<SitePage>, pages);
    const QString folder =
        templateName == u"legacy"_s ? windows1252Template() : bundledTemplates + templateName;
    builtSite(folder, pages, title, author);
    const Files before = pageFiles(m_site);

    const ReadSite read = readBuiltSite(m_site, installed());
    QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
    QVERIFY2(read.problems.isEmpty(), qPrintable(read.problems.join(u'\n')));
    QCOMPARE(read.site.templateFolder, folder);
    QCOMPARE(read.site.title, title);
    QCOMPARE(read.site.author, author);
    QCOMPARE(read.site.pages.size(), pages.size());
    for (const SitePage &page : read.site.pages)
        QCOMPARE(page.sourceFolder, m_site);
    QCOMPARE(read.pageFiles.size(), pages.size());
    for (const QString &file : read.pageFiles)
        QVERIFY2(before.contains(file), qPrintable(file));

    const BuildResult rebuilt = BuildWebsite(read.site);
    QVERIFY2(rebuilt.ok, qPrintable(rebuilt.message()));
    QCOMPARE(pageFiles(m_site), before);
}

void TestSiteReader::similarTemplates_eachRecognised_data() {
    QTest::addColumn<int>("builtWith");
    QTest::newRow("the shorter one") << 0;
    QTest::newRow("the one with more text") << 1;
    QTest::newRow("the one with another menu entry") << 2;
}

void TestSiteReader::similarTemplates_eachRecognised() {
    QFETCH(int, builtWith);
    const QByteArray skeleton = "<title><!--Title--></title>\r\n<ul><!--MenuItems--></ul>\r\n"
                                "<main><!--PageContent--></main>\r\n";
    const QByteArray entry = "<li><a href=\"<!--ItemPath-->\"><!--ItemName--></a></li>\r\n";
    const QStringList folders{
        makeTemplate(u"plain"_s, skeleton, entry),
        makeTemplate(u"signed"_s, skeleton + "<footer><!--Author--></footer>\r\n", entry),
        makeTemplate(u"listed"_s, skeleton,
                     "<li class=\"x\"><a href=\"<!--ItemPath-->\">"
                     "<!--ItemName--></a></li>\r\n")};
    builtSite(folders[builtWith], plainPages);

    const ReadSite read = readBuiltSite(m_site, folders);
    QCOMPARE(read.site.templateFolder, folders[builtWith]);
    QCOMPARE(read.site.pages.size(), plainPages.size());
    QCOMPARE(read.site.pages[1].body, plainPages[1].body);
}

void TestSiteReader::damagedSite_reportsAndOpensTheRest() {
    const QString paper = bundledTemplates + u"paper"_s;
    // A page that left the menu but not the folder.
    builtSite(paper, {{u"Old News"_s, u"<p>gone</p>"_s, {}}});
    builtSite(paper, plainPages);
    QVERIFY(QFile::remove(m_site + u"/faq.htm"_s));
    QFile edited(m_site + u"/about me.htm"_s);
    QVERIFY(edited.open(QIODevice::ReadWrite));
    const QByteArray page = edited.readAll().replace("<footer", "<p>Visitors: 12</p>\r\n<footer");
    QVERIFY(edited.resize(0) && edited.write(page) == page.size());
    edited.close();

    const ReadSite read = readBuiltSite(m_site, installed());
    QCOMPARE(read.site.templateFolder, paper);
    QCOMPARE(read.site.pages.size(), 2);
    QCOMPARE(read.site.pages[1].name, u"About Me"_s);
    QCOMPARE(read.site.pages[1].body, plainPages[1].body);
    QCOMPARE(read.pageFiles, (QStringList{u"index.htm"_s, u"about me.htm"_s}));
    QCOMPARE(read.problems.size(), 3);
    QVERIFY2(read.problems[0].contains(u"\"About Me\""_s), qPrintable(read.problems[0]));
    QVERIFY2(read.problems[1].contains(u"\"faq.htm\""_s), qPrintable(read.problems[1]));
    QVERIFY2(read.problems[2].contains(u"\"old news.htm\""_s), qPrintable(read.problems[2]));
}

void TestSiteReader::noMatchingTemplate_opensMainElements_data() {
    QTest::addColumn<Files>("files");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("bodies");
    QTest::addColumn<QStringList>("read"); // the page files, in the order of the pages
    QTest::addColumn<int>("problems");

    QTest::newRow("no menu: every page file")
        << Files{{u"index.htm"_s, "<!DOCTYPE html><html><body><nav>menu</nav><main><p>Hi</p>"
                                  "</main></body></html>"},
                 {u"notes.htm"_s, "<html><body><p>Just a body</p></body></html>"}}
        << QStringList{u"Home"_s, u"notes"_s}
        << QStringList{u"<p>Hi</p>"_s, u"<p>Just a body</p>"_s}
        << QStringList{u"index.htm"_s, u"notes.htm"_s} << 1;
    QTest::newRow("menu order and names from its links")
        << Files{{u"index.htm"_s,
                  "<ul><li><a href=\"index.htm\">Start</a></li>"
                  "<li><a href='zoo.htm'><b>Zoo</b> &amp; Co</a></li>"
                  "<li><a href=\"about%20me.htm\">About Me</a></li>"
                  "<li><a href=\"https://example.org/\">Away</a></li></ul><main>H</main>"},
                 {u"about me.htm"_s, "<main>A</main>"},
                 {u"zoo.htm"_s, "<main>Z</main>"},
                 {u"stray.htm"_s, "<main>S</main>"}}
        << QStringList{u"Start"_s, u"Zoo & Co"_s, u"About Me"_s}
        << QStringList{u"H"_s, u"Z"_s, u"A"_s}
        << QStringList{u"index.htm"_s, u"zoo.htm"_s, u"about me.htm"_s} << 2;
}

void TestSiteReader::noMatchingTemplate_opensMainElements() {
    QFETCH(Files, files);
    QFETCH(QStringList, names);
    QFETCH(QStringList, bodies);
    QFETCH(QStringList, read);
    QFETCH(int, problems);
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        writeFile(m_site + u'/' + it.key(), it.value());

    const ReadSite site = readBuiltSite(m_site, installed());
    QVERIFY(site.error.isEmpty());
    QVERIFY(site.site.templateFolder.isEmpty());
    QCOMPARE(site.problems.size(), problems);
    QStringList readNames, readBodies;
    for (const SitePage &page : site.site.pages) {
        readNames.append(page.name);
        readBodies.append(page.body);
    }
    QCOMPARE(readNames, names);
    QCOMPARE(readBodies, bodies);
    QCOMPARE(site.pageFiles, read);
}

void TestSiteReader::pageFile_readOnlyAsItIs_data() {
    QTest::addColumn<QByteArray>("faq");  // what "faq.htm" becomes; empty: a link to a secret
    QTest::addColumn<QString>("problem"); // what the one problem says; empty: none
    QTest::addColumn<QString>("body");    // the body read, when the page is read
    QTest::addColumn<bool>("sameBytes");  // the page is built again byte for byte

    QTest::newRow("link to a file elsewhere refused")
        << QByteArray() << u"symbolic link"_s << QString() << false;
    QTest::newRow("invalid UTF-8 kept and reported")
        << QByteArray("Gr\xc3\xbc\xc3\x9f"
                      "e \xfc")
        << u"not valid UTF-8"_s << u"Gr\u00fc\u00dfe "_s + QChar(0xdc00 + 0xfc) << true;
    QTest::newRow("windows-1252 named after the template's UTF-8 kept and reported")
        << QByteArray("<meta charset=\"windows-1252\">\xfc") << u"not valid UTF-8"_s
        << u"<meta charset=\"windows-1252\">"_s + QChar(0xdc00 + 0xfc) << true;
    // Saved by an editor that wrote the code page and said so in place of the template's word.
    QTest::newRow("page that names windows-1252 read in it") << QByteArray("Gr\xfc\xdf"
                                                                           "e")
                                                             << u"changed outside its content"_s
                                                             << u"Gr\u00fc\u00df"
                                                                "e"_s
                                                             << false;
}

// A page file of the site is read only when it is an ordinary file in the
// folder, and its bytes are never turned into other characters without a word.
void TestSiteReader::pageFile_readOnlyAsItIs() {
    QFETCH(QByteArray, faq);
    QFETCH(QString, problem);
    QFETCH(QString, body);
    QFETCH(bool, sameBytes);
    const QString paper = bundledTemplates + u"paper"_s;
    builtSite(paper, plainPages);
    QFile file(m_site + u"/faq.htm"_s);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray built = file.readAll();
    file.close();
    const QString secret = m_dir->filePath(u"secret.htm"_s);
    writeFile(secret, built);
    QVERIFY(file.remove());
    QByteArray changed = QByteArray(built).replace("\r\n  </div>\r\n</main>",
                                                   QByteArray(faq + "\r\n  </div>\r\n</main>"));
    if (!sameBytes)
        changed.replace("charset=\"utf-8\"", "charset=\"windows-1252\"");
    if (faq.isEmpty())
        QVERIFY(QFile::link(secret, m_site + u"/faq.htm"_s));
    else
        writeFile(m_site + u"/faq.htm"_s, changed);

    const ReadSite read = readBuiltSite(m_site, installed());
    QVERIFY2(read.problems.size() == (problem.isEmpty() ? 0 : 1),
             qPrintable(read.problems.join(u"\n"_s)));
    if (!problem.isEmpty()) {
        QVERIFY2(read.problems[0].contains(problem), qPrintable(read.problems[0]));
        QVERIFY2(read.problems[0].contains(u"\"faq.htm\""_s), qPrintable(read.problems[0]));
    }
    QCOMPARE(read.pageFiles.contains(u"faq.htm"_s), !body.isNull());
    if (body.isNull())
        return;
    QVERIFY2(read.site.pages[2].body.endsWith(body), qPrintable(read.site.pages[2].body));
    if (!sameBytes)
        return;
    // The page written again holds the very bytes read.
    const Files before = pageFiles(m_site);
    const BuildResult rebuilt = BuildWebsite(read.site);
    QVERIFY2(rebuilt.ok, qPrintable(rebuilt.message()));
    QCOMPARE(pageFiles(m_site), before);
}

// A site built when title, author and names were written as they were typed
// opens with the text its pages showed, and keeps its look when built again.
void TestSiteReader::olderSite_opensAsTyped() {
    builtSite(bundledTemplates + u"studio"_s, plainPages, u"Tom and Jerry"_s, u"Ann"_s);
    const Files built = pageFiles(m_site);
    for (auto it = built.cbegin(); it != built.cend(); ++it)
        writeFile(m_site + u'/' + it.key(),
                  QByteArray(it.value()).replace("Tom and Jerry", "Tom & Jerry&nbsp;&copy;"));

    const ReadSite read = readBuiltSite(m_site, installed());
    QVERIFY2(read.problems.isEmpty(), qPrintable(read.problems.join(u'\n')));
    QCOMPARE(read.site.title, u"Tom & Jerry\u00a0\u00a9"_s);
    QCOMPARE(read.site.pages.size(), plainPages.size());
}

void TestSiteReader::notASite_isRefused_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<Files>("files");
    QTest::newRow("missing folder") << u"nowhere"_s << Files();
    QTest::newRow("no page files") << u"site"_s << Files{{u"readme.txt"_s, "hello"}};
}

void TestSiteReader::notASite_isRefused() {
    QFETCH(QString, folder);
    QFETCH(Files, files);
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        writeFile(m_dir->filePath(folder + u'/' + it.key()), it.value());

    const ReadSite read = readBuiltSite(m_dir->filePath(folder), installed());
    QVERIFY(!read.error.isEmpty());
    QVERIFY(read.site.pages.isEmpty());
}

} // namespace quillsite

QTEST_GUILESS_MAIN(quillsite::TestSiteReader)
#include "tst_sitereader.moc"
