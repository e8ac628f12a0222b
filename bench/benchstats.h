// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include <sys/resource.h>

// Figures every benchmark reports.
namespace quillsite::bench {

// The median: the middle value, or the mean of the two middle ones; 0 when empty.
template <typename Values> double median(Values values) {
    std::sort(values.begin(), values.end());
    const auto n = values.size();
    if (n == 0)
        return 0;
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The largest value; 0 when empty.
template <typename Values> double slowest(const Values &values) {
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

// One line of times: what was timed, its median and slowest, and how many times.
inline void reportTimes(const char *what, const std::vector<double> &times) {
    std::printf("%-44s median %8.2f ms   slowest %8.2f ms   (%zu)\n", what, median(times),
                slowest(times), times.size());
    std::fflush(stdout);
}

inline double msSince(const QElapsedTimer &timer) {
    return double(timer.nsecsElapsed()) / 1e6;
}

// Processor time (user and system) used so far, in milliseconds, by this
// process (RUSAGE_SELF) or by its children that have ended (RUSAGE_CHILDREN).
// It varies less than wall-clock time on a shared machine.
inline double cpuMilliseconds(int who = RUSAGE_SELF) {
    rusage usage{};
    getrusage(who, &usage);
    const auto ms = [](const timeval &t) {
        return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3;
    };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// The --pages N option of the window benchmarks (200 when not given), at least `minimum`.
inline int pageCountOption(const QCoreApplication &app, int minimum) {
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({QStringLiteral("pages"),
                      QStringLiteral("Number of pages, Home included (200)."), QStringLiteral("n"),
                      QStringLiteral("200")});
    parser.process(app);
    return std::max(minimum, parser.value(QStringLiteral("pages")).toInt());
}

// About 4 KB of body markup for page number `page`, as the window benchmarks give it.
inline QString pageBody(int page) {
    QString body;
    for (int i = 0; body.size() < 4000; ++i)
        body += QStringLiteral("<p>Page %1, paragraph %2: <b>some</b> text.</p>").arg(page).arg(i);
    return body;
}

// Runs the event loop until done() holds, or for timeoutMs at the most.
inline void waitUntil(const std::function<bool()> &done, int timeoutMs = 120000) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
}

} // namespace quillsite::bench
