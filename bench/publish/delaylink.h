// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <atomic>
#include <thread>

namespace quillsite::bench {

// A slow link made for the benchmark: two network namespaces of its own, a client's and a
// server's, each with a TUN device, joined by this process, which holds every packet for
// `oneWayMs` before passing it on. The kernel's netem queue would do the same, where the
// kernel has it. Addresses exist only on this link (10.200.0.1 and 10.200.0.2).
class DelayLink final {
public:
    explicit DelayLink(int oneWayMs);
    ~DelayLink();
    DelayLink(const DelayLink &) = delete;
    DelayLink &operator=(const DelayLink &) = delete;

    // Returns an empty text once packets flow, or why they can't.
    QString start();
    const QString &clientNamespace() const { return m_client; }
    const QString &serverNamespace() const { return m_server; }
    static QString serverAddress() { return QStringLiteral("10.200.0.2"); }

private:
    void forward(int clientTun, int serverTun);

    int m_oneWayMs;
    QString m_client;
    QString m_server;
    std::thread m_thread;
    int m_stop[2] = {-1, -1};
    bool m_made = false;
};

// Enters the network namespace `name` (made by `ip netns add`) in the calling thread or
// process; false when it can't.
bool enterNamespace(const QString &name);

} // namespace quillsite::bench
