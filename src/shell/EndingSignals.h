#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGHUP and SIGINT (the session ending, the terminal closing, Ctrl+C) would end the
// program at once, while a changed character waits on the sheet. Installed, each one instead
// writes a byte into a socket pair that the event loop reads, and received() is raised there,
// where anything may be done before the program ends by endBy(). A second signal before that ends
// the program at once, as the signal would have.
//
// A socket pair and sigaction(), not signalfd: a signalfd needs the signals blocked, and that
// mask would be inherited by Qt's threads and by every program started from here.
class EndingSignals : public QObject
{
    Q_OBJECT

public:
    // Installs the handlers; only one object may exist at a time.
    explicit EndingSignals(QObject *parent = nullptr);
    ~EndingSignals() override;

    // Ends the program as `signal` would have: its default action restored, and raised again.
    [[noreturn]] static void endBy(int signal);

Q_SIGNALS:
    void received(int signal);

private:
    void readSignal();

    QSocketNotifier *m_notifier = nullptr;
};
