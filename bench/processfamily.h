// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QList>

#include <cstdio>
#include <utility>
#include <vector>

// The memory of a program together with the processes it started, as the
// benchmarks of the windows report it.
namespace quillsite::bench {

// Resident memory of a process in kB, from /proc.
inline qint64 residentKb(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

inline qint64 parentOf(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = stat.readAll();
    // "pid (name) state ppid ...": the name may hold blanks, so read after its ")".
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    return fields.value(1).toLongLong();
}

// This process and all its descendants (the web engine's zygote and renderers).
inline std::pair<qint64, int> familyResidentKb() {
    const qint64 self = QCoreApplication::applicationPid();
    std::vector<std::pair<qint64, qint64>> processes; // pid, parent
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool number = false;
        const qint64 pid = entry.toLongLong(&number);
        if (number)
            processes.push_back({pid, parentOf(pid)});
    }
    std::vector<qint64> family{self};
    for (std::size_t i = 0; i < family.size(); ++i) {
        for (const auto &[pid, parent] : processes) {
            if (parent == family[i])
                family.push_back(pid);
        }
    }
    qint64 total = 0;
    for (qint64 pid : family) {
        if (qEnvironmentVariableIsSet("BENCH_PROCESSES"))
            std::printf("  process %lld: %lld kB\n", pid, residentKb(pid));
        total += residentKb(pid);
    }
    return {total, int(family.size())};
}

} // namespace quillsite::bench
