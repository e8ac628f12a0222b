// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <sys/types.h>

namespace quillsite::bench {

struct RunResult {
    double ms = 0;
    qint64 peakKib = 0; // the largest resident size of the program (and any it waited for)
    int exitCode = -1;
};

// Starts `command` in the network namespace `space` (empty: this one), its output appended
// to `log`; returns its process id, or -1.
pid_t spawnIn(const QString &space, const QStringList &command, const QString &log);

// Runs `command` as spawnIn does, to its end: wall-clock time and peak memory.
RunResult runMeasured(const QString &space, const QStringList &command, const QString &log);

} // namespace quillsite::bench
