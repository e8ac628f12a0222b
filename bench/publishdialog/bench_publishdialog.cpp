// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The Publish dialog's figures: the time from asking for it to its window being
// shown, and a republish of an unchanged site of --pages pages, from a click on
// Publish to the outcome shown, to an sshd on 127.0.0.1 reached with a key.
// Usage: bench_publishdialog [--pages N]  (as root: the sshd lets this user in)
#include "benchservers.h"
#include "benchstats.h"
#include "fakedesktopservices.h"
#include "publishwindow/frmpublish.h"
#include "publishwindow/publishplace.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;
using namespace quillsite;
using namespace quillsite::bench;

namespace {

bool writeSite(const QString &folder, int pages) {
    QDir().mkpath(folder + u"/media"_s);
    for (int page = 0; page < pages; ++page) {
        QFile file(folder + (page == 0 ? u"/index.htm"_s : u"/page%1.htm"_s.arg(page)));
        if (!file.open(QIODevice::WriteOnly) ||
            file.write((u"<html><body>"_s + pageBody(page) + u"</body></html>"_s).toUtf8()) < 0)
            return false;
    }
    return true;
}

int freePort() {
    QTcpServer server;
    return server.listen(QHostAddress::LocalHost, 0) ? server.serverPort() : 0;
}

// Clicks Publish and waits for the outcome; the milliseconds it took, or -1.
double publishOnce(frmPublish &dialog) {
    QElapsedTimer timer;
    timer.start();
    QTest::mouseClick(dialog.findChild<QPushButton *>(u"cmdPublish"_s), Qt::LeftButton);
    waitUntil([&] { return !dialog.isWorking(); });
    const double ms = msSince(timer);
    const QString status = dialog.findChild<QLabel *>(u"lblStatus"_s)->text();
    if (!status.startsWith(u"Published to"_s) && !status.startsWith(u"Nothing to publish"_s)) {
        std::fprintf(stderr, "publish failed: %s\n", qPrintable(status));
        return -1;
    }
    return ms;
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    const int pages = pageCountOption(app, 1);
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir work;
    // The dialog finds the key and the known host where a user keeps them.
    qputenv("HOME", QFile::encodeName(work.path()));
    qunsetenv("SSH_AUTH_SOCK");
    BenchServers servers(work.path());
    QDir().mkpath(work.filePath(u".ssh"_s));
    const int port = freePort();
    const QString serverFolder = work.filePath(u"server"_s);
    QDir().mkpath(serverFolder);
    QString problem = servers.prepare(serverFolder);
    if (problem.isEmpty())
        problem = servers.start(QString(), u"127.0.0.1"_s, port);
    if (problem.isEmpty() &&
        !QFile::copy(servers.knownHosts(), work.filePath(u".ssh/known_hosts"_s)))
        problem = u"can't copy known_hosts"_s;
    const QString site = work.filePath(u"site"_s);
    if (problem.isEmpty() && !writeSite(site, pages))
        problem = u"can't write the site"_s;
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        return 1;
    }

    PublishPlace place;
    place.host = u"127.0.0.1"_s;
    place.port = port;
    place.user = servers.user();
    place.remoteFolder = serverFolder;
    place.signIn = PublishPlace::SignIn::KeyFile;
    place.keyFile = servers.clientKey();
    savePublishPlace(site, place);

    FakeDesktopServices desktop;
    std::vector<double> opening;
    for (int run = 0; run < 15; ++run) {
        QElapsedTimer timer;
        timer.start();
        frmPublish dialog(desktop, site);
        dialog.show();
        if (!QTest::qWaitForWindowExposed(&dialog))
            return 1;
        opening.push_back(msSince(timer));
    }

    frmPublish dialog(desktop, site);
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog) || publishOnce(dialog) < 0)
        return 1;
    std::vector<double> republish;
    for (int run = 0; run < 9; ++run) {
        const double ms = publishOnce(dialog);
        if (ms < 0)
            return 1;
        republish.push_back(ms);
    }
    std::printf("Publish dialog, %d pages, sshd on 127.0.0.1\n", pages);
    std::printf("  opening the dialog:   median %7.1f ms, slowest %7.1f ms (%zu runs)\n",
                median(opening), slowest(opening), opening.size());
    std::printf("  unchanged republish:  median %7.1f ms, slowest %7.1f ms (%zu runs)\n",
                median(republish), slowest(republish), republish.size());
    return 0;
}
