// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

// quillsite-publish: puts a built site on the web and keeps it in step.

#include "buildinfo.h"
#include "cli/publish/publishcommand.h"
#include "cli/publish/publishsession.h"
#include "platform/translations.h"

#include <QCoreApplication>
#include <QTextStream>

#include <csignal>

using namespace quillsite;
using namespace Qt::StringLiterals;

namespace {

std::atomic_bool stopRequested = false;

void requestStop(int) {
    stopRequested = true;
}

// SIGINT and SIGTERM let the file in flight complete and the manifest be written.
void stopGently() {
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"quillsite-publish"_s);
    QCoreApplication::setApplicationVersion(QLatin1StringView(QUILLSITE_VERSION));
    installTranslations();
    QTextStream out(stdout);
    QTextStream err(stderr);

    const PublishCommand command = interpretPublishCommandLine(QCoreApplication::arguments());
    switch (command.mode) {
    case PublishMode::ShowText:
        out << command.text;
        return 0;
    case PublishMode::Fail:
        err << command.error << '\n';
        return int(PublishExit::UsageError);
    default:
        break;
    }
    stopGently();
    return runPublish(command, stopRequested, out, err);
}
