#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

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
    void build_writesSiteAndSaysSoInOneLine();
    void unknownTemplate_failsWithUsageStatus();
    void templateWithoutSkeleton_failsWithBuildStatus();
    void linkToPageNoLongerThere_warnsOnceAndBuilds();

private:
    void run(const QStringList &arguments);

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

void tst_QuillsiteBuild::run(const QStringList &arguments) {
    m_process.setWorkingDirectory(m_folder->path());
    m_process.start(program, arguments);
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

void tst_QuillsiteBuild::unknownTemplate_failsWithUsageStatus() {
    run({u"--out"_s, u"site"_s, u"--template"_s, u"No Such Design"_s});
    QCOMPARE(m_process.exitCode(), 2);
    QCOMPARE(m_stdout, QString());
    QVERIFY2(m_stderr.startsWith(u"There is no template called \"No Such Design\"."_s),
             qPrintable(m_stderr));
    QVERIFY(!QFileInfo::exists(m_folder->filePath(u"site"_s)));
}

void tst_QuillsiteBuild::templateWithoutSkeleton_failsWithBuildStatus() {
    run({u"--out"_s, u"site"_s, u"--template"_s, dataFolder + u"/broken-template"_s});
    QCOMPARE(m_process.exitCode(), 1);
    QCOMPARE(m_stdout, QString());
    QVERIFY2(m_stderr.contains(dataFolder + u"/broken-template/main.txt"_s), qPrintable(m_stderr));
    QVERIFY(!QFileInfo::exists(m_folder->filePath(u"site/index.htm"_s)));
}

void tst_QuillsiteBuild::linkToPageNoLongerThere_warnsOnceAndBuilds() {
    QFile page(m_folder->filePath(u"home.html"_s));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.write(
        "<p><a href=\"old%20news.htm\">news</a> and <a href=\"old%20news.htm\">again</a></p>");
    page.close();
    run({u"--out"_s, u"site"_s, u"--template"_s, dataFolder + u"/templates/classic"_s, u"--page"_s,
         u"Home=home.html"_s});
    QCOMPARE(m_process.exitCode(), 0);
    QCOMPARE(m_stderr, u"Warning: The page \"Home\" links to \"old news.htm\", which is no longer "
                       "a page of this site; the link leads nowhere.\n"_s);
    QVERIFY2(m_stdout.startsWith(u"Wrote 1 page and"_s), qPrintable(m_stdout));
    QVERIFY(QFile::exists(m_folder->filePath(u"site/index.htm"_s)));
}

QTEST_GUILESS_MAIN(tst_QuillsiteBuild)
#include "tst_quillsitebuild.moc"
