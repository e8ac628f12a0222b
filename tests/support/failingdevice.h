// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIODevice>

namespace quillsite {

// A device that takes the first `capacity` bytes written to it and then fails as a full disk
// does, for testing what writers do when a write fails.
class FailingDevice final : public QIODevice {
public:
    explicit FailingDevice(qint64 capacity, QObject *parent = nullptr);

    // The bytes taken before the failure.
    QByteArray written() const { return m_written; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    qint64 m_capacity;
    QByteArray m_written;
};

} // namespace quillsite
