// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

// bench_pictures: how long building a page of twenty 12-megapixel photos
// takes, how large the site's copies are, and how long a rebuild takes when
// the photos have not changed.

#include "benchsite.h"
#include "benchstats.h"
#include "builder/sitebuilder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QImage>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

#include <sys/resource.h>

#include <vector>

using namespace Qt::StringLiterals;
using namespace quillsite;
using namespace quillsite::bench;

namespace {

constexpr int PhotoCount = 20;
const QSize PhotoSize(4032, 3024);

// A photo-like picture: soft colour gradients with fine grain, so that it
// compresses about as well as a camera's photo (3 to 5 MB as JPEG).
QImage photo(quint32 seed) {
    QRandomGenerator random(seed);
    QImage image(PhotoSize, QImage::Format_RGB32);
    const int hue = random.bounded(360);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grain = random.bounded(48);
            const QColor colour = QColor::fromHsv((hue + x / 40) % 360, 120 + y / 40 % 100,
                                                  std::min(255, 90 + (x + y) / 60 + grain));
            line[x] = colour.rgb();
        }
    }
    return image;
}

qint64 folderBytes(const QString &folder) {
    qint64 bytes = 0;
    QDirIterator it(folder, QDir::Files);
    while (it.hasNext()) {
        it.next();
        bytes += it.fileInfo().size();
    }
    return bytes;
}

// The photos in `folder`, made once and kept for later runs.
void makePhotos(const QString &folder, QTextStream &err) {
    QDir().mkpath(folder);
    for (int i = 1; i <= PhotoCount; ++i) {
        const QString path = u"%1/Photo %2.jpg"_s.arg(folder).arg(i, 2, 10, QChar(u'0'));
        if (QFileInfo::exists(path))
            continue;
        QImageWriter writer(path, "jpeg");
        writer.setQuality(92);
        if (!writer.write(photo(quint32(i))))
            qFatal("can't write %s: %s", qPrintable(path), qPrintable(writer.errorString()));
        err << "made " << path << '\n';
        err.flush();
    }
}

// Processor time of all threads of this process so far, user and system.
double cpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval &t) {
        return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3;
    };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

struct Run {
    double buildMs = 0;
    double buildCpuMs = 0; // on an idle machine the build takes about this over the cores
    double rebuildMs = 0;
    double longestSilenceMs = 0; // the longest time without a progress report
    qint64 mediaBytes = 0;
};

Run measure(const Website &site) {
    Run run;
    QElapsedTimer sinceReport;
    const auto progress = [&](qint64, qint64) {
        run.longestSilenceMs = std::max(run.longestSilenceMs, msSince(sinceReport));
        sinceReport.start();
    };
    QElapsedTimer timer;
    timer.start();
    sinceReport.start();
    const double cpuBefore = cpuMs();
    if (const BuildResult result = BuildWebsite(site, progress); !result.ok)
        qFatal("build failed: %s", qPrintable(result.message()));
    run.buildMs = msSince(timer);
    run.buildCpuMs = cpuMs() - cpuBefore;
    run.mediaBytes = folderBytes(site.destination + u"/media"_s);

    timer.start();
    if (const BuildResult result = BuildWebsite(site); !result.ok || result.mediaFilesCopied != 0)
        qFatal("rebuild failed or copied again: %s", qPrintable(result.message()));
    run.rebuildMs = msSince(timer);
    return run;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Builds a page of twenty 4032 x 3024 photos."_s);
    parser.addHelpOption();
    const QCommandLineOption runsOption(u"runs"_s, u"Measured runs (default 5)."_s, u"N"_s, u"5"_s);
    const QCommandLineOption workOption(u"work"_s, u"Folder for the photos, kept for later runs."_s,
                                        u"DIR"_s);
    parser.addOptions({runsOption, workOption});
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    QTemporaryDir temporary;
    const QString work = parser.isSet(workOption) ? parser.value(workOption) : temporary.path();
    const QString photos = work + u"/photos"_s;
    makePhotos(photos, err);

    Website site = benchWebsite(benchTemplate(work), 1);
    site.pages.first().sourceFolder = photos;
    for (int i = 1; i <= PhotoCount; ++i)
        site.pages.first().body +=
            u"<p><img src=\"Photo%20%1.jpg\" alt=\"Photo %1\"></p>\r\n"_s.arg(i, 2, 10,
                                                                              QChar(u'0'));

    // Every run builds into a new folder, all removed only at the end (see
    // bench/README.md); one warm-up run first.
    const QTemporaryDir sites(work + u"/sites-XXXXXX"_s);
    std::vector<double> builds, cpu, rebuilds, silences;
    Run last;
    const int runs = parser.value(runsOption).toInt();
    for (int i = 0; i <= runs; ++i) {
        site.destination = sites.filePath(u"site-%1"_s.arg(i));
        last = measure(site);
        if (i == 0)
            continue;
        builds.push_back(last.buildMs);
        cpu.push_back(last.buildCpuMs);
        rebuilds.push_back(last.rebuildMs);
        silences.push_back(last.longestSilenceMs);
    }
    const qint64 originals = folderBytes(photos);
    out << u"photos: %1 of %2 x %3, %4 MB\n"_s.arg(PhotoCount)
               .arg(PhotoSize.width())
               .arg(PhotoSize.height())
               .arg(double(originals) / 1e6, 0, 'f', 1);
    out << u"build ms: median %1, slowest %2 (%3 runs)\n"_s.arg(median(builds), 0, 'f', 0)
               .arg(slowest(builds), 0, 'f', 0)
               .arg(runs);
    out << u"build processor ms (all threads): median %1\n"_s.arg(median(cpu), 0, 'f', 0);
    out << u"rebuild ms: median %1, slowest %2\n"_s.arg(median(rebuilds), 0, 'f', 0)
               .arg(slowest(rebuilds), 0, 'f', 0);
    out << u"longest time without a progress report ms: median %1\n"_s.arg(median(silences), 0, 'f',
                                                                           0);
    out << u"site pictures: %1 MB, %2% of the originals\n"_s
               .arg(double(last.mediaBytes) / 1e6, 0, 'f', 2)
               .arg(100.0 * double(last.mediaBytes) / double(originals), 0, 'f', 1);
    return 0;
}
