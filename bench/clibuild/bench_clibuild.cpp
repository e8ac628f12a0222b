// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Times the whole quillsite-build command, from start to exit, on sites of
// growing size with pages as people write them, against the floor of writing the same bytes with
// plain write calls, the two interleaved in one run.

#include "benchsite.h"
#include "benchstats.h"
#include "builder/pagenames.h"
#include "plainwrite.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <optional>

using namespace quillsite;
using namespace quillsite::bench;
using namespace Qt::StringLiterals;

namespace {

// Wall-clock and processor time of the command and of the floor, and the
// wall-clock time of the floor that writes each file atomically.
struct Sample {
    double commandMs = 0;
    double floorMs = 0;
    double commandCpuMs = 0;
    double floorCpuMs = 0;
    double atomicFloorMs = 0;
};

// A page as people write them: paragraphs with bold and italic words, a list,
// links to other pages of the site and to the web, about 4 KB in all.
QString realisticBody(int number, const QList<SitePage> &pages) {
    const auto pageAt = [&](int offset) {
        return pageLink(pages[(number + offset) % pages.size()].name);
    };
    QString body = u"<h1>Page %1</h1>\r\n"_s.arg(number + 1);
    for (int part = 0; body.size() < 4000; ++part) {
        body += u"<p>Our little garden club meets every <b>second Saturday</b> of the month in "
                "the old school hall. We share <i>seeds</i>, cuttings and advice, and now and "
                "then a cake or two. See <a href=\"%1\">what we grew last year</a> or the "
                "<a href=\"https://example.org/gardening/%2\">society's notes</a> &mdash; "
                "<em>newcomers</em> are always <strong>welcome</strong>.</p>\r\n"_s
                    .arg(pageAt(part + 1))
                    .arg(part);
        if (part % 3 == 1)
            body += u"<ul>\r\n<li>Bring <b>a friend</b></li>\r\n<li>Bring a <i>question</i> "
                    "or <a href=\"%1\">a plant</a></li>\r\n<li>Caf\u00e9 au lait is on the "
                    "house</li>\r\n</ul>\r\n"_s.arg(pageAt(part + 7));
    }
    return body;
}

// The page files of the site and the --page arguments that name them.
QStringList writePageFiles(const Website &site, const QString &folder) {
    if (!QDir().mkpath(folder))
        qFatal("can't make %s", qPrintable(folder));
    QStringList arguments;
    for (qsizetype i = 0; i < site.pages.size(); ++i) {
        const QString path = u"%1/page-%2.html"_s.arg(folder).arg(i);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(site.pages[i].body.toUtf8()) < 0)
            qFatal("can't write %s", qPrintable(path));
        arguments << u"--page"_s << site.pages[i].name + u'=' + path;
    }
    return arguments;
}

// Times the command into `sample`; its processor time is counted once it has been reaped.
void timeCommand(const QStringList &arguments, Sample *sample = nullptr) {
    const QString program = QCoreApplication::applicationDirPath() + u"/quillsite-build"_s;
    QProcess command;
    command.setStandardOutputFile(QProcess::nullDevice());
    const double cpuStart = cpuMilliseconds(RUSAGE_CHILDREN);
    QElapsedTimer timer;
    timer.start();
    command.start(program, arguments);
    if (!command.waitForFinished(-1) || command.exitStatus() != QProcess::NormalExit ||
        command.exitCode() != 0)
        qFatal("quillsite-build failed: %s", command.readAllStandardError().constData());
    if (sample) {
        sample->commandMs = msSince(timer);
        sample->commandCpuMs = cpuMilliseconds(RUSAGE_CHILDREN) - cpuStart;
    }
}

// Times both floors into `sample`, each into a folder of its own below `folder`.
void timeFloors(const QList<SiteFile> &files, const QString &folder, Sample &sample) {
    const double cpuStart = cpuMilliseconds();
    QElapsedTimer timer;
    timer.start();
    if (!writeTree(files, folder + u"/floor"_s, WriteMode::Plain))
        qFatal("plain writes into %s failed", qPrintable(folder));
    sample.floorMs = msSince(timer);
    sample.floorCpuMs = cpuMilliseconds() - cpuStart;
    timer.start();
    if (!writeTree(files, folder + u"/floor-atomic"_s, WriteMode::Atomic))
        qFatal("atomic writes into %s failed", qPrintable(folder));
    sample.atomicFloorMs = msSince(timer);
}

// One unmeasured build gives the bytes of the floor; then `runs` measured
// pairs, each into new folders, alternating which of the two goes first.
QList<Sample> measureSize(const QString &templateFolder, int pageCount, int runs,
                          const QString &sizeFolder) {
    Website site = benchWebsite(templateFolder, pageCount);
    for (qsizetype i = 0; i < site.pages.size(); ++i)
        site.pages[i].body = realisticBody(int(i), site.pages);
    const QStringList common = QStringList{u"--template"_s, templateFolder, u"--title"_s,
                                           site.title,      u"--author"_s,  site.author} +
                               writePageFiles(site, sizeFolder + u"/pages"_s);
    const QString reference = sizeFolder + u"/reference"_s;
    timeCommand(QStringList{u"--out"_s, reference} + common);
    const QList<SiteFile> files = readTree(reference);

    QList<Sample> samples;
    for (int run = 0; run < runs; ++run) {
        const QString runFolder = u"%1/run-%2"_s.arg(sizeFolder).arg(run);
        Sample sample;
        const auto command = [&] {
            timeCommand(QStringList{u"--out"_s, runFolder + u"/build"_s} + common, &sample);
        };
        if (run % 2 == 0) {
            timeFloors(files, runFolder, sample);
            command();
        } else {
            command();
            timeFloors(files, runFolder, sample);
        }
        samples.append(sample);
    }
    return samples;
}

void printRow(int pageCount, const QList<Sample> &samples) {
    QList<double> command, floor, ratio, cpuRatio, atomicRatio;
    for (const Sample &sample : samples) {
        command.append(sample.commandMs);
        floor.append(sample.floorMs);
        ratio.append(sample.commandMs / sample.floorMs);
        cpuRatio.append(sample.commandCpuMs / sample.floorCpuMs);
        atomicRatio.append(sample.commandMs / sample.atomicFloorMs);
    }
    std::printf("%6d %11.1f %9.1f %9.2f %9.2f %9.2f %9.2f\n", pageCount, median(command),
                median(floor), median(ratio), slowest(ratio), median(cpuRatio),
                median(atomicRatio));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Times the quillsite-build command against plain file writes of the same bytes."_s);
    parser.addHelpOption();
    const QCommandLineOption runsOption(u"runs"_s, u"Measured runs per size (7)."_s, u"N"_s,
                                        u"7"_s);
    const QCommandLineOption sizesOption(u"sizes"_s, u"Page counts (100,1000,2000)."_s, u"LIST"_s,
                                         u"100,1000,2000"_s);
    const QCommandLineOption workOption(
        u"work"_s, u"Write the sites below this folder (default: a new temporary one)."_s,
        u"DIR"_s);
    parser.addOptions({runsOption, sizesOption, workOption});
    parser.process(app);

    // Every run writes into a new folder and all are deleted only at the end:
    // this file system creates files slowly for a while after many were deleted.
    std::optional<QTemporaryDir> temporary;
    QString workFolder = QDir(parser.value(workOption)).absolutePath();
    if (!parser.isSet(workOption)) {
        temporary.emplace(QDir::tempPath() + u"/quillsite-clibench-XXXXXX"_s);
        if (!temporary->isValid())
            qFatal("can't create a work folder: %s", qPrintable(temporary->errorString()));
        workFolder = temporary->path();
    }
    const QString templateFolder = benchTemplate(workFolder);
    const int runs = std::max(1, parser.value(runsOption).toInt());
    std::printf("template: %s\nruns: %d measured per size, medians shown\n\n"
                "%6s %11s %9s %9s %9s %9s %9s\n",
                qPrintable(templateFolder), runs, "pages", "command ms", "floor ms", "c/floor",
                "slowest", "cpu c/f", "c/atomic");
    for (const QString &size : parser.value(sizesOption).split(u',')) {
        const int pageCount = size.toInt();
        printRow(pageCount, measureSize(templateFolder, pageCount, runs,
                                        u"%1/%2-pages"_s.arg(workFolder).arg(pageCount)));
    }
    return 0;
}
