// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "delaylink.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>

#include <chrono>
#include <cstring>
#include <deque>
#include <vector>

#include <fcntl.h>
#include <linux/if_tun.h>
#include <net/if.h>
#include <poll.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace quillsite::bench {

namespace {

using Clock = std::chrono::steady_clock;

constexpr char kDevice[] = "qsb0";
// Large frames, as the loopback and veth devices pass them, keep the forwarding cheap.
constexpr int kMtu = 9000;

bool ip(const QStringList &arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(u"ip"_s, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        qWarning("ip %s: %s", qPrintable(arguments.join(u' ')), process.readAll().constData());
        return false;
    }
    return true;
}

int openTun(const QString &space) {
    if (!enterNamespace(space))
        return -1;
    const int fd = ::open("/dev/net/tun", O_RDWR | O_NONBLOCK);
    ifreq request{};
    request.ifr_flags = IFF_TUN | IFF_NO_PI;
    std::strncpy(request.ifr_name, kDevice, IFNAMSIZ - 1);
    if (fd < 0 || ::ioctl(fd, TUNSETIFF, &request) != 0)
        return -1;
    return fd;
}

struct Packet {
    Clock::time_point due;
    std::vector<char> bytes;
};

} // namespace

bool enterNamespace(const QString &name) {
    const int fd = ::open(QFile::encodeName(u"/run/netns/"_s + name).constData(), O_RDONLY);
    const bool entered = fd >= 0 && ::setns(fd, CLONE_NEWNET) == 0;
    if (fd >= 0)
        ::close(fd);
    return entered;
}

DelayLink::DelayLink(int oneWayMs)
    : m_oneWayMs(oneWayMs)
    , m_client(u"qsbench-client-%1"_s.arg(QCoreApplication::applicationPid()))
    , m_server(u"qsbench-server-%1"_s.arg(QCoreApplication::applicationPid())) {}

DelayLink::~DelayLink() {
    if (m_thread.joinable()) {
        const char stop = 1;
        [[maybe_unused]] const auto written = ::write(m_stop[1], &stop, 1);
        m_thread.join();
    }
    for (int fd : m_stop) {
        if (fd >= 0)
            ::close(fd);
    }
    if (m_made) {
        ip({u"netns"_s, u"delete"_s, m_client});
        ip({u"netns"_s, u"delete"_s, m_server});
    }
}

QString DelayLink::start() {
    m_made = ip({u"netns"_s, u"add"_s, m_client}) && ip({u"netns"_s, u"add"_s, m_server});
    if (!m_made)
        return u"can't make network namespaces (ip netns add)"_s;
    const QString device = QString::fromLatin1(kDevice);
    const auto setUp = [&](const QString &space, const QString &self, const QString &peer) {
        return ip({u"-n"_s, space, u"link"_s, u"set"_s, u"lo"_s, u"up"_s}) &&
               ip({u"-n"_s, space, u"tuntap"_s, u"add"_s, u"dev"_s, device, u"mode"_s, u"tun"_s}) &&
               ip({u"-n"_s, space, u"link"_s, u"set"_s, device, u"mtu"_s, QString::number(kMtu)}) &&
               ip({u"-n"_s, space, u"addr"_s, u"add"_s, self, u"peer"_s, peer, u"dev"_s, device}) &&
               ip({u"-n"_s, space, u"link"_s, u"set"_s, device, u"up"_s});
    };
    if (!setUp(m_client, u"10.200.0.1"_s, serverAddress()) ||
        !setUp(m_server, serverAddress(), u"10.200.0.1"_s))
        return u"can't set up the TUN devices"_s;
    if (::pipe(m_stop) != 0)
        return u"can't make a pipe"_s;
    std::atomic<int> opened = 0;
    m_thread = std::thread([this, &opened] {
        // Namespaces are entered by this thread alone.
        const int client = openTun(m_client);
        const int server = openTun(m_server);
        opened = client >= 0 && server >= 0 ? 1 : -1;
        opened.notify_one();
        if (opened == 1)
            forward(client, server);
        for (int fd : {client, server}) {
            if (fd >= 0)
                ::close(fd);
        }
    });
    opened.wait(0);
    return opened == 1 ? QString() : u"can't open the TUN devices"_s;
}

void DelayLink::forward(int clientTun, int serverTun) {
    const int tuns[2] = {clientTun, serverTun};
    std::deque<Packet> queues[2]; // queues[i]: read from tuns[i], to be written to the other
    const auto delay = std::chrono::milliseconds(m_oneWayMs);
    std::vector<char> buffer(65536);
    for (;;) {
        Clock::time_point next = Clock::time_point::max();
        for (const auto &queue : queues) {
            if (!queue.empty())
                next = std::min(next, queue.front().due);
        }
        timespec wait{};
        timespec *timeout = nullptr;
        if (next != Clock::time_point::max()) {
            const auto left = std::max(Clock::duration::zero(), next - Clock::now());
            wait.tv_sec = std::chrono::duration_cast<std::chrono::seconds>(left).count();
            wait.tv_nsec = (std::chrono::duration_cast<std::chrono::nanoseconds>(left) %
                            std::chrono::seconds(1))
                               .count();
            timeout = &wait;
        }
        pollfd fds[3] = {{tuns[0], POLLIN, 0}, {tuns[1], POLLIN, 0}, {m_stop[0], POLLIN, 0}};
        if (::ppoll(fds, 3, timeout, nullptr) < 0 || (fds[2].revents & POLLIN))
            return;
        const Clock::time_point now = Clock::now();
        for (int side = 0; side < 2; ++side) {
            for (ssize_t size; (size = ::read(tuns[side], buffer.data(), buffer.size())) > 0;)
                queues[side].push_back({now + delay, {buffer.begin(), buffer.begin() + size}});
        }
        for (int side = 0; side < 2; ++side) {
            auto &queue = queues[side];
            while (!queue.empty() && queue.front().due <= Clock::now()) {
                // A full device queue drops the packet, as a real link would.
                [[maybe_unused]] const auto written =
                    ::write(tuns[1 - side], queue.front().bytes.data(), queue.front().bytes.size());
                queue.pop_front();
            }
        }
    }
}

} // namespace quillsite::bench
