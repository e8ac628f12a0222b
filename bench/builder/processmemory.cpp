// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "processmemory.h"

#include <QFile>

namespace quillsite::bench {

namespace {

qint64 statusValueKib(const QByteArray &key) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(QByteArray(key + ':')))
            return line.mid(key.size() + 1).trimmed().split(' ').constFirst().toLongLong();
    }
    return -1;
}

} // namespace

qint64 residentKib() {
    return statusValueKib("VmRSS");
}

qint64 peakResidentKib() {
    return statusValueKib("VmHWM");
}

bool resetPeakResident() {
    // Writing 5 to clear_refs resets VmHWM to the present RSS (Linux 4.0 and later).
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    return clearRefs.open(QIODevice::WriteOnly) && clearRefs.write("5") == 1;
}

} // namespace quillsite::bench
