#include "shell/EndingSignals.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int endingSignals[] = {SIGTERM, SIGHUP, SIGINT};

// Written by the handler, read by the event loop.
int pair[2] = {-1, -1};
volatile sig_atomic_t received = 0;

void onSignal(int signal)
{
    if (received) {
        std::signal(signal, SIG_DFL);
        std::raise(signal);
        return;
    }
    received = 1;
    const int saved = errno;
    const char byte = char(signal);
    [[maybe_unused]] const ssize_t written = ::write(pair[0], &byte, 1);
    errno = saved;
}

// A signal the program was started to ignore stays ignored: "nohup quillmark" outlives its
// terminal, and a program started in the background of a shell ignores Ctrl+C.
void handleWith(void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : endingSignals) {
        struct sigaction was = {};
        if (sigaction(signal, nullptr, &was) == 0 && was.sa_handler != SIG_IGN)
            sigaction(signal, &action, nullptr);
    }
}

} // namespace

EndingSignals::EndingSignals(QObject *parent) : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, pair) != 0)
        return;
    m_notifier = new QSocketNotifier(pair[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &EndingSignals::readSignal);
    handleWith(onSignal);
}

EndingSignals::~EndingSignals()
{
    if (!m_notifier)
        return;
    handleWith(SIG_DFL);
    ::close(pair[0]);
    ::close(pair[1]);
    pair[0] = pair[1] = -1;
}

void EndingSignals::readSignal()
{
    char byte = 0;
    if (::read(pair[1], &byte, 1) == 1)
        Q_EMIT received(byte);
}

void EndingSignals::endBy(int signal)
{
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    // A signal whose default is not to end (none of these) would come back here.
    std::_Exit(128 + signal);
}
