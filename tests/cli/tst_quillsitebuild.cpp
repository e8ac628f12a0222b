// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <csignal>
#include <memory>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString program = QStringLiteral(QUILLSITE_BIN_DIR "/quillsite-build");
const QString dataFolder = QStringLiteral(QUILLSITE_SOURCE_DIR "/tests/cli/data");

QString readText(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

// Runs the real quillsite-build as a user would.
class tst_QuillsiteBuild : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void build_writesSiteAndSaysSoInOneLine();
    void refused_exitStatusNamesTheFault_data();
    void refused_exitStatusNamesTheFault();
    void failure_leavesSiteAsItWas_data();
    void failure_leavesSiteAsItWas();
    void warnings_saidAndSiteBuilt();
    void cutShortBuild_leavesTheOldSite_data();
    void cutShortBuild_leavesTheOldSite();
    void rebuild_removesWhatTheSiteNoLongerUses_data();
    void rebuild_removesWhatTheSiteNoLongerUses();
    void fromSite_rebuildsPagesByteForByte_data();
    void fromSite_rebuildsPagesByteForByte();
    void listPages_showsWhatWouldBeRead_data();
    void listPages_showsWhatWouldBeRead();
    void pictures_areCopiedAndMissingOnesNamed();
    void pictures_withoutPictureModule_refusedWhole();

private:
    void run(const QStringList &arguments, const QString &programPath = program);
    QString writePicturePage();
    QMap<QString, QByteArray> siteFiles() const;

    std::unique_ptr<QTemporaryDir> m_folder;
    QProcess m_process;
    QString m_stdout;
    QString m_stderr;
};

void tst_QuillsiteBuild::init() {
    // A fresh folder for every run, so that no run sees another's site.
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    QVERIFY2(QFile::exists(program), qPrintable(program));
}

void tst_QuillsiteBuild::cleanup() {
    // A site folder a test made read-only, so that the folder can be removed.
    QFile::setPermissions(m_folder->filePath(u"site"_s),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void tst_QuillsiteBuild::run(const QStringList &arguments, const QString &programPath) {
    m_process.setWorkingDirectory(m_folder->path());
    m_process.start(programPath, arguments);
    QVERIFY(m_process.waitForFinished(60000));
    QCOMPARE(m_process.exitStatus(), QProcess::NormalExit);
    m_stdout = QString::fromUtf8(m_process.readAllStandardOutput());
    m_stderr = QString::fromUtf8(m_process.readAllStandardError());
}

void tst_QuillsiteBuild::build_writesSiteAndSaysSoInOneLine() {
    run({u"--out"_s, u"site"_s, u"--template"_s, dataFolder + u"/templates/classic"_s, u"--title"_s,
         u"Test Site"_s, u"--author"_s, u"Ann"_s, u"--page"_s,
         u"Home="_s + dataFolder + u"/pages/home.html"_s, u"--page"_s,
         u"About Me="_s + dataFolder + u"/pages/about.html"_s});

    const QString site = m_folder->filePath(u"site"_s);
    QCOMPARE(m_stderr, QString());
    QCOMPARE(m_stdout, u"Wrote 2 pages and 2 support files to %1\n"_s.arg(site));
    QCOMPARE(m_process.exitCode(), 0);

    const QString home = readText(site + u"/index.htm"_s);
    QVERIFY(home.contains(u"<title>Test Site - Home</title>"_s));
    QVERIFY(
        home.contains(u"<div class=\"page\">\n<p>Welcome to the <b>test</b> site.</p>\n</div>"_s));
    QVERIFY(home.contains(u"<li><a href=\"about%20me.htm\">About Me</a></li>"_s));
    QVERIFY(!home.contains(u"Not the site title"_s));
    const QString about = readText(site + u"/about me.htm"_s);
    QVERIFY(about.contains(u"<h2>About Me</h2>\n<p>Fragments are taken as they are.</p>\n"_s));
    QVERIFY(about.contains(u"<p>By Ann</p>"_s));
    QCOMPARE(readText(site + u"/files/style.css"_s), u"body { font-family: serif; }\n"_s);
    QVERIFY(QFile::exists(site + u"/files/images/dot.gif"_s));
}

void tst_QuillsiteBuild::refused_exitStatusNamesTheFault_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message"); // part of what standard error says
    QTest::addColumn<QString>("absent");  // what is not written

    QTest::newRow("unknown template")
        << QStringList{u"--out"_s, u"site"_s, u"--template"_s, u"No Such Design"_s} << 2
        << u"There is no template called \"No Such Design\"."_s << u"site"_s;
    QTest::newRow("template without main.txt")
        << QStringList{u"--out"_s, u"site"_s, u"--template"_s, dataFolder + u"/broken-template"_s}
        << 1 << dataFolder + u"/broken-template/main.txt"_s << u"site/index.htm"_s;
    QTest::newRow("site to start from missing")
        << QStringList{u"--out"_s, u"site"_s, u"--from"_s, u"no-such-site"_s} << 2
        << u"no-such-site\" does not exist"_s << u"site"_s;
}

void tst_QuillsiteBuild::refused_exitStatusNamesTheFault() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, message);
    QFETCH(QString, absent);

    run(arguments);
    QCOMPARE(m_process.exitCode(), status);
    QCOMPARE(m_stdout, QString());
    QVERIFY2(m_stderr.contains(message), qPrintable(m_stderr));
    QVERIFY(!QFileInfo::exists(m_folder->filePath(absent)));
}

QMap<QString, QByteArray> tst_QuillsiteBuild::siteFiles() const {
    QMap<QString, QByteArray> files;
    const QString site = m_folder->filePath(u"site"_s);
    QDirIterator it(site, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        files.insert(QDir(site).relativeFilePath(file.fileName()),
                     file.open(QIODevice::ReadOnly) ? file.readAll() : "<unreadable>"_ba);
    }
    return files;
}

void tst_QuillsiteBuild::failure_leavesSiteAsItWas_data() {
    QTest::addColumn<QStringList>("arguments"); // after --out site --template <classic>
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("error"); // the start of the last line on standard error

    const QString about = u"About="_s + dataFolder + u"/pages/about.html"_s;
    QTest::newRow("no Home under --strict")
        << QStringList{u"--strict"_s, u"--page"_s, about} << 1
        << u"Error: No page is named \"Home\", so the site has no index.htm"_s;
    QTest::newRow("frameset page under --strict")
        << QStringList{u"--strict"_s, u"--page"_s, u"Home=frames.html"_s} << 1
        << u"Error: The page file \"%1/frames.html\" is a frameset document"_s;
    QTest::newRow("missing picture under --strict")
        << QStringList{u"--strict"_s, u"--page"_s, u"Home=missing.html"_s} << 1
        << u"Could not copy the picture or file \"%1/gone.jpg\": It is missing or can't be read"_s;
    QTest::newRow("link to a page not in the site under --strict")
        << QStringList{u"--strict"_s, u"--page"_s, u"Home=dangling.html"_s} << 1
        << u"Error: The page \"Home\" links to \"gone.htm\", which is no longer a page"_s;
    QTest::newRow("page file is a pipe")
        << QStringList{u"--page"_s, u"Home=pipe"_s} << 2
        << u"Could not read the page file \"%1/pipe\": It is not an ordinary file"_s;
    QTest::newRow("page file is an endless device")
        << QStringList{u"--page"_s, u"Home=/dev/urandom"_s} << 2
        << u"Could not read the page file \"/dev/urandom\": It is not an ordinary file"_s;
    QTest::newRow("page name with a slash, said once")
        << QStringList{u"--page"_s, u"A/B="_s + dataFolder + u"/pages/about.html"_s} << 2
        << u"The page name \"A/B\" contains \"/\", which can't be part of a file name."_s;
    QTest::newRow("page file of --from linked to a file elsewhere, under --strict")
        << QStringList{u"--strict"_s, u"--from"_s, u"from"_s} << 1
        << u"Error: The page \"About\" (file \"about.htm\") could not be read (It is a symbolic "
           "link to a file elsewhere"_s;
    QTest::newRow("page file of --from is a pipe, under --strict")
        << QStringList{u"--strict"_s, u"--from"_s, u"from"_s} << 1
        << u"Error: The page \"About\" (file \"about.htm\") could not be read (It is not an "
           "ordinary file"_s;
    QTest::newRow("control character in --title")
        << QStringList{u"--title"_s, u"My\u001b[2JSite"_s} << 2
        << u"The title contains a control character"_s;
    QTest::newRow("read-only site folder")
        << QStringList{u"--page"_s, about} << 1
        << u"Could not write in the folder \"%1/site\": You are not allowed to write"_s;
}

void tst_QuillsiteBuild::failure_leavesSiteAsItWas() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, error);
    const QString site = m_folder->filePath(u"site"_s);
    QVERIFY(QDir().mkpath(site + u"/files"_s));
    QFile old(site + u"/index.htm"_s);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old home") == 8);
    old.close();
    QFile frames(m_folder->filePath(u"frames.html"_s));
    QVERIFY(frames.open(QIODevice::WriteOnly) && frames.write("<frameset></frameset>") > 0);
    frames.close();
    QFile missing(m_folder->filePath(u"missing.html"_s));
    QVERIFY(missing.open(QIODevice::WriteOnly) && missing.write("<img src=\"gone.jpg\">") > 0);
    missing.close();
    QFile dangling(m_folder->filePath(u"dangling.html"_s));
    QVERIFY(dangling.open(QIODevice::WriteOnly) &&
            dangling.write("<p><a href=\"gone.htm\">Old page</a></p>") > 0);
    dangling.close();
    QCOMPARE(::mkfifo(QFile::encodeName(m_folder->filePath(u"pipe"_s)).constData(), 0600), 0);
    if (arguments.contains(u"--from"_s)) {
        // A site to start from whose second page is no longer a file of its own.
        run({u"--out"_s, u"from"_s, u"--template"_s, dataFolder + u"/templates/classic"_s,
             u"--page"_s, u"Home="_s + dataFolder + u"/pages/home.html"_s, u"--page"_s,
             u"About="_s + dataFolder + u"/pages/about.html"_s});
        QCOMPARE(m_process.exitCode(), 0);
        const QString page = m_folder->filePath(u"from/about.htm"_s);
        QVERIFY(QFile::remove(page));
        if (QByteArrayView(QTest::currentDataTag()).contains("pipe"))
            QCOMPARE(::mkfifo(QFile::encodeName(page).constData(), 0600), 0);
        else
            QVERIFY(QFile::link(m_folder->filePath(u"missing.html"_s), page));
    }
    if (QTest::currentDataTag() == QByteArrayView("read-only site folder")) {
        if (::geteuid() == 0)
            QSKIP("Permissions do not bind the superuser");
        QVERIFY(QFile::setPermissions(site, QFile::ReadOwner | QFile::ExeOwner));
    }
    const QMap<QString, QByteArray> before = siteFiles();

    run(QStringList{u"--out"_s, u"site"_s, u"--template"_s, dataFolder + u"/templates/classic"_s} +
        arguments);
    QCOMPARE(m_process.exitCode(), exitCode);
    QCOMPARE(m_stdout, QString());
    const QString lastLine = m_stderr.trimmed().section(u'\n', -1);
    QVERIFY2(lastLine.startsWith(error.arg(m_folder->path())), qPrintable(m_stderr));
    QCOMPARE(siteFiles(), before);
}

void tst_QuillsiteBuild::warnings_saidAndSiteBuilt() {
    QFile frames(m_folder->filePath(u"frames.html"_s));
    QVERIFY(frames.open(QIODevice::WriteOnly) && frames.write("<frameset></frameset>") > 0);
    frames.close();
    run({u"--out"_s, u"site"_s, u"--template"_s, dataFolder + u"/templates/classic"_s, u"--page"_s,
         u"Start=frames.html"_s});
    QCOMPARE(m_process.exitCode(), 0);
    QCOMPARE(m_stderr,
             u"Warning: The page file \"%1/frames.html\" is a frameset document, which has no "
             "body, so its page is empty.\n"
             "Warning: No page is named \"Home\", so the site has no index.htm: visitors start at "
             "its first page, \"Start\", in \"start.htm\". Name a page Home to give the site its "
             "usual start page.\n"_s.arg(m_folder->path()));
    QVERIFY(QFile::exists(m_folder->filePath(u"site/start.htm"_s)));
}

void tst_QuillsiteBuild::cutShortBuild_leavesTheOldSite_data() {
    QTest::addColumn<bool>("killed"); // else the system refuses the write, and the build fails

    QTest::newRow("killed by the system") << true;
    QTest::newRow("a write refused") << false;
}

void tst_QuillsiteBuild::cutShortBuild_leavesTheOldSite() {
    QFETCH(bool, killed);
    // Pages of about 200 KB each, over the file size limit the cut-short build has.
    QFile big(m_folder->filePath(u"big.html"_s));
    QVERIFY(big.open(QIODevice::WriteOnly));
    for (int i = 0; i < 4000; ++i)
        big.write("<p>Words upon words, line upon line, to make a large page.</p>\n");
    big.close();
    const auto arguments = [](const QString &title, int pages) {
        QStringList list{u"--out"_s,      u"site"_s,
                         u"--template"_s, dataFolder + u"/templates/classic"_s,
                         u"--title"_s,    title};
        for (int i = 0; i < pages; ++i)
            list << u"--page"_s << (i == 0 ? u"Home"_s : u"Page %1"_s.arg(i)) + u"=big.html"_s;
        return list;
    };
    run(arguments(u"Old Title"_s, 100));
    QCOMPARE(m_process.exitCode(), 0);

    // A rebuild that changes the title and adds a page, cut short by the
    // system as it writes its first pages, over a file size limit well under
    // a page's: while its files wait under temporary names, whatever the
    // machine's speed. Killed, it leaves them; failing, it removes them.
    const QDir site(m_folder->filePath(u"site"_s));
    const auto temporaries = [&site] {
        return site.entryList({u".quillsite-*"_s}, QDir::Files | QDir::Hidden);
    };
    QProcess cutShort;
    cutShort.setWorkingDirectory(m_folder->path());
    cutShort.setProcessChannelMode(QProcess::MergedChannels);
    cutShort.setChildProcessModifier([killed] {
        const rlimit noCore{0, 0};
        const rlimit fileSize{100 * 1024, 100 * 1024};
        ::setrlimit(RLIMIT_CORE, &noCore);
        ::setrlimit(RLIMIT_FSIZE, &fileSize);
        if (!killed)
            ::signal(SIGXFSZ, SIG_IGN);
    });
    cutShort.start(program, arguments(u"New Title"_s, 101));
    QVERIFY(cutShort.waitForFinished(60000));
    if (killed) {
        QCOMPARE(cutShort.exitStatus(), QProcess::CrashExit);
        QVERIFY(!temporaries().isEmpty());
    } else {
        QCOMPARE(cutShort.exitStatus(), QProcess::NormalExit);
        QCOMPARE(cutShort.exitCode(), 1);
        const QString output = QString::fromUtf8(cutShort.readAll());
        QVERIFY2(output.startsWith(u"Could not write the page file"_s), qPrintable(output));
        QCOMPARE(temporaries(), QStringList());
    }

    const QMap<QString, QByteArray> files = siteFiles();
    const QByteArray home = files.value(u"index.htm"_s);
    const QByteArray title = "Old Title";
    for (auto [name, bytes] : files.asKeyValueRange()) {
        if (!name.endsWith(u".htm"_s))
            continue;
        QVERIFY2(bytes.endsWith("</html>\r\n"), qPrintable(name));
        QVERIFY2(bytes.contains(title), qPrintable(name)); // not a mix of both
    }
    static const QRegularExpression link(u"href=\"([^\"]+\\.htm)\""_s);
    for (const QRegularExpressionMatch &match : link.globalMatch(QString::fromUtf8(home))) {
        const QString file = QUrl::fromPercentEncoding(match.captured(1).toUtf8());
        QVERIFY2(files.contains(file), qPrintable(file));
    }

    // The next build finishes the site and clears what the killed one left.
    run(arguments(u"New Title"_s, 101));
    QCOMPARE(m_process.exitCode(), 0);
    QCOMPARE(temporaries(), QStringList());
    QVERIFY(readText(site.filePath(u"page 100.htm"_s)).contains(u"New Title"_s));
}

void tst_QuillsiteBuild::rebuild_removesWhatTheSiteNoLongerUses_data() {
    QTest::addColumn<QStringList>("options"); // of the second build
    QTest::addColumn<QStringList>("removed");

    // Only a site built with an installed template is known for what it is.
    QTest::newRow("removed page, picture and template files")
        << QStringList{u"--template"_s, u"paper"_s}
        << QStringList{u"about.htm"_s, u"media/dot.png"_s, u"files/flowers.svg"_s,
                       u"files/hills.svg"_s, u"files/sun.svg"_s};
    QTest::newRow("kept with --keep-unused")
        << QStringList{u"--template"_s, u"paper"_s, u"--keep-unused"_s} << QStringList();
}

void tst_QuillsiteBuild::rebuild_removesWhatTheSiteNoLongerUses() {
    QFETCH(QStringList, options);
    QFETCH(QStringList, removed);
    QFile picture(m_folder->filePath(u"dot.png"_s)); // one pixel
    QVERIFY(picture.open(QIODevice::WriteOnly));
    picture.write(QByteArray::fromBase64("iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR4"
                                         "2mP8z8BQDwAEhQGAhKmMIQAAAABJRU5ErkJggg=="));
    picture.close();
    QFile page(m_folder->filePath(u"home.html"_s));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.write("<p><img src=\"dot.png\"></p>");
    page.close();
    run({u"--out"_s, u"site"_s, u"--template"_s, u"meadow"_s, u"--page"_s, u"Home=home.html"_s,
         u"--page"_s, u"About="_s + dataFolder + u"/pages/about.html"_s});
    QCOMPARE(m_process.exitCode(), 0);
    // The user's own files, which no build removes.
    const QDir site(m_folder->filePath(u"site"_s));
    const QStringList own{u"notes.txt"_s, u"media/keep.png"_s};
    for (const QString &file : own)
        QVERIFY(QFile::copy(picture.fileName(), site.filePath(file)));

    run(QStringList{u"--out"_s, u"site"_s, u"--page"_s,
                    u"Home="_s + dataFolder + u"/pages/home.html"_s} +
        options);
    QCOMPARE(m_process.exitCode(), 0);
    QString said;
    if (!removed.isEmpty())
        said = u"Removed %1 files the site no longer uses:\n  "_s.arg(removed.size()) +
               removed.join(u"\n  "_s) + u'\n';
    QCOMPARE(m_stderr, said);
    for (const QString &file : removed)
        QVERIFY2(!site.exists(file), qPrintable(file));
    for (const QString &file : own)
        QVERIFY2(site.exists(file), qPrintable(file));
    QCOMPARE(site.exists(u"about.htm"_s), removed.isEmpty());
}

// A page showing a picture and a picture that is missing; returns the page's folder.
QString tst_QuillsiteBuild::writePicturePage() {
    const QString pages = m_folder->filePath(u"my pages"_s);
    if (!QDir().mkpath(pages + u"/pictures"_s))
        qFatal("can't make %s", qPrintable(pages));
    QFile picture(pages + u"/pictures/Dot One.png"_s); // one pixel
    QFile page(pages + u"/home.html"_s);
    if (!picture.open(QIODevice::WriteOnly) || !page.open(QIODevice::WriteOnly))
        qFatal("can't write into %s", qPrintable(pages));
    picture.write(QByteArray::fromBase64("iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR4"
                                         "2mP8z8BQDwAEhQGAhKmMIQAAAABJRU5ErkJggg=="));
    page.write("<p><img src=\"pictures/Dot%20One.png\"><img src=\"gone.jpg\"></p>");
    return pages;
}

void tst_QuillsiteBuild::pictures_areCopiedAndMissingOnesNamed() {
    const QString pages = writePicturePage();

    run(QStringList{u"--out"_s, u"site"_s, u"--template"_s, dataFolder + u"/templates/classic"_s,
                    u"--page"_s, u"Home=my pages/home.html"_s});

    const QString site = m_folder->filePath(u"site"_s);
    QCOMPARE(m_stderr, u"Warning: The page \"Home\" shows or links to a file that is missing or "
                       "can't be read: %1/gone.jpg\n"_s.arg(pages));
    QCOMPARE(m_stdout, u"Wrote 1 page, 2 support files and 1 picture or file to %1; 1 file is "
                       "missing (see above)\n"_s.arg(site));
    QCOMPARE(m_process.exitCode(), 0);
    QVERIFY2(readText(site + u"/index.htm"_s)
                 .contains(u"<img src=\"media/dot-one.png\" width=\"1\" height=\"1\">"_s),
             qPrintable(readText(site + u"/index.htm"_s)));
    QVERIFY(QFile::exists(site + u"/media/dot-one.png"_s));
}

// A program installed without the module that reads pictures refuses a site
// with pictures rather than copy them unread, and still builds one without.
void tst_QuillsiteBuild::pictures_withoutPictureModule_refusedWhole() {
    const QString pages = writePicturePage();
    const QString alone = m_folder->filePath(u"alone/bin/quillsite-build"_s);
    QVERIFY(QDir().mkpath(m_folder->filePath(u"alone/bin"_s)));
    QVERIFY(QFile::copy(program, alone));
    const QStringList common{u"--template"_s, dataFolder + u"/templates/classic"_s};

    run(QStringList{u"--out"_s, u"site"_s, u"--page"_s, u"Home=my pages/home.html"_s} + common,
        alone);
    QCOMPARE(m_process.exitCode(), 1);
    QVERIFY2(m_stderr.startsWith(u"Could not load the picture support \"%1\": "_s.arg(
                 m_folder->filePath(u"alone/lib/quillsite/modules/quillsite-pictures.so"_s))),
             qPrintable(m_stderr));
    QVERIFY(!QFile::exists(m_folder->filePath(u"site"_s)));

    QFile plain(pages + u"/plain.html"_s);
    QVERIFY(plain.open(QIODevice::WriteOnly) && plain.write("<p>Words only</p>") > 0);
    plain.close();
    run(QStringList{u"--out"_s, u"site"_s, u"--page"_s, u"Home=my pages/plain.html"_s} + common,
        alone);
    QCOMPARE(m_process.exitCode(), 0);
    QVERIFY(readText(m_folder->filePath(u"site/index.htm"_s)).contains(u"Words only"_s));
}

void tst_QuillsiteBuild::fromSite_rebuildsPagesByteForByte_data() {
    QTest::addColumn<QStringList>("arguments"); // title, author and pages
    QTest::addColumn<QByteArray>("aboutBytes"); // put into the About page's content; may be empty
    QTest::addColumn<QString>("warning");       // what standard error says of the rebuild

    const QString about = dataFolder + u"/pages/about.html"_s;
    QTest::newRow("markup, ampersand and quotes in title, author and names")
        << QStringList{u"--title"_s,  u"<script>alert(1)</script> & \"Co\""_s,
                       u"--author"_s, u"Ann <ann@example.org>"_s,
                       u"--page"_s,   u"Home="_s + about,
                       u"--page"_s,   u"Tom & Jerry <b>="_s + about}
        << QByteArray() << QString();
    QTest::newRow("page that is not UTF-8 kept and named")
        << QStringList{u"--title"_s, u"Club"_s,          u"--author"_s, u"Ann"_s,
                       u"--page"_s,  u"Home="_s + about, u"--page"_s,   u"About="_s + about}
        << QByteArray("<p>Gr\xc3\xbc\xc3\x9f"
                      "e \xfc</p>")
        << u"Warning: The page \"About\" (file \"about.htm\") is not valid UTF-8 and names no "
           "other encoding. Its bytes are kept as they are, but some of its characters may show "
           "wrongly; save the file as UTF-8 to be sure.\n"_s;
}

void tst_QuillsiteBuild::fromSite_rebuildsPagesByteForByte() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, aboutBytes);
    QFETCH(QString, warning);
    const QString classic = dataFolder + u"/templates/classic"_s;
    run(QStringList{u"--out"_s, u"site"_s, u"--template"_s, classic} + arguments);
    QCOMPARE(m_process.exitCode(), 0);
    if (!aboutBytes.isEmpty()) {
        QFile page(m_folder->filePath(u"site/about.htm"_s));
        QVERIFY(page.open(QIODevice::ReadWrite));
        const QByteArray edited =
            page.readAll().replace("</div>", QByteArray(aboutBytes + "</div>"));
        QVERIFY(page.resize(0) && page.write(edited) == edited.size());
    }
    const QMap<QString, QByteArray> built = siteFiles();

    run({u"--from"_s, u"site"_s, u"--template"_s, classic, u"--out"_s, u"site"_s});
    QCOMPARE(m_stderr, warning);
    QCOMPARE(m_process.exitCode(), 0);
    QCOMPARE(siteFiles(), built);
}

void tst_QuillsiteBuild::listPages_showsWhatWouldBeRead_data() {
    QTest::addColumn<QString>("templateArgument"); // for the build and the listing
    QTest::addColumn<QString>("title");
    QTest::addColumn<QByteArrayList>("edit"); // a hand edit on every page: what becomes what
    QTest::addColumn<bool>("homeRemoved");
    QTest::addColumn<QString>("listing"); // %1: the template's path
    QTest::addColumn<QString>("warning"); // how standard error starts

    const QString pathTemplate = dataFolder + u"/templates/classic"_s;
    // The home page is gone, so the site is read from the other page's menu.
    QTest::newRow("read from another page's menu")
        << u"paper"_s << u"Club"_s << QByteArrayList() << true
        << u"Template: Paper [paper]\nTitle: Club\nAuthor: Ann\nPages:\n"
           "    Q&A: 100% (q&a: 100%.htm)\n"_s
        << u"Warning: The page \"Home\" is in the menu, but its file \"index.htm\" is missing"_s;
    QTest::newRow("template given by path, text as typed")
        << pathTemplate << u"<b>Tom</b> & \"Jerry\""_s << QByteArrayList() << false
        << u"Template: %1\nTitle: <b>Tom</b> & \"Jerry\"\nAuthor: Ann\nPages:\n"
           "    Home (index.htm)\n    Q&A: 100% (q&a: 100%.htm)\n"_s
        << QString();
    QTest::newRow("control characters a hand edit put in escaped")
        << pathTemplate << u"Club"_s << QByteArrayList{"Club", "Cl&#27;]0;owned&#7;b"} << false
        << u"Template: %1\nTitle: Cl\\x1b]0;owned\\x07b\nAuthor: Ann\nPages:\n"
           "    Home (index.htm)\n    Q&A: 100% (q&a: 100%.htm)\n"_s
        << QString();
    QTest::newRow("control character in a menu entry escaped in the warning")
        << pathTemplate << u"Club"_s << QByteArrayList{"Q&amp;A", "Q&#27;A"} << false
        << u"Template: %1\nTitle: Club\nAuthor: Ann\nPages:\n    Home (index.htm)\n"_s
        << u"Warning: The menu entry \"Q\\x1bA: 100%\" can't be opened as a page, so it was left "
           "out.\n"_s;
}

void tst_QuillsiteBuild::listPages_showsWhatWouldBeRead() {
    QFETCH(QString, templateArgument);
    QFETCH(QString, title);
    QFETCH(QByteArrayList, edit);
    QFETCH(bool, homeRemoved);
    QFETCH(QString, listing);
    QFETCH(QString, warning);
    run({u"--out"_s, u"site"_s, u"--template"_s, templateArgument, u"--title"_s, title,
         u"--author"_s, u"Ann"_s, u"--page"_s, u"Home="_s + dataFolder + u"/pages/home.html"_s,
         u"--page"_s, u"Q&A: 100%="_s + dataFolder + u"/pages/about.html"_s});
    QCOMPARE(m_process.exitCode(), 0);
    const QMap<QString, QByteArray> built = siteFiles();
    for (auto it = built.cbegin(); it != built.cend() && !edit.isEmpty(); ++it) {
        QFile page(m_folder->filePath(u"site/"_s + it.key()));
        QVERIFY(page.open(QIODevice::WriteOnly | QIODevice::Truncate));
        page.write(QByteArray(it.value()).replace(edit[0], edit[1]));
    }
    if (homeRemoved)
        QVERIFY(QFile::remove(m_folder->filePath(u"site/index.htm"_s)));

    run({u"--list-pages"_s, u"site"_s, u"--template"_s, templateArgument});
    QCOMPARE(m_process.exitCode(), 0);
    QCOMPARE(m_stdout, listing.contains(u"%1"_s) ? listing.arg(templateArgument) : listing);
    QVERIFY2(m_stderr.startsWith(warning), qPrintable(m_stderr));
    if (warning.isEmpty())
        QCOMPARE(m_stderr, QString());
}

QTEST_GUILESS_MAIN(tst_QuillsiteBuild)
#include "tst_quillsitebuild.moc"
