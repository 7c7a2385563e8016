#pragma once

#include <QByteArray>
#include <functional>
#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

// Runs `body` in a forked child and returns what it reported, so that a test can lower the
// child's rights or limits without touching the test process.
//
// A test that needs a write or a read to be refused takes the permission away from everyone,
// the file's owner included, so that it is refused for whoever runs the test. Only root still
// gets through, so with `asNobody` a child running as root first becomes the unprivileged user
// "nobody"; every other user keeps its own rights. The report is "cannot drop privileges" when
// root may not become nobody here (no such user, or no right to change user).
inline QByteArray inChild(bool asNobody, const std::function<QByteArray()> &body)
{
    const bool drop = asNobody && ::geteuid() == 0;
    const passwd *nobody = drop ? ::getpwnam("nobody") : nullptr;
    const uid_t uid = nobody ? nobody->pw_uid : 0;
    const gid_t gid = nobody ? nobody->pw_gid : 0;
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
        if (drop && (uid == 0 || ::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 ||
                     ::setuid(uid) != 0 || ::geteuid() == 0))
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
    if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        report += " | the child did not end cleanly";
    return report;
}
