// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Time from process start to the wizard's window on screen (the native window that stays,
// should Qt replace the first one), and the memory in use then, with the bundled templates
// and with 500 generated ones.
// Runs the wizard under the current display: xvfb-run -a bin/bench_startup
#include "benchstats.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

using namespace Qt::StringLiterals;
using quillsite::bench::median;

struct Run {
    double shownMs = 0;
    double editorMs = 0; // after the window was shown
    double shownRssMb = 0;
    double editorRssMb = 0;
    double nativeWindows = 0; // more than one: the window was replaced on screen
};

void writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("can't write %s", qPrintable(path));
}

void generateTemplates(const QString &dataFolder, int count) {
    QImage thumb(80, 80, QImage::Format_RGB32);
    QImage full(190, 190, QImage::Format_RGB32);
    for (int i = 0; i < count; ++i) {
        const QString folder = u"%1/templates/t%2"_s.arg(dataFolder).arg(i, 4, 10, QChar(u'0'));
        QDir().mkpath(folder + u"/files"_s);
        writeFile(folder + u"/data.ini"_s,
                  "[Data]\r\nName=Template " + QByteArray::number(i) +
                      "\r\nAuthor=Bench\r\nURL=https://example.org/\r\nDescription=Generated.\r\n");
        writeFile(folder + u"/main.txt"_s,
                  "<html><body><!--MenuItems--><!--PageContent--></body></html>");
        writeFile(folder + u"/menuitem.txt"_s, "<a href=\"<!--ItemPath-->\"><!--ItemName--></a>");
        thumb.fill(QColor::fromHsv(i % 360, 200, 200));
        full.fill(QColor::fromHsv((i * 7) % 360, 150, 220));
        thumb.save(folder + u"/screen_thumb.jpg"_s, "JPEG");
        full.save(folder + u"/screen_full.jpg"_s, "JPEG");
    }
}

bool runOnce(const QString &child, const QString &dataFolder, Run &run) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    process.start(child, {dataFolder});
    bool shown = false;
    bool editorReady = false;
    while (process.waitForReadyRead(30000)) {
        while (process.canReadLine()) {
            const QList<QByteArray> words = process.readLine().trimmed().split(' ');
            if (words.constFirst() == "shown") {
                run.shownMs = clock.nsecsElapsed() / 1e6;
                run.shownRssMb = words.value(1).toDouble() / 1024;
                shown = true;
            } else if (words.constFirst() == "editor") {
                run.editorMs = words.value(1).toDouble();
                editorReady = true;
                run.editorRssMb = words.value(2).toDouble() / 1024;
                run.nativeWindows = words.value(3).toDouble();
            }
        }
        if (process.state() == QProcess::NotRunning)
            break;
    }
    process.waitForFinished(30000);
    return shown && editorReady;
}

void report(const char *scenario, const QList<Run> &runs) {
    QList<double> shown, editor, shownRss, editorRss, windows;
    for (const Run &run : runs) {
        shown << run.shownMs;
        editor << run.editorMs;
        shownRss << run.shownRssMb;
        editorRss << run.editorRssMb;
        windows << run.nativeWindows;
    }
    std::printf("%-22s runs %2lld  window shown %7.1f ms (RSS %6.1f MB)  "
                "Home editor ready %6.1f ms later (RSS %6.1f MB)  native windows %.0f\n",
                scenario, static_cast<long long>(runs.size()), median(shown), median(shownRss),
                median(editor), median(editorRss),
                *std::max_element(windows.cbegin(), windows.cend()));
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? QByteArray(argv[1]).toInt() : 7;
    const QString binFolder = QCoreApplication::applicationDirPath();
    const QString child = binFolder + u"/startup_child"_s;

    QTemporaryDir generated;
    generateTemplates(generated.path(), 500);

    const QList<std::pair<const char *, QString>> scenarios{{"plain window (floor)", u"--floor"_s},
                                                            {"bundled templates", binFolder},
                                                            {"500 templates", generated.path()}};
    QList<QList<Run>> results(scenarios.size());
    // Round by round, so that a busy moment of the machine weighs on every scenario alike.
    for (int round = -1; round < runs; ++round) {
        for (qsizetype i = 0; i < scenarios.size(); ++i) {
            Run run;
            if (!runOnce(child, scenarios[i].second, run)) {
                std::fprintf(stderr, "the wizard did not start (is there a display?)\n");
                return 1;
            }
            if (round >= 0) // the first round only fills the file cache
                results[i] << run;
        }
    }
    for (qsizetype i = 0; i < scenarios.size(); ++i)
        report(scenarios[i].first, results[i]);
    std::printf("medians; targets: bundled within 500 ms, 500 templates within 2000 ms\n");
    return 0;
}
