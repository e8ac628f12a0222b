// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "failingdevice.h"

#include <algorithm>

namespace quillsite {

FailingDevice::FailingDevice(qint64 capacity, QObject *parent)
    : QIODevice(parent)
    , m_capacity(capacity) {}

qint64 FailingDevice::readData(char *, qint64) {
    setErrorString(QStringLiteral("The device can only be written to"));
    return -1;
}

// Like write(2) on a nearly full disk: a partial write first, then an error.
qint64 FailingDevice::writeData(const char *data, qint64 size) {
    const qint64 room = m_capacity - m_written.size();
    if (room <= 0) {
        setErrorString(QStringLiteral("No space left on device"));
        return -1;
    }
    const qint64 taken = std::min(room, size);
    m_written.append(data, taken);
    return taken;
}

} // namespace quillsite
