#pragma once

#include <QByteArray>
#include <functional>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

// Runs `body` in a forked child and returns what it reported, so that a test can lower the
// child's rights or limits without touching the test process. Root passes every permission
// check, so with `asNobody` a root child first becomes the unprivileged user "nobody"; the
// report is "cannot drop privileges" when that is refused.
inline QByteArray inChild(bool asNobody, const std::function<QByteArray()> &body)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return "pipe failed";
    const pid_t pid = ::fork();
    if (pid < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        return "fork failed";
    }
    if (pid == 0) {
        ::close(fds[0]);
        QByteArray report;
        if (asNobody && ::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
            report = "cannot drop privileges";
        else
            report = body();
        const bool written = ::write(fds[1], report.constData(), size_t(report.size())) >= 0;
        ::_exit(written ? 0 : 1);
    }
    ::close(fds[1]);
    QByteArray report;
    char buffer[512];
    ssize_t n;
    while ((n = ::read(fds[0], buffer, sizeof buffer)) > 0)
        report.append(buffer, n);
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return report;
}
