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
    void noMatchingTemplate_opensMainElements();
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

void TestSiteReader::noMatchingTemplate_opensMainElements() {
    writeFile(m_site + u"/index.htm"_s,
              "<!DOCTYPE html><html><body><nav>menu</nav><main><p>Hi</p></main></body></html>");
    writeFile(m_site + u"/notes.htm"_s, "<html><body><p>Just a body</p></body></html>");

    const ReadSite read = readBuiltSite(m_site, installed());
    QVERIFY(read.error.isEmpty());
    QVERIFY(read.site.templateFolder.isEmpty());
    QCOMPARE(read.problems.size(), 1);
    QCOMPARE(read.site.pages.size(), 2);
    QCOMPARE(read.site.pages[0].name, u"Home"_s);
    QCOMPARE(read.site.pages[0].body, u"<p>Hi</p>"_s);
    QCOMPARE(read.site.pages[1].name, u"notes"_s);
    QCOMPARE(read.site.pages[1].body, u"<p>Just a body</p>"_s);
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
