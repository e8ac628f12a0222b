// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Times BuildWebsite on sites of growing size against the floor of writing
// the same bytes with plain write calls, and measures its peak memory.
//
// Every measured build runs in a child process of its own, so that its peak
// resident memory belongs to that build alone.

#include "benchsite.h"
#include "benchstats.h"
#include "plainwrite.h"
#include "processmemory.h"

#include "builder/sitebuilder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>

using namespace quillsite;
using namespace quillsite::bench;
using namespace Qt::StringLiterals;

namespace {

using Measures = std::map<QString, double>;

// Wall-clock and processor time (user and system) of one piece of work, in
// milliseconds. Processor time varies less on a shared machine.
struct Timing {
    double wallMs = 0;
    double cpuMs = 0;
};

template <typename Work> Timing timed(Work &&work) {
    const double cpuStart = cpuMilliseconds();
    QElapsedTimer timer;
    timer.start();
    work();
    return {double(timer.nsecsElapsed()) / 1e6, cpuMilliseconds() - cpuStart};
}

qint64 totalBytes(const QList<SiteFile> &files) {
    qint64 bytes = 0;
    for (const SiteFile &file : files)
        bytes += file.bytes.size();
    return bytes;
}

qint64 largestFile(const QList<SiteFile> &files) {
    qint64 largest = 0;
    for (const SiteFile &file : files)
        largest = std::max(largest, qint64(file.bytes.size()));
    return largest;
}

// The two floors: plain writes, and writes by way of a renamed temporary file
// (what any build that never leaves a cut-off page must at least do).
struct Floors {
    Timing plain;
    Timing atomic;
};

Floors timeFloors(const QList<SiteFile> &files, const QString &runFolder) {
    const auto timeWrites = [&](const QString &folder, WriteMode mode) {
        return timed([&] {
            if (!writeTree(files, folder, mode))
                qFatal("plain writes into %s failed", qPrintable(folder));
        });
    };
    const Timing plain = timeWrites(runFolder + u"/floor"_s, WriteMode::Plain);
    return {plain, timeWrites(runFolder + u"/floor-atomic"_s, WriteMode::Atomic)};
}

// One measured build in this process: prints its measures as "key=value" words.
int runChild(const QString &templateFolder, int pageCount, const QString &runFolder,
             const QString &reference, bool floorFirst) {
    Website warmUp = benchWebsite(templateFolder, 2);
    warmUp.destination = runFolder + u"/warmup"_s;
    Website site = benchWebsite(templateFolder, pageCount);
    site.destination = runFolder + u"/build"_s;
    if (!BuildWebsite(warmUp).ok)
        qFatal("the warm-up build failed");
    const qint64 inputsKib = residentKib();

    QList<SiteFile> files = reference.isEmpty() ? QList<SiteFile>() : readTree(reference);
    Floors floors;
    if (floorFirst && !files.isEmpty())
        floors = timeFloors(files, runFolder);

    const qint64 beforeKib = residentKib();
    const bool peakReset = resetPeakResident();
    BuildResult result;
    const Timing build = timed([&] { result = BuildWebsite(site); });
    const qint64 peakKib = peakResidentKib();
    if (!result.ok)
        qFatal("the build failed: %s", qPrintable(result.message()));

    if (files.isEmpty())
        files = readTree(site.destination);
    if (!floorFirst || reference.isEmpty())
        floors = timeFloors(files, runFolder);

    QTextStream(stdout) << "buildMs=" << build.wallMs << " floorMs=" << floors.plain.wallMs
                        << " atomicMs=" << floors.atomic.wallMs << " buildCpuMs=" << build.cpuMs
                        << " floorCpuMs=" << floors.plain.cpuMs << " bytes=" << totalBytes(files)
                        << " files=" << files.size() << " largestPage=" << largestFile(files)
                        << " menuBytes=" << menuBytes(site) << " inputsKib=" << inputsKib
                        << " growthKib=" << (peakReset ? peakKib - beforeKib : -1) << '\n';
    return 0;
}

Measures runInChild(const QStringList &arguments) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    if (!child.waitForFinished(-1) || child.exitStatus() != QProcess::NormalExit ||
        child.exitCode() != 0)
        qFatal("a benchmark run failed: %s", qPrintable(arguments.join(u' ')));
    Measures measures;
    for (const QByteArray &word : child.readAllStandardOutput().simplified().split(' ')) {
        const QList<QByteArray> pair = word.split('=');
        if (pair.size() == 2)
            measures[QString::fromLatin1(pair[0])] = pair[1].toDouble();
    }
    return measures;
}

double medianOf(const QList<Measures> &runs, const std::function<double(const Measures &)> &of) {
    QList<double> values;
    for (const Measures &run : runs)
        values.append(of(run));
    return median(values);
}

double ratio(const Measures &m, const QString &top, const QString &bottom) {
    return m.at(top) / m.at(bottom);
}

void printHeader() {
    std::printf("%6s %8s %9s %9s %7s %7s %8s %8s %7s %7s %9s %9s %9s\n", "pages", "out MB",
                "build ms", "floor ms", "b/floor", "cpu b/f", "b/atomic", "pages/s", "MB/s",
                "ms/MB", "input MiB", "peak+ KiB", "menu+page");
}

void printRow(int pageCount, const QList<Measures> &runs) {
    const Measures &first = runs.first();
    const auto median = [&](const std::function<double(const Measures &)> &of) {
        return medianOf(runs, of);
    };
    const double megabytes = first.at(u"bytes"_s) / 1e6;
    const double buildMs = median([](const Measures &m) { return m.at(u"buildMs"_s); });
    const double floorMs = median([](const Measures &m) { return m.at(u"floorMs"_s); });
    const double wallRatio =
        median([](const Measures &m) { return ratio(m, u"buildMs"_s, u"floorMs"_s); });
    const double cpuRatio =
        median([](const Measures &m) { return ratio(m, u"buildCpuMs"_s, u"floorCpuMs"_s); });
    const double atomicRatio =
        median([](const Measures &m) { return ratio(m, u"buildMs"_s, u"atomicMs"_s); });
    const double growthKib = median([](const Measures &m) { return m.at(u"growthKib"_s); });
    const double menuPageKib = (first.at(u"menuBytes"_s) + first.at(u"largestPage"_s)) / 1024;
    std::printf("%6d %8.1f %9.1f %9.1f %7.2f %7.2f %8.2f %8.0f %7.1f %7.1f %9.1f %9.0f %9.0f\n",
                pageCount, megabytes, buildMs, floorMs, wallRatio, cpuRatio, atomicRatio,
                pageCount / (buildMs / 1000), megabytes / (buildMs / 1000), buildMs / megabytes,
                first.at(u"inputsKib"_s) / 1024, growthKib, menuPageKib);
    std::fflush(stdout);
}

// Runs every size `runs` times (after one warm-up run), each into a new folder.
void runBenchmark(const QList<int> &sizes, int runs, const QString &workFolder, bool verbose) {
    const QString templateFolder = benchTemplate(workFolder);
    std::printf("template: %s\nruns: %d measured per size (after one warm-up), medians shown\n"
                "work folder: %s\n\n",
                qPrintable(templateFolder), runs, qPrintable(workFolder));
    printHeader();
    for (int pageCount : sizes) {
        const QString sizeFolder = u"%1/%2-pages"_s.arg(workFolder).arg(pageCount);
        QString reference;
        QList<Measures> measured;
        for (int run = 0; run <= runs; ++run) {
            const QString runFolder = u"%1/run-%2"_s.arg(sizeFolder).arg(run);
            QStringList arguments{u"--child"_s,
                                  u"--template"_s,
                                  templateFolder,
                                  u"--pages"_s,
                                  QString::number(pageCount),
                                  u"--run-folder"_s,
                                  runFolder};
            if (!reference.isEmpty())
                arguments << u"--reference"_s << reference;
            if (run % 2 == 0)
                arguments << u"--floor-first"_s;
            const Measures measures = runInChild(arguments);
            if (verbose)
                std::fprintf(
                    stderr,
                    "%d pages, run %d%s: build %.1f ms (cpu %.1f), floor %.1f ms (cpu %.1f), "
                    "atomic floor %.1f ms\n",
                    pageCount, run, run == 0 ? " (warm-up)" : "", measures.at(u"buildMs"_s),
                    measures.at(u"buildCpuMs"_s), measures.at(u"floorMs"_s),
                    measures.at(u"floorCpuMs"_s), measures.at(u"atomicMs"_s));
            if (run == 0)
                reference = runFolder + u"/build"_s;
            else
                measured.append(measures);
        }
        printRow(pageCount, measured);
    }
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Times building sites of 10 to 2,000 pages against plain file writes."_s);
    parser.addHelpOption();
    const QCommandLineOption runsOption(u"runs"_s, u"Measured runs per size (5)."_s, u"N"_s,
                                        u"5"_s);
    const QCommandLineOption sizesOption(u"sizes"_s, u"Page counts (10,100,1000,2000)."_s,
                                         u"LIST"_s, u"10,100,1000,2000"_s);
    const QCommandLineOption workOption(
        u"work"_s, u"Write the sites below this folder (default: a new temporary one)."_s,
        u"DIR"_s);
    const QCommandLineOption keepOption(u"keep"_s, u"Keep the written sites."_s);
    const QCommandLineOption verboseOption(u"verbose"_s, u"Show every run on standard error."_s);
    QCommandLineOption childOption(u"child"_s, u"(internal) one measured build."_s);
    QCommandLineOption templateOption(u"template"_s, u"(internal)"_s, u"DIR"_s);
    QCommandLineOption pagesOption(u"pages"_s, u"(internal)"_s, u"N"_s);
    QCommandLineOption runFolderOption(u"run-folder"_s, u"(internal)"_s, u"DIR"_s);
    QCommandLineOption referenceOption(u"reference"_s, u"(internal)"_s, u"DIR"_s);
    QCommandLineOption floorFirstOption(u"floor-first"_s, u"(internal)"_s);
    for (QCommandLineOption *internal : {&childOption, &templateOption, &pagesOption,
                                         &runFolderOption, &referenceOption, &floorFirstOption})
        internal->setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({runsOption, sizesOption, workOption, keepOption, verboseOption, childOption,
                       templateOption, pagesOption, runFolderOption, referenceOption,
                       floorFirstOption});
    parser.process(app);

    if (parser.isSet(childOption))
        return runChild(parser.value(templateOption), parser.value(pagesOption).toInt(),
                        parser.value(runFolderOption), parser.value(referenceOption),
                        parser.isSet(floorFirstOption));

    QList<int> sizes;
    for (const QString &size : parser.value(sizesOption).split(u','))
        sizes.append(size.toInt());
    const int runs = std::max(1, parser.value(runsOption).toInt());

    // The sites are deleted only at the end: this file system creates files
    // slowly for a while after many were deleted, which would skew later runs.
    QString workFolder = QDir(parser.value(workOption)).absolutePath();
    std::optional<QTemporaryDir> temporary;
    if (!parser.isSet(workOption)) {
        temporary.emplace(QDir::tempPath() + u"/quillsite-bench-XXXXXX"_s);
        if (!temporary->isValid())
            qFatal("can't create a work folder: %s", qPrintable(temporary->errorString()));
        temporary->setAutoRemove(!parser.isSet(keepOption));
        workFolder = temporary->path();
    }
    runBenchmark(sizes, runs, workFolder, parser.isSet(verboseOption));
    return 0;
}
