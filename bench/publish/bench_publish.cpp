// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
// Times quillsite-publish against rsync and OpenSSH's sftp on the benchmark site, over the
// loopback and over a link with 40 ms of round-trip delay, all in one run.

#include "benchservers.h"
#include "benchsite.h"
#include "benchstats.h"
#include "delaylink.h"
#include "measuredrun.h"

#include "builder/sitebuilder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <optional>
#include <stdexcept>

using namespace quillsite;
using namespace quillsite::bench;
using namespace Qt::StringLiterals;

namespace {

// What a run sends: the whole site, nothing new, one page changed, then every page changed
// (a page renamed, so that every page's menu differs).
const QStringList kSteps{u"first"_s, u"same"_s, u"one page"_s, u"menu"_s};

struct Sites {
    QString original;
    QString onePage;
    QString newMenu;
};

// Stops the benchmark; the servers and the namespaces go as the stack unwinds.
[[noreturn]] void fail(const QString &what) {
    throw std::runtime_error(what.toStdString());
}

// 20 photos as the builder leaves them, about 330 KB each; random bytes, as JPEG's are
// nearly so to anything that might compress them.
void addPhotos(const QString &site) {
    QDir().mkpath(site + u"/media"_s);
    for (int i = 1; i <= 20; ++i) {
        QByteArray bytes(330 * 1024, Qt::Uninitialized);
        QRandomGenerator generator{quint32(i)};
        generator.fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
        QFile photo(site + u"/media/photo-%1.jpg"_s.arg(i, 2, 10, QChar(u'0')));
        if (!photo.open(QIODevice::WriteOnly) || photo.write(bytes) != bytes.size())
            fail(u"can't write "_s + photo.fileName());
    }
}

void build(Website site, const QString &folder) {
    site.destination = folder;
    const BuildResult result = BuildWebsite(site);
    if (!result.ok)
        fail(result.message());
    addPhotos(folder);
}

// The three versions of the site: as built, with one page's text changed (the other files
// keep their times, as after an edit), and built again with a page renamed.
Sites makeSites(const QString &work, int pageCount) {
    Sites sites{work + u"/site-original"_s, work + u"/site-one-page"_s, work + u"/site-menu"_s};
    const Website site = benchWebsite(benchTemplate(work), pageCount);
    build(site, sites.original);
    if (runMeasured({}, {u"cp"_s, u"-a"_s, sites.original, sites.onePage}, work + u"/cp.log"_s)
            .exitCode != 0)
        fail(u"can't copy the site"_s);
    QStringList pages = QDir(sites.onePage).entryList({u"*.htm*"_s}, QDir::Files, QDir::Name);
    QFile page(sites.onePage + u'/' + pages.value(pages.size() / 2));
    if (!page.open(QIODevice::ReadWrite) || !page.seek(page.size()) ||
        page.write("<!-- edited -->\n") < 0)
        fail(u"can't change "_s + page.fileName());
    Website renamed = site;
    renamed.pages[1].name += u" renamed"_s;
    build(renamed, sites.newMenu);
    return sites;
}

struct Tool {
    QString name;
    // The command that sends `site` to `folder` on the server of `link`.
    std::function<QStringList(const Link &, const QString &site, const QString &folder)> command;
    bool everyStep = true;
};

QList<Tool> tools(const BenchServers &servers, const QString &work, const QString &jobs) {
    const QString publish = QCoreApplication::applicationDirPath() + u"/quillsite-publish"_s;
    QList<Tool> list;
    if (QFile::exists(publish)) {
        list.append({u"quillsite"_s,
                     [=, &servers](const Link &link, const QString &site, const QString &folder) {
                         QStringList command{publish,
                                             site,
                                             u"sftp://%1@%2:%3%4"_s.arg(servers.user(), link.host)
                                                 .arg(link.port)
                                                 .arg(folder),
                                             u"-i"_s,
                                             servers.clientKey(),
                                             u"--known-hosts"_s,
                                             servers.knownHosts(),
                                             u"--yes"_s,
                                             u"--quiet"_s};
                         if (!jobs.isEmpty())
                             command << u"--jobs"_s << jobs;
                         return command;
                     }});
    } else {
        std::printf("(no %s: build it to measure it)\n", qPrintable(publish));
    }
    list.append(
        {u"rsync"_s, [&servers](const Link &link, const QString &site, const QString &folder) {
             const QString ssh = u"ssh "_s + servers.sshOptions().join(u' ') + u" -p "_s +
                                 QString::number(link.port);
             return QStringList{u"rsync"_s,
                                u"-a"_s,
                                u"--delete"_s,
                                u"-e"_s,
                                ssh,
                                site + u'/',
                                u"%1@%2:%3/"_s.arg(servers.user(), link.host, folder)};
         }});
    // The whole site streamed over one connection: what the link itself carries, for the
    // first publish, and a check that the slow link's relay is not what limits the others.
    list.append({u"tar+ssh"_s,
                 [&servers](const Link &link, const QString &site, const QString &folder) {
                     const QString ssh = u"ssh "_s + servers.sshOptions().join(u' ') + u" -p "_s +
                                         QString::number(link.port) + u" "_s + servers.user() +
                                         u"@"_s + link.host;
                     return QStringList{
                         u"sh"_s, u"-c"_s,
                         u"tar -C '%1' -cf - . | %2 'mkdir -p %3 && tar -C %3 -xf -'"_s.arg(
                             site, ssh, folder)};
                 },
                 false});
    list.append({u"sftp -b"_s,
                 [&servers, work](const Link &link, const QString &site, const QString &folder) {
                     const QString batch = work + u"/batch-"_s + QFileInfo(folder).fileName();
                     QFile file(batch);
                     if (!file.open(QIODevice::WriteOnly) ||
                         file.write((u"put -r "_s + site + u' ' + folder + u'\n').toUtf8()) < 0)
                         fail(u"can't write "_s + batch);
                     return QStringList{u"sftp"_s} + servers.sshOptions() +
                            QStringList{u"-P"_s, QString::number(link.port), u"-b"_s, batch,
                                        servers.user() + u"@"_s + link.host};
                 },
                 false});
    return list;
}

// step -> tool -> times (ms) and peak memory (KiB)
using Figures = QMap<QString, QMap<QString, QList<double>>>;

void measureLink(const Link &link, const QList<Tool> &toolList, const Sites &sites,
                 const QString &work, int runs, Figures *times, Figures *memory) {
    const QStringList sources{sites.original, sites.original, sites.onePage, sites.newMenu};
    for (int run = 0; run < runs; ++run) {
        for (const Tool &tool : toolList) {
            const QString folder =
                u"%1/server/%2-%3-%4"_s.arg(work, link.name, tool.name.left(5).trimmed()).arg(run);
            for (int step = 0; step < (tool.everyStep ? kSteps.size() : 1); ++step) {
                const RunResult result = runMeasured(
                    link.space, tool.command(link, sources[step], folder), work + u"/tools.log"_s);
                if (result.exitCode != 0)
                    fail(u"%1 failed (%2) on %3: see %4/tools.log"_s.arg(tool.name)
                             .arg(result.exitCode)
                             .arg(link.name, work));
                (*times)[kSteps[step]][tool.name].append(result.ms);
                (*memory)[kSteps[step]][tool.name].append(double(result.peakKib));
            }
        }
    }
}

void printLink(const Link &link, const QList<Tool> &toolList, const Figures &times,
               const Figures &memory) {
    std::printf("\n%s (medians, ms; peak memory MB)\n%-10s", qPrintable(link.name), "step");
    for (const Tool &tool : toolList)
        std::printf(" %12s %7s", qPrintable(tool.name), "MB");
    std::printf(" %14s\n", "quillsite/rsync");
    for (const QString &step : kSteps) {
        std::printf("%-10s", qPrintable(step));
        for (const Tool &tool : toolList) {
            const QList<double> values = times[step].value(tool.name);
            if (values.isEmpty())
                std::printf(" %12s %7s", "-", "-");
            else
                std::printf(" %12.0f %7.1f", median(values),
                            slowest(memory[step].value(tool.name)) / 1024);
        }
        const QList<double> ours = times[step].value(u"quillsite"_s);
        const QList<double> rsync = times[step].value(u"rsync"_s);
        if (!ours.isEmpty())
            std::printf(" %14.2f", median(ours) / median(rsync));
        std::printf("\n");
    }
    const QList<double> ours = times[u"first"_s].value(u"quillsite"_s);
    const QList<double> sftp = times[u"first"_s].value(u"sftp -b"_s);
    if (!ours.isEmpty() && !sftp.isEmpty())
        std::printf("first publish: sftp -b / quillsite = %.2f\n", median(sftp) / median(ours));
    std::fflush(stdout);
}

} // namespace

int measure(const QCoreApplication &app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Times quillsite-publish against rsync and sftp over loopback and a 40 ms link."_s);
    parser.addHelpOption();
    const QCommandLineOption runsOption(u"runs"_s, u"Measured runs (3)."_s, u"N"_s, u"3"_s);
    const QCommandLineOption pagesOption(u"pages"_s, u"Pages in the site (1000)."_s, u"N"_s,
                                         u"1000"_s);
    const QCommandLineOption delayOption(u"delay"_s, u"Round trip of the slow link, ms (40)."_s,
                                         u"MS"_s, u"40"_s);
    const QCommandLineOption jobsOption(u"jobs"_s, u"--jobs for quillsite-publish."_s, u"N"_s);
    const QCommandLineOption loopbackOption(u"loopback-only"_s, u"Measure the loopback only."_s);
    const QCommandLineOption workOption(u"work"_s, u"Work below this folder."_s, u"DIR"_s);
    const QCommandLineOption noSftpOption(u"no-sftp"_s, u"Leave out sftp -b (slow at 40 ms)."_s);
    const QCommandLineOption holdOption(
        u"hold"_s,
        u"Measure nothing: keep the servers and links up for S seconds, to try by hand."_s, u"S"_s);
    parser.addOptions({runsOption, pagesOption, delayOption, jobsOption, loopbackOption, workOption,
                       noSftpOption, holdOption});
    parser.process(app);

    std::optional<QTemporaryDir> temporary;
    QString work = QDir(parser.value(workOption)).absolutePath();
    if (!parser.isSet(workOption)) {
        temporary.emplace(QDir::tempPath() + u"/quillsite-publishbench-XXXXXX"_s);
        work = temporary->path();
    }
    QDir().mkpath(work + u"/server"_s);
    // The versions quillsite-publish keeps for undo go here, not into the user's own data.
    qputenv("XDG_DATA_HOME", QFile::encodeName(work + u"/data"_s));
    const int runs = std::max(1, parser.value(runsOption).toInt());
    const Sites sites = makeSites(work, parser.value(pagesOption).toInt());

    BenchServers servers(work);
    if (const QString error = servers.prepare(work + u"/server"_s); !error.isEmpty())
        fail(error);
    QList<Link> links;
    const int port = 20000 + int(QCoreApplication::applicationPid() % 20000);
    if (const QString error = servers.start({}, u"127.0.0.1"_s, port); !error.isEmpty())
        fail(error);
    links.append({u"loopback"_s, {}, u"127.0.0.1"_s, port});
    std::optional<DelayLink> slow;
    const int delay = parser.value(delayOption).toInt();
    if (!parser.isSet(loopbackOption)) {
        slow.emplace(delay / 2);
        if (const QString error = slow->start(); !error.isEmpty()) {
            std::printf("no slow link: %s; the loopback only\n", qPrintable(error));
        } else if (const QString error =
                       servers.start(slow->serverNamespace(), DelayLink::serverAddress(), 22);
                   !error.isEmpty()) {
            fail(error);
        } else {
            links.append({u"rtt-%1ms"_s.arg(delay), slow->clientNamespace(),
                          DelayLink::serverAddress(), 22});
        }
    }
    if (parser.isSet(holdOption)) {
        for (const Link &link : std::as_const(links))
            std::printf("%s: ip netns exec '%s' ... %s@%s -p %d, key %s, known hosts %s\n",
                        qPrintable(link.name), qPrintable(link.space), qPrintable(servers.user()),
                        qPrintable(link.host), link.port, qPrintable(servers.clientKey()),
                        qPrintable(servers.knownHosts()));
        std::fflush(stdout);
        QThread::sleep(parser.value(holdOption).toULong());
        return 0;
    }
    QList<Tool> toolList = tools(servers, work, parser.value(jobsOption));
    if (parser.isSet(noSftpOption))
        toolList.removeIf([](const Tool &tool) { return tool.name == u"sftp -b"_s; });
    qint64 siteBytes = 0;
    int siteFiles = 0;
    for (QDirIterator it(sites.original, QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();) {
        it.next();
        siteBytes += it.fileInfo().size();
        ++siteFiles;
    }
    std::printf("site: %d files, %.1f MB; %d runs\n", siteFiles, double(siteBytes) / 1e6, runs);
    for (const Link &link : links) {
        Figures times, memory;
        measureLink(link, toolList, sites, work, runs, &times, &memory);
        printLink(link, toolList, times, memory);
    }
    return 0;
}

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    try {
        return measure(app);
    } catch (const std::runtime_error &error) {
        std::fprintf(stderr, "bench_publish: %s\n", error.what());
        return 1;
    }
}
