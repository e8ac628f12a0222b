// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Builds a site from every bundled template with quillsite-build and walks it
// in headless Chromium, as a visitor would, through tests/e2e/check-site.mjs:
// its links and files, and, with axe-core, its accessibility and its menu at
// desktop and at phone width, and its content as the editor shows it.

#include "sitefixture.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;
using namespace quillsite::e2e;

namespace {

// The files the awkwardly named pages become, in menu order.
const QStringList expectedFiles{u"index.htm"_s, u"about me.htm"_s, u"q&a #1.htm"_s, u"why?.htm"_s,
                                u"café über.htm"_s};

QString fileOf(const QJsonValue &url) {
    return QFileInfo(QUrl(url.toString()).toLocalFile()).fileName();
}

QStringList filesOf(const QJsonArray &urls) {
    QStringList files;
    for (const QJsonValue &url : urls)
        files.append(fileOf(url));
    return files;
}

// Every resource of every page that failed, one line each.
QStringList failuresIn(const QJsonObject &report) {
    QStringList failures;
    for (const QJsonValue &value : report[u"pages"_s].toArray()) {
        const QJsonObject page = value.toObject();
        const QString where = fileOf(page[u"url"_s]);
        if (const QString error = page[u"loadError"_s].toString(); !error.isEmpty())
            failures.append(where + u": page did not load: "_s + error);
        for (const QJsonValue &request : page[u"failedRequests"_s].toArray()) {
            failures.append(where + u": "_s + request[u"url"_s].toString() + u" failed: "_s +
                            request[u"error"_s].toString());
        }
        for (const QJsonValue &picture : page[u"picturesNotLoaded"_s].toArray())
            failures.append(where + u": picture not shown: "_s + picture.toString());
        for (const QJsonValue &error : page[u"scriptErrors"_s].toArray())
            failures.append(where + u": script error: "_s + error.toString());
    }
    return failures;
}

// What the audit saw of a page in one view ("desktop", "phone", ...).
QJsonObject viewOf(const QJsonValue &page, const QString &name) {
    for (const QJsonValue &view : page[u"views"_s].toArray()) {
        if (view[u"name"_s].toString() == name)
            return view.toObject();
    }
    return {};
}

// Every accessibility fault axe-core found, one line per rule, page and view.
QStringList accessibilityFaultsIn(const QJsonObject &report) {
    QStringList faults;
    for (const QJsonValue &page : report[u"pages"_s].toArray()) {
        for (const QJsonValue &view : page[u"views"_s].toArray()) {
            for (const QJsonValue &violation : view[u"violations"_s].toArray()) {
                QStringList targets;
                for (const QJsonValue &target : violation[u"targets"_s].toArray())
                    targets.append(target.toString());
                faults.append(u"%1 (%2): %3: %4 [%5]"_s.arg(
                    fileOf(page[u"url"_s]), view[u"name"_s].toString(),
                    violation[u"id"_s].toString(), violation[u"help"_s].toString(),
                    targets.join(u", "_s)));
            }
        }
    }
    return faults;
}

void writeFile(const QString &path, const QByteArray &content) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
}

void writePicture(const QString &path, QSize size, QColor colour) {
    QDir().mkpath(QFileInfo(path).path());
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    if (!picture.save(path))
        qFatal("cannot write %s", qPrintable(path));
}

// Serves a folder over HTTP on the loopback address for as long as it lives.
class LoopbackServer final {
public:
    explicit LoopbackServer(const QString &folder) {
        m_server.start(u"python3"_s, {u"-u"_s, u"-m"_s, u"http.server"_s, u"0"_s, u"--bind"_s,
                                      u"127.0.0.1"_s, u"--directory"_s, folder});
        // "Serving HTTP on 127.0.0.1 port 40123 (http://127.0.0.1:40123/) ..."
        while (m_address.isEmpty() && m_server.waitForReadyRead(10000)) {
            const QString said = QString::fromUtf8(m_server.readAllStandardOutput());
            const qsizetype at = said.indexOf(u"(http://"_s);
            if (at >= 0)
                m_address = said.mid(at + 1, said.indexOf(u')', at) - at - 1);
        }
    }
    ~LoopbackServer() {
        m_server.kill();
        m_server.waitForFinished();
    }
    QString address() const { return m_address; } // empty when the server did not start

private:
    QProcess m_server;
    QString m_address;
};

} // namespace

class TestSiteInBrowser final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyMenuLinkReachesItsPage_data();
    void everyMenuLinkReachesItsPage();
    void everyStyleSheetAndPictureLoads_data();
    void everyStyleSheetAndPictureLoads();
    void brokenSite_failuresAreReported();
    void everyPage_hasNoAccessibilityFault_data();
    void everyPage_hasNoAccessibilityFault();
    void longMenu_foldsOnPhoneAndOpensWithoutJavaScript_data();
    void longMenu_foldsOnPhoneAndOpensWithoutJavaScript();
    void widePicture_staysInTheContentColumn_data();
    void widePicture_staysInTheContentColumn();
    void editorStyleSheet_looksLikeThePageContent_data();
    void editorStyleSheet_looksLikeThePageContent();
    void pictures_showWhenSiteIsMovedAndServed();

private:
    enum class Walk { Links, Audit };

    void addTemplateRows();
    QJsonObject walk(const QString &site, Walk kind = Walk::Links);
    const QJsonObject &reportFor(const QString &templateFolder, Walk kind = Walk::Links);

    QString m_chromium;
    QString m_node;
    bool m_axeInstalled = false;
    QTemporaryDir m_sites;
    QHash<QString, QJsonObject> m_reports;
};

void TestSiteInBrowser::initTestCase() {
    m_chromium = QStandardPaths::findExecutable(u"chromium"_s);
    if (m_chromium.isEmpty())
        m_chromium = QStandardPaths::findExecutable(u"chromium-browser"_s);
    if (m_chromium.isEmpty())
        QSKIP("Chromium is not installed (scripts/setup.sh installs it)");
    m_node = QStandardPaths::findExecutable(u"node"_s);
    if (m_node.isEmpty())
        QSKIP("Node.js is not installed (scripts/setup.sh installs it)");
    QVERIFY2(QFileInfo(builderPath()).isExecutable(),
             qPrintable(u"quillsite-build is missing: "_s + builderPath()));
    QVERIFY2(!bundledTemplates().isEmpty(), "no bundled template beside the programs");
    QVERIFY(m_sites.isValid());
    m_axeInstalled = QFileInfo::exists(QStringLiteral(QUILLSITE_SOURCE_DIR) +
                                       u"/node_modules/axe-core/axe.min.js"_s);
}

void TestSiteInBrowser::addTemplateRows() {
    QTest::addColumn<QString>("templateFolder");
    for (const QString &folder : bundledTemplates())
        QTest::newRow(qPrintable(QFileInfo(folder).fileName())) << folder;
}

// Walks the site in a folder, or at the address of a server serving it.
QJsonObject TestSiteInBrowser::walk(const QString &site, Walk kind) {
    QStringList arguments{QStringLiteral(QUILLSITE_SOURCE_DIR) + u"/tests/e2e/check-site.mjs"_s};
    if (kind == Walk::Audit)
        arguments.append(u"--audit"_s);
    QProcess checker;
    checker.start(m_node, arguments + QStringList{m_chromium, site});
    if (!checker.waitForFinished(180000) || checker.exitCode() != 0) {
        qWarning().noquote() << "check-site.mjs failed:" << checker.errorString()
                             << checker.readAllStandardError();
        return {};
    }
    return QJsonDocument::fromJson(checker.readAllStandardOutput()).object();
}

// Each template's site is built and walked once for all the checks on its
// links and files: its pages have awkward names. The audit walks a site of
// twelve pages, whose menu is long.
const QJsonObject &TestSiteInBrowser::reportFor(const QString &templateFolder, Walk kind) {
    const bool audit = kind == Walk::Audit;
    const QString site =
        m_sites.filePath(QFileInfo(templateFolder).fileName() + (audit ? u"-audit"_s : u""_s));
    if (!m_reports.contains(site)) {
        const QString problem =
            buildSite(templateFolder, site, audit ? twelvePages() : awkwardlyNamedPages());
        if (!problem.isEmpty())
            qWarning().noquote() << problem;
        m_reports.insert(site, problem.isEmpty() ? walk(site, kind) : QJsonObject());
    }
    return m_reports[site];
}

void TestSiteInBrowser::everyMenuLinkReachesItsPage_data() {
    addTemplateRows();
}

void TestSiteInBrowser::everyMenuLinkReachesItsPage() {
    QFETCH(QString, templateFolder);
    const QJsonObject &report = reportFor(templateFolder);
    const QJsonArray pages = report[u"pages"_s].toArray();
    QVERIFY2(!pages.isEmpty(), "the site could not be built or walked; see the warnings above");

    QStringList reached;
    for (const QJsonValue &value : pages) {
        const QJsonObject page = value.toObject();
        const QString file = fileOf(page[u"url"_s]);
        QVERIFY2(page[u"loadError"_s].toString().isEmpty(),
                 qPrintable(u"a link leads to %1, which does not load: %2"_s.arg(
                     file, page[u"loadError"_s].toString())));
        QCOMPARE(filesOf(page[u"menuLinks"_s].toArray()), expectedFiles);
        reached.append(file);
    }
    reached.sort();
    QStringList expected = expectedFiles;
    expected.sort();
    QCOMPARE(reached, expected);
}

void TestSiteInBrowser::everyStyleSheetAndPictureLoads_data() {
    addTemplateRows();
}

void TestSiteInBrowser::everyStyleSheetAndPictureLoads() {
    QFETCH(QString, templateFolder);
    const QJsonObject &report = reportFor(templateFolder);
    QVERIFY2(!report[u"pages"_s].toArray().isEmpty(),
             "the site could not be built or walked; see the warnings above");
    const QStringList failures = failuresIn(report);
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(u'\n')));
}

// The walk must notice what a visitor would: a missing style sheet and a menu
// link to a page that is gone.
void TestSiteInBrowser::brokenSite_failuresAreReported() {
    const QString site = m_sites.filePath(u"broken"_s);
    const QString problem = buildSite(bundledTemplates().first(), site, awkwardlyNamedPages());
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY(QFile::remove(site + u"/files/style.css"_s));
    QVERIFY(QFile::remove(site + u"/why?.htm"_s));

    const QStringList failures = failuresIn(walk(site));

    QVERIFY2(failures.contains(u"why?.htm: page did not load: net::ERR_FILE_NOT_FOUND"_s),
             qPrintable(failures.join(u'\n')));
    const QString sheet = QUrl::fromLocalFile(site + u"/files/style.css"_s).toString();
    QVERIFY2(failures.contains(u"index.htm: "_s + sheet + u" failed: net::ERR_FILE_NOT_FOUND"_s),
             qPrintable(failures.join(u'\n')));
}

void TestSiteInBrowser::everyPage_hasNoAccessibilityFault_data() {
    addTemplateRows();
}

// Every rule axe-core runs by default, at desktop width, at phone width and
// on a phone with the menu unfolded.
void TestSiteInBrowser::everyPage_hasNoAccessibilityFault() {
    QFETCH(QString, templateFolder);
    if (!m_axeInstalled)
        QSKIP("axe-core is not installed (scripts/setup.sh installs it)");
    const QJsonObject &report = reportFor(templateFolder, Walk::Audit);
    QCOMPARE(report[u"pages"_s].toArray().size(), twelvePages().size());
    const QStringList faults = accessibilityFaultsIn(report);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void TestSiteInBrowser::longMenu_foldsOnPhoneAndOpensWithoutJavaScript_data() {
    addTemplateRows();
}

// Folded on a phone, a menu of twelve entries is one row, a tenth of the first
// screen at most; a tap on its button shows every entry with the page's
// scripts switched off; a desktop shows every entry at once.
void TestSiteInBrowser::longMenu_foldsOnPhoneAndOpensWithoutJavaScript() {
    QFETCH(QString, templateFolder);
    if (!m_axeInstalled)
        QSKIP("axe-core is not installed (scripts/setup.sh installs it)");
    const QJsonArray pages = reportFor(templateFolder, Walk::Audit)[u"pages"_s].toArray();
    QVERIFY2(!pages.isEmpty(), "the site could not be built or walked; see the warnings above");
    const int entries = int(twelvePages().size());
    for (const QJsonValue &page : pages) {
        const QJsonObject phone = viewOf(page, u"phone"_s);
        QVERIFY2(phone[u"menuHeight"_s].toInt() > 0, qPrintable(fileOf(page[u"url"_s])));
        QVERIFY2(phone[u"menuHeight"_s].toInt() <= phone[u"height"_s].toInt() / 10,
                 qPrintable(u"%1: the menu is %2 pixels high"_s.arg(
                     fileOf(page[u"url"_s]), QString::number(phone[u"menuHeight"_s].toInt()))));
        QCOMPARE(viewOf(page, u"phone, menu tapped"_s)[u"menuLinksShown"_s].toInt(), entries);
        QCOMPARE(viewOf(page, u"desktop"_s)[u"menuLinksShown"_s].toInt(), entries);
    }
}

void TestSiteInBrowser::widePicture_staysInTheContentColumn_data() {
    addTemplateRows();
}

// A picture wider than any screen is scaled down to the content column, at
// desktop and at phone width, and keeps its shape.
void TestSiteInBrowser::widePicture_staysInTheContentColumn() {
    QFETCH(QString, templateFolder);
    if (!m_axeInstalled)
        QSKIP("axe-core is not installed (scripts/setup.sh installs it)");
    const QJsonArray pages = reportFor(templateFolder, Walk::Audit)[u"pages"_s].toArray();
    QVERIFY2(!pages.isEmpty(), "the site could not be built or walked; see the warnings above");
    int picturesSeen = 0;
    for (const QJsonValue &page : pages) {
        for (const QJsonValue &view : page[u"views"_s].toArray()) {
            picturesSeen += view[u"contentPictures"_s].toInt();
            const QJsonArray outside = view[u"picturesOutOfColumn"_s].toArray();
            QVERIFY2(outside.isEmpty(), qPrintable(u"%1 (%2): %3"_s.arg(
                                            fileOf(page[u"url"_s]), view[u"name"_s].toString(),
                                            outside.first().toString())));
        }
    }
    QVERIFY2(picturesSeen > 0, "no page of the site showed the wide picture");
}

void TestSiteInBrowser::editorStyleSheet_looksLikeThePageContent_data() {
    addTemplateRows();
}

// The editor shows a page's content with the template's files/editor.css
// alone; every kind of element on every page must look as it does on the
// built page, on the same background.
void TestSiteInBrowser::editorStyleSheet_looksLikeThePageContent() {
    QFETCH(QString, templateFolder);
    if (!m_axeInstalled)
        QSKIP("axe-core is not installed (scripts/setup.sh installs it)");
    const QJsonArray pages = reportFor(templateFolder, Walk::Audit)[u"pages"_s].toArray();
    QVERIFY2(!pages.isEmpty(), "the site could not be built or walked; see the warnings above");
    for (const QJsonValue &page : pages) {
        const QJsonObject look = viewOf(page, u"desktop"_s)[u"editorLook"_s].toObject();
        QStringList differences;
        for (const QJsonValue &difference : look[u"differences"_s].toArray())
            differences.append(fileOf(page[u"url"_s]) + u": "_s + difference.toString());
        QVERIFY2(differences.isEmpty(), qPrintable(differences.join(u'\n')));
        QVERIFY2(look[u"compared"_s].toInt() > 0, qPrintable(fileOf(page[u"url"_s])));
    }
}

// Pictures chosen in every way a page can hold one, and a linked newsletter,
// travel with the site: built, moved elsewhere (with the pages' own folder
// gone too) and served over HTTP, every page shows every picture, asks for
// nothing outside the site and holds no file: address.
void TestSiteInBrowser::pictures_showWhenSiteIsMovedAndServed() {
    if (QStandardPaths::findExecutable(u"python3"_s).isEmpty())
        QSKIP("python3 is not installed");
    const QString pages = m_sites.filePath(u"my pages"_s);
    writePicture(pages + u"/photos/Garden Party.jpg"_s, {2400, 1600}, Qt::darkGreen);
    writePicture(pages + u"/Logo.png"_s, {120, 80}, Qt::red);
    writeFile(pages + u"/docs/Club Newsletter.pdf"_s, "%PDF-1.4\n");
    QImage dot(4, 4, QImage::Format_RGB32);
    dot.fill(Qt::blue);
    QByteArray pasted;
    QBuffer buffer(&pasted);
    buffer.open(QIODevice::WriteOnly);
    dot.save(&buffer, "PNG");
    const QString logo = QUrl::fromLocalFile(pages + u"/Logo.png"_s).toString(QUrl::FullyEncoded);
    writeFile(pages + u"/home.html"_s,
              (u"<p><img src=\"photos/Garden%20Party.jpg\" alt=\"Party\"></p>"
               "<p><img src=\""_s +
               logo +
               u"\" alt=\"Logo\"><img alt=\"Dot\" "
               "src=\"data:image/png;base64,"_s +
               QString::fromLatin1(pasted.toBase64()) +
               u"\"></p><p><a href=\"docs/Club%20Newsletter.pdf\">Newsletter</a></p>"_s)
                  .toUtf8());
    writeFile(pages + u"/about.html"_s,
              (u"<p><img src=\""_s + pages + u"/photos/Garden Party.jpg\" alt=\"Party\"></p>"_s)
                  .toUtf8());
    const QString built = m_sites.filePath(u"pictures"_s);
    const QString problem =
        buildSite(bundledTemplates().first(), built,
                  {{u"Home"_s, pages + u"/home.html"_s}, {u"About"_s, pages + u"/about.html"_s}});
    QVERIFY2(problem.isEmpty(), qPrintable(problem));

    const QString moved = m_sites.filePath(u"moved/pictures"_s);
    QVERIFY(QDir().mkpath(m_sites.filePath(u"moved"_s)));
    QVERIFY(QDir().rename(built, moved));
    QVERIFY(QDir().rename(pages, pages + u" gone"_s));
    QDirIterator files(moved, {u"*.htm"_s}, QDir::Files);
    while (files.hasNext()) {
        QFile page(files.next());
        QVERIFY(page.open(QIODevice::ReadOnly));
        QVERIFY2(!page.readAll().contains("file:"), qPrintable(page.fileName()));
    }
    QVERIFY(QFile::exists(moved + u"/media/club-newsletter.pdf"_s));

    const LoopbackServer server(moved);
    QVERIFY2(!server.address().isEmpty(), "the HTTP server did not start");
    const QJsonObject report = walk(server.address());
    const QJsonArray walked = report[u"pages"_s].toArray();
    QCOMPARE(walked.size(), 2);
    const QStringList failures = failuresIn(report);
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(u'\n')));
    int pictures = 0;
    for (const QJsonValue &page : walked) {
        for (const QJsonValue &request : page[u"requests"_s].toArray()) {
            QVERIFY2(request.toString().startsWith(server.address()),
                     qPrintable(request.toString()));
            pictures += request.toString().contains(u"/media/"_s);
        }
    }
    QCOMPARE(pictures, 4); // three on Home, one on About
}

QTEST_GUILESS_MAIN(TestSiteInBrowser)
#include "tst_siteinbrowser.moc"
