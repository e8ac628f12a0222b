// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "measuredrun.h"

#include <QElapsedTimer>
#include <QFile>

#include <vector>

#include <fcntl.h>
#include <sched.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quillsite::bench {

pid_t spawnIn(const QString &space, const QStringList &command, const QString &log) {
    // Everything the child needs is made before the fork: after it, only system calls.
    std::vector<QByteArray> words;
    for (const QString &word : command)
        words.push_back(QFile::encodeName(word));
    std::vector<char *> argv;
    for (QByteArray &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    const QByteArray logPath = QFile::encodeName(log);
    const QByteArray spacePath = QFile::encodeName(QStringLiteral("/run/netns/") + space);
    const pid_t pid = ::fork();
    if (pid != 0)
        return pid;
    if (!space.isEmpty()) {
        const int fd = ::open(spacePath.constData(), O_RDONLY);
        if (fd < 0 || ::setns(fd, CLONE_NEWNET) != 0)
            ::_exit(126);
    }
    const int in = ::open("/dev/null", O_RDONLY);
    const int out = ::open(logPath.constData(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    if (in < 0 || out < 0)
        ::_exit(126);
    ::dup2(in, 0);
    ::dup2(out, 1);
    ::dup2(out, 2);
    ::execvp(argv[0], argv.data());
    ::_exit(127);
}

RunResult runMeasured(const QString &space, const QStringList &command, const QString &log) {
    QElapsedTimer timer;
    timer.start();
    const pid_t pid = spawnIn(space, command, log);
    RunResult result;
    int status = 0;
    rusage usage{};
    if (pid < 0 || ::wait4(pid, &status, 0, &usage) != pid)
        return result;
    result.ms = double(timer.nsecsElapsed()) / 1e6;
    result.peakKib = usage.ru_maxrss;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

} // namespace quillsite::bench
